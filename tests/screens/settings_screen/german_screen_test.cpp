// The preferences screen under the German translation: its words are German, and the longer
// German captions still have their room at a narrow and a wide window.
#include <QLabel>

#include "Translations.h"
#include "preferences_fixture.h"

namespace {

class GermanPreferencesScreen : public PreferencesScreen {
protected:
    void SetUp() override {
        ASSERT_EQ(installTranslations({QStringLiteral("de-AT"), QStringLiteral("en-GB")}),
                  QStringLiteral("de"));
        PreferencesScreen::SetUp();
    }
    void TearDown() override {
        PreferencesScreen::TearDown();
        installTranslations({QStringLiteral("en")});
    }

    QStringList labelTexts() const {
        QStringList texts;
        for (const QLabel* label : preferences->scroller()->content()->findChildren<QLabel*>()) {
            texts.append(label->text());
        }
        return texts;
    }
};

}  // namespace

TEST_F(GermanPreferencesScreen, ShowsItsWordsInGerman) {
    EXPECT_EQ(preferences->title(), "Einstellungen");
    const QStringList texts = labelTexts();
    for (const char* caption : {"Zeit und Koordinaten", "Mindesterhebung (°)", "Breite", "Länge"}) {
        EXPECT_TRUE(texts.contains(QString::fromUtf8(caption))) << caption;
    }
    EXPECT_FALSE(texts.contains("Latitude"));
    EXPECT_EQ(preferences->useUTCSwitch()->offText(), "Lokal");

    type(preferences->tleUpdateDays(), QStringLiteral("nie"));
    EXPECT_EQ(preferences->problemOf(preferences->tleUpdateDays()),
              "„nie“ ist keine Zahl; der bisherige Wert bleibt.");
}

TEST_F(GermanPreferencesScreen, EveryGermanCaptionHasItsRoomAtAnyWidth) {
    type(preferences->tleUpdateDays(), QStringLiteral("nie"));  // a problem shown too
    expectEveryControlHasItsRoom();
}

// Without a language the program speaks, the words are English; English plurals are whole.
TEST(Translations, OtherLanguagesFallBackToEnglishWithItsPlurals) {
    EXPECT_EQ(installTranslations({QStringLiteral("fr-FR"), QStringLiteral("C")}), "en");
    EXPECT_EQ(QCoreApplication::translate("SkelvorAppDelegate",
                                          "The current TLE files are %n day(s) old. Do you want "
                                          "to update these files now?",
                                          nullptr, 1),
              "The current TLE files are 1 day old. Do you want to update these files now?");
    EXPECT_EQ(installTranslations({QStringLiteral("de")}), "de");
    EXPECT_EQ(QCoreApplication::translate("SkelvorAppDelegate", "Yes"), "Ja");
    EXPECT_EQ(installTranslations({}), "en");
    EXPECT_EQ(QCoreApplication::translate("SkelvorAppDelegate", "Yes"), "Yes");
}
