// What the selection screens list: the categories, a category's satellites grouped by their
// operational status, and the satellites whose names hold a searched text.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

#include "SkelvorAppDelegate.h"

namespace selection {

using Catalogue = QMap<QString, SkelvorAppDelegate::CategoryTable>;

// The status sections of a category, in the order shown.
inline constexpr std::size_t statusSectionCount = 7;
const std::array<QString, statusSectionCount>& statusSectionNames();
// A status name as the screens show it, in the user's language.
QString shownStatus(const QString& status);

// Sorted by plain comparison of the characters' codes: capitals before small letters.
QStringList sortedPlainly(QStringList names);

// The common names of a category in the section of their status, each section sorted; a
// satellite of any other status is in none.
std::array<QStringList, statusSectionCount> namesByStatus(
    const SkelvorAppDelegate::CategoryTable& satellites);

// A search needs at least this many characters.
inline constexpr qsizetype minimumSearchLength = 2;

struct SearchResult {
    std::shared_ptr<SatelliteData> satellite;
    QString categoryName;
};

// Whether the name begins with the text, ignoring letter case.
bool matchesNamePrefix(const QString& name, const QString& text);

// Every satellite whose name begins with the text, in the order of the categories and of their
// tables, with the category it was found in; after them, in the same order, those whose name
// holds the text further on. Letter case is ignored. None for a text shorter than the minimum.
std::vector<SearchResult> findByName(const Catalogue& catalogue, const QString& text);

}  // namespace selection
