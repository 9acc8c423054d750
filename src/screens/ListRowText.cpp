#include "ListRowText.h"

#include <cmath>

#include "PassData.h"
#include "SettingsStore.h"

QString countdownText(double seconds) {
    if (!std::isfinite(seconds)) return {};
    const double hours = std::trunc(seconds / 3600.0);
    const double minutes = std::trunc((seconds - hours * 3600.0) / 60.0);
    return QString::asprintf("in %d:%02d", static_cast<int>(hours), static_cast<int>(minutes));
}

ListRowText listRowText(const PassData& pass, bool geostationary, Date now,
                        const SettingsStore& settings) {
    if (!pass.aos() || !pass.los()) {
        if (geostationary) return {QStringLiteral("Geosynchronous Satellite"), QString()};
        return {QStringLiteral("No pass visible"), QStringLiteral("from this location")};
    }
    const bool underWay = *pass.aos() - now < 0.0;
    const Date event = underWay ? *pass.los() : *pass.aos();
    const QString time = settings.formatTime(event, QStringLiteral("HH:mm:ss")) + u' ' +
                         settings.zoneAbbreviation(event);
    return {(underWay ? QStringLiteral("LOS: %1") : QStringLiteral("AOS: %1")).arg(time),
            countdownText(event - now)};
}
