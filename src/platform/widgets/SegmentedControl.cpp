#include "SegmentedControl.h"

#include <QHBoxLayout>
#include <QToolButton>

SegmentedControl::SegmentedControl(const QStringList& items, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The segments are kept out of a button group: in a group, Qt leaves only the focused one
    // of checkable buttons reachable by Tab and the arrows, and the keyboard could reach no
    // other segment of a momentary control.
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QToolButton;
        button->setText(items[i]);
        button->setCheckable(true);
        connect(button, &QToolButton::clicked, this, [this, i] { clickSegment(i); });
        segments_.append(button);
        layout->addWidget(button);
    }
}

int SegmentedControl::numberOfSegments() const { return static_cast<int>(segments_.size()); }

void SegmentedControl::setSelectedSegmentIndex(int index) {
    selected_ = index >= 0 && index < numberOfSegments() ? index : noSegment;
    for (int i = 0; i < numberOfSegments(); ++i) segments_[i]->setChecked(i == selected_);
}

QString SegmentedControl::titleForSegmentAtIndex(int index) const {
    return index >= 0 && index < numberOfSegments() ? segments_[index]->text() : QString();
}

void SegmentedControl::setTitleForSegmentAtIndex(const QString& title, int index) {
    if (index >= 0 && index < numberOfSegments()) segments_[index]->setText(title);
}

void SegmentedControl::clickSegment(int index) {
    setSelectedSegmentIndex(index);
    if (action_) action_();
    if (momentary_) setSelectedSegmentIndex(noSegment);
}
