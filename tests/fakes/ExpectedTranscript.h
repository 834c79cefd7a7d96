#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace velkorin::expected {

// Pieces of the self-test's transcript, as the tests of every layer expect them.
using Lines = std::vector<std::string>;

inline const std::string kSep(56, '\'');
inline const Lines kDaoSuccess = {"Connecting To Test.mdb using DAO...", "--Successful", "Opening Table...",
                                  "--Successful", "Closing connection to the database.", "--Successful", kSep};
inline const Lines kAdoSuccess = {"Connecting To Test.mdb using ADO...", "--Successful", "Opening Table...",
                                  "--Successful", "Closing connection to the database.", "--Successful", kSep};
inline const Lines kEnd = {"Done, Test Complete.", kSep};

inline Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace velkorin::expected
