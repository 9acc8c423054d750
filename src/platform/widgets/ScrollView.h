// A view that shows part of a larger content and scrolls over it. The content is a plain
// widget of the given size; scrolling calls back with the new offset.
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

protected:
    void scrollContentsBy(int dx, int dy) override;

private:
    std::function<void()> scrolled_;
};
