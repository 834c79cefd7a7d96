#pragma once

#include "ComponentFactory.h"
#include "DateTimeText.h"
#include "EventLoop.h"
#include "ProgramFolder.h"
#include "TextFileAppender.h"

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
