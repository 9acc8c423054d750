// A bar button showing a one-colour picture in the palette's button text colour, drawn again
// when the palette changes, so that it reads on light and dark themes alike.
#pragma once

#include <QIcon>
#include <QToolButton>

class IconButton : public QToolButton {
public:
    // The picture's shape (its opaque parts) in the colour; the colours it has are not used.
    static QIcon tintedIcon(const QString& path, const QColor& colour);

    explicit IconButton(QString path, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void tint();

    QString path_;
};
