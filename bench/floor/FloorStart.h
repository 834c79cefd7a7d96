#pragma once

// The floor of the start-up figure, stage by stage: the work that Velkorin.exe must do before its
// window shows, done with direct Win32 and OLE calls and nothing of the form runtime. The floor
// program runs the stages in order and then its message loop; the stage bench times each.
#include <windows.h>

namespace velkorin::bench::floor {

// The common controls' version and the theme's state, asked as the visual-style set-up asks them.
void AskTheVisualStyleLibraries();
// FrmMain's font at the screen's resolution.
HFONT MakeTheFont();
// The logo decoded from its GIF bytes and the program icon as OLE pictures, and the hand cursor.
void LoadThePictures(HINSTANCE instance);
void ReleaseThePictures();
// FrmMain's window with its font and its two icons, not yet visible; closing it posts the quit
// message. Then its controls at their places from the program's own layout table.
HWND MakeTheForm(HINSTANCE instance, HFONT font);
void AddTheControls(HWND window, HINSTANCE instance, HFONT font);
// Shown and painted, with the focus on the first tab stop.
void ShowTheWindow(HWND window, int show);

}  // namespace velkorin::bench::floor
