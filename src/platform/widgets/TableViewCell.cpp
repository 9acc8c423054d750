#include "TableViewCell.h"

namespace {

template <class Visit>
void forEachItem(const TableViewCell& cell, Visit visit) {
    for (const std::vector<CellLine>* column : {&cell.lines, &cell.side}) {
        for (const CellLine& line : *column) {
            for (const CellItem& item : line) visit(item);
        }
    }
}

}  // namespace

QStringList TableViewCell::texts() const {
    QStringList all;
    if (lines.empty() && side.empty()) all.append(text);
    forEachItem(*this, [&](const CellItem& item) {
        if (!item.caption.isEmpty()) all.append(item.caption);
        all.append(item.text);
    });
    return all;
}

QString TableViewCell::accessibleText() const {
    QStringList phrases;
    if (lines.empty() && side.empty()) phrases.append(text);
    forEachItem(*this, [&](const CellItem& item) {
        const QString phrase = item.caption.isEmpty() ? item.text : item.caption + u' ' + item.text;
        if (!phrase.trimmed().isEmpty()) phrases.append(phrase);
    });
    return phrases.join(QStringLiteral(", "));
}

const CellItem* TableViewCell::button() const {
    const CellItem* found = nullptr;
    forEachItem(*this, [&](const CellItem& item) {
        if (!found && item.button) found = &item;
    });
    return found;
}

CellLine cellLine(const QString& text, TextStyle style, CellColour colour) {
    return {CellItem{QString(), text, style, colour, std::nullopt}};
}
