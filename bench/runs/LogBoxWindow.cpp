#include "runs/LogBoxWindow.h"

#include "runtime/win32/Win32ScreenMetrics.h"
#include "ui/FormLayout.h"

namespace velkorin::bench {

LogBoxWindow::LogBoxWindow() {
    const double twipsPerPixel = TwipsPerPixel(win32::ScreenPixelsPerInch(LOGPIXELSX));
    try {
        win32::forms::FormArgs args;
        args.name = "BenchRuns";
        args.caption = "Runs";
        args.left = args.top = 0;
        args.clientWidth = TwipsToPixels(frm_main::kClientWidthTwips, twipsPerPixel);
        args.clientHeight = TwipsToPixels(frm_main::kClientHeightTwips, twipsPerPixel);
        args.font = win32::forms::FontObject::Create(frm_main::kFontFace, frm_main::kFontPoints, true, ANSI_CHARSET);
        form_ = win32::forms::Form::Create(args);
        const PixelRect place = ToPixels(frm_main::kControls[0], twipsPerPixel);  // Text1
        win32::forms::ControlArgs box;
        box.left = place.left;
        box.top = place.top;
        box.width = place.width;
        box.height = place.height;
        box_ = form_->AddTextBox(box);
        form_->Show(SW_SHOWNOACTIVATE);
    } catch (const Failure&) {
        box_.reset();  // no window: the bench reports it
    }
}

}  // namespace velkorin::bench
