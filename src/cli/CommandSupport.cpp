#include "CommandSupport.h"

#include "constants.h"

ElementFile loadSets(const CommandLine& options, QString& err, const SettingsStore& appDelegate) {
    const QString path = options.text(QStringLiteral("tle"));
    const std::optional<QString> text = readTextFile(path);
    if (!text) throw UsageError(QStringLiteral("cannot read %1").arg(path).toStdString());
    ElementFile sets = readElementSets(*text, &appDelegate);
    for (const QString& problem : sets.problems)
        err += QStringLiteral("%1: %2\n").arg(path, problem);
    if (sets.satellites.empty()) {
        throw UsageError(
            QStringLiteral("%1 holds no readable element set").arg(path).toStdString());
    }
    return sets;
}

void placeObserver(const CommandLine& options, SettingsStore& appDelegate) {
    using engine::constants::de2ra;
    const double lat = options.number(QStringLiteral("lat"), -90.0, 90.0);
    const double lon = options.number(QStringLiteral("lon"), -360.0, 360.0);
    const double alt =
        options.optionalNumber(QStringLiteral("alt"), -12000.0, 100000.0).value_or(0.0);
    appDelegate.setObserver_geodetic({lat * de2ra, lon * de2ra, alt / 1000.0, 0.0});
}
