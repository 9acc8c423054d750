// One satellite of the catalogue: its identity, status, epoch, the user's data and its orbital
// record, and the answers to where it is at any instant.
#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "ArchivedSatellite.h"
#include "Date.h"
#include "FrequencyRecord.h"
#include "records.h"

struct ElementValues;
class KeyedArchiver;
class KeyedUnarchiver;
class PassData;
class SettingsStore;

class SatelliteData {
public:
    // An empty satellite whose record is all zero.
    explicit SatelliteData(const SettingsStore* settings);
    SatelliteData(const SatelliteData&) = delete;
    SatelliteData& operator=(const SatelliteData&) = delete;

    // A satellite made from the three lines of an element set, complete for predictions; none
    // when the lines are not an element set.
    static std::shared_ptr<SatelliteData> createSatellite(
        const SettingsStore* settings, const QString& commonName, const QString& fileName,
        std::int32_t catalogNumber, const QString& tle, const QString& line1, const QString& line2);

    // A satellite made from the values of an element set read in either form, complete for
    // predictions.
    static std::shared_ptr<SatelliteData> createFromValues(const SettingsStore* settings,
                                                           const QString& commonName,
                                                           const QString& fileName,
                                                           std::int32_t catalogNumber,
                                                           const ElementValues& values);

    // Reads new element lines into the record, then predicts at the epoch and classifies the
    // orbit. Lines that are not an element set (an element line shorter than 68 characters, or
    // not beginning with its line number) leave the satellite unchanged and give false.
    bool processTLE(const QString& tle, const QString& line1, const QString& line2);
    // The same for the values of an element set read in either form.
    void processElementValues(const ElementValues& values) { completeElements(values); }

    // The satellite as archived; none when the entry holds no complete orbital record (a
    // longer block is read to its first 1432 bytes).
    static std::shared_ptr<SatelliteData> createWithCoder(const KeyedUnarchiver& coder,
                                                          const SettingsStore* settings);
    // The archived values as a plain copy, which the saved state encodes on its writer thread.
    ArchivedSatellite archived() const;
    void encodeWithCoder(KeyedArchiver& coder) const { archived().encodeWithCoder(coder); }

    // Fills the prediction fields of the record for the instant (now when none).
    void predictLocationAt(std::optional<Date> date = std::nullopt);

    // How far ahead the rise and set searches look by default, and a pass search at most.
    static constexpr double search_window = 864000.0;  // seconds: 10 days

    // The next rise (AOS) and set (LOS) from after (none: now) until before (none: 10 days
    // later); none when the satellite does not rise or set within that window. Both leave the
    // prediction fields at their last step.
    std::optional<Date> nextAOSAfter(std::optional<Date> after, std::optional<Date> before);
    std::optional<Date> nextLOSAfter(std::optional<Date> after, std::optional<Date> before);
    // The next rise from after until before (none: 10 days later) and the set that ends the
    // same pass, found from the rise itself (it may lie beyond before); none when either is
    // not found.
    struct RiseAndSet {
        Date rise;
        Date set;
    };
    std::optional<RiseAndSet> nextRiseAndSet(std::optional<Date> after, std::optional<Date> before);
    // The next rise or set from now, and the text "AOS: HH:mm:ss" or "LOS: HH:mm:ss" for it
    // ("No pass visible" when there is none; secondsToEvent then stays as it was).
    std::optional<Date> nextEventDate();
    QString nextEventDuration(double* secondsToEvent);
    QString nextEvent();

    // The cached next pass, built afresh once the cached one has set.
    std::shared_ptr<PassData> nextPass();
    void setNextPass(std::shared_ptr<PassData> pass) { nextPass_ = std::move(pass); }
    // Orders by the next event of each next pass; satellites without one sort last.
    int compareByEventDateWith(SatelliteData& other);
    // The same ordering of two next events already taken.
    static int compareEventDates(std::optional<Date> mine, std::optional<Date> theirs);

    const QString& tleFileName() const { return tleFileName_; }
    void setTleFileName(const QString& value) { tleFileName_ = value; }
    std::int32_t catalogNumber() const { return catalogNumber_; }
    void setCatalogNumber(std::int32_t value) { catalogNumber_ = value; }
    const QString& operationalStatus() const { return operationalStatus_; }
    void setOperationalStatus(const QString& value) { operationalStatus_ = value; }
    const QString& commonName() const { return commonName_; }
    void setCommonName(const QString& value) { commonName_ = value; }
    std::optional<Date> keplerDate() const { return keplerDate_; }
    void setKeplerDate(std::optional<Date> value) { keplerDate_ = value; }
    const std::optional<QList<FrequencyRecord>>& frequencyInfo() const { return frequencyInfo_; }
    void setFrequencyInfo(std::optional<QList<FrequencyRecord>> value) {
        frequencyInfo_ = std::move(value);
    }
    const std::optional<QString>& comments() const { return comments_; }
    void setComments(std::optional<QString> value) { comments_ = std::move(value); }

    const engine::sat_record_t& satelliteData() const { return satelliteData_; }
    void setSatelliteData(const engine::sat_record_t& record) { satelliteData_ = record; }
    const SettingsStore* appDelegate() const { return appDelegate_; }

    // The latest prediction, in degrees, km and km/s.
    double azimuth() const { return satelliteData_.az; }
    double elevation() const { return satelliteData_.el; }
    double latitude() const { return satelliteData_.ssplat; }
    double longitude() const { return satelliteData_.ssplon; }
    double range() const { return satelliteData_.range; }
    double rangeRate() const { return satelliteData_.range_rate; }
    double footprint() const { return satelliteData_.footprint; }
    double altitude() const { return satelliteData_.alt; }
    double velocity() const { return satelliteData_.vel.w; }
    double orbitPhase() const { return satelliteData_.phase; }
    std::int32_t orbit() const { return static_cast<std::int32_t>(satelliteData_.orbit); }
    std::int32_t orbitType() const { return satelliteData_.otype; }

private:
    // Converts the values to the record's units, then predicts at the epoch and classifies the
    // orbit.
    void completeElements(const ElementValues& values);
    void storeElements(const ElementValues& values);
    void classifyOrbit();
    bool canRise() const;
    // The start and end of a rise or set search, with the satellite predicted at the start;
    // none for a satellite that never rises or sets (geostationary, decayed, out of reach).
    struct SearchWindow {
        Date start;
        Date end;
    };
    std::optional<SearchWindow> searchWindow(std::optional<Date> after, std::optional<Date> before);

    QString tleFileName_;
    std::int32_t catalogNumber_ = 0;
    QString operationalStatus_;
    QString commonName_;
    std::optional<Date> keplerDate_;
    std::optional<QList<FrequencyRecord>> frequencyInfo_;
    std::optional<QString> comments_;
    alignas(8) engine::sat_record_t satelliteData_{};
    std::shared_ptr<PassData> nextPass_;
    const SettingsStore* appDelegate_;
};

// Sorts satellites by the next event of each one's next pass, stably, those without one last.
// Each next pass is asked for once before sorting, since asking may rebuild it.
void orderByNextEvent(QList<std::shared_ptr<SatelliteData>>& satellites);
