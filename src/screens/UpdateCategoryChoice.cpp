#include "UpdateCategoryChoice.h"

namespace update_choice {

bool isChosen(const std::optional<QStringList>& chosen, const QString& category) {
    return !chosen || chosen->contains(category);
}

Toggle toggled(const QStringList& serverCategories, const std::optional<QStringList>& chosen,
               const QString& category) {
    QStringList kept;
    for (const QString& name : serverCategories) {
        if (isChosen(chosen, name) != (name == category)) kept.append(name);
    }
    if (kept.isEmpty()) return {chosen, true};
    if (kept.size() == serverCategories.size()) return {std::nullopt, false};
    return {kept, false};
}

}  // namespace update_choice
