#include "UpdateCategoriesController.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "SettingsForm.h"
#include "SkelvorAppDelegate.h"
#include "UpdateCategoryChoice.h"

UpdateCategoriesController::UpdateCategoriesController()
    : appDelegate_(SkelvorAppDelegate::shared()) {
    setTitle(tr("Update Categories"));
}

void UpdateCategoriesController::loadView() {
    auto* view = new QWidget;
    auto* column = new QVBoxLayout(view);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    note_ = settings_form::styledLabel(QString(), "note");
    note_->setContentsMargins(12, 8, 12, 8);
    column->addWidget(note_);
    tableView_ = new TableView(TableViewStyle::plain);
    tableView_->setDataSource(this);
    tableView_->setDelegate(this);
    column->addWidget(tableView_, 1);
    allButton_ = new QToolButton;
    allButton_->setText(tr("All"));
    allButton_->setToolTip(tr("Check every category"));
    allButton_->setAutoRaise(true);
    QObject::connect(allButton_, &QToolButton::clicked, this, [this] { chooseAll(); });
    setRightBarButtonItem(allButton_);
    setView(view);
}

// The categories of the server's last index page, read again each time the screen comes on,
// since an update may have read a new page meanwhile.
void UpdateCategoriesController::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    categories_ = appDelegate_->serverCategoryNames();
    allButton_->setEnabled(!categories_.isEmpty());
    showNote(false);
    tableView_->reloadData();
}

void UpdateCategoriesController::showNote(bool refused) {
    settings_form::markAsProblem(*note_, refused);
    if (refused) {
        note_->setText(tr("At least one category stays checked: an update always fetches one."));
    } else if (categories_.isEmpty()) {
        note_->setText(
            tr("The server's categories are listed here after the first element-set "
               "update has read them."));
    } else {
        note_->setText(tr("An element-set update fetches the checked categories."));
    }
}

int UpdateCategoriesController::numberOfRowsInSection(int) {
    return static_cast<int>(categories_.size());
}

TableViewCell UpdateCategoriesController::cellForRow(IndexPath path) {
    const QString& category = categories_.at(path.row);
    TableViewCell cell;
    cell.checkable = true;
    cell.accessory = update_choice::isChosen(appDelegate_->chosenUpdateCategories(), category)
                         ? AccessoryType::checkmark
                         : AccessoryType::none;
    if (!appDelegate_->isDroppedByServer(category)) {
        cell.text = category;
        return cell;
    }
    cell.lines = {cellLine(category, TextStyle::emphasis),
                  cellLine(tr("Dropped by the server; updates leave it out"), TextStyle::detail,
                           CellColour::placeholder)};
    return cell;
}

bool UpdateCategoriesController::canSelectRow(IndexPath path, bool) {
    return path.row >= 0 && path.row < categories_.size();
}

void UpdateCategoriesController::didSelectRow(IndexPath path) {
    const update_choice::Toggle toggle = update_choice::toggled(
        categories_, appDelegate_->chosenUpdateCategories(), categories_.at(path.row));
    tableView_->deselectRow(path, true);
    showNote(toggle.refused);
    if (toggle.refused) return;
    appDelegate_->setChosenUpdateCategories(toggle.chosen);
    tableView_->reloadRowsAtIndexPaths({path});
}

void UpdateCategoriesController::chooseAll() {
    showNote(false);
    if (!appDelegate_->chosenUpdateCategories()) return;
    appDelegate_->setChosenUpdateCategories(std::nullopt);
    tableView_->reloadData();
}
