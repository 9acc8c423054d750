#include "ScrollView.h"

#include <QScrollBar>

ScrollView::ScrollView(QWidget* parent) : QScrollArea(parent) {
    setWidget(new QWidget);
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
}

void ScrollView::setContentSize(QSize size) { widget()->resize(size); }

QPoint ScrollView::contentOffset() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void ScrollView::setContentOffset(QPoint offset) {
    horizontalScrollBar()->setValue(offset.x());
    verticalScrollBar()->setValue(offset.y());
}

void ScrollView::scrollRectToVisible(const QRect& rect, bool) {
    const QSize visible = viewport()->size();
    QPoint offset = contentOffset();
    if (rect.left() < offset.x()) offset.setX(rect.left());
    if (rect.right() > offset.x() + visible.width()) {
        offset.setX(std::max(rect.left(), rect.right() - visible.width()));
    }
    if (rect.top() < offset.y()) offset.setY(rect.top());
    if (rect.bottom() > offset.y() + visible.height()) {
        offset.setY(std::max(rect.top(), rect.bottom() - visible.height()));
    }
    setContentOffset(offset);
}

void ScrollView::scrollContentsBy(int dx, int dy) {
    QScrollArea::scrollContentsBy(dx, dy);
    if (scrolled_) scrolled_();
}
