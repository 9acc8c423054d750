#include "BusyIndicator.h"

#include <QCoreApplication>
#include <QPainter>

namespace {
constexpr int spokes = 12;
constexpr int side = 37;
}  // namespace

BusyIndicator::BusyIndicator(QWidget* parent) : QWidget(parent) {
    setFixedSize(side + 20, side + 20);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QCoreApplication::translate("BusyIndicator", "Busy"));
    turning_.setInterval(80);
    connect(&turning_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % spokes;
        update();
    });
}

void BusyIndicator::centreInParent() {
    if (!parentWidget()) return;
    move((parentWidget()->width() - width()) / 2, (parentWidget()->height() - height()) / 2);
    raise();
}

void BusyIndicator::startAnimating() {
    show();
    raise();
    turning_.start();
}

void BusyIndicator::stopAnimating() {
    turning_.stop();
    hide();
}

void BusyIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    painter.drawRoundedRect(rect(), 10, 10);
    painter.translate(width() / 2.0, height() / 2.0);
    for (int i = 0; i < spokes; ++i) {
        const int age = (step_ - i + spokes) % spokes;
        painter.setBrush(QColor(255, 255, 255, 255 - age * 200 / spokes));
        painter.drawRoundedRect(QRectF(8, -2, 10, 4), 2, 2);
        painter.rotate(360.0 / spokes);
    }
}
