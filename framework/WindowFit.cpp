#include "WindowFit.h"

#include <algorithm>
#include <cstdint>

namespace {

std::int64_t Overlap(std::int64_t start, std::int64_t length, std::int64_t otherStart,
                     std::int64_t otherLength) {
    return std::max<std::int64_t>(0, std::min(start + length, otherStart + otherLength) -
                                         std::max(start, otherStart));
}

// A length fitted to the room there is: at most the room and the maximum,
// never below the minimum.
int FitLength(int length, int room, int least, int most) {
    return std::max(least, std::min({length, room, std::max(least, most)}));
}

// A start that puts the far edge (and the frame beyond it) on the area where
// the window fits, and the near edge with its frame on it in any case.
int FitStart(std::int64_t start, int length, int areaStart, int areaLength, int frameNear,
             int frameFar) {
    const std::int64_t areaEnd = std::int64_t{areaStart} + areaLength;
    start = std::min(start, areaEnd - frameFar - length);
    start = std::max(start, std::int64_t{areaStart} + frameNear);
    return static_cast<int>(start);
}

// Below its top edge, the part of a window that must be on a screen to be
// reached: the menu bar and the top of the content.
constexpr std::int64_t kReachableHeight = 40;

// Reached on a screen: the top edge with the menu bar on it, and at least
// half of the window's width, or of the screen's where the window is wider.
bool ReachableOn(const WindowBounds& window, const ScreenSize& area) {
    const std::int64_t top = window.Top;
    const bool topOnScreen =
        top >= area.Top && top + kReachableHeight <= std::int64_t{area.Top} + area.Height;
    const std::int64_t wide = std::min(window.Width, area.Width);
    return topOnScreen && wide > 0 &&
           2 * Overlap(window.Left, window.Width, area.Left, area.Width) >= wide;
}

const ScreenSize* ScreenReaching(const WindowBounds& window, std::span<const ScreenSize> areas) {
    const auto found = std::ranges::find_if(
        areas, [&](const ScreenSize& area) { return ReachableOn(window, area); });
    return found != areas.end() ? &*found : nullptr;
}

} // namespace

WindowBounds FitToScreens(const WindowBounds& wanted, int fallbackLeft, int fallbackTop,
                          const WindowFitLimits& limits, std::span<const ScreenSize> areas,
                          bool placesKnown) {
    if (areas.empty()) {
        return wanted;
    }
    WindowBounds fitted = wanted;
    const ScreenSize* area = &areas.front();
    if (placesKnown) {
        if (const ScreenSize* reaching = ScreenReaching(wanted, areas)) {
            area = reaching;
        } else {
            fitted.Left = fallbackLeft;
            fitted.Top = fallbackTop;
            if (const ScreenSize* reachingFallback = ScreenReaching(fitted, areas)) {
                area = reachingFallback;
            }
        }
    }
    fitted.Width = FitLength(wanted.Width, area->Width - limits.FrameLeft - limits.FrameRight,
                             limits.MinWidth, limits.MaxWidth);
    fitted.Height = FitLength(wanted.Height, area->Height - limits.FrameTop - limits.FrameBottom,
                              limits.MinHeight, limits.MaxHeight);
    if (placesKnown) {
        fitted.Left = FitStart(fitted.Left, fitted.Width, area->Left, area->Width, limits.FrameLeft,
                               limits.FrameRight);
        fitted.Top = FitStart(fitted.Top, fitted.Height, area->Top, area->Height, limits.FrameTop,
                              limits.FrameBottom);
    }
    return fitted;
}
