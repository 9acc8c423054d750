// An on/off switch: a rounded track with a round knob, the knob at the right when on. The track
// shows the text of the state it is in ("ON" and "OFF" unless given others), sized by the font
// and coloured by the palette; assistive technology reads it as a checkable button. Flipping it by
// mouse or keyboard calls its action with the new state; setting it from the program does not.
#pragma once

#include <QAbstractButton>
#include <functional>

class Switch : public QAbstractButton {
public:
    explicit Switch(QWidget* parent = nullptr);

    bool isOn() const { return isChecked(); }
    void setOn(bool on) { setChecked(on); }
    QString onText() const { return onText_; }
    QString offText() const { return offText_; }
    // The texts shown in the track for the two states.
    void setTexts(const QString& onText, const QString& offText);
    // Called with the new state each time the user flips the switch.
    void setAction(std::function<void(bool)> action) { action_ = std::move(action); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;

private:
    QFont textFont() const;

    QString onText_;
    QString offText_;
    std::function<void(bool)> action_;
};
