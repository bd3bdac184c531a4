#include "settings/placement.h"

#include <algorithm>

namespace tavolin {

int screenClass(QSize screenResolution)
{
    if (screenResolution.width() >= 1024)
        return 2;
    return screenResolution.width() >= 800 ? 1 : 0;
}

int detailsColumnLimit(int screenClass, int windowHeight)
{
    return screenClass == 2 && windowHeight >= 736 ? 18 : 9;
}

Settings defaultSettings(QSize screenResolution)
{
    Settings settings;
    settings.FormWidth = screenResolution.width() - 1;
    // Leave room for the taskbar on a large screen.
    settings.FormHeight = screenResolution.height() - (screenClass(screenResolution) == 2 ? 29 : 1);
    return settings;
}

Settings placementToSave(Settings settings, const WindowPlacement& window)
{
    // A minimized window's bounds are not a place to come back to: keep the
    // last ones it had on screen.
    if (window.minimized)
        return settings;
    settings.FormTop = window.top;
    settings.FormLeft = window.left;
    settings.FormWidth = window.width;
    settings.FormHeight = window.height;
    settings.FormState = window.maximized ? 2 : 1;
    return settings;
}

namespace {

// One axis of a placement. A stored edge may lie anywhere in the 32-bit
// range, so the sums are taken in 64 bits.
struct Span {
    qint64 start;
    qint64 length;

    qint64 end() const { return start + length; }
    qint64 overlap(const Span& other) const
    {
        return std::max<qint64>(0, std::min(end(), other.end()) - std::max(start, other.start));
    }
    // Within the area, or at its start when it does not fit.
    qint64 startWithin(const Span& area) const
    {
        return std::clamp(start, area.start, std::max(area.start, area.end() - length));
    }
};

// At least the minimum, at most the area, the minimum winning.
qint64 fitted(std::int32_t size, int least, int most)
{
    return std::max(least, std::min<int>(size, most));
}

} // namespace

Settings placementOnScreen(Settings settings, const QRect& available, QSize minimum)
{
    if (settings.FormState == 0)
        return settings;
    const Span areaX{available.left(), available.width()};
    const Span areaY{available.top(), available.height()};
    Span x{settings.FormLeft, fitted(settings.FormWidth, minimum.width(), available.width())};
    Span y{settings.FormTop, fitted(settings.FormHeight, minimum.height(), available.height())};
    if (2 * x.overlap(areaX) * y.overlap(areaY) < x.length * y.length) {
        x.start = x.startWithin(areaX);
        y.start = y.startWithin(areaY);
    }
    settings.FormLeft = static_cast<std::int32_t>(x.start);
    settings.FormTop = static_cast<std::int32_t>(y.start);
    settings.FormWidth = static_cast<std::int32_t>(x.length);
    settings.FormHeight = static_cast<std::int32_t>(y.length);
    return settings;
}

QMargins frameMargins(const QRect& client, const QRect& outer)
{
    return {client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
            outer.bottom() - client.bottom()};
}

QSize clientSizeFor(QSize outer, const QMargins& frame)
{
    return outer.shrunkBy(frame);
}

StartupPlacement placementToApply(const Settings& settings)
{
    // A maximized window comes back as a normal one with the bounds it had.
    if (settings.FormState == 0)
        return {};
    return {QRect(settings.FormLeft, settings.FormTop, settings.FormWidth, settings.FormHeight),
            settings.FormState == 1};
}

} // namespace tavolin
