// The catalogue: lookups by common name, the selection, and the merging of element-set files
// into their categories.
#include <unordered_map>

#include "CatalogNumber.h"
#include "CsvElementSet.h"
#include "NotificationCenter.h"
#include "RegexOperations.h"
#include "SkelvorAppDelegate.h"

namespace {

// A line feed with an optional carriage return before it.
const QString lineBreak = QStringLiteral("\r?\n");
const QString selectionAltered = QStringLiteral("SatelliteSelectionAltered");

// The catalogue-number field ends at index 6 of the first element line.
constexpr qsizetype shortestElementLine = 7;

bool isSpaceOrTab(QChar c) { return c == u'\t' || c.category() == QChar::Separator_Space; }

QString trimSpacesAndTabs(QStringView text) {
    while (!text.isEmpty() && isSpaceOrTab(text.front())) text = text.sliced(1);
    while (!text.isEmpty() && isSpaceOrTab(text.back())) text.chop(1);
    return text.toString();
}

// The name line before its bracketed status marker.
QString commonNameOf(const QString& nameLine) {
    const qsizetype bracket = nameLine.indexOf(u'[');
    return bracket < 0 ? nameLine : trimSpacesAndTabs(QStringView(nameLine).first(bracket));
}

// Merges element sets into one category table: a set whose catalogue number the table holds
// updates that satellite in place, any other becomes a new satellite under its common name.
// The satellite a number finds is the first with it in the table's order; an index of those
// keys, kept up to date as entries are replaced, spares a scan of the table for every set.
class CategoryMerge {
public:
    CategoryMerge(SkelvorAppDelegate::CategoryTable& table, const QString& fileName,
                  const SettingsStore* appDelegate)
        : table_(table), fileName_(fileName), appDelegate_(appDelegate) {
        for (auto entry = table_.cbegin(); entry != table_.cend(); ++entry) {
            keyByNumber_.try_emplace(entry.value()->catalogNumber(), entry.key());
        }
    }

    void mergeSet(const QString& nameLine, const QString& line1, const QString& line2) {
        if (line1.size() < shortestElementLine) return;
        const std::int32_t catalogNumber = readCatalogNumber(line1);
        if (const auto known = find(catalogNumber)) {
            known->processTLE(nameLine, line1, line2);
            return;
        }
        const QString commonName = commonNameOf(nameLine);
        store(commonName, SatelliteData::createSatellite(appDelegate_, commonName, fileName_,
                                                         catalogNumber, nameLine, line1, line2));
    }

    void mergeRecord(const CsvElementSet& record) {
        if (const auto known = find(record.catalogNumber)) {
            known->processElementValues(record.elements);
            return;
        }
        const QString commonName = commonNameOf(trimSpacesAndTabs(record.name));
        store(commonName, SatelliteData::createFromCsv(appDelegate_, commonName, fileName_,
                                                       record.catalogNumber, record.elements));
    }

private:
    std::shared_ptr<SatelliteData> find(std::int32_t catalogNumber) const {
        const auto known = keyByNumber_.find(catalogNumber);
        return known == keyByNumber_.end() ? nullptr : table_.value(known->second);
    }

    void store(const QString& key, std::shared_ptr<SatelliteData> satellite) {
        if (!satellite) return;
        const auto replaced = table_.value(key);
        keyByNumber_.emplace(satellite->catalogNumber(), key);
        table_.insert(key, std::move(satellite));
        if (replaced) reindex(replaced->catalogNumber(), key);
    }

    // After the entry under the key was replaced, the first remaining holder of its number.
    void reindex(std::int32_t catalogNumber, const QString& replacedKey) {
        const auto indexed = keyByNumber_.find(catalogNumber);
        if (indexed == keyByNumber_.end() || indexed->second != replacedKey) return;
        keyByNumber_.erase(indexed);
        for (auto entry = table_.cbegin(); entry != table_.cend(); ++entry) {
            if (entry.value()->catalogNumber() == catalogNumber) {
                keyByNumber_.emplace(catalogNumber, entry.key());
                return;
            }
        }
    }

    SkelvorAppDelegate::CategoryTable& table_;
    const QString& fileName_;
    const SettingsStore* appDelegate_;
    std::unordered_map<std::int32_t, QString> keyByNumber_;
};

}  // namespace

std::shared_ptr<SatelliteData> SkelvorAppDelegate::findSatelliteByCommonName(
    const QString& name) const {
    for (const CategoryTable& table : knownSatellites_) {
        const auto found = table.constFind(name);
        if (found != table.cend()) return *found;
    }
    return nullptr;
}

bool SkelvorAppDelegate::isSatelliteSelected(const QString& name) const {
    const auto satellite = findSatelliteByCommonName(name);
    return satellite && selectedSatellites_.contains(satellite);
}

bool SkelvorAppDelegate::toggleSatelliteSelected(const QString& name) {
    const auto satellite = findSatelliteByCommonName(name);
    if (!satellite) return false;
    const bool select = !selectedSatellites_.contains(satellite);
    setSatelliteSelected(name, select);
    return select;
}

void SkelvorAppDelegate::setSatelliteSelected(const QString& name, bool selected) {
    const auto satellite = findSatelliteByCommonName(name);
    if (!satellite) return;
    const qsizetype index = selectedSatellites_.indexOf(satellite);
    if ((index >= 0) == selected) return;
    if (selected) {
        selectedSatellites_.append(satellite);
    } else {
        selectedSatellites_.removeAt(index);
    }
    NotificationCenter::defaultCenter().post(selectionAltered, this);
}

void SkelvorAppDelegate::mergeTLEFile(const std::optional<QString>& text,
                                      const QString& categoryName, const QString& fileName) {
    CategoryTable& table = knownSatellites_[categoryName];
    if (!text) return;
    const QStringList lines = componentsSeparatedByRegex(*text, lineBreak);
    CategoryMerge merge(table, fileName, this);
    for (qsizetype first = 0; first < lines.size() - 2; first += 3) {
        merge.mergeSet(trimSpacesAndTabs(lines[first]), lines[first + 1], lines[first + 2]);
    }
}

void SkelvorAppDelegate::mergeCsvFile(const std::optional<QString>& text,
                                      const QString& categoryName, const QString& fileName) {
    CategoryTable& table = knownSatellites_[categoryName];
    if (!text) return;
    const QStringList lines = componentsSeparatedByRegex(*text, lineBreak);
    if (lines.isEmpty() || !isCsvElementHeader(lines.first())) return;
    CategoryMerge merge(table, fileName, this);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (const std::optional<CsvElementSet> record = readCsvElementSet(lines[i])) {
            merge.mergeRecord(*record);
        }
    }
}
