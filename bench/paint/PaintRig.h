#pragma once

#include <windows.h>
#include <uxtheme.h>

#include <memory>

#include "paint/ButtonFixture.h"
#include "xptheme/ButtonPainting.h"
#include "paint/CountingThemePlatform.h"
#include "runtime/win32/ScopedHandles.h"
#include "runtime/win32/Win32ScreenMetrics.h"
#include "xptheme/win32/NativeHandles.h"
#include "xptheme/win32/Win32ThemePlatform.h"
#include "xptheme/mdXpThemeSupport.h"

namespace velkorin::bench {

// Visual-style data opened once, for the baseline's DrawThemeBackground.
using ThemeData = std::unique_ptr<void, win32::Releaser<&CloseThemeData>>;

// The button and everything a paint of it needs: the module on the real platform table for timing,
// the same module on the counting table for counts, and a device context of the button.
struct PaintRig {
    explicit PaintRig(HINSTANCE instance) : fixture(instance) {}

    // One paint through `painter` (module or countedModule).
    void Paint(mdXpThemeSupport& painter, const ObjectRef& control) {
        pvDrawButton(painter, screen, win32::Wrapped<WindowHandle>(fixture.Button()),
                     win32::Wrapped<DcHandle>(dc.Get()), control);
    }

    ButtonFixture fixture;
    win32::Win32ThemePlatform real;
    mdXpThemeSupport module{real};
    CountingThemePlatform counting{real};
    mdXpThemeSupport countedModule{counting};
    win32::Win32ScreenMetrics screen;
    win32::ClientDc dc{fixture.Button()};
    ThemeData theme{OpenThemeData(fixture.Button(), L"BUTTON")};
};

// Timed pvDrawButton against one DrawThemeBackground, in pairs: one row per look timed.
void TimingFigures(PaintRig& rig, int repetitions, int paints);
// Each look judged by the module's own share of a paint (a row each, repetitions blocks of
// paintsPerLook paints), and where its time goes as notes for the results on stderr.
void OwnShareFigures(PaintRig& rig, int repetitions, int paintsPerLook);
// 10,000 paints through the counting table, five looks, counted before and after.
void CountingFigures(PaintRig& rig);

}  // namespace velkorin::bench
