#pragma once

#include "runtime/win32/ComComponentFactory.h"
#include "selftest/LogBox.h"
#include "selftest/LogWriter.h"
#include "selftest/ModMain.h"
#include "selftest/TestRun.h"
#include "runs/TimedServices.h"
#include "runtime/win32/Win32DateTimeText.h"
#include "runtime/win32/Win32EventLoop.h"
#include "runtime/win32/Win32ProgramFolder.h"
#include "runtime/win32/Win32TextFileAppender.h"

namespace velkorin::bench {

// The self-test wired as the program wires it, on the real Win32 services and real COM, with
// `text1` as its log box and each service timed on its way.
class SelfTestRig {
public:
    explicit SelfTestRig(LogBox& text1) : text1_(text1) {}
    SelfTestRig(const SelfTestRig&) = delete;
    SelfTestRig& operator=(const SelfTestRig&) = delete;

    void Click() { run_.Command1_Click(); }
    void YieldToEvents() { loop_.DoEvents(); }
    const ServiceProfile& Profile() const { return profile_; }
    // The 19 lines of a fully successful run, none of them an error line, and every slot empty.
    bool LastRunSucceeded();

private:
    LogBox& text1_;
    ServiceProfile profile_;
    win32::Win32EventLoop realLoop_;
    win32::Win32ProgramFolder folder_;
    win32::Win32DateTimeText realDateTime_;
    win32::Win32TextFileAppender realFiles_;
    win32::ComComponentFactory realComponents_;
    TimedEventLoop loop_{realLoop_, profile_};
    TimedDateTimeText dateTime_{realDateTime_, profile_};
    TimedTextFileAppender files_{realFiles_, profile_};
    TimedComponentFactory components_{realComponents_, profile_};
    TimedLogBox timedText1_{text1_, profile_};
    Runtime runtime_{loop_, folder_, dateTime_, files_, components_};
    LogWriter log_{runtime_, timedText1_};
    ModMain slots_;
    TestRun run_{runtime_, timedText1_, log_, slots_};
};

}  // namespace velkorin::bench
