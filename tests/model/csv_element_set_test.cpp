// Element sets in CSV form, read into the same records as their three-line form.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <cstring>

#include "CsvElementSet.h"
#include "SatelliteData.h"
#include "SettingsStore.h"
#include "element_lines.h"

namespace {

const QString header = QStringLiteral(
    "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
    "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
    "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\r");  // as split at LF

// A bundled three-line set, read with its name alone so that its status is Unknown as in CSV.
std::shared_ptr<SatelliteData> bundled(const SettingsStore& store, const char* file,
                                       const QString& name) {
    QFile in(QStringLiteral(SKELVOR_SAMPLES "/") + QString::fromLatin1(file));
    if (!in.open(QIODevice::ReadOnly)) return nullptr;
    const QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n');
    for (qsizetype i = 0; i + 2 < lines.size(); ++i) {
        if (!lines[i].startsWith(name + u' ')) continue;
        return SatelliteData::createSatellite(&store, name, QString(), 0, name,
                                              lines[i + 1].trimmed(), lines[i + 2].trimmed());
    }
    return nullptr;
}

std::shared_ptr<SatelliteData> fromCsv(const SettingsStore& store, const QString& line) {
    const std::optional<CsvElementSet> set = readCsvElementSet(line);
    if (!set) return nullptr;
    return SatelliteData::createFromValues(&store, set->name, QString(), 0, set->elements);
}

void expectSameRecord(const SatelliteData& a, const SatelliteData& b) {
    EXPECT_EQ(std::memcmp(&a.satelliteData(), &b.satelliteData(), sizeof(engine::sat_record_t)), 0);
    EXPECT_EQ(a.keplerDate(), b.keplerDate());
    EXPECT_EQ(a.operationalStatus(), b.operationalStatus());
}

double csvEpoch(const char* epoch) {
    const QString line =
        QStringLiteral("X,,%1,15.5,.0006,51.64,120,80,280,0,U,99001,999,30001,.00021,.00012,0")
            .arg(QString::fromLatin1(epoch));
    const std::optional<CsvElementSet> set = readCsvElementSet(line);
    return set ? set->elements.epoch : -1.0;
}

}  // namespace

TEST(CsvElementSet, BothFormsOfTheSameElementsGiveTheSameRecord) {
    SettingsStore store;
    const struct {
        const char* file;
        const char* name;
        const char* csv;
    } cases[] = {
        {"sample-leo.txt", "SAMPLE STATION",
         "SAMPLE STATION,1998-067A,2026-12-06T12:00:00.000000,15.50000000,.0006000,51.6400,"
         "120.0000,80.0000,280.0000,0,U,99001,999,30001,.00021000,.00012000,0\r\n"},
        {"sample-leo.txt", "SAMPLE SIX-DIGIT",
         "SAMPLE SIX-DIGIT,2026-099A,2026-12-06T12:00:00,15.06,.0001,53.05,75,90,270,0,U,100001,"
         "999,101,.7e-4,.00001,0"},
        {"sample-heo.txt", "SAMPLE MOLNIYA",
         "SAMPLE MOLNIYA,2011-030A,2026-12-06T12:00:00.000000,2.0057,.72,63.4,150,270,10,0,U,"
         "99301,999,4001,0,0,0"},
    };
    for (const auto& c : cases) {
        const auto lines = bundled(store, c.file, QString::fromLatin1(c.name));
        const auto csv = fromCsv(store, QString::fromLatin1(c.csv));
        ASSERT_TRUE(lines && csv) << c.name;
        expectSameRecord(*lines, *csv);
        EXPECT_EQ(csv->commonName(), QString::fromLatin1(c.name));
    }
    EXPECT_TRUE(fromCsv(store, QString::fromLatin1(cases[2].csv))->satelliteData().flags &
                engine::FLAG_DEEP_SPACE);
}

TEST(CsvElementSet, FractionalEpochAndExponentFieldsMatchTheLines) {
    SettingsStore store;
    const auto lines =
        fixture::make(store, fixture::line1_88888, fixture::line2_88888, QStringLiteral("TEST"));
    const auto csv = fromCsv(store, QStringLiteral("TEST,1980-000A,1980-10-01T23:41:24.113760,"
                                                   "16.05824518,.0086731,72.8435,115.9689,52.6988,"
                                                   "110.5714,0,U,88888,8,105,.66816E-4,.00073094,"
                                                   "1.3844e-04"));
    ASSERT_TRUE(csv);
    expectSameRecord(*lines, *csv);
}

