#pragma once

#include "selftest/LogBox.h"
#include "selftest/LogWriter.h"
#include "selftest/ModMain.h"
#include "selftest/TestRun.h"
#include "runs/TimedServices.h"
#include "runtime/win32/Win32Services.h"

namespace velkorin::bench {

// The self-test wired as the program wires it, on the real Win32 services and real COM, with
// `text1` as its log box and each service timed on its way.
class SelfTestRig {
public:
    SelfTestRig(win32::Win32Services& real, LogBox& text1) : real_(real), text1_(text1) {}
    SelfTestRig(const SelfTestRig&) = delete;
    SelfTestRig& operator=(const SelfTestRig&) = delete;

    void Click() { run_.Command1_Click(); }
    void YieldToEvents() { loop_.DoEvents(); }
    const ServiceProfile& Profile() const { return profile_; }
    // The 19 lines of a fully successful run, none of them an error line, and every slot empty.
    bool LastRunSucceeded();

private:
    win32::Win32Services& real_;  // each service timed in turn
    LogBox& text1_;
    ServiceProfile profile_;
    TimedEventLoop loop_{real_.eventLoop, profile_};
    TimedDateTimeText dateTime_{real_.dateTime, profile_};
    TimedTextFileAppender files_{real_.textFiles, profile_};
    TimedComponentFactory components_{real_.components, profile_};
    TimedLogBox timedText1_{text1_, profile_};
    Runtime runtime_{loop_, real_.programFolder, dateTime_, files_, components_};
    LogWriter log_{runtime_, timedText1_};
    ModMain slots_;
    TestRun run_{runtime_, timedText1_, log_, slots_};
};

}  // namespace velkorin::bench
