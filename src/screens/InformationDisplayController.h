// A help topic's text, read from the application's resources, in a read-only text view.
#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

#include "ViewController.h"

class InformationDisplayController : public ViewController {
public:
    // Shows the text resource ":/help/<fileName>.text".
    explicit InformationDisplayController(QString fileName);

    // The screen's title: the topic's title.
    const QString& categoryName() const { return categoryName_; }
    void setCategoryName(const QString& name) { categoryName_ = name; }

    const QString& infoFileName() const { return infoFileName_; }
    QPlainTextEdit* infoTextDisplay() const { return infoTextDisplay_; }

    // The text of a help resource; empty when there is none or it cannot be read.
    static QString helpText(const QString& fileName);

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    QString infoFileName_;
    QString categoryName_;
    QPointer<QPlainTextEdit> infoTextDisplay_;
};
