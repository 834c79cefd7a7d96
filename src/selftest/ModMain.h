#pragma once

#include "runtime/Value.h"

namespace velkorin {

// The program-level object slots of the test run. Empty when the program starts; every path of a
// stage leaves its own two slots empty again.
struct ModMain {
    ObjectRef dbDao;  // DAO Database of test.mdb
    ObjectRef rsDao;  // DAO Recordset of the query
    ObjectRef cnAdo;  // ADO Connection
    ObjectRef rsAdo;  // ADO Recordset
};

}  // namespace velkorin
