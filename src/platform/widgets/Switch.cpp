#include "Switch.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

constexpr int trackHeight = 28;
constexpr int knobInset = 2;
constexpr int textMargin = 8;  // between the text and the track's end or the knob
constexpr int shortestTrack = 79;
constexpr int textPixelSize = 13;

const QColor onColour(0x2f, 0x7c, 0xf6);
const QColor offColour(0xe4, 0xe4, 0xe7);
const QColor offTextColour(0x55, 0x55, 0x5c);
const QColor edgeColour(0xb8, 0xb8, 0xbe);

}  // namespace

Switch::Switch(QWidget* parent)
    : QAbstractButton(parent), onText_(QStringLiteral("ON")), offText_(QStringLiteral("OFF")) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setText(offText_);
    // The button's text, which assistive tools read, names the state shown.
    connect(this, &QAbstractButton::toggled, this,
            [this](bool on) { setText(on ? onText_ : offText_); });
    connect(this, &QAbstractButton::clicked, this, [this](bool on) {
        if (action_) action_(on);
    });
}

void Switch::setTexts(const QString& onText, const QString& offText) {
    onText_ = onText;
    offText_ = offText;
    setText(isOn() ? onText_ : offText_);
    updateGeometry();
    update();
}

QFont Switch::textFont() const {
    QFont shown = font();
    shown.setPixelSize(textPixelSize);
    shown.setBold(true);
    return shown;
}

// Wide enough for the longer text beside the knob.
QSize Switch::sizeHint() const {
    const QFontMetrics metrics(textFont());
    const int text =
        std::max(metrics.horizontalAdvance(onText_), metrics.horizontalAdvance(offText_));
    const int knob = trackHeight - 2 * knobInset;
    return {std::max(shortestTrack, text + 2 * textMargin + knob + knobInset), trackHeight};
}

bool Switch::hitButton(const QPoint& position) const { return rect().contains(position); }

void Switch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = track.height() / 2.0;
    const bool on = isOn();
    const QColor fill = isEnabled() ? (on ? onColour : offColour) : offColour.lighter(105);

    painter.setPen(QPen(on ? onColour.darker(115) : edgeColour, 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(track, radius, radius);

    const double knobSize = track.height() - 2 * knobInset;
    const double knobLeft = on ? track.right() - knobInset - knobSize : track.left() + knobInset;
    const QRectF knob(knobLeft, track.top() + knobInset, knobSize, knobSize);

    // The text fills the part of the track beside the knob.
    const QRectF textRoom =
        on ? QRectF(track.left() + textMargin, track.top(),
                    knob.left() - textMargin - track.left() - textMargin, track.height())
           : QRectF(knob.right() + textMargin, track.top(),
                    track.right() - textMargin - knob.right() - textMargin, track.height());
    painter.setFont(textFont());
    painter.setPen(on ? QColor(Qt::white) : offTextColour);
    painter.drawText(textRoom, Qt::AlignCenter, on ? onText_ : offText_);

    painter.setPen(QPen(edgeColour, 1.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(knob);

    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(track.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }
}
