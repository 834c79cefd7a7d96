#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "runtime/Failure.h"
#include "selftest/LogBox.h"
#include "runtime/Runtime.h"

namespace velkorin::fakes {

// Counts yields; a test can make something happen during the Nth one, as a click would.
class FakeEventLoop : public EventLoop {
public:
    void DoEvents() override {
        ++yields;
        if (onYield) onYield(yields);
    }
    int yields = 0;
    std::function<void(int)> onYield;
};

// Counts its holds and notes at each read of the path whether one was on.
class FakeProgramFolder : public ProgramFolder {
public:
    std::string Path() override {
        readsWhileHeld.push_back(holds > 0);
        return path;
    }
    std::shared_ptr<void> Hold() override {
        ++holds;
        return std::shared_ptr<void>(this, [](void* folder) { --static_cast<FakeProgramFolder*>(folder)->holds; });
    }
    std::string path = "C:\\Program Files\\Velkorin";
    int holds = 0;
    std::vector<bool> readsWhileHeld;
};

class FakeDateTime : public DateTimeText {
public:
    std::string DateText() override {
        reads.push_back("date");
        return date;
    }
    std::string TimeText() override {
        reads.push_back("time");
        return time;
    }
    std::string date = "07/12/2026";
    std::string time = "09:41:07";
    std::vector<std::string> reads;
};

// Files as bytes in memory. A folder listed as read-only refuses to create or append.
class FakeTextFiles : public TextFileAppender {
public:
    void AppendLine(const std::string& path, const std::string& line) override {
        appendedPaths.push_back(path);
        std::string folder = path.substr(0, path.find_last_of('\\'));
        if (readOnlyFolders.count(folder) || lockedFiles.count(path)) throw Failure(75, "Path/File access error");
        files[path] += line + "\r\n";
    }
    std::map<std::string, std::string> files;
    std::set<std::string> readOnlyFolders;
    std::set<std::string> lockedFiles;
    std::vector<std::string> appendedPaths;
};

class FakeLogBox : public LogBox {
public:
    std::string Text() override {
        if (failReads) throw Failure(380, "Invalid property value");
        return text;
    }
    void SetText(const std::string& newText) override {
        ++writes;
        text = newText;
    }
    void SetSelStart(int32_t position) override { selStart = position; }

    std::string text;
    int32_t selStart = 0;
    int writes = 0;
    bool failReads = false;
};

}  // namespace velkorin::fakes
