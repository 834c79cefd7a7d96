#pragma once

#include <string>

#include "ui/FormLayout.h"

namespace velkorin::bench {

// Velkorin.exe's top-level window class; its controls go by the ids of its layout (ui/FormLayout.h).
inline constexpr const wchar_t* kFrmMainClass = L"VelkorinFrmMain";
using frm_main::kCommand1Id, frm_main::kText1Id;
// How long a start, a window or a run may take before the figure counts as failed.
inline constexpr unsigned long kDeadlineMs = 60000;
// How long a program may take to end once closed or terminated.
inline constexpr unsigned long kCloseDeadlineMs = 10000;

// Start until the window is visible, from CreateProcess, for Velkorin.exe against the floor (the
// work it must do before its window shows, and one window) and, for context, the bare one-window
// program; one warm-up start of each first, then `repetitions` triples.
void StartupFigure(const std::wstring& bareExe, const std::wstring& floorExe, const std::wstring& velkorinExe,
                   int repetitions);

// The start stage by stage (bench_stages): for each stage, its median over `repetitions` fresh
// processes for the floor and for Velkorin's own pieces, as one note on stderr headed `label`.
void StartStagesNotes(const std::wstring& stagesExe, int repetitions, const std::string& label);

// A full run against the stand-in components: from the click on "Start Test" until the box ends
// with the run's last separator, against 19 lines appended by bench_appender; a fresh process per
// repetition, in Velkorin.exe's folder, which holds test.mdb.
void RunFigure(const std::wstring& velkorinExe, const std::wstring& appenderExe, int repetitions);

}  // namespace velkorin::bench
