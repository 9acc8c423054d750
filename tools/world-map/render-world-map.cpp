// Paints a plate carrée world map, twice as wide as high, from the outlines that outlines.mjs
// writes: longitude -180 at the left edge to +180 at the right, latitude +90 at the top to -90
// at the bottom, width/360 pixels per degree both ways. The lines keep their width relative to
// the map, so that every size looks alike.
//
// Usage: render-world-map OUTLINES.json OUTPUT.jpg [WIDTH]    (WIDTH 1024 unless given)

#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace {

constexpr int kDefaultWidth = 1024;
constexpr int kLargestWidth = 8192;
constexpr int kJpegQuality = 90;

// The map's size, set once from the command line.
int gWidth = kDefaultWidth;
int gHeight = kDefaultWidth / 2;
double gPixelsPerDegree = kDefaultWidth / 360.0;
// Line widths are given for the 1024-pixel map and grow with the map.
double gLineScale = 1.0;

// Every shape is painted once per copy of the globe, so that a shape whose longitudes run past
// +/-180 after unwrapping shows on both sides of the map.
constexpr std::initializer_list<double> kGlobeOffsets = {-360.0, 0.0, 360.0};

QPointF toPixel(double longitude, double latitude) {
    return {(longitude + 180.0) * gPixelsPerDegree, (90.0 - latitude) * gPixelsPerDegree};
}

// The points of a ring or line with longitudes made continuous: a step of more than 180 degrees
// is a crossing of the date line, so it is taken the short way round.
QPolygonF unwrapped(const QJsonArray& points) {
    QPolygonF result;
    double previous = 0.0;
    for (const auto& value : points) {
        const QJsonArray point = value.toArray();
        double longitude = point.at(0).toDouble();
        if (!result.isEmpty()) {
            longitude += 360.0 * std::round((previous - longitude) / 360.0);
        }
        result.append({longitude, point.at(1).toDouble()});
        previous = longitude;
    }
    return result;
}

// A ring whose unwrapped longitudes end a whole turn from where they started goes round a pole
// (Antarctica); on the flat map it is closed along that pole's edge.
QPolygonF closedRing(const QJsonArray& points) {
    QPolygonF ring = unwrapped(points);
    if (ring.size() < 3 || std::abs(ring.last().x() - ring.first().x()) < 180.0) {
        return ring;
    }
    double latitudeSum = 0.0;
    for (const QPointF& point : ring) latitudeSum += point.y();
    const double pole = latitudeSum < 0.0 ? -90.0 : 90.0;
    const double lastLongitude = ring.last().x();
    const double firstLongitude = ring.first().x();
    ring.append({lastLongitude, pole});
    ring.append({firstLongitude, pole});
    return ring;
}

QPolygonF inPixels(const QPolygonF& degrees, double offset) {
    QPolygonF pixels;
    pixels.reserve(degrees.size());
    for (const QPointF& point : degrees) pixels.append(toPixel(point.x() + offset, point.y()));
    return pixels;
}

// All polygons (lists of rings) as one path; holes are cut by the odd-even rule.
QPainterPath polygonsPath(const QJsonArray& polygons) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const auto& polygon : polygons) {
        for (const auto& ring : polygon.toArray()) {
            const QPolygonF degrees = closedRing(ring.toArray());
            for (double offset : kGlobeOffsets) path.addPolygon(inPixels(degrees, offset));
            path.closeSubpath();
        }
    }
    return path;
}

// The coasts of the polygons: their rings without the edges that only follow the map's frame (the
// cuts along the date line and the closures along a pole), which are no coast.
QPainterPath coastsPath(const QJsonArray& polygons) {
    const auto onFrame = [](QPointF a, QPointF b) {
        const bool alongPole = std::abs(a.y()) >= 89.99 && std::abs(b.y()) >= 89.99;
        const bool alongDateLine = std::abs(std::remainder(a.x(), 360.0)) >= 179.99 &&
                                   std::abs(std::remainder(b.x(), 360.0)) >= 179.99;
        return alongPole || alongDateLine;
    };
    QPainterPath path;
    for (const auto& polygon : polygons) {
        for (const auto& ring : polygon.toArray()) {
            QPolygonF degrees = closedRing(ring.toArray());
            if (degrees.isEmpty()) continue;
            degrees.append(degrees.first());
            for (double offset : kGlobeOffsets) {
                bool drawing = false;
                for (qsizetype i = 1; i < degrees.size(); ++i) {
                    if (onFrame(degrees[i - 1], degrees[i])) {
                        drawing = false;
                        continue;
                    }
                    if (!drawing)
                        path.moveTo(toPixel(degrees[i - 1].x() + offset, degrees[i - 1].y()));
                    path.lineTo(toPixel(degrees[i].x() + offset, degrees[i].y()));
                    drawing = true;
                }
            }
        }
    }
    return path;
}

