#include "xptheme/win32/Win32Subclassing.h"

#include "xptheme/ButtonRedirection.h"
#include "runtime/FormControl.h"
#include "xptheme/FrameRedirection.h"
#include "runtime/win32/SystemLibraries.h"
#include "xptheme/win32/NativeHandles.h"

namespace velkorin::win32 {

namespace {

// The module the procedures serve. One user-interface thread; the innermost object wins.
SubclassProcedures* g_current = nullptr;

// Nothing may unwind into the platform's dispatching: with no module, or should anything escape the
// module's own trap, the message goes down the chain as if the procedure were not there.
LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return Comctl32().pDefSubclassProc(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT CALLBACK RedirectFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (!g_current) return PassOn(window, message, wParam, lParam);
    try {
        return pvRedirectFrame(g_current->Module(), Wrapped<WindowHandle>(window), message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT CALLBACK RedirectButton(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR referenceData) {
    if (!g_current) return PassOn(window, message, wParam, lParam);
    try {
        // A counted reference for the length of this call, released on every path by its scope. The
        // reference data is the control's identity, which the form keeps alive as long as the window.
        ObjectRef control;
        if (FormControl* object = FromIdentity(referenceData)) control = object->weak_from_this().lock();
        return pvRedirectButton(g_current->Module(), g_current->Screen(), Wrapped<WindowHandle>(window), message,
                                wParam, lParam, control);
    } catch (...) {
        return 0;
    }
}

}  // namespace

SubclassProcedures::SubclassProcedures(mdXpThemeSupport& module, ScreenMetrics& screen)
    : module_(module), screen_(screen), previous_(g_current) {
    g_current = this;
}

SubclassProcedures::~SubclassProcedures() {
    if (g_current == this) g_current = previous_;
}

SUBCLASSPROC SubclassProcedures::For(SubclassProcedure procedure) {
    return procedure == SubclassProcedure::RedirectFrame ? &RedirectFrame : &RedirectButton;
}

}  // namespace velkorin::win32