TEST(CsvElementSet, EpochRoundsToTheNearestHundredMillionthOfADay) {
    EXPECT_EQ(csvEpoch("1980-10-01T23:41:24.114"), 80275.98708465);
    EXPECT_EQ(csvEpoch("2026-01-01T00:00:00.000431"), 26001.0);
    EXPECT_EQ(csvEpoch("2026-01-01T00:00:00.000432"), 26001.00000001) << "halves round up";
    EXPECT_EQ(csvEpoch("2026-12-31T23:59:59.9996"), 27001.0) << "rounds into the next year";
    EXPECT_EQ(csvEpoch("2024-12-31T06:00:00"), 24366.25);
    EXPECT_EQ(csvEpoch("1957-01-01T00:00:00"), 57001.0);
    EXPECT_EQ(csvEpoch("2056-12-31T00:00:00"), 56366.0);
}

TEST(CsvElementSet, SevenDigitCatalogueNumberAndQuotedName) {
    const std::optional<CsvElementSet> set = readCsvElementSet(
        QStringLiteral("\"SAMPLE, \"\"BIG\"\" ONE\",2026-200A,2026-12-06T12:00:00,15.2,.0008,97.4,"
                       "250,45,315,0,U,1234567,999,3001,.0004,.00003,0\r"));
    ASSERT_TRUE(set);
    EXPECT_EQ(set->name, QStringLiteral("SAMPLE, \"BIG\" ONE"));
    EXPECT_EQ(set->catalogNumber, 1234567);
    EXPECT_EQ(set->elements.statusCode, 0);
    EXPECT_EQ(set->elements.statusText, QStringLiteral("Unknown"));
    SettingsStore store;
    const auto satellite = SatelliteData::createFromValues(
        &store, set->name, QStringLiteral("big.csv"), set->catalogNumber, set->elements);
    EXPECT_EQ(satellite->catalogNumber(), 1234567);
    EXPECT_NEAR(satellite->altitude(), 440.0, 80.0);
}

TEST(CsvElementSet, HeaderRowIsRecognisedByItsColumns) {
    EXPECT_TRUE(isCsvElementHeader(header));
    EXPECT_TRUE(isCsvElementHeader(QChar(0xFEFF) + header.trimmed()));
    QString swapped = header;
    swapped.replace(QStringLiteral("INCLINATION,RA_OF_ASC_NODE"),
                    QStringLiteral("RA_OF_ASC_NODE,INCLINATION"));
    EXPECT_FALSE(isCsvElementHeader(swapped));
    EXPECT_FALSE(isCsvElementHeader(header.first(header.lastIndexOf(u','))));
    EXPECT_FALSE(isCsvElementHeader(QStringLiteral("SAMPLE STATION [+]")));
}

TEST(CsvElementSet, BadRecordsGiveNoSet) {
    const QString good = QStringLiteral(
        "S,1998-067A,2026-12-06T12:00:00,15.5,.0006,51.64,120,80,280,0,U,99001,999,30001,.00021,"
        ".00012,0");
    ASSERT_TRUE(readCsvElementSet(good));
    const std::pair<const char*, const char*> edits[] = {
        {",15.5,", ",,"},                                // missing mean motion
        {",15.5,", ",fast,"},                            // not a number
        {",15.5,", ",15.5x,"},                           // trailing text
        {",.00021,", ",nan,"},                           // not a number either
        {",.00021,", ",1e999,"},                         // not a finite number
        {",99001,", ",-99001,"},                         // negative catalogue number
        {",99001,", ",2147483648,"},                     // beyond 32 bits
        {",30001,", ",3.5,"},                            // revolution not a count
        {"2026-12-06T12:00:00", "2026-02-30T12:00:00"},  // no such day
        {"2026-12-06T12:00:00", "2026-12-06T24:00:00"},  // no such hour
        {"2026-12-06T12:00:00", "2026-12-06 12:00:00"},  // not the form
        {"2026-12-06T12:00:00", "2057-01-01T00:00:00"},  // beyond the two-digit years
        {"2026-12-06T12:00:00", "1956-12-31T00:00:00"},
        {"S,", "\"S,"},     // quote left open
        {"S,", "\"S\"x,"},  // text after the closing quote
        {",0", ",0,0"},     // an extra field
    };
    for (const auto& [from, to] : edits) {
        QString bad = good;
        bad.replace(QString::fromLatin1(from), QString::fromLatin1(to));
        ASSERT_NE(bad, good) << from;
        EXPECT_FALSE(readCsvElementSet(bad)) << qPrintable(bad);
    }
    EXPECT_FALSE(readCsvElementSet(good.first(good.lastIndexOf(u','))));
    EXPECT_FALSE(readCsvElementSet(QString()));
}
