// Which categories an update fetches: the user's choice among the categories of the server's
// last index page (all of them until the user chooses), less the groups the server has dropped.
#include "SkelvorAppDelegate.h"

bool SkelvorAppDelegate::isChosenForUpdate(const QString& category) const {
    return !chosenUpdateCategories_ || chosenUpdateCategories_->contains(category);
}

void SkelvorAppDelegate::setChosenUpdateCategories(std::optional<QStringList> categories) {
    chosenUpdateCategories_ = std::move(categories);
    setPreferencesAltered(true);
}

bool SkelvorAppDelegate::isDroppedByServer(const QString& category) const {
    const auto file = serverCategories_.constFind(category);
    return file != serverCategories_.cend() && droppedGroups_.contains(*file);
}
