#pragma once

#include "settings/settings.h"

#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

namespace tavolin {

// 2 from 1024 pixels wide, 1 from 800, else 0 (too small to play).
int screenClass(QSize screenResolution);

// How far down a Column may grow before the transfer details panel no longer
// fits below the Columns and is switched off.
int detailsColumnLimit(int screenClass, int windowHeight);

// The settings of a first run on this screen.
Settings defaultSettings(QSize screenResolution);

// The main window as it is when it is asked to close.
struct WindowPlacement {
    bool minimized = false;
    bool maximized = false;
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
};

// The settings with the placement the closing window leaves behind.
Settings placementToSave(Settings settings, const WindowPlacement& window);

// What start-up does to the main window: the bounds to give it, if any, and
// whether to make it a normal window.
struct StartupPlacement {
    std::optional<QRect> bounds;
    bool normalState = false;
};

StartupPlacement placementToApply(const Settings& settings);

// The settings with a stored placement (outer bounds, frame included) that
// lies on the available screen area: a size below the minimum or beyond the
// area is brought within them, and a window wholly or mostly off the area is
// moved onto it. A window partly off the area, as the player may leave it,
// stays where it is.
Settings placementOnScreen(Settings settings, const QRect& available, QSize minimum);

// The frame's width on each side, from a window's client and outer bounds.
QMargins frameMargins(const QRect& client, const QRect& outer);
// The client size that gives a window of this frame the outer size.
QSize clientSizeFor(QSize outer, const QMargins& frame);

} // namespace tavolin
