// What runs should an exception ever escape to std::terminate. The toolchain's default handler
// prints the exception's demangled type to a console this program does not have, and the runtime's
// abort() can then show a message box. A diagnostic never shows a dialog of its own: end the process
// at once with a distinct exit code (3 and 4 say what lies beside the program; see WinMain.cpp).
// Defining the handler here also keeps the demangler, which only the default handler uses, out of
// the executable; <exception> declares it.
#include <windows.h>

#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    TerminateProcess(GetCurrentProcess(), 5);
    for (;;) {
    }
}

}  // namespace __gnu_cxx
