#include "SettingsForm.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <algorithm>

#include "ScrollView.h"
#include "Switch.h"
#include "TextField.h"
#include "TextStyle.h"

namespace settings_form {

namespace {

constexpr int widestForm = 34;  // ems: wider windows centre the form

const QString formStyle = QStringLiteral(
    "#settingsForm { background: palette(window); }"
    "QFrame[role=\"panel\"] { background: palette(base); border: 1px solid palette(mid);"
    " border-radius: 8px; }"
    "QFrame[role=\"separator\"] { background: palette(midlight); border: none; }"
    "QLabel[role=\"heading\"] { color: palette(window-text); }"
    "QLabel[role=\"caption\"] { color: palette(text); }");

TextStyle styleOf(const QByteArray& role) {
    if (role == "heading") return TextStyle::heading;
    if (role == "note") return TextStyle::detail;
    return TextStyle::body;
}

// A red that reads on the palette's background, light or dark.
QColor problemColour(const QPalette& palette) {
    return palette.color(QPalette::Base).lightness() < 128 ? QColor(255, 128, 118)
                                                           : QColor(176, 32, 24);
}

}  // namespace

ScrollingForm makeScrollingForm() {
    auto* scroller = new ScrollView;
    scroller->setWidgetResizable(true);
    scroller->setStyleSheet(QStringLiteral("QScrollArea { background: palette(window); }"));
    QWidget* content = scroller->content();
    content->setObjectName(QStringLiteral("settingsForm"));
    content->setStyleSheet(formStyle);
    auto* centred = new QHBoxLayout(content);
    centred->setContentsMargins(0, 0, 0, 0);
    auto* column = new QWidget;
    column->setMaximumWidth(widestForm * column->fontMetrics().horizontalAdvance(u'M'));
    centred->addStretch(1);
    centred->addWidget(column, 100);
    centred->addStretch(1);
    auto* form = new QVBoxLayout(column);
    form->setContentsMargins(10, 12, 10, 8);
    form->setSpacing(6);
    return {scroller, form};
}

FormGroup::FormGroup(QVBoxLayout& form, const QString& heading) : form_(form) {
    form_.addWidget(styledLabel(heading, "heading"));
    auto* panel = new QFrame;
    panel->setProperty("role", "panel");
    rows_ = new QGridLayout(panel);
    rows_->setContentsMargins(12, 4, 10, 4);
    rows_->setHorizontalSpacing(8);
    rows_->setVerticalSpacing(4);
    rows_->setColumnStretch(0, 1);
    form_.addWidget(panel);
}

void FormGroup::addSeparator() {
    if (nextRow_ == 0) return;
    auto* separator = new QFrame;
    separator->setProperty("role", "separator");
    separator->setFixedHeight(1);
    rows_->addWidget(separator, nextRow_++, 0, 1, 2);
}

QLabel* FormGroup::addRow(const QString& caption, QWidget* control) {
    addSeparator();
    QLabel* label = styledLabel(caption, "caption");
    label->setBuddy(control);
    control->setAccessibleName(caption);
    rows_->addWidget(label, nextRow_, 0);
    rows_->addWidget(control, nextRow_++, 1, Qt::AlignRight | Qt::AlignVCenter);
    QLabel* problem = problemLabel();
    rows_->addWidget(problem, nextRow_++, 0, 1, 2);
    return problem;
}

void FormGroup::addWide(QWidget* widget) {
    addSeparator();
    rows_->addWidget(widget, nextRow_++, 0, 1, 2);
}

void FormGroup::addNote(const QString& note) {
    QLabel* label = styledLabel(note, "note");
    label->setForegroundRole(QPalette::PlaceholderText);
    form_.addWidget(label);
}

QLabel* styledLabel(const QString& text, const char* role) {
    auto* label = new QLabel(text);
    label->setProperty("role", role);
    label->setWordWrap(true);
    label->setFont(fontFor(styleOf(role), label->font()));
    return label;
}

QLabel* problemLabel() {
    QLabel* problem = styledLabel(QString(), "problem");
    markAsProblem(*problem, true);
    problem->hide();
    return problem;
}

void markAsProblem(QLabel& label, bool problem) {
    if (!problem) {
        label.setPalette(QPalette());
        return;
    }
    QPalette colours = label.palette();
    colours.setColor(QPalette::WindowText, problemColour(colours));
    label.setPalette(colours);
}

void showProblem(QLabel& label, QWidget& control, const QString& problem) {
    label.setText(problem);
    label.setVisible(!problem.isEmpty());
    control.setAccessibleDescription(problem);
}

Switch* makeSwitch(const QString& onText, const QString& offText) {
    auto* control = new Switch;
    control->setTexts(onText, offText);
    return control;
}

void alignSwitchWidths(std::initializer_list<Switch*> switches) {
    int width = 0;
    for (const Switch* control : switches) width = std::max(width, control->sizeHint().width());
    for (Switch* control : switches) control->setFixedWidth(width);
}

QPushButton* makeOpeningButton(const QString& text, std::function<void()> action) {
    auto* button = new QPushButton(text);
    QObject::connect(button, &QPushButton::clicked, button, std::move(action));
    return button;
}

TextField* makeField(const QString& widestText, bool clearButton) {
    auto* field = new TextField;
    field->setAlignment(Qt::AlignRight);
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QMargins margins = field->textMargins() + field->contentsMargins();
    const int clear = clearButton ? field->fontMetrics().height() + 4 : 0;
    const int text = field->fontMetrics().horizontalAdvance(widestText) + 2 * 2 + margins.left() +
                     margins.right() + clear;
    field->setFixedWidth(field->style()
                             ->sizeFromContents(QStyle::CT_LineEdit, &option,
                                                QSize(text, field->sizeHint().height()), field)
                             .width());
    return field;
}

}  // namespace settings_form
