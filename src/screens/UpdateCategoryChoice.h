// The choice of the categories an element-set update fetches, as the user changes it one
// category at a time: none stands for all of them, so that categories the server adds later
// are fetched too until the user leaves some out.
#pragma once

#include <QStringList>
#include <optional>

namespace update_choice {

bool isChosen(const std::optional<QStringList>& chosen, const QString& category);

// The choice after the category's check mark is flipped, among the server's categories.
struct Toggle {
    std::optional<QStringList> chosen;  // the new choice
    bool refused = false;  // it was the last one chosen: an update always fetches something
};
Toggle toggled(const QStringList& serverCategories, const std::optional<QStringList>& chosen,
               const QString& category);

}  // namespace update_choice
