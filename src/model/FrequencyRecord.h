// One of the user's radio frequency entries for a satellite. Every field is optional; "Active"
// marks the entry whose frequencies the pass screen corrects for Doppler shift and the radio
// tracking sends.
#pragma once

#include <QCborMap>
#include <QString>
#include <optional>

struct FrequencyRecord {
    std::optional<QString> uplink;
    std::optional<QString> downlink;
    std::optional<QString> comment;
    bool active = false;
    // The radio's mode name for this entry ("FM", "USB", "CW" ...), sent while tracking.
    std::optional<QString> mode{};
    // A linear transponder whose downlink passband runs opposite to its uplink passband.
    bool inverting = false;

    // Where an entry taken from the transmitter database came from: the transmitter's
    // identifier and the fields as they were imported, so that an entry the user has changed
    // since is told apart from one that is still the import's own.
    struct Import {
        QString uuid;
        QString fields;
        bool operator==(const Import&) const = default;
    };
    std::optional<Import> imported{};

    bool operator==(const FrequencyRecord&) const = default;

    // The user-visible fields as one text, to compare an entry with its import.
    QString fieldsText() const;
    // Marks the entry as imported from the transmitter with this identifier, as it now stands.
    void markImported(const QString& uuid) { imported = Import{uuid, fieldsText()}; }
    // An imported entry that nobody has changed since: the import may replace or remove it.
    bool isUntouchedImport() const { return imported && imported->fields == fieldsText(); }

    // The archived form: a map with the keys "Uplink", "Downlink", "Comment" and "Mode" for
    // the fields present, "Active" and "Inverting" holding null on entries that have them, and
    // "Imported" holding a map of "Uuid" and "Fields" on imported entries. Values of another
    // type are read as absent, so a reader that knows only the first four keys reads the rest
    // as a plain entry.
    QCborMap toCbor() const;
    static FrequencyRecord fromCbor(const QCborValue& value);
};
