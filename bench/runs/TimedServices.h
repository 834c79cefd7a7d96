#pragma once

#include <map>
#include <string>

#include "common/CallTime.h"
#include "common/TimedObject.h"
#include "runtime/ComponentFactory.h"
#include "runtime/DateTimeText.h"
#include "runtime/EventLoop.h"
#include "selftest/LogBox.h"
#include "runtime/TextFileAppender.h"

namespace velkorin::bench {

// The time a run spends in each service of the runtime, by service and operation.
using ServiceProfile = std::map<std::string, CallTime>;

// Each of these passes every call to the real service and adds its time to the profile.
class TimedEventLoop : public EventLoop {
public:
    TimedEventLoop(EventLoop& real, ServiceProfile& profile) : real_(real), time_(profile["yield to events"]) {}
    void DoEvents() override {
        CallTimer timer(time_);
        real_.DoEvents();
    }

private:
    EventLoop& real_;
    CallTime& time_;
};

class TimedTextFileAppender : public TextFileAppender {
public:
    TimedTextFileAppender(TextFileAppender& real, ServiceProfile& profile)
        : real_(real), time_(profile["log.txt line"]) {}
    void AppendLine(const std::string& path, const std::string& line) override {
        CallTimer timer(time_);
        real_.AppendLine(path, line);
    }

private:
    TextFileAppender& real_;
    CallTime& time_;
};

class TimedDateTimeText : public DateTimeText {
public:
    TimedDateTimeText(DateTimeText& real, ServiceProfile& profile) : real_(real), time_(profile["date and time"]) {}
    std::string DateText() override {
        CallTimer timer(time_);
        return real_.DateText();
    }
    std::string TimeText() override {
        CallTimer timer(time_);
        return real_.TimeText();
    }

private:
    DateTimeText& real_;
    CallTime& time_;
};

// The components it makes come timed as well: every late-bound call on them, and on the objects
// that they return, adds to "late-bound calls on the components".
class TimedComponentFactory : public ComponentFactory {
public:
    TimedComponentFactory(ComponentFactory& real, ServiceProfile& profile)
        : real_(real), time_(profile["component creation"]), calls_(profile["late-bound calls on the components"]) {}
    ObjectRef Create(const std::string& classId) override {
        ObjectRef made;
        {
            CallTimer timer(time_);
            made = real_.Create(classId);
        }
        return TimedObject::Wrap(made, calls_);
    }

private:
    ComponentFactory& real_;
    CallTime& time_;
    CallTime& calls_;
};

class TimedLogBox : public LogBox {
public:
    TimedLogBox(LogBox& real, ServiceProfile& profile)
        : real_(real),
          read_(profile["Text1.Text read"]),
          write_(profile["Text1.Text write"]),
          caret_(profile["Text1.SelStart write"]) {}
    std::string Text() override {
        CallTimer timer(read_);
        return real_.Text();
    }
    void SetText(const std::string& text) override {
        CallTimer timer(write_);
        real_.SetText(text);
    }
    void SetSelStart(int32_t position) override {
        CallTimer timer(caret_);
        real_.SetSelStart(position);
    }

private:
    LogBox& real_;
    CallTime& read_;
    CallTime& write_;
    CallTime& caret_;
};

}  // namespace velkorin::bench
