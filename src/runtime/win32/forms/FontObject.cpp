#include "runtime/win32/forms/FontObject.h"

#include <cmath>
#include <cstddef>

#include "runtime/Units.h"
#include "runtime/win32/ComFailure.h"
#include "runtime/win32/TextConversion.h"
#include "runtime/win32/Win32ScreenMetrics.h"
#include "runtime/win32/forms/WindowedControl.h"

namespace velkorin::win32::forms {

namespace {

// Font heights follow the screen's vertical density; 96 where the screen cannot tell.
int FontPixelsPerInch() {
    const int perInch = ScreenPixelsPerInch(LOGPIXELSY);
    return perInch > 0 ? perInch : 96;
}

}  // namespace

FontObject::FontObject(const LOGFONTW& description, double points) : font_(CreateFontIndirectW(&description)) {
    if (!font_.get()) throw FailureFromLastError();
    const std::string name = WideToUtf8(description.lfFaceName, lstrlenW(description.lfFaceName));
    const bool bold = description.lfWeight >= FW_BOLD;
    properties_.Add("hFont", [this] { return HandleValue(font_.get()); });
    properties_.Add("Name", [name] { return Value(name); });
    properties_.Add("Size", [points] { return Value(points); });
    properties_.Add("Bold", [bold] { return Value(bold); });
}

std::shared_ptr<FontObject> FontObject::Create(const std::string& face, double points, bool bold, BYTE charset) {
    LOGFONTW description = {};
    description.lfHeight = units::FontHeightPixels(points, FontPixelsPerInch());
    description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = charset;
    lstrcpynW(description.lfFaceName, Utf8ToWide(face).c_str(), LF_FACESIZE);
    return std::shared_ptr<FontObject>(new FontObject(description, points));
}

std::shared_ptr<FontObject> FontObject::MessageFont() {
    NONCLIENTMETRICSW metrics = {};
    // The record as Windows 2000 and XP know it (the headers' for the system the product targets):
    // they refuse Vista's larger one.
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) throw FailureFromLastError();
    const LONG height = std::abs(metrics.lfMessageFont.lfHeight);
    return std::shared_ptr<FontObject>(new FontObject(metrics.lfMessageFont, height * units::kPointsPerInch / FontPixelsPerInch()));
}

Value FontObject::Call(const std::string&, const std::vector<Value>&) { throw Failure::NoSuchMember(); }

HFONT FontHandleOf(AutomationObject& font) { return HandleFromValue<HFONT>(font.Get("hFont")); }

}  // namespace velkorin::win32::forms
