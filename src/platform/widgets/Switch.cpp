#include "Switch.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "TextStyle.h"

namespace {

constexpr int knobInset = 2;
constexpr int textMargin = 8;               // between the text and the track's end or the knob
constexpr double trackLines = 1.8;          // the track's height, in lines of its text
constexpr double shortestTrackRatio = 2.8;  // the least width, in track heights

}  // namespace

Switch::Switch(QWidget* parent)
    : QAbstractButton(parent),
      onText_(QCoreApplication::translate("Switch", "ON")),
      offText_(QCoreApplication::translate("Switch", "OFF")) {
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
    QFont shown = fontFor(TextStyle::detail, font());
    shown.setBold(true);
    return shown;
}

// As high as its text needs with some room, and wide enough for the longer text beside the knob.
QSize Switch::sizeHint() const {
    const QFontMetrics metrics(textFont());
    const int height = static_cast<int>(std::ceil(metrics.height() * trackLines));
    const int text =
        std::max(metrics.horizontalAdvance(onText_), metrics.horizontalAdvance(offText_));
    const int knob = height - 2 * knobInset;
    const int shortest = static_cast<int>(std::ceil(height * shortestTrackRatio));
    return {std::max(shortest, text + 2 * textMargin + knob + knobInset), height};
}

bool Switch::hitButton(const QPoint& position) const { return rect().contains(position); }

void Switch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = track.height() / 2.0;
    const bool on = isOn();
    const QPalette& colours = palette();
    const QColor onColour = colours.color(QPalette::Highlight);
    const QColor edgeColour = colours.color(QPalette::Mid);
    const QColor fill = on && isEnabled() ? onColour : colours.color(QPalette::Button);

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
    painter.setPen(colours.color(on ? QPalette::HighlightedText : QPalette::ButtonText));
    painter.drawText(textRoom, Qt::AlignCenter, on ? onText_ : offText_);

    painter.setPen(QPen(edgeColour, 1.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(knob);

    // The focus ring stands out against the track whether it is lit or not.
    if (hasFocus()) {
        painter.setPen(QPen(on ? colours.color(QPalette::HighlightedText) : onColour, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(track.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1.5, radius - 1.5);
    }
}
