// Every bundled orbit kind propagated as skelvor-cli propagates it, against the states pinned
// in tests/data/pinned_states.csv by tools/reference-states/pinned.sh.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <cmath>

#include "ElementSetReader.h"
#include "SatelliteData.h"
#include "SettingsStore.h"
#include "propagators.h"
#include "vector_math.h"

namespace {

// The pinned figures are written in shortest round-trip form, so a rebuild of the same code
// reproduces them exactly; the bound allows for rounding in the last places of the angles, as
// another compiler's trigonometric library calls or the prediction's own sines and cosines of
// nearby angles give it. An angle off by a few units in its last place moves the satellite by
// a few parts in 1e16 of its distance, in any component, so the bound is relative to the
// length of the position or velocity, not to the component.
constexpr double relative_bound = 1e-14;

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Each bundled satellite's record as made from its element set, by catalogue number.
QMap<int, engine::sat_record_t> sampleRecords(const SettingsStore& settings) {
    QMap<int, engine::sat_record_t> records;
    const QDir samples(QStringLiteral(SKELVOR_SAMPLES));
    for (const QString& name : samples.entryList({QStringLiteral("*.txt")})) {
        for (const ElementSetEntry& set :
             readElementSetText(readAll(samples.filePath(name))).sets) {
            const auto satellite = SatelliteData::createFromValues(&settings, set.commonName, name,
                                                                   set.catalogNumber, set.values);
            records.insert(set.catalogNumber, satellite->satelliteData());
        }
    }
    return records;
}

bool near(double pinned, double now, double length) {
    return std::fabs(now - pinned) <= relative_bound * length;
}

TEST(PinnedStates, EveryBundledOrbitKindGivesItsPinnedStates) {
    SettingsStore settings;
    const QMap<int, engine::sat_record_t> records = sampleRecords(settings);
    const QStringList lines = readAll(QStringLiteral(SKELVOR_TEST_DATA "/pinned_states.csv"))
                                  .split(u'\n', Qt::SkipEmptyParts);
    int rows = 0;
    for (const QString& line : lines) {
        if (line.startsWith(u'#') || line.startsWith(QStringLiteral("catalog"))) continue;
        const QStringList cells = line.split(u',');
        ASSERT_EQ(cells.size(), 9) << line.toStdString();
        ASSERT_TRUE(records.contains(cells[0].toInt())) << line.toStdString();
        engine::sat_record_t sat = records.value(cells[0].toInt());
        engine::propagate(sat, cells[2].toDouble());
        engine::Convert_Sat_State(sat.pos, sat.vel);
        const double now[] = {sat.pos.x, sat.pos.y, sat.pos.z, sat.vel.x, sat.vel.y, sat.vel.z};
        for (int i = 0; i < 6; ++i) {
            const double length = i < 3 ? sat.pos.w : sat.vel.w;
            EXPECT_TRUE(near(cells[3 + i].toDouble(), now[i], length))
                << line.toStdString() << " column " << 3 + i << ": " << now[i];
        }
        ++rows;
    }
    EXPECT_EQ(rows, 21 * 8);
}

}  // namespace
