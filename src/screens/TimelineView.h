// One half of the timeline's content: the time axis with its hour marks and clock labels, the
// current-time line, and the bars of the rows with the satellites' names, all drawn afresh
// from the current time. A touch on a bar opens its pass.
#pragma once

#include <QPointer>
#include <QWidget>

class SkelvorAppDelegate;
class TimelineController;

class TimelineView : public QWidget {
public:
    // The controller places the view: the left or the right half of its content.
    explicit TimelineView(QWidget* parent = nullptr);

    TimelineController* parentController() const { return parentController_; }
    void setParentController(TimelineController* controller) { parentController_ = controller; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    SkelvorAppDelegate* appDelegate_ = nullptr;
    TimelineController* parentController_ = nullptr;
};
