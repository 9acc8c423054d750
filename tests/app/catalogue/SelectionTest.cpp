// Lookups by name and the selection, with the notification each change posts.
#include <gtest/gtest.h>

#include "ElementSets.h"
#include "NotificationCenter.h"
#include "SkelvorAppDelegate.h"

namespace {

using test::elementSet;

class Selection : public ::testing::Test {
protected:
    Selection() {
        token = NotificationCenter::defaultCenter().addObserver(
            QStringLiteral("SatelliteSelectionAltered"), [this](const Notification& note) {
                EXPECT_EQ(note.object, &appDelegate);
                ++posted;
            });
        appDelegate.mergeTLEFile(elementSet("NOAA 15", "25338") + elementSet("ISS", "25544"),
                                 "Amateur", "amateur.txt");
        appDelegate.mergeTLEFile(elementSet("ISS", "25544"), "Stations", "stations.txt");
    }
    ~Selection() override { NotificationCenter::defaultCenter().removeObserver(token); }

    SkelvorAppDelegate appDelegate;
    NotificationCenter::ObserverToken token;
    int posted = 0;
};

TEST_F(Selection, ToggleAppendsThenRemovesAndPostsEachTime) {
    EXPECT_TRUE(appDelegate.toggleSatelliteSelected("ISS"));
    EXPECT_TRUE(appDelegate.toggleSatelliteSelected("NOAA 15"));
    EXPECT_EQ(appDelegate.selectedSatellites().last()->commonName(), "NOAA 15");
    EXPECT_TRUE(appDelegate.isSatelliteSelected("ISS"));
    EXPECT_FALSE(appDelegate.toggleSatelliteSelected("ISS"));
    EXPECT_FALSE(appDelegate.isSatelliteSelected("ISS"));
    EXPECT_EQ(appDelegate.selectedSatellites().size(), 1);
    EXPECT_EQ(posted, 3);
}

TEST_F(Selection, SetSelectedPostsOnlyForAChange) {
    appDelegate.setSatelliteSelected("ISS", true);
    appDelegate.setSatelliteSelected("ISS", true);
    EXPECT_EQ(appDelegate.selectedSatellites().size(), 1);
    appDelegate.setSatelliteSelected("NOAA 15", false);
    appDelegate.setSatelliteSelected("ISS", false);
    EXPECT_TRUE(appDelegate.selectedSatellites().isEmpty());
    EXPECT_EQ(posted, 2);
}

TEST_F(Selection, UnknownNamesChangeAndPostNothing) {
    EXPECT_FALSE(appDelegate.toggleSatelliteSelected("iss"));
    appDelegate.setSatelliteSelected("GOES 16", true);
    EXPECT_FALSE(appDelegate.isSatelliteSelected("GOES 16"));
    EXPECT_EQ(appDelegate.findSatelliteByCommonName("iss"), nullptr);
    EXPECT_TRUE(appDelegate.selectedSatellites().isEmpty());
    EXPECT_EQ(posted, 0);
}

TEST_F(Selection, ANameInTwoCategoriesMeansTheOneFoundFirst) {
    const auto& known = appDelegate.knownSatellites();
    const auto first = known.first().value("ISS");
    const auto other = known.last().value("ISS");
    ASSERT_TRUE(first && other && first != other);
    EXPECT_EQ(appDelegate.findSatelliteByCommonName("ISS"), first);

    appDelegate.selectedSatellites().append(other);
    EXPECT_FALSE(appDelegate.isSatelliteSelected("ISS"));
    EXPECT_TRUE(appDelegate.toggleSatelliteSelected("ISS"));
    EXPECT_EQ(appDelegate.selectedSatellites().last(), first);
}

}  // namespace
