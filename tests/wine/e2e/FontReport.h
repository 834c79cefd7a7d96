#pragma once

#include <windows.h>

namespace velkorin::e2e {

// What font_probe.dll writes, inside Velkorin.exe, for each child window of FrmMain in window order.
struct ControlFont {
    int id;
    BOOL read;  // WM_GETFONT gave a font and GetObjectW read it
    LOGFONTW font;
};

// Posted to FrmMain: the hooked thread then writes the report to the file named by the variable.
constexpr wchar_t kFontQuery[] = L"VelkorinE2eFontQuery";
constexpr wchar_t kFontReportVariable[] = L"E2E_FONT_REPORT";

}  // namespace velkorin::e2e
