// Options of skelvor-cli: "--name value" or "--name=value" after the command word, read by Qt's
// command-line parser, and the strict readings of the values they carry. Every reading throws
// UsageError with a one-line message when the value is not what the option takes.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <vector>

#include "Date.h"
#include "OutputTable.h"

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A failure that is not the caller's usage or input, such as an unreadable saved state.
struct CommandFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// An option a command takes; every option carries a value.
struct OptionSpec {
    QString name;
    QString valueName;
    QString description;
};

class CommandLine {
public:
    // arguments after the command word; options lists what the command takes besides --format
    // and --help.
    CommandLine(const QStringList& arguments, const std::vector<OptionSpec>& options);

    bool wantsHelp() const { return parser_.isSet(QStringLiteral("help")); }
    bool has(const QString& name) const { return parser_.isSet(name); }
    QString text(const QString& name) const;  // required option
    double number(const QString& name, double min, double max) const;
    std::optional<double> optionalNumber(const QString& name, double min, double max) const;
    // Comma-separated numbers, each within the range.
    std::vector<double> numbers(const QString& name, double min, double max) const;
    std::vector<Date> times(const QString& name, Date now) const;
    std::optional<Date> optionalTime(const QString& name, Date now) const;
    OutputFormat format() const;

private:
    QCommandLineParser parser_;
};

// The options every command takes.
const std::vector<OptionSpec>& commonOptions();

double parseNumber(const QString& text, const QString& option);
// An ISO 8601 time or "now", between 1957 and 2100: far from those years the orbit models give
// nothing a user could use.
Date parseTime(const QString& text, const QString& option, Date now);
// ISO 8601 in UTC with a Z, with milliseconds only when the instant has them.
QString isoTime(Date date);
