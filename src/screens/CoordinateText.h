// The observer's latitude and longitude as the preferences screen shows and takes them: decimal
// degrees, or degrees, minutes and seconds. Typed text is read leniently.
#pragma once

#include <QString>
#include <optional>

namespace preferences {

// The pattern of typed degrees, minutes and optional seconds: an optional sign, one to three
// digits of degrees, a degree sign, colon, bullet or blank, one or two digits of minutes, an
// apostrophe, colon or blank, then optional seconds and a closing double quote.
inline const QString sexagesimalPattern =
    QStringLiteral("([+-])?(\\d{1,3})[\u00B0:\u2022 ]\\s*(\\d{1,2})[': ]\\s*([0-9.]+)?\"?");

enum class Axis { latitude, longitude };

// The degrees of a typed coordinate as typed, white space around it ignored. Text matching the
// sexagesimal pattern anywhere reads as degrees + minutes / 60 + seconds / 3600 (minutes held
// below 60 as 59, seconds below 60 as 59.99), negated by a "-" sign; any other text reads as a
// leading decimal number. None when the text holds no number (empty, a word) or an infinite
// one: the position is then left as it was.
std::optional<double> readDegrees(const QString& text);

// The typed degrees as a coordinate: a latitude held in [-90, 90]; a longitude brought into
// [-180, 180] by whole turns, from below to -180 and from above to 180.
std::optional<double> parseCoordinate(const QString& text, Axis axis);

// The text of a coordinate in degrees: "%3.3f" in decimal degrees, otherwise degrees, minutes
// and seconds as "%d° %2d' %4.2f\"", rounded to the hundredth of a second shown. The minutes
// and seconds carry no sign, so a negative value above -1 shows as "-0°": every text reads back
// as the value it shows.
QString formatCoordinate(double value, bool useDecimalDegrees);

}  // namespace preferences
