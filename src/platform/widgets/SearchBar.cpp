#include "SearchBar.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QValidator>

namespace {

// Turns the text into capitals as it is entered, so that the field never holds a small letter.
class CapitalsValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

}  // namespace

SearchBar::SearchBar(QWidget* parent)
    : QWidget(parent), field_(new QLineEdit), cancelButton_(new QToolButton) {
    field_->setClearButtonEnabled(true);
    cancelButton_->setText(QCoreApplication::translate("SearchBar", "Cancel"));
    cancelButton_->setAutoRaise(true);
    cancelButton_->hide();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(field_, 1);
    layout->addWidget(cancelButton_);
    connect(field_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (delegate_) delegate_->textDidChange(*this, text);
    });
    connect(field_, &QLineEdit::returnPressed, this, [this] {
        if (delegate_) delegate_->searchButtonClicked(*this);
    });
    connect(cancelButton_, &QToolButton::clicked, this, [this] { cancel(); });
}

QString SearchBar::text() const { return field_->text(); }

void SearchBar::setCapitalizesAllCharacters(bool capitalizes) {
    if (capitalizes == capitalizesAllCharacters()) return;
    delete field_->validator();
    field_->setValidator(capitalizes ? new CapitalsValidator(field_) : nullptr);
    field_->setInputMethodHints(
        field_->inputMethodHints().setFlag(Qt::ImhPreferUppercase, capitalizes));
}

bool SearchBar::capitalizesAllCharacters() const { return field_->validator() != nullptr; }

void SearchBar::setAutocorrection(bool enabled) {
    field_->setInputMethodHints(
        field_->inputMethodHints().setFlag(Qt::ImhNoPredictiveText, !enabled));
}

bool SearchBar::autocorrection() const {
    return !field_->inputMethodHints().testFlag(Qt::ImhNoPredictiveText);
}

void SearchBar::setShowsCancelButton(bool shows) {
    showsCancelButton_ = shows;
    cancelButton_->setVisible(shows);
}

bool SearchBar::showsCancelButton() const { return showsCancelButton_; }

// The field leaves Escape to its parent.
void SearchBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && showsCancelButton_) {
        cancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SearchBar::cancel() {
    if (delegate_) delegate_->cancelButtonClicked(*this);
}
