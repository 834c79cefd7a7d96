// run_pause.dll: loaded into Velkorin.exe by the call-return hook the driver sets on its window's
// thread; see RunPause.h.
#include "wine/e2e/RunPause.h"

#include <algorithm>
#include <vector>

#include "wine/e2e/BoxLines.h"
#include "wine/e2e/E2eSupport.h"
#include "runtime/win32/ScopedHandles.h"

namespace {

using namespace velkorin::e2e;
using velkorin::win32::UniqueHandle;

bool paused = false;  // once per process: the run stands still at one point only

bool EndsAtPauseSeparator(HWND text1) {
    std::vector<wchar_t> buffer(static_cast<size_t>(GetWindowTextLengthW(text1)) + 1);
    const int length = GetWindowTextW(text1, buffer.data(), static_cast<int>(buffer.size()));
    const std::vector<std::wstring> lines = BoxLines(std::wstring(buffer.data(), static_cast<size_t>(length)));
    return lines.back() == kSeparator && std::count(lines.begin(), lines.end(), kSeparator) == kRunPauseSeparator;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK RunPauseHook(int code, WPARAM otherThread, LPARAM message) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(message);
    if (code == HC_ACTION && !paused && (call->message == WM_SETTEXT || call->message == EM_REPLACESEL) &&
        GetDlgCtrlID(call->hwnd) == kText1Id &&
        EndsAtPauseSeparator(call->hwnd)) {
        paused = true;
        const DWORD self = GetCurrentProcessId();
        UniqueHandle pausedEvent(OpenEventW(EVENT_MODIFY_STATE, FALSE, RunPausedEventName(self).c_str()));
        UniqueHandle resumeEvent(OpenEventW(SYNCHRONIZE, FALSE, RunResumeEventName(self).c_str()));
        if (pausedEvent && resumeEvent && SetEvent(pausedEvent.get())) {
            WaitForSingleObject(resumeEvent.get(), kDeadlineMs);
        }
    }
    return CallNextHookEx(nullptr, code, otherThread, message);
}
