// Reading the server's index page into categories.
#include <gtest/gtest.h>

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
