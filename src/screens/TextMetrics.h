// The measures of a font that the drawing views lay their texts out with: the distance from one
// line to the next, and the width of a text. Geometry takes them as values, so that it is
// tested with any font, real or made up.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <functional>

struct TextMetrics {
    double lineSpacing = 0.0;
    std::function<double(const QString&)> width;
};

inline TextMetrics metricsOf(const QFont& font) {
    const QFontMetricsF metrics(font);
    return {metrics.lineSpacing(),
            [metrics](const QString& text) { return metrics.horizontalAdvance(text); }};
}
