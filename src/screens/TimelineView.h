// One half of the timeline's content: the time axis with its hour marks and clock labels, the
// current-time line, and the rows: each satellite's name at the left edge of what the window
// shows, its bars with the name beside them where there is room, all drawn afresh from the
// current time in the palette's colours; the bars keep their own colours. A click on a bar
// opens its pass; the bar the keyboard stands on is framed.
#pragma once

#include <QCoreApplication>

#include "DescribedView.h"

class SkelvorAppDelegate;
class TimelineController;

class TimelineView : public DescribedView {
    Q_DECLARE_TR_FUNCTIONS(TimelineView)

public:
    // The controller places the view: the left or the right half of its content.
    explicit TimelineView(QWidget* parent = nullptr);

    TimelineController* parentController() const { return parentController_; }
    void setParentController(TimelineController* controller) { parentController_ = controller; }

    QAccessible::Role accessibleRole() const override { return QAccessible::Chart; }
    QString accessibleSummary() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TimelineController* parentController_ = nullptr;
};
