#pragma once

namespace velkorin {

// The screen object's twips per pixel in the horizontal direction (single precision, as reported).
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual float TwipsPerPixelX() = 0;
};

}  // namespace velkorin
