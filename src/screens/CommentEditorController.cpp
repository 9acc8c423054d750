#include "CommentEditorController.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "SatelliteData.h"
#include "SkelvorAppDelegate.h"

CommentEditorController::CommentEditorController(std::shared_ptr<SatelliteData> satellite)
    : appDelegate_(SkelvorAppDelegate::shared()), targetSatellite_(std::move(satellite)) {}

CommentEditorController::~CommentEditorController() = default;

void CommentEditorController::loadView() {
    auto* view = new QWidget;
    view->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(12, 12, 12, 12);
    commentField_ = new QPlainTextEdit;
    commentField_->setTabChangesFocus(true);  // Tab reaches "Save"
    commentField_->setAccessibleName(tr("Comment"));
    commentField_->setTabChangesFocus(true);
    commentField_->setPlaceholderText(tr("Your notes on this satellite"));
    saveButton_ = new QPushButton(tr("Save"));
    layout->addWidget(commentField_, 1);
    layout->addWidget(saveButton_, 0, Qt::AlignRight);
    setView(view);
}

void CommentEditorController::viewDidLoad() {
    setTitle(tr("Comments"));
    commentField_->setPlainText(targetSatellite_->comments().value_or(QString()));
    QObject::connect(saveButton_, &QPushButton::clicked, this, [this] { saveButtonClicked(); });
}

// The button also asks for a save, so that a comment the user saved survives even when the
// application ends before the editor is left.
void CommentEditorController::saveButtonClicked() {
    storeComment();
    commentField_->clearFocus();
}

void CommentEditorController::viewWillDisappear(bool) { storeComment(); }

// An emptied comment leaves none, as before the first one was stored.
void CommentEditorController::storeComment() {
    const QString text = commentField_->toPlainText();
    targetSatellite_->setComments(text.isEmpty() ? std::nullopt : std::optional<QString>(text));
    appDelegate_->setPreferencesAltered(true);
}
