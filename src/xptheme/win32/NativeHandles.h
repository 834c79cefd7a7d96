#pragma once

#include <windows.h>
#include <uxtheme.h>

#include "xptheme/PlatformHandle.h"

namespace velkorin::win32 {

// The one place where the module's handles and the platform's meet.
inline HWND Native(WindowHandle window) { return reinterpret_cast<HWND>(window.Value()); }
inline HDC Native(DcHandle dc) { return reinterpret_cast<HDC>(dc.Value()); }
inline HGDIOBJ Native(GdiObjectHandle object) { return reinterpret_cast<HGDIOBJ>(object.Value()); }
inline HRGN Native(RegionHandle region) { return reinterpret_cast<HRGN>(region.Value()); }
inline HTHEME Native(ThemeHandle theme) { return reinterpret_cast<HTHEME>(theme.Value()); }

template <class Handle>
Handle Wrapped(const void* native) {
    return Handle(reinterpret_cast<std::uintptr_t>(native));
}

}  // namespace velkorin::win32
