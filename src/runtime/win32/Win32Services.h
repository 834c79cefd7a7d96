#pragma once

#include "runtime/Runtime.h"
#include "runtime/win32/ComComponentFactory.h"
#include "runtime/win32/Win32DateTimeText.h"
#include "runtime/win32/Win32EventLoop.h"
#include "runtime/win32/Win32ProgramFolder.h"
#include "runtime/win32/Win32TextFileAppender.h"

namespace velkorin::win32 {

// The runtime's services on the real system, made the same way by the program and by every test
// and bench program that runs the self-test for real.
struct Win32Services {
    Win32EventLoop eventLoop;
    Win32ProgramFolder programFolder;
    Win32DateTimeText dateTime;
    Win32TextFileAppender textFiles;
    ComComponentFactory components;
    Runtime runtime{eventLoop, programFolder, dateTime, textFiles, components};
};

}  // namespace velkorin::win32
