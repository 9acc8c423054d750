// A spinning wheel shown over a view while a long computation runs.
#pragma once

#include <QTimer>
#include <QWidget>

class BusyIndicator : public QWidget {
public:
    explicit BusyIndicator(QWidget* parent = nullptr);

    // Places the wheel in the middle of its parent, on top of the other views.
    void centreInParent();
    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return turning_.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer turning_;
    int step_ = 0;
};
