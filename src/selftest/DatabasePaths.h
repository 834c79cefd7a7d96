#pragma once

#include <string>

namespace velkorin {

// test.mdb in the program folder, as DAO is given it: the folder's text, then "\test.mdb".
std::string DatabasePath(const std::string& folder);

// ADO's connection string for the same file. The Data Source value goes in as it stands unless the
// folder's text would change how the string parses: a ';' ends the value early and lets the rest of
// the folder's name add properties of its own, a '"' opens a quoted value, and blanks at either end
// are dropped. Then the value is quoted as OLE DB quotes values: in double quotes, each inner double
// quote doubled.
std::string AdoConnectionString(const std::string& folder);

}  // namespace velkorin
