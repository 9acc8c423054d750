// A search field with an optional Cancel button beside it. It tells its delegate of every change
// of the text made by the user, of Return (the search button) and of Cancel (the button or the
// Escape key).
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;
class SearchBar;

class SearchBarDelegate {
public:
    virtual ~SearchBarDelegate() = default;
    virtual void textDidChange(SearchBar&, const QString&) {}
    virtual void searchButtonClicked(SearchBar&) {}
    virtual void cancelButtonClicked(SearchBar&) {}
};

class SearchBar : public QWidget {
public:
    explicit SearchBar(QWidget* parent = nullptr);

    void setDelegate(SearchBarDelegate* delegate) { delegate_ = delegate; }
    QString text() const;

    // Every typed or pasted letter becomes a capital.
    void setCapitalizesAllCharacters(bool capitalizes);
    bool capitalizesAllCharacters() const;
    // Asks input methods not to predict or correct words.
    void setAutocorrection(bool enabled);
    bool autocorrection() const;
    void setShowsCancelButton(bool shows);
    bool showsCancelButton() const;

    QLineEdit* textField() const { return field_; }
    QToolButton* cancelButton() const { return cancelButton_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cancel();

    QLineEdit* field_;
    QToolButton* cancelButton_;
    SearchBarDelegate* delegate_ = nullptr;
    bool showsCancelButton_ = false;
};
