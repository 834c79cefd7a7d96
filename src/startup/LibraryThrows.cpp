// The C++ library's helpers that throw its standard exceptions, defined once here for the program.
// The library's own versions bring in every standard exception class and, through them, a second
// (copy-on-write) string implementation: about 50 KB the program never needs. Allocation failures
// stay std::bad_alloc, which the continue-on-error rule reports as "Out of memory"; the rest could
// only come from our own mistakes and become the runtime's internal error with the library's text.
#include <cstdarg>
#include <new>
#include <typeinfo>

#include "runtime/Failure.h"

namespace {
[[noreturn]] void ThrowInternal(const char* what) { throw velkorin::Failure::InternalError(what ? what : ""); }
}  // namespace

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_alloc(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_bad_exception() { throw bad_exception(); }
void __throw_logic_error(const char* what) { ThrowInternal(what); }
void __throw_domain_error(const char* what) { ThrowInternal(what); }
void __throw_invalid_argument(const char* what) { ThrowInternal(what); }
void __throw_length_error(const char* what) { ThrowInternal(what); }
void __throw_out_of_range(const char* what) { ThrowInternal(what); }
void __throw_out_of_range_fmt(const char* format, ...) { ThrowInternal(format); }
void __throw_runtime_error(const char* what) { ThrowInternal(what); }
void __throw_range_error(const char* what) { ThrowInternal(what); }
void __throw_overflow_error(const char* what) { ThrowInternal(what); }
void __throw_underflow_error(const char* what) { ThrowInternal(what); }

}  // namespace std
