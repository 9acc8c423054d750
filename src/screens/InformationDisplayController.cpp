#include "InformationDisplayController.h"

#include <QFile>
#include <QPlainTextEdit>

#include "Translations.h"

InformationDisplayController::InformationDisplayController(QString fileName)
    : infoFileName_(std::move(fileName)) {}

// The text in the language of the translations where it has been written in it, else in English.
QString InformationDisplayController::helpText(const QString& fileName) {
    QFile translated(QStringLiteral(":/help/%1/%2.text").arg(translationLanguage(), fileName));
    if (translated.open(QIODevice::ReadOnly)) return QString::fromUtf8(translated.readAll());
    QFile file(QStringLiteral(":/help/%1.text").arg(fileName));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

void InformationDisplayController::loadView() {
    auto* text = new QPlainTextEdit;
    text->setObjectName(QStringLiteral("InformationDisplay"));
    text->setReadOnly(true);
    text->setTabChangesFocus(true);  // Tab moves on, as everywhere in the window
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
