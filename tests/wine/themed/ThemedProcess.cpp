#include "wine/themed/ThemedProcess.h"

#include <cstdio>
#include <sstream>

#include "wine/e2e/E2eSupport.h"

namespace velkorin::themed {

ThemedProcess::ThemedProcess(const std::wstring& exe, const std::wstring& arguments)
    : job_(CreateJobObjectW(nullptr, nullptr)) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!job_ || !SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        return;
    }
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                        &startup, &info)) {
        return;
    }
    e2e::UniqueHandle thread(info.hThread);
    e2e::UniqueHandle process(info.hProcess);
    if (!AssignProcessToJobObject(job_.get(), process.get())) {
        TerminateProcess(process.get(), 1);
        return;
    }
    ResumeThread(thread.get());
    process_ = std::move(process);
    id_ = info.dwProcessId;
}

ThemedProcess::~ThemedProcess() {
    if (job_) TerminateJobObject(job_.get(), 1);
    if (process_) WaitForSingleObject(process_.get(), e2e::kDeadlineMs);
}

bool ThemedProcess::Ended() const { return !process_ || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

DWORD ThemedProcess::ExitCode() const {
    DWORD code = 0;
    if (process_) GetExitCodeProcess(process_.get(), &code);
    return code;
}

HWND ThemedProcess::WaitForWindow() const {
    HWND window = nullptr;
    if (!Started()) return nullptr;
    e2e::WaitFor([&] {
        for (HWND candidate : e2e::VisibleTopLevelWindows(id_)) {
            if (e2e::ClassName(candidate) == L"VelkorinForm") window = candidate;
        }
        return window != nullptr || Ended();
    });
    return window;
}

Report ReadReport(const std::wstring& path) {
    std::string text;
    e2e::WaitFor([&] {
        text = e2e::ReadBytes(path);
        return !text.empty();
    });
    Report found;
    std::istringstream lines(text);
    std::string line;
    if (std::getline(lines, line)) {
        std::sscanf(line.c_str(), "comctl32 library=%u assembly=%u", &found.libraryMajor, &found.assemblyMajor);
    }
    for (int order = 1; std::getline(lines, line); ++order) {
        char name[64] = "", reference[16] = "";
        long hwnd = 0;
        int frame = 0, button = 0;
        if (std::sscanf(line.c_str(), "%63s hwnd=%ld frame=%d button=%d ref=%15s", name, &hwnd, &frame, &button,
                        reference) != 5) {
            continue;
        }
        found.controls[name] = {reinterpret_cast<HWND>(static_cast<INT_PTR>(hwnd)), frame != 0, button != 0, reference, order};
    }
    return found;
}

}  // namespace velkorin::themed
