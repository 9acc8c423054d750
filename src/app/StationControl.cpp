#include "StationControl.h"

#include <QCoreApplication>
#include <QHash>

#include "PassData.h"
#include "SkelvorAppDelegate.h"
#include "TransmitterList.h"

namespace {

// Why a fetch brought no document: its own words, or the server's status.
QString fetchProblem(const FetchResult& answer) {
    if (!answer.failure.isEmpty()) return answer.failure;
    return QCoreApplication::translate("StationControl", "the server answered %1")
        .arg(answer.status);
}

std::chrono::milliseconds milliseconds(double seconds) {
    return std::chrono::milliseconds(static_cast<long long>(seconds * 1000.0));
}

}  // namespace

const QUrl StationControl::publicTransmitterList(
    QStringLiteral("https://db.satnogs.org/api/transmitters/?format=json"));

StationControl::StationControl(SkelvorAppDelegate& appDelegate, QString settingsPath)
    : appDelegate_(appDelegate), settingsPath_(std::move(settingsPath)) {
    if (!settingsPath_.isEmpty()) {
        settings_ = StationSettings::read(settingsPath_).value_or(StationSettings());
    }
    for (ControlConnection* connection : {&rig_, &rotator_}) {
        connect(connection, &ControlConnection::stateChanged, this,
                &StationControl::connectionChanged);
    }
}

StationControl::~StationControl() = default;

bool StationControl::setSettings(const StationSettings& settings) {
    settings_ = settings.validated();
    return settingsPath_.isEmpty() || settings_.write(settingsPath_);
}

void StationControl::setConnectionLimits(const ControlConnection::Limits& limits) {
    rig_.setLimits(limits);
    rotator_.setLimits(limits);
}

bool StationControl::isTracking() const {
    if (!session_) return false;
    const TrackingSession::Phase phase = session_->status().phase;
    return phase == TrackingSession::Phase::waiting || phase == TrackingSession::Phase::tracking;
}

QString StationControl::startTracking(std::shared_ptr<SatelliteData> satellite) {
    stopTracking();
    retireSession();
    const bool useRadio = settings_.radio.enabled;
    const bool useRotator = settings_.rotator.enabled;
    if (!useRadio && !useRotator) {
        return tr("Radio and rotator control are switched off in the preferences.");
    }
    const PassData pass(*satellite, std::nullopt, appDelegate_.minimumPathElevation());
    if (!pass.aos() || !pass.los()) {
        return tr("%1 has no pass to work.").arg(satellite->commonName());
    }
    const std::optional<radio::Channel> channel = radio::activeChannel(satellite->frequencyInfo());
    if (!channel && !useRotator) {
        return tr("%1 has no active frequency with a number in it.").arg(satellite->commonName());
    }
    rigInUse_ = useRadio && channel;
    rotatorInUse_ = useRotator;
    if (rigInUse_) rig_.open(settings_.radio.host, settings_.radio.port);
    if (rotatorInUse_) rotator_.open(settings_.rotator.host, settings_.rotator.port);
    session_ = std::make_unique<TrackingSession>(std::move(satellite), pass, channel, settings_,
                                                 appDelegate_, rigInUse_ ? &rig_ : nullptr,
                                                 rotatorInUse_ ? &rotator_ : nullptr);
    connect(session_.get(), &TrackingSession::statusChanged, this,
            &StationControl::trackingChanged);
    connect(session_.get(), &TrackingSession::finished, this, [this] {
        rig_.close();
        rotator_.close();
        rigInUse_ = rotatorInUse_ = false;
        emit trackingChanged();
    });
    session_->start(milliseconds(std::min(settings_.radio.interval, settings_.rotator.interval)));
    emit trackingChanged();
    return QString();
}

// The session stays, stopped, as the last one: the pass screen tells so.
void StationControl::stopTracking() {
    if (session_) session_->stop();
}

// The last session may be the sender of the signal that led here: it goes once that is over,
// or with this object, whichever comes first.
void StationControl::retireSession() {
    if (!session_) return;
    TrackingSession* old = session_.release();
    old->setParent(this);
    old->deleteLater();
}

QUrl StationControl::transmitterSource() const {
    if (!settings_.transmitters.source.isEmpty()) return settings_.transmitters.source;
    const QUrl elements = appDelegate_.elementServerBase();
    if (!isNetworkAddress(elements)) {
        return elements.resolved(QUrl(QStringLiteral("../../api/transmitters/transmitters.json")));
    }
    return publicTransmitterList;
}

void StationControl::elementSetsUpdated() {
    if (settings_.transmitters.importWithUpdate) importTransmitters();
}

void StationControl::importTransmitters() {
    if (isImporting()) return;
    // The list is JSON, served under various types: anything but an HTML page is taken.
    fetch_ = std::make_unique<TextFetch>(
        transmitterSource(), deadlines_, TextKind::plain, transmitterListMaxBytes,
        TextFetch::Progress(), [this](const FetchResult& answer) {
            fetch_.reset();
            if (!answer.document) {
                emit importFinished(
                    false,
                    tr("The transmitter list could not be read: %1.").arg(fetchProblem(answer)));
                return;
            }
            applyTransmitters(*answer.document);
        });
}

void StationControl::applyTransmitters(const QByteArray& json) {
    const auto read = readTransmitterList(json);
    if (const QString* refusal = std::get_if<QString>(&read)) {
        emit importFinished(false, *refusal + tr(" Nothing was changed."));
        return;
    }
    const TransmitterList& list = std::get<TransmitterList>(read);
    QHash<std::int32_t, std::vector<const Transmitter*>> bySatellite;
    for (const Transmitter& transmitter : list.transmitters) {
        bySatellite[transmitter.catalogNumber].push_back(&transmitter);
    }
    int changed = 0;
    for (const auto& category : appDelegate_.knownSatellites()) {
        for (const std::shared_ptr<SatelliteData>& satellite : category) {
            const auto found = bySatellite.constFind(satellite->catalogNumber());
            if (found == bySatellite.cend()) continue;
            const QList<FrequencyRecord> current =
                satellite->frequencyInfo().value_or(QList<FrequencyRecord>());
            const QList<FrequencyRecord> merged = mergeTransmitters(current, *found);
            if (merged == current) continue;
            satellite->setFrequencyInfo(merged);
            ++changed;
        }
    }
    if (changed > 0) appDelegate_.setPreferencesAltered(true);
    emit importFinished(true, tr("%1 transmitters read; the frequencies of %2 "
                                 "satellites changed.")
                                  .arg(list.transmitters.size())
                                  .arg(changed));
}
