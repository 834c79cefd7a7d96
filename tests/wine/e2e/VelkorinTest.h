#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/VelkorinProcess.h"

namespace velkorin::e2e {

// Each test runs its own Velkorin.exe from a fresh program folder under E2E_WORK holding a copy
// of the program and of the real test.mdb (what PrepareFolder makes of it), with stand-in
// components that neither record nor fail unless it says otherwise; the process ends with the test
// on every path.
class VelkorinTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // What a test lays into the program folder before the program starts.
    virtual void PrepareFolder() {}
    // What the program folder's name holds after the test's name: characters the ANSI code page
    // cannot hold, unless a test asks for others.
    virtual std::wstring FolderNameEnd() const { return L" Pr\u00fcfung \u65e5\u672c"; }

    HWND Control(int id) const { return GetDlgItem(window_, id); }
    std::wstring File(const wchar_t* name) const { return folder_ + L"\\" + name; }
    // E2E_WORK\<suite>.<test>.bmp, for people to look at.
    std::wstring ScreenshotPath() const;
    // The box's lines, its date line checked against the dates the run went through (dates_) and
    // replaced by "<date line>".
    std::vector<std::wstring> BoxWithoutDate(const std::wstring& box) const;

    std::wstring fixtures_;  // E2E_FIXTURES: the Jet databases
    std::wstring folder_;
    std::unique_ptr<VelkorinProcess> velkorin_;
    HWND window_ = nullptr;
    std::vector<std::wstring> dates_;  // the short date when a run began, and when it ended
};

}  // namespace velkorin::e2e
