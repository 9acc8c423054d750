// The pieces the settings screens are built of: a scrolling form on the window's background
// whose column is centred in wide windows, headed groups of captioned rows on rounded panels,
// each row with room for what the screen says about its value, and switches and number fields
// sized by their font. Colours come from the palette, so the forms follow a light or dark theme.
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>

class QLabel;
class QPushButton;
class QGridLayout;
class QVBoxLayout;
class QWidget;
class ScrollView;
class Switch;
class TextField;

namespace settings_form {

// A scroll view for a form; the form's groups go into the column's layout.
struct ScrollingForm {
    ScrollView* scroller;
    QVBoxLayout* column;
};
ScrollingForm makeScrollingForm();

// One group of the form: a heading above a panel of captioned rows.
class FormGroup {
public:
    FormGroup(QVBoxLayout& form, const QString& heading);

    // Adds the row and gives the label below it that says what is wrong with the value
    // (hidden while there is nothing to say). The caption names the control for assistive
    // technology too.
    QLabel* addRow(const QString& caption, QWidget* control);
    // A widget across the whole panel, below the rows so far.
    void addWide(QWidget* widget);
    // A note in small, faint text below the panel.
    void addNote(const QString& note);

private:
    void addSeparator();

    QVBoxLayout& form_;
    QGridLayout* rows_;
    int nextRow_ = 0;
};

// A label in the form's style; role names it for the style sheet.
QLabel* styledLabel(const QString& text, const char* role);
// A label that tells a problem, in a red that reads on the palette's background; hidden.
QLabel* problemLabel();
// Colours the label's text as a problem, or in the palette's own colour again.
void markAsProblem(QLabel& label, bool problem);
// Shows the problem in its label, or hides the label when there is none; the control's
// description for assistive technology says the same.
void showProblem(QLabel& label, QWidget& control, const QString& problem);

Switch* makeSwitch(const QString& onText, const QString& offText);
// The switches take the width of the widest, so that their knobs line up.
void alignSwitchWidths(std::initializer_list<Switch*> switches);
// A button that leads to another screen: the action opens it.
QPushButton* makeOpeningButton(const QString& text, std::function<void()> action);
// A right-aligned field as wide as its widest text needs in its font, with room for the clear
// button when it will show one.
TextField* makeField(const QString& widestText, bool clearButton = false);

}  // namespace settings_form
