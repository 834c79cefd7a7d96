#pragma once

namespace velkorin::database_components {

// The database next to the program, the query run on it, and how ADO reaches it.
constexpr const char kDatabaseFile[] = "\\test.mdb";
constexpr const char kQuery[] = "SELECT * FROM test ORDER BY [ID]";
constexpr const char kAdoConnectionPrefix[] = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";

// The class ids of the components under test.
constexpr const char kDaoEngineClass[] = "{00000100-0000-0010-8000-00AA006D2EA4}";
constexpr const char kAdoConnectionClass[] = "{00000514-0000-0010-8000-00AA006D2EA4}";
constexpr const char kAdoRecordsetClass[] = "{00000535-0000-0010-8000-00AA006D2EA4}";

// ADO's own constants for the arguments we pass.
constexpr int kAdUseClient = 3;
constexpr int kAdConnectUnspecified = -1;
constexpr int kAdOpenDynamic = 2;
constexpr int kAdLockOptimistic = 3;
constexpr int kAdCmdUnspecified = -1;

}  // namespace velkorin::database_components
