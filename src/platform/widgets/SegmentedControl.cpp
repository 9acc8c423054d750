#include "SegmentedControl.h"

#include <QHBoxLayout>
#include <QToolButton>

SegmentedControl::SegmentedControl(const QStringList& items, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QToolButton;
        button->setText(items[i]);
        button->setCheckable(true);
        group_.addButton(button, i);
        layout->addWidget(button);
    }
    group_.setExclusive(false);
    connect(&group_, &QButtonGroup::idClicked, this, [this](int id) { clickSegment(id); });
}

int SegmentedControl::numberOfSegments() const { return static_cast<int>(group_.buttons().size()); }

void SegmentedControl::setSelectedSegmentIndex(int index) {
    selected_ = index >= 0 && index < numberOfSegments() ? index : noSegment;
    for (QAbstractButton* button : group_.buttons()) {
        button->setChecked(group_.id(button) == selected_);
    }
}

QString SegmentedControl::titleForSegmentAtIndex(int index) const {
    const QAbstractButton* button = group_.button(index);
    return button ? button->text() : QString();
}

void SegmentedControl::setTitleForSegmentAtIndex(const QString& title, int index) {
    if (QAbstractButton* button = group_.button(index)) button->setText(title);
}

void SegmentedControl::clickSegment(int index) {
    setSelectedSegmentIndex(index);
    if (action_) action_();
    if (momentary_) setSelectedSegmentIndex(noSegment);
}
