// A single-line text field in the system font of a given size, which may shrink to fit the
// field's width. It runs one action on every change the user makes and another when editing ends
// (Return, or the field losing focus); Return also leaves the field.
#pragma once

#include <QLineEdit>
#include <functional>

class TextField : public QLineEdit {
public:
    using Action = std::function<void(const QString&)>;

    explicit TextField(QWidget* parent = nullptr);

    // The system font of this size in points (one point is one pixel of the layout).
    void setFontSize(double pointSize, bool bold = false);
    // When above 0 the font shrinks, down to this size, while the text is wider than the field.
    void setMinimumFontSize(double pointSize);
    // Called with the text after each change the user makes, not after setText.
    void setChangeAction(Action action) { changeAction_ = std::move(action); }
    // Called with the text when editing ends.
    void setCommitAction(Action action) { commitAction_ = std::move(action); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitFont();

    int fontSize_ = 17;
    double minimumFontSize_ = 0.0;
    Action changeAction_;
    Action commitAction_;
};
