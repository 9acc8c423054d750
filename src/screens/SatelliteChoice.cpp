#include "SatelliteChoice.h"

#include <algorithm>

namespace selection {

const std::array<QString, statusSectionCount>& statusSectionNames() {
    static const std::array<QString, statusSectionCount> names = {
        QStringLiteral("Operational"),     QStringLiteral("Partially Operational"),
        QStringLiteral("Not Operational"), QStringLiteral("On Standby"),
        QStringLiteral("Spare"),           QStringLiteral("Extended"),
        QStringLiteral("Unknown")};
    return names;
}

QStringList sortedPlainly(QStringList names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    return names;
}

std::array<QStringList, statusSectionCount> namesByStatus(
    const SkelvorAppDelegate::CategoryTable& satellites) {
    const auto& sections = statusSectionNames();
    std::array<QStringList, statusSectionCount> names;
    for (const auto& satellite : satellites) {
        const auto section =
            std::find(sections.begin(), sections.end(), satellite->operationalStatus());
        if (section != sections.end()) {
            names[static_cast<std::size_t>(section - sections.begin())].append(
                satellite->commonName());
        }
    }
    for (QStringList& section : names) section = sortedPlainly(std::move(section));
    return names;
}

bool matchesNamePrefix(const QString& name, const QString& text) {
    return name.size() >= text.size() && name.startsWith(text, Qt::CaseInsensitive);
}

std::vector<SearchResult> findByName(const Catalogue& catalogue, const QString& text) {
    std::vector<SearchResult> prefixed;
    std::vector<SearchResult> containing;
    if (text.size() < minimumSearchLength) return prefixed;
    for (auto category = catalogue.cbegin(); category != catalogue.cend(); ++category) {
        for (auto entry = category->cbegin(); entry != category->cend(); ++entry) {
            if (matchesNamePrefix(entry.key(), text)) {
                prefixed.push_back({entry.value(), category.key()});
            } else if (entry.key().contains(text, Qt::CaseInsensitive)) {
                containing.push_back({entry.value(), category.key()});
            }
        }
    }
    prefixed.insert(prefixed.end(), containing.begin(), containing.end());
    return prefixed;
}

}  // namespace selection
