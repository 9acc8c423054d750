#include "TransmitterList.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>

#include "RadioFrequency.h"

namespace {

// Frequencies above this are not a radio link a tracker tunes (Hz).
constexpr double highestFrequency = 300e9;

std::optional<double> hertz(const QJsonValue& value) {
    if (!value.isDouble()) return std::nullopt;
    const double frequency = value.toDouble();
    if (!(frequency > 0.0 && frequency < highestFrequency)) return std::nullopt;
    return frequency;
}

QString text(const QJsonObject& object, const char* key) {
    return object.value(QLatin1String(key)).toString().trimmed();
}

std::optional<Transmitter> transmitterFrom(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    Transmitter t;
    t.uuid = text(object, "uuid");
    t.description = text(object, "description");
    t.type = text(object, "type");
    t.mode = text(object, "mode");
    t.status = text(object, "status");
    t.alive = object.value(QLatin1String("alive")).toBool();
    t.invert = object.value(QLatin1String("invert")).toBool();
    t.uplinkLow = hertz(object.value(QLatin1String("uplink_low")));
    t.uplinkHigh = hertz(object.value(QLatin1String("uplink_high")));
    t.downlinkLow = hertz(object.value(QLatin1String("downlink_low")));
    t.downlinkHigh = hertz(object.value(QLatin1String("downlink_high")));
    t.baud = object.value(QLatin1String("baud")).isDouble()
                 ? std::optional(object.value(QLatin1String("baud")).toDouble())
                 : std::nullopt;
    const double catalog = object.value(QLatin1String("norad_cat_id")).toDouble(0.0);
    if (catalog >= 1 && catalog <= 999999999 && catalog == std::floor(catalog)) {
        t.catalogNumber = static_cast<std::int32_t>(catalog);
    }
    const bool usable = !t.uuid.isEmpty() && t.uuid.size() <= 64 && t.catalogNumber > 0 &&
                        (t.downlinkLow || t.uplinkLow);
    if (!usable) return std::nullopt;
    return t;
}

// A link as the record's text: one frequency, or a passband "low-high", in MHz.
std::optional<QString> linkText(std::optional<double> low, std::optional<double> high) {
    if (!low) return std::nullopt;
    if (!high || *high == *low) return radio::megahertzText(*low);
    return radio::megahertzText(std::min(*low, *high)) + u'-' +
           radio::megahertzText(std::max(*low, *high));
}

// The database's mode names that are also the radio's mode names.
std::optional<QString> radioMode(const QString& mode) {
    const QString upper = mode.toUpper();
    static const QSet<QString> known{QStringLiteral("FM"), QStringLiteral("AM"),
                                     QStringLiteral("USB"), QStringLiteral("LSB"),
                                     QStringLiteral("CW")};
    if (known.contains(upper)) return upper;
    if (upper == u"SSB") return QStringLiteral("USB");
    return std::nullopt;
}

}  // namespace

FrequencyRecord Transmitter::toRecord() const {
    FrequencyRecord record;
    record.uplink = linkText(uplinkLow, uplinkHigh);
    record.downlink = linkText(downlinkLow, downlinkHigh);
    QString comment = description;
    if (!mode.isEmpty()) comment += QStringLiteral(" (%1)").arg(mode);
    if (baud && *baud > 0) comment += QStringLiteral(" %1 Bd").arg(*baud);
    record.comment = comment.trimmed();
    record.mode = radioMode(mode);
    record.inverting = invert;
    record.markImported(uuid);
    return record;
}

std::variant<TransmitterList, QString> readTransmitterList(const QByteArray& json) {
    if (json.size() > transmitterListMaxBytes) {
        return QCoreApplication::translate("TransmitterList",
                                           "The transmitter list is larger than %1 MB.")
            .arg(transmitterListMaxBytes / (1024 * 1024));
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        return QCoreApplication::translate("TransmitterList",
                                           "The transmitter list is not JSON (%1).")
            .arg(error.errorString());
    }
    if (!document.isArray())
        return QCoreApplication::translate("TransmitterList",
                                           "The transmitter list is not a list.");
    const QJsonArray array = document.array();
    if (array.size() > transmitterListMaxEntries) {
        return QCoreApplication::translate("TransmitterList",
                                           "The transmitter list has more than %1 entries.")
            .arg(transmitterListMaxEntries);
    }
    TransmitterList list;
    for (const QJsonValue& value : array) {
        if (std::optional<Transmitter> transmitter = transmitterFrom(value)) {
            list.transmitters.push_back(std::move(*transmitter));
        } else {
            ++list.skipped;
        }
    }
    if (list.transmitters.empty())
        return QCoreApplication::translate("TransmitterList", "The transmitter list is empty.");
    return list;
}

QList<FrequencyRecord> mergeTransmitters(const QList<FrequencyRecord>& records,
                                         const std::vector<const Transmitter*>& transmitters) {
    const auto listed = [&](const QString& uuid) -> const Transmitter* {
        for (const Transmitter* t : transmitters) {
            if (t->uuid == uuid && t->isActive()) return t;
        }
        return nullptr;
    };
    QList<FrequencyRecord> merged;
    QSet<QString> present;
    for (const FrequencyRecord& record : records) {
        if (record.imported) present.insert(record.imported->uuid);
        if (!record.isUntouchedImport()) {
            merged.append(record);
            continue;
        }
        if (const Transmitter* transmitter = listed(record.imported->uuid)) {
            FrequencyRecord renewed = transmitter->toRecord();
            renewed.active = record.active;
            merged.append(renewed);
        } else if (record.active) {
            merged.append(record);
        }
    }
    for (const Transmitter* transmitter : transmitters) {
        if (transmitter->isActive() && !present.contains(transmitter->uuid)) {
            merged.append(transmitter->toRecord());
            present.insert(transmitter->uuid);
        }
    }
    return merged;
}
