// The radio and rotator settings' text fields without a screen: what each shows, and how typed
// text changes the settings or is refused with the settings left as they were.
#include <gtest/gtest.h>

#include "StationFields.h"

using station_fields::edit;
using station_fields::Field;
using station_fields::shownText;

namespace {

// A text the field refuses, and the beginning of what it says.
struct Refusal {
    Field field;
    const char* text;
    const char* problem;
};

// Types each text into its field in turn, as a user works down the form; every one must be
// taken.
StationSettings typed(StationSettings settings,
                      std::initializer_list<std::pair<Field, const char*>> entries) {
    for (const auto& [field, text] : entries) {
        const station_fields::Edit result = edit(settings, field, QString::fromUtf8(text));
        EXPECT_EQ(result.problem, QString()) << text;
        settings = result.settings;
    }
    return settings;
}

}  // namespace

TEST(StationFields, EveryFieldShowsWhatItTakes) {
    StationSettings settings;
    settings.radio.host = QStringLiteral("shack.local");
    settings.radio.interval = 0.2;
    settings.rotator.limits = {-180.0, 540.0, 0.0, 180.0, 5.0, {90.0, 10.0}, 2.5};
    settings.transmitters.source = QUrl(QStringLiteral("https://mirror.example.org/tx.json"));
    for (const Field field : station_fields::allFields) {
        const station_fields::Edit again = edit(settings, field, shownText(settings, field));
        EXPECT_EQ(again.problem, QString()) << static_cast<int>(field);
        EXPECT_EQ(again.settings, settings) << static_cast<int>(field);
    }
    EXPECT_EQ(shownText(settings, Field::radioInterval), QStringLiteral("0.2"));
    EXPECT_EQ(shownText(settings, Field::azimuthMin), QStringLiteral("-180"));
    EXPECT_EQ(shownText(settings, Field::tolerance), QStringLiteral("2.5"));
    EXPECT_EQ(shownText(StationSettings(), Field::transmitterSource), QString())
        << "the public database: an empty field";
}

TEST(StationFields, NumbersAreTakenWithinTheirRanges) {
    const StationSettings settings = typed(StationSettings(), {{Field::radioPort, " 4600 "},
                                                               {Field::radioInterval, "0.2"},
                                                               {Field::radioStep, "25 Hz"},
                                                               {Field::rotatorInterval, "60"},
                                                               {Field::tolerance, "0"}});
    EXPECT_EQ(settings.radio.port, 4600);
    EXPECT_EQ(settings.radio.interval, 0.2);
    EXPECT_EQ(settings.radio.step, 25.0);
    EXPECT_EQ(settings.rotator.interval, 60.0);
    EXPECT_EQ(settings.rotator.limits.tolerance, 0.0);

    for (const Refusal& refusal : {
             Refusal{Field::radioPort, "0", "0 is outside 1 to 65535"},
             Refusal{Field::rotatorPort, "70000", "70000 is outside 1 to 65535"},
             Refusal{Field::radioInterval, "0.1", "0.1 is outside 0.2 to 60"},
             Refusal{Field::radioStep, "-5", "-5 is outside 0 to 100000"},
             Refusal{Field::tolerance, "90", "90 is outside 0 to 45"},
             Refusal{Field::startElevation, "1e400", "inf is outside 0 to 90"},
             Refusal{Field::radioInterval, "fast", "“fast” is not a number"},
             Refusal{Field::parkAzimuth, "", "“” is not a number"},
         }) {
        const station_fields::Edit result =
            edit(settings, refusal.field, QString::fromUtf8(refusal.text));
        EXPECT_TRUE(result.problem.startsWith(QString::fromUtf8(refusal.problem)))
            << refusal.text << ": " << result.problem.toStdString();
        EXPECT_TRUE(result.problem.endsWith(QStringLiteral("the value in use stays.")));
        EXPECT_EQ(result.settings, settings) << "the settings in use stay";
    }
}

// The ranges of a rotator are set one field at a time; each step on the way must make a
// rotator the tracking can drive, and one that cannot hold the park position is refused.
TEST(StationFields, RotatorRangesChangeOneFieldAtATimeAndStayWhole) {
    const StationSettings wide = typed(StationSettings(), {{Field::azimuthMin, "-180"},
                                                           {Field::azimuthMax, "540"},
                                                           {Field::elevationMax, "180"},
                                                           {Field::parkAzimuth, "-90"},
                                                           {Field::startElevation, "10"}});
    const RotatorLimits& limits = wide.rotator.limits;
    EXPECT_EQ(limits.azimuthMin, -180.0);
    EXPECT_EQ(limits.azimuthMax, 540.0);
    EXPECT_TRUE(limits.canFlip());
    EXPECT_EQ(limits.park.azimuth, -90.0);
    EXPECT_EQ(limits.startElevation, 10.0);
    const StationSettings overNorth = typed(StationSettings(), {{Field::azimuthMax, "450"}});
    EXPECT_EQ(overNorth.rotator.limits.azimuthMax, 450.0);

    for (const Refusal& refusal : {
             Refusal{Field::azimuthMax, "900", "An azimuth range spans 360° to 720°"},
             Refusal{Field::azimuthMax, "100", "An azimuth range spans 360° to 720°"},
             Refusal{Field::azimuthMin, "0", "An azimuth range spans"},  // park -90 left out
             Refusal{Field::elevationMin, "45", "An elevation range starts"},
             Refusal{Field::parkAzimuth, "600", "The park position lies within"},
             Refusal{Field::parkElevation, "95", "The park position lies within"},
         }) {
        StationSettings narrow = wide;
        narrow.rotator.limits.elevationMax = 90.0;
        const StationSettings& current = refusal.field == Field::parkElevation ? narrow : wide;
        const station_fields::Edit result =
            edit(current, refusal.field, QString::fromUtf8(refusal.text));
        EXPECT_TRUE(result.problem.startsWith(QString::fromUtf8(refusal.problem)))
            << refusal.text << ": " << result.problem.toStdString();
        EXPECT_EQ(result.settings, current);
    }
}

TEST(StationFields, HostsAndTheListAddressAreChecked) {
    const StationSettings settings = typed(
        StationSettings(), {{Field::radioHost, " shack-pi.local "},
                            {Field::rotatorHost, "::1"},
                            {Field::transmitterSource, "https://mirror.example.org/tx.json"}});
    EXPECT_EQ(settings.radio.host, QStringLiteral("shack-pi.local"));
    EXPECT_EQ(settings.rotator.host, QStringLiteral("::1"));
    EXPECT_EQ(settings.transmitters.source.host(), QStringLiteral("mirror.example.org"));
    EXPECT_TRUE(
        edit(settings, Field::transmitterSource, QString()).settings.transmitters.source.isEmpty())
        << "an emptied address is the public database again";

    for (const char* host : {"", "two words", "radio;rm -rf", "a/b"}) {
        const station_fields::Edit result =
            edit(settings, Field::radioHost, QString::fromUtf8(host));
        EXPECT_TRUE(result.problem.contains(QStringLiteral("is not a host name or address")))
            << host;
        EXPECT_EQ(result.settings, settings);
    }
    for (const char* address : {"ftp://example.org/list", "tx.json", "http://[broken"}) {
        const station_fields::Edit result =
            edit(settings, Field::transmitterSource, QString::fromUtf8(address));
        EXPECT_TRUE(result.problem.contains(QStringLiteral("is not an http, https or file")))
            << address;
        EXPECT_EQ(result.settings, settings);
    }
}
