#include "runtime/win32/SystemLibraries.h"

namespace velkorin::win32 {

Kernel32Library& Kernel32() {
    static Kernel32Library table;
    return table;
}

Shell32Library& Shell32() {
    static Shell32Library table;
    return table;
}

Comctl32Library& Comctl32() {
    static Comctl32Library table;
    return table;
}

User32Library& User32() {
    static User32Library table;
    return table;
}

Gdi32Library& Gdi32() {
    static Gdi32Library table;
    return table;
}

MsvcrtLibrary& Msvcrt() {
    static MsvcrtLibrary table;
    return table;
}

Msimg32Library& Msimg32() {
    static Msimg32Library table;
    return table;
}

UxthemeLibrary& Uxtheme() {
    static UxthemeLibrary table;
    return table;
}

}  // namespace velkorin::win32
