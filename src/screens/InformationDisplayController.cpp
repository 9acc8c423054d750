#include "InformationDisplayController.h"

#include <QFile>
#include <QPlainTextEdit>

InformationDisplayController::InformationDisplayController(QString fileName)
    : infoFileName_(std::move(fileName)) {}

QString InformationDisplayController::helpText(const QString& fileName) {
    QFile file(QStringLiteral(":/help/%1.text").arg(fileName));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

void InformationDisplayController::loadView() {
    auto* text = new QPlainTextEdit;
    text->setObjectName(QStringLiteral("InformationDisplay"));
    text->setReadOnly(true);
    text->setFrameShape(QFrame::NoFrame);
    text->document()->setDocumentMargin(12);
    infoTextDisplay_ = text;
    setView(text);
}

void InformationDisplayController::viewDidLoad() {
    infoTextDisplay_->setPlainText(helpText(infoFileName_));
    infoTextDisplay_->setAccessibleName(categoryName_);
    setTitle(categoryName_);
}
