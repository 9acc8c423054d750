// How the pass screen shares its space between the radar plot and the text block of frequency
// records: in a tall window the plot across the top, about as tall as it is wide while the text
// keeps its least height below; in a wide one the plot at the left and the text beside it.
#pragma once

#include <QRect>
#include <QSize>

struct PassAreas {
    QRect plot;
    QRect text;
};

// The text keeps at least minimumText: its height below the plot, or its width beside it. The
// plot goes beside the text when it can then be at least as wide as the window is tall; above
// it, it takes the height it prefers for the window's width, as far as the text leaves room.
PassAreas passAreas(QSize size, QSize minimumText, int plotHeight);
