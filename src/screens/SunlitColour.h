// The colour that marks a satellite in sunlight: the sunlit part of a pass's track on the radar
// plot and the visible part of each pass on the timeline. A warm gold that stands out on light
// and dark backgrounds alike.
#pragma once

#include <QColor>

inline QColor sunlitColour() { return {245, 180, 0}; }
