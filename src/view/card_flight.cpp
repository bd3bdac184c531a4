#include "card_flight.h"

#include <cstdlib>

namespace tavolin {
namespace {

constexpr int InitialDivisor = 6;
constexpr int ShortDistance = 140;

// A short distance halves the divisor, once for each axis that is short.
int stepFor(int distance, int& divisor)
{
    if (distance == 0)
        return 0;
    if (std::abs(distance) < ShortDistance)
        divisor /= 2;
    return std::abs(distance) >= divisor ? distance / divisor : distance;
}

// Moves one coordinate a step towards its target; false when the flight is over.
bool advance(int& position, int target, int delta, int step, bool otherArrived)
{
    if (delta == 0) {
        position = target;
        return true;
    }
    const bool arrived = delta > 0 ? position <= target : position >= target;
    if (arrived || otherArrived)
        return false;
    const bool farAway = delta > 0 ? position >= target + step : position <= target + step;
    position = farAway ? position - step : target;
    return true;
}

} // namespace

std::vector<QPoint> cardFlightPath(QPoint from, QPoint to)
{
    const int dx = from.x() - to.x();
    const int dy = from.y() - to.y();
    int divisor = InitialDivisor;
    const int stepX = stepFor(dx, divisor);
    const int stepY = stepFor(dy, divisor);

    std::vector<QPoint> path{from};
    int x = from.x();
    int y = from.y();
    while (x != to.x() || y != to.y()) {
        if (!advance(x, to.x(), dx, stepX, y == to.y()))
            break;
        if (!advance(y, to.y(), dy, stepY, x == to.x()))
            break;
        path.emplace_back(x, y);
    }
    if (path.back() != to)
        path.push_back(to);
    return path;
}

int cardFlightPause(int screenClass, int speedSlider)
{
    return screenClass * (11 - speedSlider);
}

} // namespace tavolin
