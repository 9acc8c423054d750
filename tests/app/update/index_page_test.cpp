// Reading the server's index page into categories.
#include <gtest/gtest.h>

#include <QFile>

#include "IndexPage.h"

TEST(IndexPage, EveryTextFileLinkIsACategoryNamedByItsText) {
    const QString page =
        "<html><body>\n<A HREF=\"weather.txt\">Weather</A><br>\n"
        "<a href=\"amateur.txt\">Amateur Radio</a>\n"
        "<a href=\"cube-sats.txt\">Weather</a>\n"  // same text: named after the file
        "<a href=\"two.dots.txt\">Skipped</a>\n"   // a dot before .txt does not match
        "<a href=\"notes.html\">Notes</a>\n"
        "<a  href=\"double-blank.txt\">Not matched</a>\n</body></html>";
    const QMap<QString, QString> categories = readIndexPage(page);
    EXPECT_EQ(categories, (QMap<QString, QString>{{"Weather", "weather.txt"},
                                                  {"Amateur Radio", "amateur.txt"},
                                                  {"cube sats", "cube-sats.txt"}}));
    EXPECT_TRUE(readIndexPage("<html>Service unavailable</html>").isEmpty());
    EXPECT_TRUE(readIndexPage(QString()).isEmpty());
}

TEST(IndexPage, CommentedLinksAreNeverRead) {
    const QString page =
        "<a href=\"weather.txt\">Weather</a><!-- <a href=\"old.txt\">Old</a>\n"
        "<td>Visual <a href=gp.php?GROUP=visual>TLE</a></td> --><a href=\"noaa.txt\">NOAA</a>"
        "<!--> <a href=\"empty-comment.txt\">Shown</a> <!-- <a href=\"open.txt\">Open</a>";
    EXPECT_EQ(readIndexPage(page), (QMap<QString, QString>{{"Weather", "weather.txt"},
                                                           {"NOAA", "noaa.txt"},
                                                           {"Shown", "empty-comment.txt"}}));
}

TEST(IndexPage, EachCellWithAQueryLinkIsACategoryNamedByItsTitle) {
    QFile file(SKELVOR_TEST_DATA "/todays-server/index.html");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(readIndexPage(QString::fromUtf8(file.readAll())),
              (QMap<QString, QString>{{"Last 30 Days' Launches", "GROUP=last-30-days"},
                                      {"Space Stations", "GROUP=stations"},
                                      {"GEO Protected Zone > 35,000 km", "SPECIAL=gpz"},
                                      {"GPS Operational", "GROUP=gps-ops"},
                                      {"Geostationary", "GROUP=geo"},
                                      {"Other", "GROUP=other"},
                                      {"other comm", "GROUP=other-comm"}}));
    // Once one query link is found, ".txt" links no longer count; a cell without a title is
    // named after its query.
    EXPECT_EQ(readIndexPage("<a href=\"a.txt\">A</a><TD><a href=\"GP.PHP?x=1\">x</a>"
                            "<A HREF='gp.php?FORMAT=csv&amp;SPECIAL=gpz-plus'>x</A>"),
              (QMap<QString, QString>{{"gpz plus", "SPECIAL=gpz-plus"}}));
    EXPECT_TRUE(isGroupQuery(u"GROUP=cosmos-2251_debris"));
    EXPECT_FALSE(isGroupQuery(u"GROUP=a.txt"));
    EXPECT_FALSE(isGroupQuery(u"GROUP="));
    EXPECT_FALSE(isGroupQuery(u"NAME=ISS"));
}
