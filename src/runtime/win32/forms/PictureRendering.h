#pragma once

#include <windows.h>

#include "runtime/AutomationObject.h"

namespace velkorin::win32::forms {

// Drawing a picture object late-bound, through its "Handle", "Width", "Height" and "Render", so that
// any picture a control holds can be drawn. Sizes are HIMETRIC in the object, pixels here.

// A picture property holds an image: it is an object and its "Handle" is not 0. An object that cannot
// tell its handle holds none that could be drawn.
bool HasImage(const ObjectRef& picture);

// The picture's size in pixels at the device context's pixels per inch.
SIZE PicturePixels(AutomationObject& picture, HDC dc);

// The picture as it is, upright, stretched to `at`; an icon keeps its own transparency.
void RenderPicture(AutomationObject& picture, HDC dc, const RECT& at);
// The same, leaving out every pixel of the colour `transparent`.
void DrawTransparentPicture(AutomationObject& picture, HDC dc, const RECT& at, COLORREF transparent);
// The platform's disabled look of the picture: its shape embossed, pixels of `transparent` as background.
void DrawEmbossedPicture(AutomationObject& picture, HDC dc, const RECT& at, COLORREF transparent);

}  // namespace velkorin::win32::forms
