#include "Maidenhead.h"

#include <array>
#include <cmath>

namespace maidenhead {

namespace {

// Each pair of characters: how many steps it counts and the step in degrees of longitude (the
// latitude's step is half of it).
struct Pair {
    char16_t first;  // the character of step 0
    int steps;
    double longitudeStep;
};
constexpr std::array<Pair, 4> pairs{{
    {u'A', 18, 20.0},
    {u'0', 10, 2.0},
    {u'a', 24, 2.0 / 24.0},
    {u'0', 10, 2.0 / 240.0},
}};

// The step a character counts in its pair; none when it is not one of the pair's.
std::optional<int> stepOf(QChar character, const Pair& pair) {
    const char16_t lowered =
        pair.first == u'0' ? character.unicode() : character.toLower().unicode();
    const char16_t base = pair.first == u'0' ? u'0' : QChar(pair.first).toLower().unicode();
    const int step = lowered - base;
    if (step < 0 || step >= pair.steps) return std::nullopt;
    return step;
}

bool isLength(qsizetype length) { return length == 4 || length == 6 || length == 8; }

}  // namespace

std::optional<QString> locatorFor(double latitude, double longitude, int length) {
    if (!isLength(length) || !std::isfinite(latitude) || !std::isfinite(longitude) ||
        std::fabs(latitude) > 90.0) {
        return std::nullopt;
    }
    double east = std::fmod(longitude + 180.0, 360.0);
    if (east < 0) east += 360.0;
    double north = std::min(latitude + 90.0, std::nextafter(180.0, 0.0));
    QString locator;
    for (int i = 0; i < length / 2; ++i) {
        const Pair& pair = pairs[static_cast<std::size_t>(i)];
        const int x = std::min(static_cast<int>(east / pair.longitudeStep), pair.steps - 1);
        const int y = std::min(static_cast<int>(north / (pair.longitudeStep / 2)), pair.steps - 1);
        locator += QChar(static_cast<char16_t>(pair.first + x));
        locator += QChar(static_cast<char16_t>(pair.first + y));
        east -= x * pair.longitudeStep;
        north -= y * pair.longitudeStep / 2;
    }
    return locator;
}

std::optional<Position> centreOf(QStringView locator) {
    locator = locator.trimmed();
    if (!isLength(locator.size())) return std::nullopt;
    double east = 0.0;
    double north = 0.0;
    double step = 0.0;
    for (qsizetype i = 0; i < locator.size() / 2; ++i) {
        const Pair& pair = pairs[static_cast<std::size_t>(i)];
        const std::optional<int> x = stepOf(locator[2 * i], pair);
        const std::optional<int> y = stepOf(locator[2 * i + 1], pair);
        if (!x || !y) return std::nullopt;
        east += *x * pair.longitudeStep;
        north += *y * pair.longitudeStep / 2;
        step = pair.longitudeStep;
    }
    return Position{north + step / 4 - 90.0, east + step / 2 - 180.0};
}

}  // namespace maidenhead
