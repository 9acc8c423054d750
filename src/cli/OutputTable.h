// Rows of answers written as an aligned table, CSV (header row, numbers in shortest
// round-trip form) or JSON (an array of objects keyed by the column names).
#pragma once

#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

enum class OutputFormat { table, csv, json };

struct Column {
    QString name;
    int tableDecimals;  // digits after the point in the table form; ignored for text
};

class OutputTable {
public:
    using Cell = std::variant<QString, double, long long>;

    explicit OutputTable(std::vector<Column> columns);
    void addRow(std::vector<Cell> row);
    QString render(OutputFormat format) const;

private:
    QString renderTable() const;
    QString renderCsv() const;
    QString renderJson() const;

    std::vector<Column> columns_;
    std::vector<std::vector<Cell>> rows_;
};

// Shortest text that reads back as the same double; "nan", "inf" or "-inf" when not finite.
QString shortestText(double value);
