#include "RadioFrequency.h"

#include <cmath>

#include "LenientNumber.h"
#include "RegexOperations.h"

namespace radio {

namespace {

// Hz per unit for the unit capture of the frequency patterns ("k" or "m", or none).
double unitScale(const std::optional<QString>& unit) {
    return unit == QStringLiteral("k") ? 1000.0 : 1000000.0;
}

}  // namespace

double frequencyFromText(const QString& text) {
    const QString lower = text.toLower();
    const QString pattern = QStringLiteral("([0-9.]+)(\\s*(m|k)hz)?");
    const std::optional<QString> number = stringByMatching(lower, pattern, 1);
    if (!number) return 0.0;
    return leadingDouble(*number) * unitScale(stringByMatching(lower, pattern, 3));
}

FrequencyBand bandFromText(const QString& text) {
    const QString lower = text.toLower();
    const QString pattern = QStringLiteral("([0-9.]+)\\s*-\\s*([0-9.]+)(\\s*(m|k)hz)?");
    const std::optional<QString> low = stringByMatching(lower, pattern, 1);
    const std::optional<QString> high = stringByMatching(lower, pattern, 2);
    if (!low || !high) {
        const double frequency = frequencyFromText(text);
        return {frequency, frequency};
    }
    const double scale = unitScale(stringByMatching(lower, pattern, 4));
    const double a = leadingDouble(*low) * scale;
    const double b = leadingDouble(*high) * scale;
    return {std::min(a, b), std::max(a, b)};
}

double dopplerShift(double frequency, double rangeRate) {
    return rangeRate / speedOfLight * -frequency;
}

double receivedOnGround(double satelliteFrequency, double rangeRate) {
    return satelliteFrequency + dopplerShift(satelliteFrequency, rangeRate);
}

double sentFromGround(double satelliteFrequency, double rangeRate) {
    return satelliteFrequency - dopplerShift(satelliteFrequency, rangeRate);
}

double sentBySatellite(double groundFrequency, double rangeRate) {
    return groundFrequency / (1.0 - rangeRate / speedOfLight);
}

QString megahertzText(double hertz) {
    QString text = QString::number(std::round(hertz) / 1000000.0, 'f', 6);
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text;
}

}  // namespace radio
