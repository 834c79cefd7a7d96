#pragma once

#include <windows.h>

#include <string>

namespace velkorin::e2e {

// run_pause.dll, set as a hook on FrmMain's thread, holds the program inside its self-test at one
// known point: right after the box was set to a text whose last line is its second separator, the
// end of the DAO stage. There it signals the paused event and waits for the resume event, so the
// driver can act while the run stands still. Both events are named after the program's process id.
constexpr char kRunPauseHook[] = "RunPauseHook";
constexpr int kRunPauseSeparator = 2;

inline std::wstring RunPausedEventName(DWORD processId) {
    return L"VelkorinE2eRunPaused." + std::to_wstring(processId);
}
inline std::wstring RunResumeEventName(DWORD processId) {
    return L"VelkorinE2eRunResume." + std::to_wstring(processId);
}

}  // namespace velkorin::e2e
