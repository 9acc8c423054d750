// Passes as an iCalendar file, from `passes --format ics` and `tonight --format ics`, read back
// by an independent parser (Debian's python3-icalendar, through check_calendar.py): one event
// per listed pass with its times in UTC, CR LF line ends, lines folded at 75 octets without
// splitting a character, and text values escaped so that they read back exactly.
#include <gtest/gtest.h>

#include <QJsonObject>

#include "PassCalendar.h"
#include "calendar_reader.h"
#include "cli_support.h"

namespace {

const QString leo = QStringLiteral(":/sample-server/NORAD/elements/sample-leo.txt");
const QStringList north{"--lat", "52", "--lon", "-1.5"};

QJsonArray parsed(const QString& calendar) { return calendarEvents(TextFile(calendar).path()); }

// The CSV rows' column by its header name.
QStringList column(const QString& csv, const QString& name) {
    QStringList lines = csv.split(u'\n', Qt::SkipEmptyParts);
    const qsizetype index = lines.takeFirst().split(u',').indexOf(name);
    QStringList values;
    for (const QString& line : lines) values << line.split(u',').value(index);
    return values;
}

// An ISO time to the whole second, as the calendar gives it.
QString toSecond(const QString& iso) {
    return QDateTime::fromString(iso, Qt::ISODateWithMs)
        .toUTC()
        .addMSecs(500)
        .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss'Z'"));
}

class Calendar : public testing::Test {
protected:
    void SetUp() override {
        if (!canReadCalendars()) {
            GTEST_SKIP() << "no python3 to read the calendar with";
        }
    }
};

}  // namespace

TEST_F(Calendar, PassesGiveOneEventPerListedPass) {
    const QStringList span{"passes", "--tle", leo, "--from", "2026-12-06T12:00:00Z", "--days", "1"};
    const CliRun ics = cli(span + north + QStringList{"--format", "ics"});
    const CliRun csv = cli(span + north + QStringList{"--format", "csv"});
    ASSERT_EQ(ics.code, 0) << ics.err.toStdString();
    ASSERT_EQ(csv.code, 0);
    const QJsonArray events = parsed(ics.out);
    const QStringList names = column(csv.out, "name");
    const QStringList rises = column(csv.out, "aos");
    const QStringList sets = column(csv.out, "los");
    ASSERT_EQ(events.size(), names.size());
    ASSERT_GT(events.size(), 20);
    QStringList uids;
    for (qsizetype i = 0; i < events.size(); ++i) {
        const QJsonObject event = events[i].toObject();
        EXPECT_EQ(event["start"].toString(), toSecond(rises[i]));
        EXPECT_EQ(event["end"].toString(), toSecond(sets[i]));
        EXPECT_TRUE(event["summary"].toString().startsWith(names[i] + ", highest "));
        EXPECT_TRUE(event["description"].toString().contains(QStringLiteral("Rises ")));
        uids << event["uid"].toString();
    }
    uids.removeDuplicates();
    EXPECT_EQ(uids.size(), events.size());
}

TEST_F(Calendar, TonightGivesItsVisiblePasses) {
    const QStringList night{"tonight", "--tle", leo, "--from", "2026-12-06T12:00:00Z"};
    const CliRun ics = cli(night + north + QStringList{"--format", "ics"});
    const CliRun csv = cli(night + north + QStringList{"--format", "csv"});
    ASSERT_EQ(ics.code, 0) << ics.err.toStdString();
    const QJsonArray events = parsed(ics.out);
    const QStringList rises = column(csv.out, "aos");
    ASSERT_EQ(events.size(), rises.size());
    ASSERT_GT(events.size(), 0);
    for (qsizetype i = 0; i < events.size(); ++i) {
        const QJsonObject event = events[i].toObject();
        EXPECT_EQ(event["start"].toString(), toSecond(rises[i]));
        EXPECT_TRUE(event["summary"].toString().endsWith(QStringLiteral(", visible")));
        EXPECT_TRUE(event["description"].toString().contains(QStringLiteral("Visible from")));
    }
}

// Names with the characters text values escape, and long enough in several-octet characters
// that folding falls inside them.
TEST_F(Calendar, EscapesAndFoldsSoThatTextReadsBackExactly) {
    const QString odd = QStringLiteral("ÅLESUND; CUBE, \"Ørsted\\2\" ") +
                        QString(40, QChar(0x00E9)) + QStringLiteral(" 衛星");
    CalendarPass pass;
    pass.name = odd;
    pass.catalogNumber = 99001;
    pass.rise = Date(818280000.4);  // 2026-12-06T20:00:00.4Z
    pass.set = pass.rise + 600.0;
    pass.highest = {180.0f, 45.4f, 420.0f, pass.rise + 300.0};
    const QString text = passCalendar({pass}, Date(818250000.0));
    EXPECT_TRUE(text.endsWith(QStringLiteral("END:VCALENDAR\r\n")));
    const QJsonArray events = parsed(text);
    ASSERT_EQ(events.size(), 1);
    const QJsonObject event = events[0].toObject();
    EXPECT_EQ(event["summary"].toString(), odd + QStringLiteral(", highest 45°"));
    EXPECT_EQ(event["start"].toString(), QStringLiteral("2026-12-06T20:00:00Z"));
    EXPECT_EQ(event["end"].toString(), QStringLiteral("2026-12-06T20:10:00Z"));
    EXPECT_TRUE(event["description"].toString().contains(QStringLiteral("\nSets 20:10:00 UTC")));
    EXPECT_TRUE(event["description"].toString().contains(QStringLiteral("Not visible")));
}
