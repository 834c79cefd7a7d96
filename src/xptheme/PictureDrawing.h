#pragma once

#include <cstdint>

#include "runtime/Value.h"
#include "xptheme/mdXpThemeSupport.h"
#include "xptheme/PlatformValues.h"

namespace velkorin {

// Drawing for the parts of a button the visual style does not draw. A picture is a standard OLE
// picture read late-bound (its Handle, 0 for no image, and its Type); colours are plain RGB. Each
// procedure traps its own failures and never fails its caller.

// Fills left, top, width by height with one colour.
void pvDrawRect(mdXpThemeSupport& module, DcHandle dc, int32_t left, int32_t top, int32_t width,
                int32_t height, uint32_t color);

// Draws the picture with one colour left out, through a screen-compatible buffer of source width by
// source height (0 means the destination's).
void pvDrawTransparentPicture(mdXpThemeSupport& module, const ObjectRef& picture, DcHandle dc, int32_t left,
                              int32_t top, int32_t width, int32_t height, uint32_t transparentColor,
                              int32_t sourceLeft, int32_t sourceTop, int32_t sourceWidth, int32_t sourceHeight);

// Draws the picture embossed, as the platform draws disabled images; the transparent colour counts as
// background.
void pvDrawDisabledPicture(mdXpThemeSupport& module, const ObjectRef& picture, DcHandle dc, int32_t left,
                           int32_t top, int32_t width, int32_t height, uint32_t transparentColor);

}  // namespace velkorin
