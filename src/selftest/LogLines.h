#pragma once

namespace velkorin::log_lines {

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

}  // namespace velkorin::log_lines
