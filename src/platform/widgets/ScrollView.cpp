#include "ScrollView.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace {

constexpr int focusFrameWidth = 2;

}  // namespace

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

void ScrollView::setShowsFocus(bool shows) {
    setFocusPolicy(shows ? Qt::StrongFocus : Qt::NoFocus);
    setFrameStyle(shows ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(shows ? focusFrameWidth : 0);
    // The frame takes the window's colour until the focus comes.
    setForegroundRole(hasFocus() ? QPalette::Highlight : QPalette::Window);
}

void ScrollView::focusInEvent(QFocusEvent* event) {
    QScrollArea::focusInEvent(event);
    setForegroundRole(QPalette::Highlight);
}

void ScrollView::focusOutEvent(QFocusEvent* event) {
    QScrollArea::focusOutEvent(event);
    setForegroundRole(QPalette::Window);
}

// Alt with an arrow belongs to the window (Alt+Left goes back), although a scroll area would
// take it for a plain arrow.
void ScrollView::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers().testFlag(Qt::AltModifier)) {
        event->ignore();
        return;
    }
    if (keyAction_ && keyAction_(event)) {
        event->accept();
        return;
    }
    QScrollArea::keyPressEvent(event);
}

bool ScrollView::viewportEvent(QEvent* event) {
    const bool handled = QScrollArea::viewportEvent(event);
    if (event->type() == QEvent::Resize && resized_) resized_();
    return handled;
}

void ScrollView::scrollContentsBy(int dx, int dy) {
    QScrollArea::scrollContentsBy(dx, dy);
    if (scrolled_) scrolled_();
}
