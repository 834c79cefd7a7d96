#pragma once

#include <cstdint>

namespace velkorin {

// A handle the platform hands out, of one kind: a number only the platform reads. Each kind is a
// type of its own, so that a device context passed where a window is asked for does not compile;
// the Win32 binding converts at its edge, and nothing else looks inside.
template <class Kind>
class PlatformHandle {
public:
    constexpr PlatformHandle() = default;
    constexpr explicit PlatformHandle(std::uintptr_t value) : value_(value) {}

    constexpr std::uintptr_t Value() const { return value_; }
    constexpr explicit operator bool() const { return value_ != 0; }

    friend constexpr bool operator==(PlatformHandle a, PlatformHandle b) { return a.value_ == b.value_; }
    friend constexpr bool operator!=(PlatformHandle a, PlatformHandle b) { return a.value_ != b.value_; }
    friend constexpr bool operator<(PlatformHandle a, PlatformHandle b) { return a.value_ < b.value_; }

private:
    std::uintptr_t value_ = 0;
};

using WindowHandle = PlatformHandle<struct WindowKind>;
using DcHandle = PlatformHandle<struct DcKind>;
using GdiObjectHandle = PlatformHandle<struct GdiObjectKind>;  // a brush, a bitmap, a font, an icon
using RegionHandle = PlatformHandle<struct RegionKind>;
using ThemeHandle = PlatformHandle<struct ThemeKind>;
using ModuleHandle = PlatformHandle<struct ModuleKind>;

// A region is a GDI object too, and is deleted as one.
constexpr GdiObjectHandle AsGdiObject(RegionHandle region) { return GdiObjectHandle(region.Value()); }

}  // namespace velkorin
