#include "CommandLine.h"

#include <QDateTime>
#include <QTimeZone>
#include <charconv>
#include <cmath>

namespace {

UsageError usage(const QString& message) { return UsageError(message.toStdString()); }

}  // namespace

CommandLine::CommandLine(const QStringList& arguments, const QStringList& allowed) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u"--"))
            throw usage(QStringLiteral("unexpected argument '%1'").arg(argument));
        QString name = argument.mid(2);
        QString value;
        if (const qsizetype equals = name.indexOf(u'='); equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            throw usage(QStringLiteral("option --%1 needs a value").arg(name));
        }
        if (!allowed.contains(name) && name != u"format") {
            throw usage(QStringLiteral("unknown option --%1").arg(name));
        }
        if (options_.contains(name))
            throw usage(QStringLiteral("option --%1 given twice").arg(name));
        options_.insert(name, value);
    }
}

QString CommandLine::text(const QString& name) const {
    if (!options_.contains(name)) throw usage(QStringLiteral("option --%1 is required").arg(name));
    return options_.value(name);
}

double CommandLine::number(const QString& name, double min, double max) const {
    const double value = parseNumber(text(name), name);
    if (value < min || value > max) {
        throw usage(QStringLiteral("--%1 must lie between %2 and %3").arg(name).arg(min).arg(max));
    }
    return value;
}

std::optional<double> CommandLine::optionalNumber(const QString& name, double min,
                                                  double max) const {
    if (!has(name)) return std::nullopt;
    return number(name, min, max);
}

std::vector<double> CommandLine::numbers(const QString& name) const {
    std::vector<double> values;
    for (const QString& item : text(name).split(u',')) values.push_back(parseNumber(item, name));
    return values;
}

std::vector<Date> CommandLine::times(const QString& name, Date now) const {
    std::vector<Date> values;
    for (const QString& item : text(name).split(u',')) values.push_back(parseTime(item, name, now));
    return values;
}

std::optional<Date> CommandLine::optionalTime(const QString& name, Date now) const {
    if (!has(name)) return std::nullopt;
    return parseTime(text(name), name, now);
}

OutputFormat CommandLine::format() const {
    const QString value = options_.value(QStringLiteral("format"), QStringLiteral("table"));
    if (value == u"table") return OutputFormat::table;
    if (value == u"csv") return OutputFormat::csv;
    if (value == u"json") return OutputFormat::json;
    throw usage(QStringLiteral("--format takes table, csv or json, not '%1'").arg(value));
}

double parseNumber(const QString& text, const QString& option) {
    const std::string ascii = text.trimmed().toStdString();
    const char* first = ascii.data();
    if (!ascii.empty() && ascii.front() == '+') ++first;
    double value = 0.0;
    const auto result = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (ascii.empty() || result.ec != std::errc() || result.ptr != ascii.data() + ascii.size() ||
        !std::isfinite(value)) {
        throw usage(QStringLiteral("--%1: '%2' is not a number").arg(option, text));
    }
    return value;
}

Date parseTime(const QString& text, const QString& option, Date now) {
    const QString trimmed = text.trimmed();
    if (trimmed == u"now") return now;
    QDateTime dateTime = QDateTime::fromString(trimmed, Qt::ISODateWithMs);
    if (!dateTime.isValid()) {
        throw usage(QStringLiteral("--%1: '%2' is not an ISO 8601 time such as "
                                   "2026-12-06T21:00:00Z")
                        .arg(option, text));
    }
    if (dateTime.timeSpec() == Qt::LocalTime) dateTime.setTimeZone(QTimeZone::utc());
    return Date::fromQDateTime(dateTime);
}

QString isoTime(Date date) {
    const QDateTime dateTime = date.toQDateTime();
    const bool whole = dateTime.time().msec() == 0;
    return dateTime.toString(whole ? QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'")
                                   : QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'"));
}
