#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>
#include <cmath>
#include <cstring>

#include "element_lines.h"

using namespace engine;
using namespace fixture;

namespace {
constexpr double per_day = 6.2831853071796 / 1440.0 / 1440.0;  // rev/day to rad/min, per day
}

TEST(ElementParsing, FieldsAndUnitsOfTheTestSet) {
    ASSERT_EQ(line1(), line1_88888);
    ASSERT_EQ(line2(72.8435, 115.9689, "0086731", 52.6988, 110.5714, 16.05824518), line2_88888);
    SettingsStore store;
    const auto sat = make(store, line1_88888, line2_88888);
    const tle_elements_t& tle = sat->satelliteData().tle;
    EXPECT_EQ(tle.epoch, 80275.98708465);
    EXPECT_EQ(tle.epoch_year, 1980u);
    EXPECT_EQ(tle.epoch_day, 275u);
    EXPECT_DOUBLE_EQ(tle.xndt2o, .00073094 * per_day);
    EXPECT_DOUBLE_EQ(tle.xndd6o, .13844E-3 * per_day / 1440.0);
    EXPECT_EQ(tle.bstar, .66816E-4);
    EXPECT_EQ(tle.epoch_fod + tle.xincl, .98708465 + 72.8435 * 0.0174532925);
    EXPECT_EQ(tle.eo, 0.0086731);
    EXPECT_DOUBLE_EQ(tle.xno, 16.05824518 * 0.004363323129985833);
    EXPECT_EQ(sat->satelliteData().meanmo, 16.05824518);
    EXPECT_EQ(tle.elset + tle.revnum, 8 + 105);
    EXPECT_DOUBLE_EQ(sat->satelliteData().jul_epoch, 2444238.5 + 275.98708465);
    EXPECT_EQ(sat->catalogNumber(), 88888);  // taken from the caller, not the lines
}

TEST(ElementParsing, OperationalStatusFromTheNameLine) {
    SettingsStore store;
    const std::pair<const char*, int> cases[] = {
        {"A [+]", 1}, {"A [-]", 2}, {"A [P]", 3}, {"A [B]", 4}, {"A [S]", 5},
        {"A [X]", 6}, {"A [p]", 0}, {"A", 0},     {"A [", 0},   {"A [S] [+]", 5}};
    const char* texts[] = {"Unknown",    "Operational", "Not Operational", "Partially Operational",
                           "On Standby", "Spare",       "Extended"};
    for (const auto& [name, code] : cases) {
        const auto sat = make(store, line1_88888, line2_88888, QString::fromLatin1(name));
        EXPECT_EQ(sat->satelliteData().tle.status, code) << name;
        EXPECT_EQ(sat->operationalStatus(), QString::fromLatin1(texts[code])) << name;
    }
}

TEST(ElementParsing, EpochCenturyAndDate) {
    SettingsStore store;
    const auto y56 = make(store, line1("56001.00000000"), line2_88888);
    EXPECT_EQ(y56->satelliteData().tle.epoch_year, 2056u);
    EXPECT_EQ(y56->satelliteData().jul_epoch, 2471998.5);
    const auto y57 = make(store, line1("57001.00000000"), line2_88888);
    EXPECT_EQ(y57->satelliteData().tle.epoch_year, 1957u);
    EXPECT_EQ(y57->satelliteData().jul_epoch, 2435839.5);
    EXPECT_EQ(make(store, line1("08001.50000000"), line2_88888)->keplerDate()->toQDateTime(),
              QDateTime(QDate(2008, 1, 1), QTime(12, 0), QTimeZone::utc()));
    EXPECT_EQ(make(store, line1("24366.25000000"), line2_88888)->keplerDate()->toQDateTime(),
              QDateTime(QDate(2024, 12, 31), QTime(6, 0), QTimeZone::utc()));
}

