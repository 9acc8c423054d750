#include "StationSettings.h"

#include "KeyedArchiveFile.h"

namespace {

// The file holds a few dozen small values.
constexpr qint64 largest_file = 64 * 1024;  // bytes

namespace key {
const QString radio = QStringLiteral("Radio");
const QString rotator = QStringLiteral("Rotator");
const QString transmitters = QStringLiteral("Transmitters");
const QString enabled = QStringLiteral("Enabled");
const QString host = QStringLiteral("Host");
const QString port = QStringLiteral("Port");
const QString interval = QStringLiteral("Interval");
const QString layout = QStringLiteral("VfoLayout");
const QString step = QStringLiteral("Step");
const QString azimuthMin = QStringLiteral("AzimuthMin");
const QString azimuthMax = QStringLiteral("AzimuthMax");
const QString elevationMin = QStringLiteral("ElevationMin");
const QString elevationMax = QStringLiteral("ElevationMax");
const QString startElevation = QStringLiteral("StartElevation");
const QString parkAzimuth = QStringLiteral("ParkAzimuth");
const QString parkElevation = QStringLiteral("ParkElevation");
const QString tolerance = QStringLiteral("Tolerance");
const QString source = QStringLiteral("Source");
const QString importWithUpdate = QStringLiteral("ImportWithUpdate");
}  // namespace key

const QStringList layoutNames{QStringLiteral("Single"), QStringLiteral("Split"),
                              QStringLiteral("TwoVfos")};

double number(const QCborMap& map, const QString& name, double fallback) {
    const QCborValue value = map.value(name);
    return value.isDouble() || value.isInteger() ? value.toDouble() : fallback;
}

bool flag(const QCborMap& map, const QString& name, bool fallback) {
    const QCborValue value = map.value(name);
    return value.isBool() ? value.toBool() : fallback;
}

QString text(const QCborMap& map, const QString& name, const QString& fallback) {
    const QCborValue value = map.value(name);
    return value.isString() ? value.toString() : fallback;
}

quint16 port(const QCborMap& map, quint16 fallback) {
    const double value = number(map, key::port, fallback);
    return value >= 1 && value <= 65535 ? static_cast<quint16>(value) : fallback;
}

bool within(double value, double low, double high) { return value >= low && value <= high; }

// A host name or address: letters, digits, dots, dashes, colons (IPv6), at most 253.
bool isHostName(const QString& host) {
    if (host.isEmpty() || host.size() > 253) return false;
    return std::all_of(host.begin(), host.end(), [](QChar c) {
        return c.isLetterOrNumber() || c == u'.' || c == u'-' || c == u':' || c == u'_';
    });
}

}  // namespace

bool RotatorSettings::operator==(const RotatorSettings& other) const {
    const RotatorLimits& a = limits;
    const RotatorLimits& b = other.limits;
    return enabled == other.enabled && host == other.host && port == other.port &&
           interval == other.interval && a.azimuthMin == b.azimuthMin &&
           a.azimuthMax == b.azimuthMax && a.elevationMin == b.elevationMin &&
           a.elevationMax == b.elevationMax && a.startElevation == b.startElevation &&
           a.park == b.park && a.tolerance == b.tolerance;
}

StationSettings StationSettings::validated() const {
    const StationSettings defaults;
    StationSettings valid = *this;
    if (!isHostName(valid.radio.host)) valid.radio.host = defaults.radio.host;
    if (!isHostName(valid.rotator.host)) valid.rotator.host = defaults.rotator.host;
    if (!within(valid.radio.interval, shortestInterval, longestInterval)) {
        valid.radio.interval = defaults.radio.interval;
    }
    if (!within(valid.rotator.interval, shortestInterval, longestInterval)) {
        valid.rotator.interval = defaults.rotator.interval;
    }
    if (!within(valid.radio.step, 0.0, 100000.0)) valid.radio.step = defaults.radio.step;
    if (!valid.rotator.limits.isValid()) valid.rotator.limits = defaults.rotator.limits;
    const QString scheme = valid.transmitters.source.scheme();
    if (!valid.transmitters.source.isEmpty() && scheme != u"http" && scheme != u"https" &&
        scheme != u"qrc" && scheme != u"file") {
        valid.transmitters.source = QUrl();
    }
    return valid;
}

