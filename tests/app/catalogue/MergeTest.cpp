// Merging element-set files into categories: line ends, grouping, updates in place, new
// entries, and text that is not element sets.
#include <gtest/gtest.h>

#include "ElementSets.h"
#include "SkelvorAppDelegate.h"

namespace {

using test::elementSet;

const QString category = QStringLiteral("Weather");
const QString fileName = QStringLiteral("weather.txt");

class Merge : public ::testing::Test {
protected:
    void merge(const std::optional<QString>& text, const QString& name = category) {
        appDelegate.mergeTLEFile(text, name, fileName);
    }
    SkelvorAppDelegate::CategoryTable table(const QString& name = category) {
        return appDelegate.knownSatellites().value(name);
    }
    // Each entry as key = shown name, catalogue number.
    QStringList entries(const QString& name = category) {
        QStringList result;
        const auto satellites = table(name);
        for (auto it = satellites.cbegin(); it != satellites.cend(); ++it) {
            result << QStringLiteral("%1=%2,%3")
                          .arg(it.key(), it.value()->commonName())
                          .arg(it.value()->catalogNumber());
        }
        return result;
    }

    SkelvorAppDelegate appDelegate;
};

const QString twoSets = elementSet("NOAA 15 [+]", "25338") + elementSet("METEOR", "40069");
const QStringList twoEntries{"METEOR=METEOR,40069", "NOAA 15=NOAA 15,25338"};

TEST_F(Merge, LineEndsDoNotChangeTheSatellites) {
    merge(twoSets, "LF");
    merge(twoSets.chopped(1), "no final LF");
    merge(QString(twoSets).replace("\n", "\r\n"), "CR LF");
    for (const QString name : {"LF", "no final LF", "CR LF"}) {
        EXPECT_EQ(entries(name), twoEntries) << name.toStdString();
    }
    merge(QString(twoSets).replace("\n", "\r"), "bare CR");
    EXPECT_TRUE(table("bare CR").isEmpty());
}

// A blank or stray line is skipped without shifting the sets after it.
TEST_F(Merge, StrayLinesDoNotShiftTheSetsAfterThem) {
    merge(twoSets + "STRAY");
    EXPECT_EQ(entries(), twoEntries);
    merge("\n" + elementSet("AFTER A BLANK", "11111") + "# comment\n" +
              elementSet("AFTER A COMMENT", "22222"),
          "shifted");
    EXPECT_EQ(entries("shifted"), (QStringList{"AFTER A BLANK=AFTER A BLANK,11111",
                                               "AFTER A COMMENT=AFTER A COMMENT,22222"}));
}

TEST_F(Merge, NameMarkerAndSurroundingBlanksStayOutOfTheCommonName) {
    merge(elementSet(" \tNOAA 19 [P]\t", "33591"));
    const auto satellite = table().value("NOAA 19");
    ASSERT_TRUE(satellite);
    EXPECT_EQ(satellite->commonName(), "NOAA 19");
    EXPECT_EQ(satellite->tleFileName(), fileName);
    EXPECT_EQ(satellite->operationalStatus(), "Partially Operational");
}

TEST_F(Merge, LoadingAgainUpdatesInPlaceAndKeepsUserData) {
    merge(twoSets);
    const auto noaa = table().value("NOAA 15");
    noaa->setComments(QStringLiteral("APT 137.62"));
    const std::optional<Date> firstEpoch = noaa->keplerDate();

    merge(elementSet("NOAA 15 RENAMED [-]", "25338", "26341.50000000") +
          elementSet("METEOR", "40069"));
    EXPECT_EQ(entries(), twoEntries);
    EXPECT_EQ(table().value("NOAA 15"), noaa);
    EXPECT_EQ(noaa->comments(), "APT 137.62");
    EXPECT_EQ(noaa->commonName(), "NOAA 15");
    EXPECT_EQ(noaa->operationalStatus(), "Not Operational");
    ASSERT_TRUE(firstEpoch && noaa->keplerDate());
    EXPECT_DOUBLE_EQ(*noaa->keplerDate() - *firstEpoch, 86400.0);
}

TEST_F(Merge, ANewNumberUnderAUsedNameReplacesTheEntry) {
    merge(twoSets);
    const auto old = table().value("METEOR");
    appDelegate.toggleSatelliteSelected("METEOR");
    merge(elementSet("METEOR [+]", "57166"));
    EXPECT_EQ(entries(), (QStringList{"METEOR=METEOR,57166", "NOAA 15=NOAA 15,25338"}));
    EXPECT_EQ(appDelegate.selectedSatellites(), (QList<std::shared_ptr<SatelliteData>>{old}));

    merge(elementSet("METEOR-M", "40069"));
    EXPECT_EQ(entries(), (QStringList{"METEOR=METEOR,57166", "METEOR-M=METEOR-M,40069",
                                      "NOAA 15=NOAA 15,25338"}));
}

TEST_F(Merge, MissingTextOrAPageWithoutSetsLeavesAnEmptyCategory) {
    merge(std::nullopt, "Unreachable");
    merge("<html><head><title>404 Not Found</title></head>\n<body>\n</body></html>\n", "Page");
    EXPECT_EQ(appDelegate.knownSatellites().keys(), (QStringList{"Page", "Unreachable"}));
    EXPECT_TRUE(table("Unreachable").isEmpty() && table("Page").isEmpty());
}

TEST_F(Merge, SetsThatAreNotElementSetsAreSkippedAndTheRestMerges) {
    const QString brokenSet = "BROKEN\n1 12345U too short\n2 12345 too short\n";
    const QString shortLine = "SHORT\n1 123\n" + elementSet("x", "12345").section('\n', 2, 2);
    merge(elementSet("NOAA 15", "25338") + brokenSet + shortLine + "\n" +
          elementSet("METEOR", "40069"));
    EXPECT_EQ(entries(), twoEntries);

    merge(elementSet("NOAA 15", "25338").replace("\n2 ", "\nX "));
    EXPECT_EQ(entries(), twoEntries);
}

TEST_F(Merge, AlphaFiveNumbersUpdateInPlace) {
    merge(elementSet("NEW OBJECT", "A0001"));
    const auto satellite = table().value("NEW OBJECT");
    ASSERT_TRUE(satellite);
    EXPECT_EQ(satellite->catalogNumber(), 100001);
    merge(elementSet("NEW OBJECT 2", "A0001", "26341.50000000"));
    EXPECT_EQ(entries(), (QStringList{"NEW OBJECT=NEW OBJECT,100001"}));
    EXPECT_EQ(table().value("NEW OBJECT"), satellite);
}

// The CSV form merges by the same rules: by number in place, new numbers under their name.
TEST_F(Merge, CsvRecordsMergeLikeThreeLineSets) {
    const QString header =
        "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
        "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
        "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\r\n";
    const QString record =
        "%1,1998-067A,2026-12-07T12:00:00.000000,15.5,.0006,51.64,120,80,280,"
        "0,U,%2,999,30001,.00021,.00012,0\r\n";
    merge(twoSets);
    const auto noaa = table().value("NOAA 15");
    noaa->setComments(QStringLiteral("APT 137.62"));
    const std::optional<Date> firstEpoch = noaa->keplerDate();

    appDelegate.mergeTLEFile(header + record.arg("NOAA 15 RENAMED", "25338") +
                                 record.arg("BROKEN", "x") + "\r\n" + record.arg("NEW", "412345"),
                             category, "GROUP=weather");
    EXPECT_EQ(entries(),
              (QStringList{"METEOR=METEOR,40069", "NEW=NEW,412345", "NOAA 15=NOAA 15,25338"}));
    EXPECT_EQ(table().value("NOAA 15"), noaa);
    EXPECT_EQ(noaa->comments(), "APT 137.62");
    EXPECT_EQ(noaa->operationalStatus(), "Unknown");
    EXPECT_EQ(noaa->tleFileName(), fileName);
    ASSERT_TRUE(firstEpoch && noaa->keplerDate());
    EXPECT_DOUBLE_EQ(*noaa->keplerDate() - *firstEpoch, 86400.0);
    EXPECT_EQ(table().value("NEW")->tleFileName(), "GROUP=weather");

    appDelegate.mergeTLEFile(record.arg("NO HEADER", "1"), "Headless", "GROUP=x");
    appDelegate.mergeTLEFile(std::nullopt, "Missing", "GROUP=y");
    EXPECT_TRUE(table("Headless").isEmpty() && appDelegate.knownSatellites().contains("Missing"));
}

}  // namespace
