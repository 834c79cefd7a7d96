#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace velkorin::expected {

// The lines of the self-test's transcript, as the tests of every layer expect them (UTF-8).
using Lines = std::vector<std::string>;

inline const std::string kSep(56, '\'');

inline Lines Header(const std::string& dateLine) { return {"Starting Test.", dateLine, kSep}; }

inline std::string StageLine(const std::string& component) {
    return "Connecting To Test.mdb using " + component + "...";
}
// A stage ("DAO" or "ADO") whose every step succeeded.
inline Lines Succeeds(const std::string& component) {
    return {StageLine(component), "--Successful", "Opening Table...", "--Successful",
            "Closing connection to the database.", "--Successful", kSep};
}
// A stage that failed at its open step or at its query; `error` is "<number> - <description>".
inline Lines OpenFails(const std::string& component, const std::string& error) {
    return {StageLine(component), "ERROR!: " + error, kSep};
}
inline Lines QueryFails(const std::string& component, const std::string& error) {
    return {StageLine(component), "--Successful", "Opening Table...", "ERROR!: " + error, kSep};
}

inline const Lines kDaoSuccess = Succeeds("DAO");
inline const Lines kAdoSuccess = Succeeds("ADO");
inline const Lines kEnd = {"Done, Test Complete.", kSep};

inline Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace velkorin::expected
