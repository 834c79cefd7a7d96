#pragma once

#include <memory>
#include <utility>

#include "runtime/win32/LibrarySearch.h"
#include "runtime/win32/OleScope.h"
#include "runtime/win32/Win32ScreenMetrics.h"
#include "runtime/win32/Win32Services.h"
#include "xptheme/mdXpThemeSupport.h"
#include "xptheme/win32/Win32Subclassing.h"
#include "xptheme/win32/Win32ThemePlatform.h"

namespace velkorin::win32 {

// The Windows process as the program's code expects to find it, made once by each program's entry
// (the program's own, each Wine check's, each bench's) and torn down in the reverse order: the
// library search kept out of the program's folder before anything loads a library, OLE on this
// thread, the runtime's services, and the visual-style module with the subclass procedures that
// reach it, which outlive every window it subclasses.
class Win32Process {
public:
    Win32Process() : Win32Process(std::make_unique<Win32ThemePlatform>()) {}
    // A check's entry may give the module a table of its own; a table binds nothing until its
    // first call, so making it before the library search is settled loads nothing.
    explicit Win32Process(std::unique_ptr<Win32ThemePlatform> themePlatform)
        : themePlatform_(std::move(themePlatform)) {}
    Win32Process(const Win32Process&) = delete;
    Win32Process& operator=(const Win32Process&) = delete;

    bool OleReady() const { return ole_.Ok(); }
    Win32Services& Services() { return services_; }
    mdXpThemeSupport& Theme() { return theme_; }
    ScreenMetrics& Screen() { return screen_; }

private:
    struct LibrarySearchFirst {
        LibrarySearchFirst() { KeepLibrarySearchOutOfTheProgramFolder(); }
    };

    LibrarySearchFirst librarySearch_;
    OleScope ole_;
    Win32Services services_;
    std::unique_ptr<Win32ThemePlatform> themePlatform_;
    mdXpThemeSupport theme_{*themePlatform_};
    Win32ScreenMetrics screen_;
    SubclassProcedures subclassProcedures_{theme_, screen_};
};

}  // namespace velkorin::win32
