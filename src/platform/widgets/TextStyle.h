// The fonts of the screens. Each is derived from the desktop's font, so that the screens follow
// the size and family the user chose; sizes are relative, never fixed in pixels.
#pragma once

#include <QFont>

enum class TextStyle {
    body,      // the desktop's font
    emphasis,  // bold body: captions, row titles
    title,     // larger and bold: a satellite's name in its row
    heading,   // bold: section headings
    detail,    // a little smaller, never below the desktop's smallest readable size
};

// The font of the style, derived from base (the widget's or the application's font).
QFont fontFor(TextStyle style, const QFont& base);

// The desktop's smallest readable size, in points: the smaller of its small and general font.
double smallestReadablePointSize();

// The base font grown or shrunk by a factor, in its own unit (points, or pixels where the
// desktop sets fonts in pixels).
QFont scaledFont(QFont base, double factor);
