#include "settings/placement.h"

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

StartupPlacement placementToApply(const Settings& settings)
{
    // A maximized window comes back as a normal one with the bounds it had.
    if (settings.FormState == 0)
        return {};
    return {QRect(settings.FormLeft, settings.FormTop, settings.FormWidth, settings.FormHeight),
            settings.FormState == 1};
}

} // namespace tavolin
