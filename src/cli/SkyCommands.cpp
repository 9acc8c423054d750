// sun and moon: where they stand in the observer's sky.
#include "CommandSupport.h"
#include "SunAndMoon.h"

namespace {

using Body = AzimuthAndElevation (*)(const SettingsStore&, std::optional<Date>);

OutputTable skyTable(const CommandLine& options, const SettingsStore& settings, Body body) {
    OutputTable table({{"time", 0}, {"azimuth", 4}, {"elevation", 4}});
    for (const Date time : options.times(QStringLiteral("at"), settings.now())) {
        const AzimuthAndElevation place = body(settings, time);
        table.addRow({isoTime(time), static_cast<double>(place.azimuth),
                      static_cast<double>(place.elevation)});
    }
    return table;
}

}  // namespace

OutputTable sunCommand(const CommandLine& options, const SettingsStore& settings) {
    return skyTable(options, settings, &SunAndMoon::sunAt);
}

OutputTable moonCommand(const CommandLine& options, const SettingsStore& settings) {
    return skyTable(options, settings, &SunAndMoon::moonAt);
}
