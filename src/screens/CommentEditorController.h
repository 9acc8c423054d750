// The editor of a satellite's comment: a multi-line text and a "Save" button. The comment is
// stored when the button is pressed and when the editor is left, each time asking for a save.
#pragma once

#include <QCoreApplication>
#include <memory>

#include "ViewController.h"

class QPlainTextEdit;
class QPushButton;
class SatelliteData;
class SkelvorAppDelegate;

class CommentEditorController : public ViewController {
    Q_DECLARE_TR_FUNCTIONS(CommentEditorController)

public:
    explicit CommentEditorController(std::shared_ptr<SatelliteData> satellite);
    ~CommentEditorController() override;

    void viewWillDisappear(bool animated) override;
    void saveButtonClicked();

    QPlainTextEdit* commentField() const { return commentField_; }
    QPushButton* saveButton() const { return saveButton_; }

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    void storeComment();

    SkelvorAppDelegate* appDelegate_;
    std::shared_ptr<SatelliteData> targetSatellite_;
    QPlainTextEdit* commentField_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};
