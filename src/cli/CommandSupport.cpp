#include "CommandSupport.h"

#include <QCoreApplication>
#include <cmath>

#include "SkelvorAppDelegate.h"
#include "constants.h"

void Diagnostics::noAnswer(const SatelliteData& satellite, const QString& why) {
    text += QCoreApplication::translate("skelvor-cli", "%1 (catalogue number %2): %3\n")
                .arg(satellite.commonName())
                .arg(satellite.catalogNumber())
                .arg(why);
    unanswered = true;
}

ElementFile loadSets(const CommandLine& options, Diagnostics& diagnostics,
                     const SettingsStore& settings) {
    const QString path = options.text(QStringLiteral("tle"));
    const ElementFileText text = readElementFileText(path);
    if (!text.error.isEmpty()) {
        throw UsageError(QCoreApplication::translate("skelvor-cli", "cannot read %1: %2")
                             .arg(path, text.error)
                             .toStdString());
    }
    ElementFile sets = readElementSets(text.text, &settings);
    for (const QString& problem : sets.problems) {
        diagnostics.text +=
            QCoreApplication::translate("skelvor-cli", "%1: %2\n").arg(path, problem);
    }
    diagnostics.badInput = diagnostics.badInput || sets.rejectedSets > 0;
    if (sets.satellites.empty()) {
        throw UsageError(
            QCoreApplication::translate("skelvor-cli", "%1 holds no usable element set")
                .arg(path)
                .toStdString());
    }
    return sets;
}

void placeObserver(const CommandLine& options, SettingsStore& settings) {
    using engine::constants::de2ra;
    const double lat = options.number(QStringLiteral("lat"), -90.0, 90.0);
    const double lon = options.number(QStringLiteral("lon"), -360.0, 360.0);
    const double alt =
        options.optionalNumber(QStringLiteral("alt"), -12000.0, 100000.0).value_or(0.0);
    settings.setObserver_geodetic({lat * de2ra, lon * de2ra, alt / 1000.0, 0.0});
}

bool isFiniteRow(const std::vector<OutputTable::Cell>& row) {
    return std::all_of(row.begin(), row.end(), [](const OutputTable::Cell& cell) {
        const auto* number = std::get_if<double>(&cell);
        return !number || std::isfinite(*number);
    });
}

void useSavedState(const CommandLine& options, SkelvorAppDelegate& appDelegate) {
    const SkelvorAppDelegate::StateLoad load =
        appDelegate.loadSavedState(SkelvorAppDelegate::LoadMode::readOnly);
    if (load.outcome == SkelvorAppDelegate::StateLoad::Outcome::unreadable) {
        throw CommandFailure(
            QCoreApplication::translate("skelvor-cli", "the saved state %1 cannot be read: %2")
                .arg(appDelegate.stateFilePath(), load.reason)
                .toStdString());
    }
    if (options.has(QStringLiteral("lat")) || options.has(QStringLiteral("lon"))) {
        placeObserver(options, appDelegate);
    } else {
        appDelegate.placeObserverAtCurrentLocation();
    }
}
