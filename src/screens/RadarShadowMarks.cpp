#include "RadarShadowMarks.h"

namespace radar {

std::vector<std::vector<PassCoordinate>> sunlitStretches(std::span<const PassCoordinate> samples,
                                                         std::span<const ShadowCrossing> crossings,
                                                         bool sunlitAtStart) {
    std::vector<std::vector<PassCoordinate>> stretches;
    std::vector<PassCoordinate> current;
    bool sunlit = sunlitAtStart;
    std::size_t next = 0;  // the next crossing
    const auto close = [&] {
        if (current.size() > 1) stretches.push_back(std::move(current));
        current.clear();
    };
    const auto cross = [&](const ShadowCrossing& crossing) {
        if (crossing.entering) {
            if (sunlit) current.push_back(crossing.place);
            close();
        } else {
            close();
            current.push_back(crossing.place);
        }
        sunlit = !crossing.entering;
    };
    for (const PassCoordinate& sample : samples) {
        while (next < crossings.size() && sample.date && crossings[next].date < *sample.date) {
            cross(crossings[next++]);
        }
        if (sunlit) current.push_back(sample);
    }
    while (next < crossings.size()) cross(crossings[next++]);
    close();
    return stretches;
}

}  // namespace radar
