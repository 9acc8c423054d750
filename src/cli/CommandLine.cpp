#include "CommandLine.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>
#include <charconv>
#include <cmath>

namespace {

UsageError usage(const QString& message) { return UsageError(message.toStdString()); }

QString bound(double value) { return QString::number(value, 'g', 12); }

constexpr int first_year = 1957;
constexpr int last_year = 2100;

}  // namespace

const std::vector<OptionSpec>& commonOptions() {
    static const std::vector<OptionSpec> options{
        {QStringLiteral("format"), QStringLiteral("table|csv|json"),
         QCoreApplication::translate("skelvor-cli", "the form of the answers (table by default)")},
    };
    return options;
}

CommandLine::CommandLine(const QStringList& arguments, const std::vector<OptionSpec>& options) {
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addHelpOption();
    for (const auto* list : {&options, &commonOptions()}) {
        for (const OptionSpec& option : *list) {
            parser_.addOption({option.name, option.description, option.valueName});
        }
    }
    // The parser skips its first argument, the program's name.
    if (!parser_.parse(QStringList{QStringLiteral("skelvor-cli")} + arguments)) {
        throw usage(parser_.errorText());
    }
    if (!parser_.positionalArguments().isEmpty()) {
        throw usage(QCoreApplication::translate("skelvor-cli", "unexpected argument '%1'")
                        .arg(parser_.positionalArguments().first()));
    }
    for (const QString& name : parser_.optionNames()) {
        if (parser_.values(name).size() > 1) {
            throw usage(
                QCoreApplication::translate("skelvor-cli", "option --%1 given twice").arg(name));
        }
    }
}

QString CommandLine::text(const QString& name) const {
    if (!has(name))
        throw usage(
            QCoreApplication::translate("skelvor-cli", "option --%1 is required").arg(name));
    return parser_.value(name);
}

double CommandLine::number(const QString& name, double min, double max) const {
    const double value = parseNumber(text(name), name);
    if (value < min || value > max) {
        throw usage(QCoreApplication::translate("skelvor-cli", "--%1 must lie between %2 and %3")
                        .arg(name, bound(min), bound(max)));
    }
    return value;
}

std::optional<double> CommandLine::optionalNumber(const QString& name, double min,
                                                  double max) const {
    if (!has(name)) return std::nullopt;
    return number(name, min, max);
}

std::vector<double> CommandLine::numbers(const QString& name, double min, double max) const {
    std::vector<double> values;
    for (const QString& item : text(name).split(u',')) {
        const double value = parseNumber(item, name);
        if (value < min || value > max) {
            throw usage(
                QCoreApplication::translate("skelvor-cli", "--%1 values must lie between %2 and %3")
                    .arg(name, bound(min), bound(max)));
        }
        values.push_back(value);
    }
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
    const QString value = has(QStringLiteral("format")) ? parser_.value(QStringLiteral("format"))
                                                        : QStringLiteral("table");
    if (value == u"table") return OutputFormat::table;
    if (value == u"csv") return OutputFormat::csv;
    if (value == u"json") return OutputFormat::json;
    throw usage(
        QCoreApplication::translate("skelvor-cli", "--format takes table, csv or json, not '%1'")
            .arg(value));
}

double parseNumber(const QString& text, const QString& option) {
    const std::string ascii = text.trimmed().toStdString();
    const char* first = ascii.data();
    if (!ascii.empty() && ascii.front() == '+') ++first;
    double value = 0.0;
    const auto result = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (ascii.empty() || result.ec != std::errc() || result.ptr != ascii.data() + ascii.size() ||
        !std::isfinite(value)) {
        throw usage(QCoreApplication::translate("skelvor-cli", "--%1: '%2' is not a number")
                        .arg(option, text));
    }
    return value;
}

Date parseTime(const QString& text, const QString& option, Date now) {
    const QString trimmed = text.trimmed();
    if (trimmed == u"now") return now;
    QDateTime dateTime = QDateTime::fromString(trimmed, Qt::ISODateWithMs);
    if (!dateTime.isValid()) {
        throw usage(QCoreApplication::translate("skelvor-cli",
                                                "--%1: '%2' is not an ISO 8601 time such as "
                                                "2026-12-06T21:00:00Z")
                        .arg(option, text));
    }
    if (dateTime.timeSpec() == Qt::LocalTime) dateTime.setTimeZone(QTimeZone::utc());
    const int year = dateTime.toUTC().date().year();
    if (year < first_year || year > last_year) {
        throw usage(
            QCoreApplication::translate("skelvor-cli", "--%1: '%2' lies outside the years %3 to %4")
                .arg(option, text)
                .arg(first_year)
                .arg(last_year));
    }
    return Date::fromQDateTime(dateTime);
}

QString isoTime(Date date) {
    const QDateTime dateTime = date.toQDateTime();
    const bool whole = dateTime.time().msec() == 0;
    return dateTime.toString(whole ? QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'")
                                   : QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'"));
}
