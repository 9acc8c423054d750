#include "RadarPassMarks.h"

#include "PassData.h"
#include "SettingsStore.h"

namespace radar {

namespace {

std::optional<QPointF> locateSample(const PassCoordinate& sample, const RadarFrame& frame) {
    return skyPoint(sample.azimuth, sample.elevation, frame);
}

}  // namespace

std::vector<PassCoordinate> passSamples(const PassData& pass) {
    std::vector<PassCoordinate> samples;
    samples.reserve(static_cast<std::size_t>(pass.passItemCount()));
    for (std::int32_t i = 0; i < pass.passItemCount(); ++i) {
        samples.push_back(pass.passItemAtIndex(i));
    }
    return samples;
}

std::vector<QPointF> passTrack(std::span<const PassCoordinate> samples, const RadarFrame& frame) {
    std::vector<QPointF> points;
    points.reserve(samples.size());
    for (const PassCoordinate& sample : samples) {
        if (const std::optional<QPointF> p = locateSample(sample, frame)) points.push_back(*p);
    }
    return points;
}

std::vector<int> timeMarkIndexes(int count) {
    std::vector<int> indexes;
    for (int i = 0; i + 4 <= count; i += 3) indexes.push_back(i);
    if (count > 0) indexes.push_back(count - 1);
    return indexes;
}

std::vector<PlotText> timeMarks(std::span<const PassCoordinate> samples, const RadarFrame& frame,
                                const SettingsStore& settings) {
    std::vector<PlotText> marks;
    for (const int i : timeMarkIndexes(static_cast<int>(samples.size()))) {
        const PassCoordinate& sample = samples[static_cast<std::size_t>(i)];
        const std::optional<QPointF> p = locateSample(sample, frame);
        if (!sample.date || !p) continue;
        marks.push_back({QPointF(p->x() + 5, p->y() - 5),
                         settings.formatTime(*sample.date, QStringLiteral("HH:mm"))});
    }
    return marks;
}

std::optional<QRectF> satelliteMark(double azimuth, double elevation, const RadarFrame& frame) {
    const std::optional<QPointF> p =
        skyPoint(static_cast<float>(azimuth), static_cast<float>(elevation), frame);
    if (!p) return std::nullopt;
    const double half = 4 * markScale(frame);
    return QRectF(p->x() - half, p->y() - half, 2 * half, 2 * half);
}

}  // namespace radar
