// The main window's size, place, maximised state and last tab, kept in a small file beside the
// saved state so that the window opens as the user left it, and fitted to the screen it opens
// on. The file is a CBOR map of a few numbers, replaced atomically like the saved state and read
// only up to a small size.
#pragma once

#include <QRect>
#include <QString>
#include <optional>

struct WindowPlacement {
    QRect frame;  // the window's inside, in the desktop's coordinates
    bool maximised = false;
    int tab = 0;
    bool operator==(const WindowPlacement&) const = default;
};

// The placement the file holds; none when it is missing, too large, not a placement, or
// names an empty or absurd window.
std::optional<WindowPlacement> readWindowPlacement(const QString& path);
bool writeWindowPlacement(const QString& path, const WindowPlacement& placement);

// The window's rectangle within the screen's available area: no larger than the area less room
// for the window's title bar, moved as little as needed to lie inside it.
QRect fitToScreen(QRect wanted, const QRect& available);

// Where the window opens: as placed last time, else at its first size in the middle of the
// screen's available area; in either case fitted to that area.
QRect openingFrame(const std::optional<WindowPlacement>& placement, QSize firstSize,
                   const QRect& available);
