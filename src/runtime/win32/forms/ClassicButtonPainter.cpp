#include "runtime/win32/forms/ClassicButtonPainter.h"

#include "runtime/win32/ScopedHandles.h"
#include "runtime/win32/forms/PictureRendering.h"

namespace velkorin::win32::forms {

namespace {

constexpr int kFaceInset = 4;  // the two-pixel edge and a margin inside it
constexpr UINT kCaptionFormat = DT_CENTER | DT_WORDBREAK;

RECT Inset(RECT r, int by) {
    InflateRect(&r, -by, -by);
    return r;
}

void DrawFace(HDC dc, RECT bounds, const ClassicButtonLook& look) {
    if (look.defaultButton) {  // the default button's dark frame, outside the edge
        FrameRect(dc, &bounds, GetSysColorBrush(COLOR_WINDOWFRAME));
        bounds = Inset(bounds, 1);
    }
    GdiObject<HBRUSH> back(CreateSolidBrush(look.back));
    FillRect(dc, &bounds, back.get());
    DrawEdge(dc, &bounds, look.pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

// Draws the caption at the bottom of `content` (or in its middle when `centred`) and returns its top.
int DrawCaption(HDC dc, const RECT& content, const ClassicButtonLook& look, bool centred) {
    SelectionGuard font(dc, look.font ? static_cast<HGDIOBJ>(look.font) : GetStockObject(DEFAULT_GUI_FONT));
    RECT measured = content;
    DrawTextW(dc, look.caption.c_str(), -1, &measured, kCaptionFormat | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    RECT caption = content;
    caption.top = centred ? content.top + (content.bottom - content.top - height) / 2 : content.bottom - height;
    caption.bottom = caption.top + height;

    SetBkMode(dc, TRANSPARENT);
    if (look.enabled) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, look.caption.c_str(), -1, &caption, kCaptionFormat);
    } else {  // etched: a highlight one pixel down and right, the shadow over it
        RECT etch = caption;
        OffsetRect(&etch, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, look.caption.c_str(), -1, &etch, kCaptionFormat);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextW(dc, look.caption.c_str(), -1, &caption, kCaptionFormat);
    }
    return caption.top;
}

void DrawPicture(HDC dc, const RECT& area, const ClassicButtonLook& look) {
    AutomationObject& picture = *look.picture;
    const SIZE size = PicturePixels(picture, dc);
    RECT at;
    at.left = area.left + (area.right - area.left - size.cx) / 2;
    at.top = area.top + (area.bottom - area.top - size.cy) / 2;
    at.right = at.left + size.cx;
    at.bottom = at.top + size.cy;
    if (look.embossPicture) {
        DrawEmbossedPicture(picture, dc, at, look.mask);
    } else if (look.useMaskColor) {
        DrawTransparentPicture(picture, dc, at, look.mask);
    } else {
        RenderPicture(picture, dc, at);
    }
}

}  // namespace

void PaintClassicButton(HDC dc, const RECT& bounds, const ClassicButtonLook& look) {
    DrawFace(dc, bounds, look);
    RECT content = Inset(bounds, kFaceInset);
    if (look.pushed) OffsetRect(&content, 1, 1);  // the face's content sinks with it

    const bool hasPicture = HasImage(look.picture);
    RECT pictureArea = content;
    if (!look.caption.empty()) pictureArea.bottom = DrawCaption(dc, content, look, !hasPicture);
    if (hasPicture) DrawPicture(dc, pictureArea, look);
    if (look.focused) {
        RECT focus = Inset(bounds, kFaceInset - 1);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace velkorin::win32::forms
