// The archived form of a satellite: a round trip through CBOR bytes keeps everything, and
// damaged entries are skipped or read as far as they are sound.
#include <gtest/gtest.h>

#include <QCborArray>
#include <QCborMap>
#include <cstring>

#include "KeyedArchiver.h"
#include "PassData.h"
#include "sample_sky.h"

using namespace sample;

namespace {

QCborMap archived(const SatelliteData& satellite) {
    KeyedArchiver coder;
    satellite.encodeWithCoder(coder);
    // Through the bytes of the file, as the saved state stores it.
    return QCborValue::fromCbor(QCborValue(coder.map()).toCbor()).toMap();
}

std::shared_ptr<SatelliteData> restored(const QCborMap& map, const SettingsStore& store) {
    return SatelliteData::createWithCoder(KeyedUnarchiver(map), &store);
}

// The rise and set of the next passes from the instant, in seconds, as a list.
std::vector<double> passTimes(SatelliteData& satellite, Date from, int count) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        const PassData pass(satellite, from);
        if (!pass.aos() || !pass.los()) break;
        times.push_back(pass.aos()->secondsSinceReferenceDate());
        times.push_back(pass.los()->secondsSinceReferenceDate());
        from = *pass.los();
    }
    return times;
}

// What a session does to a satellite: the list, the radar plot once a second, the timeline.
void useAsASessionDoes(SatelliteData& satellite, Date start) {
    for (int second = 0; second < 120; ++second) satellite.predictLocationAt(start + second);
    passTimes(satellite, start + 86400.0, 3);
    satellite.predictLocationAt(start - 3600.0);
}

}  // namespace

// A deep-space record carries working values of the predictions made before (the resonance
// integrator, the lunar-solar terms): saving them must not change what the satellite predicts,
// however often it is saved, restored and used.
TEST(Archive, SavingAndRestoringNeverChangesThePasses) {
    Sky sky;
    for (const Lines& lines : {molniya, station}) {
        const std::vector<double> fresh = passTimes(*sky.make(lines), epoch + 2 * 86400.0, 6);
        ASSERT_EQ(fresh.size(), 12u) << lines.name;
        auto satellite = sky.make(lines);
        for (int launch = 1; launch <= 5; ++launch) {
            useAsASessionDoes(*satellite, epoch + launch * 40000.0);
            EXPECT_EQ(passTimes(*satellite, epoch + 2 * 86400.0, 6), fresh) << lines.name;
            satellite = restored(archived(*satellite), sky.appDelegate);
            EXPECT_EQ(passTimes(*satellite, epoch + 2 * 86400.0, 6), fresh)
                << lines.name << " restored after launch " << launch;
        }
    }
}

TEST(Archive, ARoundTripKeepsIdentityUserDataAndTheRecordByteForByte) {
    Sky sky;
    const auto satellite = sky.make(molniya);
    satellite->predictLocationAt(epoch + 5 * 86400.0);  // the integrator has moved on
    satellite->setCatalogNumber(99301);
    satellite->setFrequencyInfo(QList<FrequencyRecord>{
        {QStringLiteral("145.800 MHz"), std::nullopt, QStringLiteral("FM voice"), false},
        {std::nullopt, QStringLiteral("437.5 kHz"), std::nullopt, true}});
    satellite->setComments(QStringLiteral("Watch at apogee"));

    const QCborMap map = archived(*satellite);
    QStringList keys;
    for (auto it = map.begin(); it != map.end(); ++it) keys << it.key().toString();
    EXPECT_EQ(keys, QStringList({"SatDatTleFileName", "SatDatCatalogNumber",
                                 "SatDatOperationalStatus", "SatDatCommonName", "SatDatData",
                                 "SatDatKeplerDate", "SatDatFrequencyInfo", "SatDatComments"}));

    const auto copy = restored(map, sky.appDelegate);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->commonName(), "SAMPLE MOLNIYA");
    EXPECT_EQ(copy->tleFileName(), "sample.txt");
    EXPECT_EQ(copy->catalogNumber(), 99301);
    EXPECT_EQ(copy->operationalStatus(), "Operational");
    ASSERT_TRUE(copy->keplerDate());
    EXPECT_NEAR(*copy->keplerDate() - *satellite->keplerDate(), 0.0, 0.0005);
    EXPECT_EQ(copy->frequencyInfo(), satellite->frequencyInfo());
    EXPECT_EQ(copy->comments(), satellite->comments());
    EXPECT_EQ(std::memcmp(&copy->satelliteData(), &satellite->satelliteData(),
                          sizeof(engine::sat_record_t)),
              0);
    EXPECT_EQ(copy->appDelegate(), &sky.appDelegate);

    // It continues without initialising again and predicts what the original predicts.
    EXPECT_TRUE(copy->satelliteData().flags & engine::FLAG_SDP4_READY);
    for (const double days : {5.5, 6.0, 2.0}) {
        satellite->predictLocationAt(epoch + days * 86400.0);
        copy->predictLocationAt(epoch + days * 86400.0);
        EXPECT_EQ(copy->azimuth(), satellite->azimuth());
        EXPECT_EQ(copy->range(), satellite->range());
    }
}

