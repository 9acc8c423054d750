// Options of skelvor-cli: "--name value" or "--name=value" after the command word, and the
// strict readings of the values they carry. Every reading throws UsageError with a one-line
// message when the value is not what the option takes.
#pragma once

#include <QMap>
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

// A failure that is not the caller's usage or input, such as a missing saved state.
struct CommandFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class CommandLine {
public:
    // arguments without the program name; allowed lists the option names the command takes.
    CommandLine(const QStringList& arguments, const QStringList& allowed);

    bool has(const QString& name) const { return options_.contains(name); }
    QString text(const QString& name) const;  // required option
    double number(const QString& name, double min, double max) const;
    std::optional<double> optionalNumber(const QString& name, double min, double max) const;
    std::vector<double> numbers(const QString& name) const;
    std::vector<Date> times(const QString& name, Date now) const;
    std::optional<Date> optionalTime(const QString& name, Date now) const;
    OutputFormat format() const;

private:
    QMap<QString, QString> options_;
};

double parseNumber(const QString& text, const QString& option);
Date parseTime(const QString& text, const QString& option, Date now);
// ISO 8601 in UTC with a Z, with milliseconds only when the instant has them.
QString isoTime(Date date);
