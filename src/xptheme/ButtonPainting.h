#pragma once

#include <cstdint>

#include "runtime/ScreenMetrics.h"
#include "runtime/Value.h"
#include "xptheme/mdXpThemeSupport.h"
#include "xptheme/PlatformValues.h"

namespace velkorin {

// Paints one graphical-style button with the visual style's push-button part: its state and picture,
// the parent's background around its shape, the face, the focus rectangle, the caption in the
// control's font and the picture (transparent, rendered or embossed). Traps every failure of its own
// steps; reading the default look fails silently.
void pvDrawButton(mdXpThemeSupport& module, ScreenMetrics& screen, WindowHandle window, DcHandle dc,
                  const ObjectRef& control);

// The preferred picture when it holds an image, otherwise the fallback (which may be none).
ObjectRef pvPickPicture(const ObjectRef& preferred, const ObjectRef& fallback);
// A colour value to RGB: the top bit names a system colour by its low byte.
uint32_t pvTranslateColor(ThemePlatform& platform, int32_t color);
// HIMETRIC to pixels through the screen's twips per pixel, a half to even; 0 twips per pixel fails.
int32_t pvHimetricToPixels(double himetric, float twipsPerPixel);

}  // namespace velkorin
