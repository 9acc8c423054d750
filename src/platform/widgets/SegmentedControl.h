// A row of segments of which one may be selected. A momentary control selects a segment only
// while its action runs, then shows none selected again.
#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>
#include <functional>

class QAbstractButton;

class SegmentedControl : public QWidget {
public:
    explicit SegmentedControl(const QStringList& items, QWidget* parent = nullptr);

    void setMomentary(bool momentary) { momentary_ = momentary; }
    bool isMomentary() const { return momentary_; }
    // Called when the user picks a segment.
    void setAction(std::function<void()> action) { action_ = std::move(action); }

    int numberOfSegments() const;
    int selectedSegmentIndex() const { return selected_; }
    void setSelectedSegmentIndex(int index);
    QString titleForSegmentAtIndex(int index) const;
    void setTitleForSegmentAtIndex(const QString& title, int index);
    // Picks a segment as the user would.
    void clickSegment(int index);

    static constexpr int noSegment = -1;

private:
    QList<QAbstractButton*> segments_;
    std::function<void()> action_;
    bool momentary_ = false;
    int selected_ = noSegment;
};
