#include "PassCalendar.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>
#include <cmath>

#include "PassData.h"
#include "PassListing.h"
#include "SatelliteData.h"
#include "TonightScan.h"

namespace {

// Content lines are folded to at most this many octets, continuation lines starting with one
// space; a UTF-8 sequence is never split.
constexpr qsizetype folded_line_octets = 75;
const QByteArray line_end = QByteArrayLiteral("\r\n");
const QString product = QStringLiteral("-//Skelvor//Satellite passes//EN");
const QString uid_domain = QStringLiteral("passes.skelvor.io");

// The instant to the whole second, as iCalendar's UTC form (20261206T171512Z) or as a clock
// time for people (17:15:12).
QDateTime utcSecond(Date date) {
    return QDateTime::fromSecsSinceEpoch(std::llround(date.secondsSince1970()), QTimeZone::utc());
}
QString calendarTime(Date date) {
    return utcSecond(date).toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}
QString clockTime(Date date) { return utcSecond(date).toString(QStringLiteral("HH:mm:ss")); }

// The texts people read in their calendar, translated.
struct CalendarText {
    Q_DECLARE_TR_FUNCTIONS(PassCalendar)
};

QString degrees(double value) { return QStringLiteral("%1°").arg(std::lround(value)); }

// TEXT values: backslash, semicolon and comma escaped, line breaks as \n.
QString escaped(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u';', QStringLiteral("\\;"));
    text.replace(u',', QStringLiteral("\\,"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    text.replace(u'\n', QStringLiteral("\\n"));
    text.replace(u'\r', QStringLiteral("\\n"));
    return text;
}

// One content line, folded.
void appendLine(QByteArray& out, const QString& line) {
    const QByteArray bytes = line.toUtf8();
    qsizetype start = 0;
    qsizetype room = folded_line_octets;
    while (bytes.size() - start > room) {
        qsizetype cut = start + room;
        // Back up to the start of a UTF-8 sequence (continuation bytes are 10xxxxxx).
        while (cut > start && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) --cut;
        out += bytes.mid(start, cut - start) + line_end + ' ';
        start = cut;
        room = folded_line_octets - 1;
    }
    out += bytes.mid(start) + line_end;
}

QString summary(const CalendarPass& pass) {
    QString text =
        CalendarText::tr("%1, highest %2").arg(pass.name, degrees(pass.highest.elevation));
    if (pass.visible) text += CalendarText::tr(", visible");
    return text;
}

QString description(const CalendarPass& pass) {
    QStringList lines;
    lines << CalendarText::tr("Rises %1 UTC at azimuth %2")
                 .arg(clockTime(pass.rise), degrees(pass.riseAzimuth));
    if (pass.highest.date) {
        lines << CalendarText::tr("Highest %1 at %2 UTC, azimuth %3")
                     .arg(degrees(pass.highest.elevation), clockTime(*pass.highest.date),
                          degrees(pass.highest.azimuth));
    }
    lines << CalendarText::tr("Sets %1 UTC at azimuth %2")
                 .arg(clockTime(pass.set), degrees(pass.setAzimuth));
    if (pass.visible) {
        lines << CalendarText::tr("Visible from %1 to %2 UTC, highest %3 at azimuth %4")
                     .arg(clockTime(pass.visible->start), clockTime(pass.visible->end),
                          degrees(pass.visible->highest.elevation),
                          degrees(pass.visible->highest.azimuth));
    } else {
        lines << CalendarText::tr("Not visible: in the Earth's shadow or in daylight");
    }
    if (pass.catalogNumber != 0) {
        lines << CalendarText::tr("Catalogue number %1").arg(pass.catalogNumber);
    }
    return lines.join(u'\n');
}

}  // namespace

CalendarPass CalendarPass::of(const SatelliteData& satellite, const PassData& pass,
                              const PassVisibility& visibility) {
    CalendarPass entry;
    entry.name = satellite.commonName();
    entry.catalogNumber = satellite.catalogNumber();
    entry.rise = pass.aos().value_or(Date());
    entry.set = pass.los().value_or(entry.rise);
    if (pass.passItemCount() > 0) {
        entry.riseAzimuth = pass.passItemAtIndex(0).azimuth;
        entry.setAzimuth = pass.passItemAtIndex(pass.passItemCount() - 1).azimuth;
    }
    if (const PassCoordinate* highest = pass.highestElevationEntry()) entry.highest = *highest;
    entry.visible = visibility.visiblePart();
    return entry;
}

CalendarPass CalendarPass::of(const TonightPass& pass) {
    return {pass.name,       pass.catalogNumber, pass.aos,     pass.los,
            pass.aosAzimuth, pass.losAzimuth,    pass.highest, pass.visible};
}

std::vector<CalendarPass> calendarPasses(
    const std::vector<std::shared_ptr<SatelliteData>>& satellites, Date from, Date end,
    std::int32_t minimumElevation, const VisibilityConditions& conditions) {
    std::vector<CalendarPass> events;
    for (const auto& satellite : satellites) {
        for (const auto& pass : passesBetween(*satellite, from, end, minimumElevation)) {
            const PassVisibility visibility(*satellite, *pass, conditions);
            events.push_back(CalendarPass::of(*satellite, *pass, visibility));
        }
    }
    return events;
}

QString passCalendar(const std::vector<CalendarPass>& passes, Date stamp) {
    QByteArray out;
    appendLine(out, QStringLiteral("BEGIN:VCALENDAR"));
    appendLine(out, QStringLiteral("VERSION:2.0"));
    appendLine(out, QStringLiteral("PRODID:") + product);
    appendLine(out, QStringLiteral("CALSCALE:GREGORIAN"));
    for (const CalendarPass& pass : passes) {
        const QString identity = pass.catalogNumber != 0
                                     ? QString::number(pass.catalogNumber)
                                     : QString::fromLatin1(pass.name.toUtf8().toHex());
        appendLine(out, QStringLiteral("BEGIN:VEVENT"));
        appendLine(
            out, QStringLiteral("UID:%1-%2@%3").arg(identity, calendarTime(pass.rise), uid_domain));
        appendLine(out, QStringLiteral("DTSTAMP:") + calendarTime(stamp));
        appendLine(out, QStringLiteral("DTSTART:") + calendarTime(pass.rise));
        appendLine(out, QStringLiteral("DTEND:") + calendarTime(pass.set));
        appendLine(out, QStringLiteral("SUMMARY:") + escaped(summary(pass)));
        appendLine(out, QStringLiteral("DESCRIPTION:") + escaped(description(pass)));
        appendLine(out, QStringLiteral("TRANSP:TRANSPARENT"));
        appendLine(out, QStringLiteral("END:VEVENT"));
    }
    appendLine(out, QStringLiteral("END:VCALENDAR"));
    return QString::fromUtf8(out);
}
