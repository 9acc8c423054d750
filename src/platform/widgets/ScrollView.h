// A view that shows part of a larger content and scrolls over it. The content is a plain
// widget of the given size; scrolling calls back with the new offset. The arrow keys scroll
// unless the screen takes them first, and a view that takes the keyboard can show a frame in
// the palette's highlight while it has the focus.
#pragma once

#include <QScrollArea>
#include <functional>

class ScrollView : public QScrollArea {
public:
    explicit ScrollView(QWidget* parent = nullptr);

    QWidget* content() const { return widget(); }
    QSize contentSize() const { return widget()->size(); }
    void setContentSize(QSize size);
    QPoint contentOffset() const;
    void setContentOffset(QPoint offset);
    // Scrolls as little as needed to show the content rectangle, as much of it as fits.
    void scrollRectToVisible(const QRect& rect, bool animated);
    void setScrollAction(std::function<void()> action) { scrolled_ = std::move(action); }
    // Called after the viewport took a new size: the window's, or the room left by scroll bars
    // that came or went.
    void setResizeAction(std::function<void()> action) { resized_ = std::move(action); }
    // Called with each key pressed while the view has the focus; true when it took the key.
    void setKeyAction(std::function<bool(QKeyEvent*)> action) { keyAction_ = std::move(action); }
    // Takes the focus by the keyboard and the mouse, with a frame that shows it.
    void setShowsFocus(bool shows);

protected:
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::function<void()> scrolled_;
    std::function<void()> resized_;
    std::function<bool(QKeyEvent*)> keyAction_;
};