TEST(ElementParsing, SignedAndImpliedPointFields) {
    SettingsStore store;
    const auto a = make(store, line1("80275.98708465", " .00000000", " 00000-0", "-11606-4"),
                        line2(72.8, 115.9, "0001234", 52.7, 110.6, 15.5));
    EXPECT_EQ(a->satelliteData().tle.xndd6o, 0.0);
    EXPECT_EQ(a->satelliteData().tle.bstar, -.11606E-4);
    EXPECT_EQ(a->satelliteData().tle.eo, 0.0001234);
    const auto b =
        make(store, line1("80275.98708465", "-.00012345", "-11606-4", " 00000+0"), line2_88888);
    EXPECT_DOUBLE_EQ(b->satelliteData().tle.xndd6o, -.11606E-4 * per_day / 1440.0);
    EXPECT_DOUBLE_EQ(b->satelliteData().tle.xndt2o, -.00012345 * per_day);
    EXPECT_EQ(b->satelliteData().tle.bstar, 0.0);
}

TEST(ElementParsing, DeepSpaceChoiceUsesTheCorrectedPeriod) {
    SettingsStore store;
    const auto equatorial = make(store, line1(), line2(0.0, 0.0, "0000000", 0.0, 0.0, 6.4));
    const auto polar = make(store, line1(), line2(90.0, 0.0, "0000000", 0.0, 0.0, 6.4));
    EXPECT_NE(equatorial->satelliteData().flags & FLAG_DEEP_SPACE, 0);
    EXPECT_EQ(polar->satelliteData().flags & FLAG_DEEP_SPACE, 0);
    for (const auto& sat : {equatorial, polar}) {  // circular, finite in both models
        EXPECT_NEAR(sat->altitude(), 5876.0, 50.0);
        EXPECT_NEAR(sat->velocity(), 5.7, 0.1);
    }
}

TEST(ElementParsing, LinesThatAreNotAnElementSetLeaveTheSatelliteAlone) {
    SettingsStore store;
    const auto sat = make(store, line1_88888, line2_88888, QStringLiteral("A [+]"));
    sat->predictLocationAt(*sat->keplerDate() + 5000.0);
    const sat_record_t before = sat->satelliteData();
    const auto epoch = sat->keplerDate();
    const QString cases[][2] = {{line1_88888.left(67), line2_88888},
                                {line1_88888, line2_88888.left(67)},
                                {line2_88888, line2_88888},
                                {line1_88888, line1_88888},
                                {}};
    for (const auto& c : cases) {
        EXPECT_EQ(make(store, c[0], c[1]), nullptr) << c[0].toStdString();
        EXPECT_FALSE(sat->processTLE(QStringLiteral("A [-]"), c[0], c[1]));
        EXPECT_EQ(std::memcmp(&before, &sat->satelliteData(), sizeof before), 0);
        EXPECT_EQ(sat->operationalStatus(), QStringLiteral("Operational"));
        EXPECT_EQ(sat->keplerDate(), epoch);
    }
}

TEST(ElementParsing, NewLinesResetTheModel) {
    SettingsStore store;
    const auto sat = make(store, line1_11801, line2_11801);  // 69 characters are fine
    const int deep = FLAG_DEEP_SPACE | FLAG_SDP4_READY | FLAG_LUNAR_DONE;
    EXPECT_EQ(sat->satelliteData().flags, deep);
    ASSERT_TRUE(sat->processTLE(QString(), line1_88888, line2_88888));
    EXPECT_EQ(sat->satelliteData().flags, FLAG_SGP4_READY | FLAG_SIMPLE);
    const auto fresh = make(store, line1_88888, line2_88888);
    for (const auto& s : {sat, fresh}) s->predictLocationAt(*fresh->keplerDate() + 7200.0);
    const sat_record_t &a = sat->satelliteData(), &b = fresh->satelliteData();
    EXPECT_EQ(std::memcmp(&a.sgps, &b.sgps, sizeof a.sgps), 0);
    EXPECT_EQ(std::memcmp(&a.pos, &b.pos, 2 * sizeof a.pos), 0);
    ASSERT_TRUE(sat->processTLE(QString(), line1_11801, line2_11801));
    EXPECT_EQ(sat->satelliteData().flags, deep);
}
