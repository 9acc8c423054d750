// Maidenhead locators, the grid squares radio amateurs exchange positions in: two letters A-R
// (fields of 20° longitude by 10° latitude), two digits (squares of 2° by 1°), optionally two
// letters a-x (subsquares of 5' by 2.5') and two more digits (tenths of those).
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace maidenhead {

// The locator of 4, 6 or 8 characters for a position in degrees (north and east positive), the
// field letters in capitals and the subsquare letters small ("JO01ab12"). Latitude 90 counts
// as just below it, longitude 180 as -180. None for another length or a value not finite or
// beyond the poles.
std::optional<QString> locatorFor(double latitude, double longitude, int length = 6);

struct Position {
    double latitude = 0.0;
    double longitude = 0.0;
};

// The centre of the area a locator of 4, 6 or 8 characters names, letters in either case,
// blanks around it ignored; none for anything else.
std::optional<Position> centreOf(QStringView locator);

}  // namespace maidenhead