TEST(Archive, AbsentUserDataStaysAbsent) {
    Sky sky;
    const auto satellite = sky.make(station);
    const QCborMap map = archived(*satellite);
    EXPECT_TRUE(map.value(QStringLiteral("SatDatFrequencyInfo")).isNull());
    EXPECT_TRUE(map.value(QStringLiteral("SatDatComments")).isNull());
    const auto copy = restored(map, sky.appDelegate);
    ASSERT_TRUE(copy);
    EXPECT_FALSE(copy->frequencyInfo());
    EXPECT_FALSE(copy->comments());

    QCborMap older = map;
    older.remove(QStringLiteral("SatDatComments"));
    older.remove(QStringLiteral("SatDatCatalogNumber"));
    const auto fromOlder = restored(older, sky.appDelegate);
    ASSERT_TRUE(fromOlder);
    EXPECT_EQ(fromOlder->catalogNumber(), 0);
    EXPECT_FALSE(fromOlder->comments());
}

TEST(Archive, TheOrbitalRecordMustBeWhole) {
    Sky sky;
    const auto satellite = sky.make(station);
    const QCborMap map = archived(*satellite);
    const QByteArray data = map.value(QStringLiteral("SatDatData")).toByteArray();

    QCborMap missing = map;
    missing.remove(QStringLiteral("SatDatData"));
    EXPECT_FALSE(restored(missing, sky.appDelegate));

    QCborMap shorter = map;
    shorter.insert(QStringLiteral("SatDatData"), data.left(1431));
    EXPECT_FALSE(restored(shorter, sky.appDelegate));

    QCborMap wrongType = map;
    wrongType.insert(QStringLiteral("SatDatData"), QStringLiteral("not bytes"));
    EXPECT_FALSE(restored(wrongType, sky.appDelegate));

    QCborMap longer = map;
    longer.insert(QStringLiteral("SatDatData"), data + QByteArray(68, '\xff'));
    const auto fromLonger = restored(longer, sky.appDelegate);
    ASSERT_TRUE(fromLonger);
    EXPECT_EQ(std::memcmp(&fromLonger->satelliteData(), data.constData(), data.size()), 0);
}

TEST(Archive, ValuesOfTheWrongTypeReadAsAbsent) {
    Sky sky;
    QCborMap map = archived(*sky.make(station));
    map.insert(QStringLiteral("SatDatCommonName"), 42);
    map.insert(QStringLiteral("SatDatCatalogNumber"), QStringLiteral("99001"));
    map.insert(QStringLiteral("SatDatKeplerDate"), QStringLiteral("yesterday"));
    map.insert(QStringLiteral("SatDatComments"), QCborArray{1, 2});
    map.insert(QStringLiteral("SatDatFrequencyInfo"),
               QCborArray{QCborMap{{QStringLiteral("Uplink"), 145.8},
                                   {QStringLiteral("Downlink"), QStringLiteral("435.1")}}});
    const auto copy = restored(map, sky.appDelegate);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(copy->commonName().isEmpty());
    EXPECT_EQ(copy->catalogNumber(), 0);
    EXPECT_FALSE(copy->keplerDate());
    EXPECT_FALSE(copy->comments());
    ASSERT_TRUE(copy->frequencyInfo());
    const FrequencyRecord expected{std::nullopt, QStringLiteral("435.1"), std::nullopt, false};
    EXPECT_EQ(copy->frequencyInfo()->value(0), expected);
}