QPainterPath linesPath(const QJsonArray& lines) {
    QPainterPath path;
    for (const auto& line : lines) {
        const QPolygonF degrees = unwrapped(line.toArray());
        for (double offset : kGlobeOffsets) path.addPolygon(inPixels(degrees, offset));
    }
    return path;
}

struct LatitudeColour {
    double latitude;
    QColor colour;
};

QLinearGradient latitudeGradient(std::initializer_list<LatitudeColour> stops) {
    QLinearGradient gradient(0.0, 0.0, 0.0, gHeight);
    for (const auto& [latitude, colour] : stops)
        gradient.setColorAt((90.0 - latitude) / 180.0, colour);
    return gradient;
}

// Deep blue, a little darker towards the poles.
QLinearGradient oceanGradient() {
    return latitudeGradient({{90.0, QColor(16, 45, 84)},
                             {50.0, QColor(24, 64, 112)},
                             {0.0, QColor(30, 78, 132)},
                             {-50.0, QColor(24, 64, 112)},
                             {-90.0, QColor(16, 45, 84)}});
}

// Muted greens and browns by climate belt: tundra, forest, the dry belts near the tropics and the
// green equator.
QLinearGradient landGradient() {
    return latitudeGradient({{90.0, QColor(200, 204, 196)},
                             {72.0, QColor(128, 134, 108)},
                             {58.0, QColor(96, 118, 78)},
                             {42.0, QColor(114, 126, 84)},
                             {28.0, QColor(160, 146, 106)},
                             {14.0, QColor(122, 132, 82)},
                             {0.0, QColor(84, 116, 66)},
                             {-14.0, QColor(114, 128, 80)},
                             {-26.0, QColor(154, 140, 102)},
                             {-40.0, QColor(108, 124, 82)},
                             {-56.0, QColor(116, 124, 100)},
                             {-90.0, QColor(170, 176, 170)}});
}

QPainterPath graticulePath() {
    QPainterPath path;
    for (int longitude = -150; longitude <= 150; longitude += 30) {
        path.moveTo(toPixel(longitude, 90.0));
        path.lineTo(toPixel(longitude, -90.0));
    }
    for (int latitude = -60; latitude <= 60; latitude += 30) {
        path.moveTo(toPixel(-180.0, latitude));
        path.lineTo(toPixel(180.0, latitude));
    }
    return path;
}

QImage paintMap(const QJsonObject& outlines) {
    const QJsonArray landPolygons = outlines.value("land").toArray();
    const QPainterPath land = polygonsPath(landPolygons);
    const QPainterPath coasts = coastsPath(landPolygons);
    const QPainterPath ice = polygonsPath(outlines.value("ice").toArray());
    const QPainterPath borders = linesPath(outlines.value("borders").toArray());

    QImage image(gWidth, gHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(image.rect(), oceanGradient());

    // Shallow water: a soft lighter band along every coast.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(92, 142, 190, 28), 5.0 * gLineScale, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(coasts);
    painter.setPen(QPen(QColor(110, 160, 204, 50), 2.4 * gLineScale, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(coasts);

    painter.fillPath(land, landGradient());
    painter.fillPath(ice, QColor(226, 232, 236));

    painter.setPen(QPen(QColor(30, 44, 36, 110), 0.6 * gLineScale));
    painter.drawPath(coasts);
    painter.setPen(QPen(QColor(236, 232, 214, 130), 0.55 * gLineScale));
    painter.drawPath(borders);
    painter.setPen(QPen(QColor(255, 255, 255, 34), 0.8 * gLineScale));
    painter.drawPath(graticulePath());
    painter.end();
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: render-world-map OUTLINES.json OUTPUT.jpg [WIDTH]\n");
        return 2;
    }
    if (argc == 4) {
        bool ok = false;
        gWidth = QString::fromLocal8Bit(argv[3]).toInt(&ok);
        if (!ok || gWidth < 360 || gWidth > kLargestWidth || gWidth % 2 != 0) {
            std::fprintf(stderr, "WIDTH must be an even number from 360 to %d\n", kLargestWidth);
            return 2;
        }
        gHeight = gWidth / 2;
        gPixelsPerDegree = gWidth / 360.0;
        gLineScale = static_cast<double>(gWidth) / kDefaultWidth;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QJsonObject outlines = QJsonDocument::fromJson(input.readAll()).object();
    if (!outlines.contains("land")) {
        std::fprintf(stderr, "%s holds no land outlines\n", argv[1]);
        return 1;
    }
    if (!paintMap(outlines).save(QString::fromLocal8Bit(argv[2]), "JPG", kJpegQuality)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
