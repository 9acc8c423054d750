// The lists behind the selection screens: the plain order of names, the status sections and
// the prefix rule of the search by name.
#include "SatelliteChoice.h"
#include "selection_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("selection_screen_tests");

using selection::matchesNamePrefix;

using SatelliteChoice = SelectionScreenFixture;

TEST(SatelliteChoiceOrder, SortsCapitalsBeforeSmallLetters) {
    EXPECT_EQ(selection::sortedPlainly({"aa", "Zz", "b", "Ab", "AB"}),
              QStringList({"AB", "Ab", "Zz", "aa", "b"}));
}

TEST_F(SatelliteChoice, GroupsByStatusAndLeavesOtherStatusesOut) {
    mergeCategory("Mixed", {"ZULU [+]", "ALPHA [+]", "BRAVO [P]", "CHARLIE [-]", "DELTA [B]",
                            "ECHO [S]", "FOXTROT [X]", "GOLF", "HOTEL [?]"});
    auto table = app.knownSatellites().value("Mixed");
    table.value("HOTEL")->setOperationalStatus("Decayed");

    const auto sections = selection::namesByStatus(table);

    EXPECT_EQ(sections[0], QStringList({"ALPHA", "ZULU"}));
    EXPECT_EQ(sections[1], QStringList({"BRAVO"}));
    EXPECT_EQ(sections[2], QStringList({"CHARLIE"}));
    EXPECT_EQ(sections[3], QStringList({"DELTA"}));
    EXPECT_EQ(sections[4], QStringList({"ECHO"}));
    EXPECT_EQ(sections[5], QStringList({"FOXTROT"}));
    EXPECT_EQ(sections[6], QStringList({"GOLF"}));
}

TEST(SatelliteChoicePrefix, MatchesTheBeginningInAnyLetterCase) {
    EXPECT_TRUE(matchesNamePrefix("ISS (ZARYA)", "IS"));
    EXPECT_TRUE(matchesNamePrefix("Iss mixed", "IS"));
    EXPECT_TRUE(matchesNamePrefix("iss", "Is"));
    EXPECT_TRUE(matchesNamePrefix("IS", "is"));
    EXPECT_FALSE(matchesNamePrefix("I", "IS"));
    EXPECT_FALSE(matchesNamePrefix("XISS", "IS"));
    EXPECT_FALSE(matchesNamePrefix("SAMPLE NAV", "SAMPLE NAVY"));
}
