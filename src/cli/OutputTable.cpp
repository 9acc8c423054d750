#include "OutputTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <cmath>

QString shortestText(double value) {
    if (std::isnan(value)) return QStringLiteral("nan");
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

namespace {

QString csvText(const OutputTable::Cell& cell) {
    if (const auto* text = std::get_if<QString>(&cell)) {
        if (!text->contains(u',') && !text->contains(u'"') && !text->contains(u'\n')) return *text;
        return u'"' + QString(*text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    }
    if (const auto* number = std::get_if<double>(&cell)) return shortestText(*number);
    return QString::number(std::get<long long>(cell));
}

QString tableText(const OutputTable::Cell& cell, int decimals) {
    if (const auto* number = std::get_if<double>(&cell)) {
        if (!std::isfinite(*number)) return shortestText(*number);
        return QString::number(*number, 'f', decimals);
    }
    if (const auto* text = std::get_if<QString>(&cell)) return *text;
    return QString::number(std::get<long long>(cell));
}

QJsonValue jsonValue(const OutputTable::Cell& cell) {
    if (const auto* text = std::get_if<QString>(&cell)) return *text;
    if (const auto* number = std::get_if<double>(&cell)) {
        return std::isfinite(*number) ? QJsonValue(*number) : QJsonValue();
    }
    return QJsonValue(static_cast<qint64>(std::get<long long>(cell)));
}

}  // namespace

OutputTable::OutputTable(std::vector<Column> columns) : columns_(std::move(columns)) {}

void OutputTable::addRow(std::vector<Cell> row) { rows_.push_back(std::move(row)); }

QString OutputTable::render(OutputFormat format) const {
    switch (format) {
        case OutputFormat::csv:
            return renderCsv();
        case OutputFormat::json:
            return renderJson();
        case OutputFormat::table:
            break;
    }
    return renderTable();
}

QString OutputTable::renderCsv() const {
    QStringList lines;
    QStringList header;
    for (const Column& column : columns_) header << column.name;
    lines << header.join(u',');
    for (const auto& row : rows_) {
        QStringList cells;
        for (const Cell& cell : row) cells << csvText(cell);
        lines << cells.join(u',');
    }
    return lines.join(u'\n') + u'\n';
}

QString OutputTable::renderTable() const {
    QStringList header;
    for (const Column& column : columns_) header << column.name;
    std::vector<QStringList> lines{header};
    std::vector<bool> leftAligned(columns_.size(), true);
    for (const auto& row : rows_) {
        QStringList cells;
        for (std::size_t i = 0; i < row.size(); ++i) {
            cells << tableText(row[i], columns_[i].tableDecimals);
            leftAligned[i] = std::holds_alternative<QString>(row[i]);
        }
        lines.push_back(cells);
    }
    std::vector<qsizetype> widths(columns_.size(), 0);
    for (const QStringList& cells : lines) {
        for (qsizetype i = 0; i < cells.size(); ++i)
            widths[i] = std::max(widths[i], cells[i].size());
    }
    QString out;
    for (const QStringList& cells : lines) {
        QStringList padded;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            padded << (leftAligned[i] ? cells[i].leftJustified(widths[i])
                                      : cells[i].rightJustified(widths[i]));
        }
        QString line = padded.join(u"  ");
        while (line.endsWith(u' ')) line.chop(1);
        out += line + u'\n';
    }
    return out;
}

QString OutputTable::renderJson() const {
    QJsonArray array;
    for (const auto& row : rows_) {
        QJsonObject object;
        for (std::size_t i = 0; i < row.size(); ++i)
            object.insert(columns_[i].name, jsonValue(row[i]));
        array.append(object);
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}
