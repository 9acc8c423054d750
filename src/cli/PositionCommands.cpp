// propagate and look: where each satellite is.
#include <QCoreApplication>

#include "CommandSupport.h"
#include "SatelliteData.h"
#include "propagators.h"
#include "vector_math.h"

namespace {

// About nineteen years either way: far beyond any use of one element set.
constexpr double max_minutes = 1.0e7;

}  // namespace

// State vectors in km and km/s at whole minutes from each satellite's epoch, propagated
// directly at that tsince, each from the record as the satellite was made. Where the model gives
// no finite state, the row is left out and the reason told.
OutputTable propagateCommand(const CommandLine& options, const ElementFile& sets,
                             Diagnostics& diagnostics) {
    const std::vector<double> minutes =
        options.numbers(QStringLiteral("minutes"), -max_minutes, max_minutes);
    OutputTable table({{"catalog", 0},
                       {"name", 0},
                       {"minutes", 3},
                       {"x", 6},
                       {"y", 6},
                       {"z", 6},
                       {"xdot", 9},
                       {"ydot", 9},
                       {"zdot", 9}});
    for (const auto& satellite : sets.satellites) {
        for (const double tsince : minutes) {
            engine::sat_record_t sat = satellite->satelliteData();
            engine::propagate(sat, tsince);
            engine::Convert_Sat_State(sat.pos, sat.vel);
            std::vector<OutputTable::Cell> row{static_cast<long long>(satellite->catalogNumber()),
                                               satellite->commonName(),
                                               tsince,
                                               sat.pos.x,
                                               sat.pos.y,
                                               sat.pos.z,
                                               sat.vel.x,
                                               sat.vel.y,
                                               sat.vel.z};
            if (!isFiniteRow(row)) {
                diagnostics.noAnswer(
                    *satellite, QCoreApplication::translate(
                                    "skelvor-cli", "the orbit model gives no state at %1 minutes")
                                    .arg(tsince));
                continue;
            }
            table.addRow(std::move(row));
        }
    }
    return table;
}

OutputTable lookCommand(const CommandLine& options, const ElementFile& sets,
                        const SettingsStore& settings, Diagnostics& diagnostics) {
    const std::vector<Date> times = options.times(QStringLiteral("at"), settings.now());
    OutputTable table({{"catalog", 0},
                       {"name", 0},
                       {"time", 0},
                       {"azimuth", 4},
                       {"elevation", 4},
                       {"range", 3},
                       {"range_rate", 6},
                       {"latitude", 4},
                       {"longitude", 4},
                       {"altitude", 3},
                       {"velocity", 6},
                       {"footprint", 3},
                       {"orbit", 0},
                       {"phase", 4}});
    for (const auto& made : sets.satellites) {
        // Each instant is predicted from the record as the satellite was made, so an answer
        // does not depend on the other instants asked for.
        const engine::sat_record_t record = made->satelliteData();
        SatelliteData& satellite = *made;
        for (const Date time : times) {
            satellite.setSatelliteData(record);
            satellite.predictLocationAt(time);
            std::vector<OutputTable::Cell> row{static_cast<long long>(satellite.catalogNumber()),
                                               satellite.commonName(),
                                               isoTime(time),
                                               satellite.azimuth(),
                                               satellite.elevation(),
                                               satellite.range(),
                                               satellite.rangeRate(),
                                               satellite.latitude(),
                                               satellite.longitude(),
                                               satellite.altitude(),
                                               satellite.velocity(),
                                               satellite.footprint(),
                                               static_cast<long long>(satellite.orbit()),
                                               satellite.orbitPhase()};
            if (!isFiniteRow(row)) {
                diagnostics.noAnswer(satellite,
                                     QCoreApplication::translate(
                                         "skelvor-cli", "the orbit model gives no position at %1")
                                         .arg(isoTime(time)));
                continue;
            }
            table.addRow(std::move(row));
        }
    }
    return table;
}
