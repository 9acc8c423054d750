#include "SatelliteChoice.h"

#include <QCoreApplication>
#include <algorithm>

namespace selection {

const std::array<QString, statusSectionCount>& statusSectionNames() {
    static const std::array<QString, statusSectionCount> names = {
        QStringLiteral(QT_TRANSLATE_NOOP("SatelliteChoice", "Operational")),
        QStringLiteral(QT_TRANSLATE_NOOP("SatelliteChoice", "Partially Operational")),
        QStringLiteral(QT_TRANSLATE_NOOP("SatelliteChoice", "Not Operational")),
        QStringLiteral(QT_TRANSLATE_NOOP("SatelliteChoice", "On Standby")),
        QStringLiteral(QT_TRANSLATE_NOOP("SatelliteChoice", "Spare")),
        QStringLiteral(QT_TRANSLATE_NOOP("SatelliteChoice", "Extended")),
        QStringLiteral(QT_TRANSLATE_NOOP("SatelliteChoice", "Unknown"))};
    return names;
}

// The status names are the element sets' own words; the screens show them in the user's
// language.
QString shownStatus(const QString& status) {
    return QCoreApplication::translate("SatelliteChoice", status.toUtf8().constData());
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
