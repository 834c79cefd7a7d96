#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace velkorin {

// A failed step: the number and description that reach the pending error and, from there, the log.
class Failure : public std::exception {
public:
    Failure(int32_t number, std::string description);

    const char* what() const noexcept override { return description_.c_str(); }

    int32_t Number() const { return number_; }
    const std::string& Description() const { return description_; }

    // The runtime's own failures, numbered as Automation runtimes have always numbered them.
    static Failure ObjectNotSet();
    static Failure NoSuchMember();
    static Failure TypeMismatch();
    static Failure Overflow();
    static Failure LibraryNotFound(const std::string& library);
    static Failure EntryPointNotFound(const std::string& function, const std::string& library);

private:
    int32_t number_;
    std::string description_;
};

namespace failure_number {
constexpr int32_t kOverflow = 6;
constexpr int32_t kTypeMismatch = 13;
constexpr int32_t kFileNotFound = 53;
constexpr int32_t kObjectNotSet = 91;
constexpr int32_t kNoSuchMember = 438;
constexpr int32_t kEntryPointNotFound = 453;
}  // namespace failure_number

}  // namespace velkorin
