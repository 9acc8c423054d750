// The catalogue: lookups by common name, the selection, and the merging of element-set files
// into their categories.
#include <unordered_map>
#include <unordered_set>

#include "ElementSetReader.h"
#include "NotificationCenter.h"
#include "SkelvorAppDelegate.h"

namespace {

const QString selectionAltered = QStringLiteral("SatelliteSelectionAltered");

// Merges element sets into one category table: a set whose catalogue number the table holds
// updates that satellite in place, any other becomes a new satellite under its common name.
// The satellite a number finds is the first with it in the table's order; an index of those
// keys, kept up to date as entries are replaced, spares a scan of the table for every set.
class CategoryMerge {
public:
    CategoryMerge(SkelvorAppDelegate::CategoryTable& table, const QString& fileName,
                  const SettingsStore* settings)
        : table_(table), fileName_(fileName), appDelegate_(settings) {
        for (auto entry = table_.cbegin(); entry != table_.cend(); ++entry) {
            keyByNumber_.try_emplace(entry.value()->catalogNumber(), entry.key());
        }
    }

    // How many of the sets would become new satellites.
    qsizetype newSatellites(const std::vector<ElementSetEntry>& sets) const {
        std::unordered_set<std::int32_t> numbers;
        for (const ElementSetEntry& set : sets) {
            if (!keyByNumber_.contains(set.catalogNumber)) numbers.insert(set.catalogNumber);
        }
        return static_cast<qsizetype>(numbers.size());
    }

    void merge(const ElementSetEntry& set) {
        if (const auto known = find(set.catalogNumber)) {
            known->processElementValues(set.values);
            return;
        }
        store(set.commonName,
              SatelliteData::createFromValues(appDelegate_, set.commonName, fileName_,
                                              set.catalogNumber, set.values));
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

qsizetype SkelvorAppDelegate::satelliteCount() const {
    qsizetype count = 0;
    for (const CategoryTable& table : knownSatellites_) count += table.size();
    return count;
}

// A file that would take the catalogue beyond its limit is refused whole, before anything of it
// is merged.
SkelvorAppDelegate::MergeOutcome SkelvorAppDelegate::mergeElementSets(const ElementSetText& sets,
                                                                      const QString& categoryName,
                                                                      const QString& fileName) {
    const bool known = knownSatellites_.contains(categoryName);
    CategoryTable& table = knownSatellites_[categoryName];
    CategoryMerge merge(table, fileName, this);
    if (satelliteCount() + merge.newSatellites(sets.sets) > max_catalogue_satellites) {
        if (!known) knownSatellites_.remove(categoryName);
        return {0, true};
    }
    for (const ElementSetEntry& set : sets.sets) merge.merge(set);
    return {static_cast<qsizetype>(sets.sets.size()), false};
}

SkelvorAppDelegate::MergeOutcome SkelvorAppDelegate::mergeTLEFile(
    const std::optional<QString>& text, const QString& categoryName, const QString& fileName) {
    if (!text) {
        knownSatellites_[categoryName];  // the category is there all the same
        return {};
    }
    return mergeElementSets(readElementSetText(*text), categoryName, fileName);
}
