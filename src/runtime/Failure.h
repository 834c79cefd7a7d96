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

    // The runtime's own failures, numbered as Automation runtimes have always numbered them. Each is
    // made here and nowhere else.
    static Failure InvalidCall();
    static Failure Overflow();
    static Failure OutOfMemory();
    static Failure DivisionByZero();
    static Failure TypeMismatch();
    static Failure InternalError(const std::string& what);
    static Failure FileNotFound();
    static Failure LibraryNotFound(const std::string& library);
    static Failure ObjectNotSet();
    static Failure ResourceNotFound(int32_t id);
    static Failure ObjectUnloaded();
    static Failure InvalidPropertyValue();
    static Failure ReadOnlyProperty();
    static Failure NoSuchMember();
    static Failure WrongArguments();
    static Failure EntryPointNotFound(const std::string& function, const std::string& library);
    static Failure InvalidPicture();

private:
    int32_t number_;
    std::string description_;
};

namespace failure_number {
constexpr int32_t kInvalidCall = 5;
constexpr int32_t kOverflow = 6;
constexpr int32_t kOutOfMemory = 7;
constexpr int32_t kDivisionByZero = 11;
constexpr int32_t kTypeMismatch = 13;
constexpr int32_t kInternalError = 51;
constexpr int32_t kBadFileName = 52;
constexpr int32_t kFileNotFound = 53;
constexpr int32_t kDiskFull = 61;
constexpr int32_t kPermissionDenied = 70;
constexpr int32_t kPathFileAccess = 75;
constexpr int32_t kPathNotFound = 76;
constexpr int32_t kObjectNotSet = 91;
constexpr int32_t kResourceNotFound = 326;
constexpr int32_t kObjectUnloaded = 364;
constexpr int32_t kInvalidPropertyValue = 380;
constexpr int32_t kReadOnlyProperty = 383;
constexpr int32_t kNoSuchMember = 438;
constexpr int32_t kWrongArguments = 450;
constexpr int32_t kEntryPointNotFound = 453;
constexpr int32_t kInvalidPicture = 481;
}  // namespace failure_number

}  // namespace velkorin