QCborMap StationSettings::toCbor() const {
    const RotatorLimits& l = rotator.limits;
    return {
        {key::radio, QCborMap{{key::enabled, radio.enabled},
                              {key::host, radio.host},
                              {key::port, radio.port},
                              {key::interval, radio.interval},
                              {key::layout, layoutNames[static_cast<int>(radio.layout)]},
                              {key::step, radio.step}}},
        {key::rotator, QCborMap{{key::enabled, rotator.enabled},
                                {key::host, rotator.host},
                                {key::port, rotator.port},
                                {key::interval, rotator.interval},
                                {key::azimuthMin, l.azimuthMin},
                                {key::azimuthMax, l.azimuthMax},
                                {key::elevationMin, l.elevationMin},
                                {key::elevationMax, l.elevationMax},
                                {key::startElevation, l.startElevation},
                                {key::parkAzimuth, l.park.azimuth},
                                {key::parkElevation, l.park.elevation},
                                {key::tolerance, l.tolerance}}},
        {key::transmitters, QCborMap{{key::source, transmitters.source.toString()},
                                     {key::importWithUpdate, transmitters.importWithUpdate}}},
    };
}

StationSettings StationSettings::fromCbor(const QCborMap& map) {
    StationSettings s;
    const QCborMap radio = map.value(key::radio).toMap();
    s.radio.enabled = flag(radio, key::enabled, s.radio.enabled);
    s.radio.host = text(radio, key::host, s.radio.host);
    s.radio.port = port(radio, s.radio.port);
    s.radio.interval = number(radio, key::interval, s.radio.interval);
    const qsizetype layout = layoutNames.indexOf(text(radio, key::layout, QString()));
    if (layout >= 0) s.radio.layout = static_cast<VfoLayout>(layout);
    s.radio.step = number(radio, key::step, s.radio.step);

    const QCborMap rotator = map.value(key::rotator).toMap();
    RotatorLimits& l = s.rotator.limits;
    s.rotator.enabled = flag(rotator, key::enabled, s.rotator.enabled);
    s.rotator.host = text(rotator, key::host, s.rotator.host);
    s.rotator.port = port(rotator, s.rotator.port);
    s.rotator.interval = number(rotator, key::interval, s.rotator.interval);
    l.azimuthMin = number(rotator, key::azimuthMin, l.azimuthMin);
    l.azimuthMax = number(rotator, key::azimuthMax, l.azimuthMax);
    l.elevationMin = number(rotator, key::elevationMin, l.elevationMin);
    l.elevationMax = number(rotator, key::elevationMax, l.elevationMax);
    l.startElevation = number(rotator, key::startElevation, l.startElevation);
    l.park.azimuth = number(rotator, key::parkAzimuth, l.park.azimuth);
    l.park.elevation = number(rotator, key::parkElevation, l.park.elevation);
    l.tolerance = number(rotator, key::tolerance, l.tolerance);

    const QCborMap transmitters = map.value(key::transmitters).toMap();
    s.transmitters.source = QUrl(text(transmitters, key::source, QString()));
    s.transmitters.importWithUpdate =
        flag(transmitters, key::importWithUpdate, s.transmitters.importWithUpdate);
    return s.validated();
}

std::optional<StationSettings> StationSettings::read(const QString& path) {
    const std::optional<QCborMap> map = KeyedArchiveFile(path, largest_file).readMap();
    if (!map) return std::nullopt;
    return fromCbor(*map);
}

bool StationSettings::write(const QString& path) const {
    return !KeyedArchiveFile(path, largest_file).write(QCborValue(toCbor()).toCbor());
}
