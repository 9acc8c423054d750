// Reading the transmitter database's list and merging it into a satellite's records without
// losing what the user typed.
#include <gtest/gtest.h>

#include <QFile>

#include "TransmitterList.h"

namespace {

QByteArray sampleList() {
    QFile file(QStringLiteral(SKELVOR_SAMPLE_SERVER "/api/transmitters/transmitters.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TransmitterList read(const QByteArray& json) {
    auto result = readTransmitterList(json);
    EXPECT_TRUE(std::holds_alternative<TransmitterList>(result))
        << std::get<QString>(result).toStdString();
    return std::get<TransmitterList>(std::move(result));
}

QString refusal(const QByteArray& json) {
    auto result = readTransmitterList(json);
    return std::holds_alternative<QString>(result) ? std::get<QString>(result) : QString();
}

std::vector<const Transmitter*> of(const TransmitterList& list, std::int32_t catalogNumber) {
    std::vector<const Transmitter*> found;
    for (const Transmitter& t : list.transmitters) {
        if (t.catalogNumber == catalogNumber) found.push_back(&t);
    }
    return found;
}

}  // namespace

TEST(TransmitterList, TheSampleListReadsIntoRecords) {
    const TransmitterList list = read(sampleList());
    EXPECT_EQ(list.transmitters.size(), 8u);
    EXPECT_EQ(list.skipped, 0);
    const auto station = of(list, 99001);
    ASSERT_EQ(station.size(), 3u);
    EXPECT_FALSE(station[2]->isActive());

    const FrequencyRecord fm = station[0]->toRecord();
    EXPECT_EQ(fm.uplink, "145.99");
    EXPECT_EQ(fm.downlink, "437.8");
    EXPECT_EQ(fm.mode, "FM");
    EXPECT_EQ(fm.comment, "Sample station FM voice repeater (FM)");
    EXPECT_TRUE(fm.isUntouchedImport());

    const FrequencyRecord linear = of(list, 99005)[0]->toRecord();
    EXPECT_EQ(linear.uplink, "145.9-145.95");
    EXPECT_EQ(linear.downlink, "435.8-435.85");
    EXPECT_TRUE(linear.inverting);
    EXPECT_EQ(linear.mode, "USB");
    // A data mode the radio has no name for is kept in the comment only.
    const FrequencyRecord gmsk = of(list, 99006)[0]->toRecord();
    EXPECT_FALSE(gmsk.mode);
    EXPECT_EQ(gmsk.comment, "Sample cubesat telemetry (GMSK) 9600 Bd");
}

TEST(TransmitterList, UnusableEntriesAreSkippedAndBadDocumentsRefused) {
    const TransmitterList list = read(
        R"([{"uuid": "a", "norad_cat_id": 5, "downlink_low": 145800000, "alive": true,
             "status": "active"},
            {"uuid": "", "norad_cat_id": 5, "downlink_low": 145800000},
            {"uuid": "b", "norad_cat_id": null, "downlink_low": 145800000},
            {"uuid": "c", "norad_cat_id": 5, "downlink_low": null, "uplink_low": null},
            {"uuid": "d", "norad_cat_id": 5, "downlink_low": "145.8"},
            {"uuid": "e", "norad_cat_id": 5.5, "downlink_low": 145800000},
            {"uuid": "f", "norad_cat_id": 5, "downlink_low": -1},
            42, null, "text"])");
    EXPECT_EQ(list.transmitters.size(), 1u);
    EXPECT_EQ(list.skipped, 9);

    EXPECT_FALSE(refusal("[]").isEmpty());
    EXPECT_FALSE(refusal(R"([{"uuid": "x"}])").isEmpty());
    EXPECT_FALSE(refusal(R"({"detail": "Throttled"})").isEmpty());
    EXPECT_FALSE(refusal("<html>Bad gateway</html>").isEmpty());
    EXPECT_FALSE(refusal(R"([{"uuid": "a", "norad_cat_id": 5,)").isEmpty());
    EXPECT_FALSE(refusal(QByteArray(transmitterListMaxBytes + 1, ' ')).isEmpty());
}

TEST(TransmitterList, MergingKeepsWhatTheUserTypedOrChanged) {
    const TransmitterList list = read(sampleList());
    FrequencyRecord typed;
    typed.downlink = QStringLiteral("437.800");
    typed.comment = QStringLiteral("my own");

    QList<FrequencyRecord> records = mergeTransmitters({typed}, of(list, 99001));
    ASSERT_EQ(records.size(), 3);  // the typed one, then the two active transmitters
    EXPECT_EQ(records[0], typed);
    EXPECT_EQ(records[1].imported->uuid, "sample-tx-station-fm");
    EXPECT_EQ(records[2].imported->uuid, "sample-tx-station-aprs");

    // The user changes one imported record and activates the other.
    records[1].downlink = QStringLiteral("437.805");
    records[2].active = true;
    const QList<FrequencyRecord> again = mergeTransmitters(records, of(list, 99001));
    EXPECT_EQ(again, records);

    // The transmitters vanish from the list: the changed and the active records stay.
    EXPECT_EQ(mergeTransmitters(records, {}), records);
    // An untouched, inactive import whose transmitter is gone is removed.
    records[2].active = false;
    EXPECT_EQ(mergeTransmitters(records, {}), records.mid(0, 2));
}

TEST(TransmitterList, AnUntouchedImportIsRenewedInPlace) {
    TransmitterList list = read(sampleList());
    FrequencyRecord typed;
    typed.uplink = QStringLiteral("145.2");
    QList<FrequencyRecord> records = mergeTransmitters({}, of(list, 99005));
    records.append(typed);
    records[0].active = true;
    list.transmitters[3].downlinkHigh = 435860000;  // the transponder's passband widened
    const QList<FrequencyRecord> renewed = mergeTransmitters(records, of(list, 99005));
    ASSERT_EQ(renewed.size(), 3);
    EXPECT_EQ(renewed[0].downlink, "435.8-435.86");
    EXPECT_TRUE(renewed[0].active);
    EXPECT_EQ(renewed[1], records[1]);
    EXPECT_EQ(renewed[2], typed);
}

TEST(FrequencyRecord, NewFieldsSurviveTheArchiveAndOldEntriesReadAsTyped) {
    FrequencyRecord record;
    record.downlink = QStringLiteral("435.8-435.85");
    record.mode = QStringLiteral("USB");
    record.inverting = true;
    record.markImported(QStringLiteral("uuid-1"));
    record.active = true;
    EXPECT_EQ(FrequencyRecord::fromCbor(record.toCbor()), record);

    // An entry archived before these fields existed.
    const QCborMap old{{QStringLiteral("Downlink"), QStringLiteral("145.8")},
                       {QStringLiteral("Active"), QCborValue(nullptr)}};
    const FrequencyRecord plain = FrequencyRecord::fromCbor(old);
    EXPECT_FALSE(plain.imported);
    EXPECT_FALSE(plain.mode);
    EXPECT_FALSE(plain.isUntouchedImport());
    // A damaged import mark reads as a typed entry, never as one an import may replace.
    QCborMap damaged = record.toCbor();
    damaged.insert(QStringLiteral("Imported"), 7);
    EXPECT_FALSE(FrequencyRecord::fromCbor(damaged).imported);
}
