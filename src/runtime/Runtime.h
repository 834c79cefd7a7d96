#pragma once

#include "runtime/ComponentFactory.h"
#include "runtime/DateTimeText.h"
#include "runtime/EventLoop.h"
#include "runtime/ProgramFolder.h"
#include "runtime/TextFileAppender.h"

namespace velkorin {

// The form runtime's services, as the program's procedures reach them.
struct Runtime {
    EventLoop& eventLoop;
    ProgramFolder& programFolder;
    DateTimeText& dateTime;
    TextFileAppender& textFiles;
    ComponentFactory& components;
};

}  // namespace velkorin
