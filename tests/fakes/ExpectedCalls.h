#pragma once

#include <string>

#include "fakes/ExpectedTranscript.h"

namespace velkorin::expected {

// How a recorder writes the kind of each value a run sends: the fake components by the runtime's
// value kinds, the stand-in components by the VARIANT type that reached them.
struct ValueKinds {
    std::string text, boolean, notGiven, integer, object;
};
inline const ValueKinds kRuntimeKinds{"Text", "Boolean", "NotGiven", "Integer", "Object"};
inline const ValueKinds kVariantKinds{"VT_BSTR", "VT_BOOL", "VT_ERROR 0x80020004", "VT_I4", "VT_DISPATCH"};

// Every operation a full run sends to DAO and ADO, in order, with its arguments.
inline Lines FullRunCalls(const std::string& db, const ValueKinds& k) {
    const std::string query = k.text + " \"SELECT * FROM test ORDER BY [ID]\"";
    const std::string none = k.notGiven;
    return {
        "create DAO.DBEngine",
        "DAO.DBEngine.OpenDatabase(" + k.text + " \"" + db + "\", " + k.boolean + " false, " + k.boolean + " false, " +
            none + ")",
        "new DAO.Database",
        "DAO.Database.OpenRecordset(" + query + ", " + none + ", " + none + ", " + none + ")",
        "new DAO.Recordset",
        "DAO.Recordset.Close()",
        "DAO.Database.Close()",
        "release DAO.Recordset",
        "release DAO.Database",
        "create ADO.Connection",
        "ADO.Connection.CursorLocation = " + k.integer + " 3",
        "ADO.Connection.ConnectionString = " + k.text + " \"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + db + ";\"",
        "ADO.Connection.Open(" + k.text + " \"\", " + k.text + " \"\", " + k.text + " \"\", " + k.integer + " -1)",
        "create ADO.Recordset",
        "ADO.Recordset.Open(" + query + ", " + k.object + " ADO.Connection, " + k.integer + " 2, " + k.integer + " 3, " +
            k.integer + " -1)",
        "ADO.Recordset.Close()",
        "ADO.Connection.Close()",
        "release ADO.Recordset",
        "release ADO.Connection",
    };
}

}  // namespace velkorin::expected
