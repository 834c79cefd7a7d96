#pragma once

#include <string>
#include <vector>

#include "fakes/FakeComponents.h"
#include "fakes/FakeRuntime.h"
#include "selftest/LogWriter.h"
#include "selftest/ModMain.h"
#include "selftest/TestRun.h"

namespace velkorin::fakes {

// The self-test wired to fakes of every runtime service, as the window wires it to the real ones.
struct SelfTestHarness {
    FakeEventLoop loop;
    FakeProgramFolder folder;
    FakeDateTime dateTime;
    FakeTextFiles files;
    FakeComponents components;
    FakeLogBox text1;
    Runtime runtime{loop, folder, dateTime, files, components};
    LogWriter log{runtime, text1};
    ModMain slots;
    TestRun run{runtime, text1, log, slots};

    std::string LogPath() const { return folder.path + "\\log.txt"; }
    std::string LogFile() const {
        auto found = files.files.find(LogPath());
        return found == files.files.end() ? std::string() : found->second;
    }
    bool SlotsEmpty() const { return !slots.dbDao && !slots.rsDao && !slots.cnAdo && !slots.rsAdo; }
};

// Lines as the box shows them (CR LF between) and as log.txt holds them (CR LF after each).
std::string BoxText(const std::vector<std::string>& lines);
std::string LogText(const std::vector<std::string>& lines);
std::vector<std::string> SplitBox(const std::string& text);

}  // namespace velkorin::fakes
