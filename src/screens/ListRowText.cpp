#include "ListRowText.h"

#include <QCoreApplication>
#include <cmath>

#include "PassData.h"
#include "SettingsStore.h"

QString countdownText(double seconds) {
    if (!std::isfinite(seconds)) return {};
    const double hours = std::trunc(seconds / 3600.0);
    const double minutes = std::trunc((seconds - hours * 3600.0) / 60.0);
    return QCoreApplication::translate("ListRowText", "in %1")
        .arg(QString::asprintf("%d:%02d", static_cast<int>(hours), static_cast<int>(minutes)));
}

ListRowText listRowText(const PassData& pass, bool geostationary, Date now,
                        const SettingsStore& settings) {
    if (!pass.aos() || !pass.los()) {
        if (geostationary)
            return {QCoreApplication::translate("ListRowText", "Geosynchronous Satellite"),
                    QString()};
        return {QCoreApplication::translate("ListRowText", "No pass visible"),
                QCoreApplication::translate("ListRowText", "from this location")};
    }
    const bool underWay = *pass.aos() - now < 0.0;
    const Date event = underWay ? *pass.los() : *pass.aos();
    const QString time = settings.formatTime(event, QStringLiteral("HH:mm:ss")) + u' ' +
                         settings.zoneAbbreviation(event);
    return {(underWay ? QCoreApplication::translate("ListRowText", "LOS: %1")
                      : QCoreApplication::translate("ListRowText", "AOS: %1"))
                .arg(time),
            countdownText(event - now)};
}
