#pragma once

namespace velkorin::selftest_text {

// Every line the test run writes, byte for byte.
constexpr const char kStartLine[] = "Starting Test.";
constexpr const char kDatePrefix[] = "Date: ";
constexpr const char kTimePrefix[] = " Time: ";
constexpr const char kSeparator[] = "''''''''''''''''''''''''''''''''''''''''''''''''''''''''";
constexpr const char kDaoStageLine[] = "Connecting To Test.mdb using DAO...";
constexpr const char kAdoStageLine[] = "Connecting To Test.mdb using ADO...";
constexpr const char kSuccessLine[] = "--Successful";
constexpr const char kQueryLine[] = "Opening Table...";
constexpr const char kClosingLine[] = "Closing connection to the database.";
constexpr const char kErrorPrefix[] = "ERROR!: ";
constexpr const char kErrorSeparator[] = " - ";
constexpr const char kEndLine[] = "Done, Test Complete.";

constexpr const char kDatabaseFile[] = "\\test.mdb";
constexpr const char kQuery[] = "SELECT * FROM test ORDER BY [ID]";
constexpr const char kAdoConnectionPrefix[] = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";

constexpr const char kDaoEngineClass[] = "{00000100-0000-0010-8000-00AA006D2EA4}";
constexpr const char kAdoConnectionClass[] = "{00000514-0000-0010-8000-00AA006D2EA4}";
constexpr const char kAdoRecordsetClass[] = "{00000535-0000-0010-8000-00AA006D2EA4}";

// ADO's own constants for the arguments we pass.
constexpr int kAdUseClient = 3;
constexpr int kAdConnectUnspecified = -1;
constexpr int kAdOpenDynamic = 2;
constexpr int kAdLockOptimistic = 3;
constexpr int kAdCmdUnspecified = -1;

}  // namespace velkorin::selftest_text
