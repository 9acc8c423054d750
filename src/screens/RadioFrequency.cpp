#include "RadioFrequency.h"

#include "LenientNumber.h"
#include "RegexOperations.h"

namespace radar {

double frequencyFromText(const QString& text) {
    const QString lower = text.toLower();
    const QString pattern = QStringLiteral("([0-9.]+)(\\s*(m|k)hz)?");
    const std::optional<QString> number = stringByMatching(lower, pattern, 1);
    if (!number) return 0.0;
    const bool kilohertz = stringByMatching(lower, pattern, 3) == QStringLiteral("k");
    return leadingDouble(*number) * (kilohertz ? 1000.0 : 1000000.0);
}

double dopplerShift(double frequency, double rangeRate) {
    return rangeRate / speedOfLight * -frequency;
}

}  // namespace radar
