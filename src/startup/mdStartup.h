#pragma once

#include <memory>

#include "ui/win32/FrmMain.h"
#include "runtime/win32/Win32EventLoop.h"
#include "xptheme/mdXpThemeSupport.h"

namespace velkorin::win32 {

// What the program's start-up works on: the one window, created once, and the services it needs.
struct Application {
    HINSTANCE instance;
    Runtime& runtime;
    Win32EventLoop& eventLoop;
    mdXpThemeSupport& theme;
    ModMain& slots;
    std::unique_ptr<FrmMain> frmMain;
};

// Prepares the process (data-execution setting, pending messages, common controls) and shows the
// window without waiting for it. Nothing is reported: a failing step is skipped.
void Main(Application& app);

}  // namespace velkorin::win32
