#include "TrackingSession.h"

#include <QPointer>

#include "PassData.h"
#include "RigCommands.h"
#include "SatelliteData.h"
#include "SettingsStore.h"

namespace {

// The VFO names of a radio with two receivers, as the daemon takes them.
const QString downlinkVfo = QStringLiteral("Main");
const QString uplinkVfo = QStringLiteral("Sub");

bool due(const std::optional<Date>& last, Date now, double interval) {
    return !last || now - *last >= interval || now < *last;
}

}  // namespace

TrackingSession::TrackingSession(std::shared_ptr<SatelliteData> satellite, const PassData& pass,
                                 std::optional<radio::Channel> channel,
                                 const StationSettings& settings, const SettingsStore& clock,
                                 CommandLink* rig, CommandLink* rotator, QObject* parent)
    : QObject(parent),
      satellite_(std::move(satellite)),
      settings_(settings),
      clock_(clock),
      rig_(channel ? rig : nullptr),
      rotatorLink_(rotator) {
    status_.aos = *pass.aos();
    status_.los = *pass.los();
    if (rig_) radio_.emplace(*channel, settings_.radio.step);
    if (rotatorLink_) {
        rotator_.emplace(RotatorSteering::forPass(*satellite_, pass, settings_.rotator.limits));
    }
    connect(&timer_, &QTimer::timeout, this, &TrackingSession::tick);
}

void TrackingSession::start(std::chrono::milliseconds tickInterval) {
    timer_.start(tickInterval);
    tick();
}

void TrackingSession::stop() { finish(Phase::stopped); }

void TrackingSession::finish(Phase phase) {
    timer_.stop();
    if (status_.phase == Phase::finished || status_.phase == Phase::stopped) return;
    status_.phase = phase;
    emit statusChanged();
    emit finished();
}

void TrackingSession::tick() {
    if (status_.phase == Phase::finished || status_.phase == Phase::stopped) return;
    const Date now = clock_.now();
    const Phase phase = now < status_.aos ? Phase::waiting : Phase::tracking;
    if (phase != status_.phase) {
        status_.phase = phase;
        emit statusChanged();
    }
    satellite_->predictLocationAt(now);
    const double rangeRate = satellite_->rangeRate();
    const RotatorPosition sky{satellite_->azimuth(), satellite_->elevation()};
    // A device whose link is busy or down is updated at the next tick that finds it free.
    if (now <= status_.los && due(radioUpdated_, now, settings_.radio.interval) &&
        updateRadio(rangeRate)) {
        radioUpdated_ = now;
    }
    if (due(rotatorUpdated_, now, settings_.rotator.interval) && updateRotator(now, sky)) {
        rotatorUpdated_ = now;
    }
    finishIfDone(now);
}

void TrackingSession::finishIfDone(Date now) {
    const bool parked = !rotator_ || rotator_->isParked(now);
    if (now > status_.los && (parked || now - status_.los > parkingTime)) finish(Phase::finished);
}

void TrackingSession::toRig(const ControlCommand& command, std::function<void()> acknowledged) {
    QPointer<TrackingSession> self(this);
    rig_->send(command, [self, acknowledged](const ControlReply& reply) {
        if (!self) return;
        if (reply.ok) {
            if (acknowledged) acknowledged();
            self->status_.radioProblem.clear();
        } else {
            self->status_.radioProblem = QStringLiteral("%1: %2").arg(reply.command, reply.error);
        }
        emit self->statusChanged();
    });
}

bool TrackingSession::updateRadio(double rangeRate) {
    if (!radio_ || !rig_->isReady() || !rig_->isIdle()) return false;
    if (!radio_->followsRadio() || !radio_->sent().downlink) {
        sendRadioChanges(rangeRate);
        return true;
    }
    // The user may have tuned the transponder's downlink: read it back first.
    if (settings_.radio.layout == VfoLayout::twoVfos) toRig(rigctl::setVfo(downlinkVfo));
    QPointer<TrackingSession> self(this);
    rig_->send(rigctl::getFrequency(), [self, rangeRate](const ControlReply& reply) {
        if (!self) return;
        if (const std::optional<double> frequency = rigctl::frequencyFrom(reply)) {
            self->radio_->radioDownlinkReadBack(*frequency, rangeRate);
        } else {
            self->status_.radioProblem = QStringLiteral("%1: %2").arg(
                reply.command, reply.ok ? tr("not a frequency") : reply.error);
            emit self->statusChanged();
        }
        self->sendRadioChanges(rangeRate);
    });
    return true;
}

void TrackingSession::sendRadioChanges(double rangeRate) {
    radio::RadioCommand command = radio_->changes(rangeRate);
    if (command.mode && !rigctl::isModeName(*command.mode)) {
        status_.radioProblem =
            tr("the mode \"%1\" is not one the radio takes").arg(command.mode->left(20));
        radio_->modeSent();
        command.mode.reset();
    }
    switch (settings_.radio.layout) {
        case VfoLayout::single:
            sendSingle(command);
            break;
        case VfoLayout::split:
            sendSplit(command);
            break;
        case VfoLayout::twoVfos:
            sendTwoVfos(command);
            break;
    }
}

void TrackingSession::sendSingle(const radio::RadioCommand& command) {
    if (command.mode) toRig(rigctl::setMode(*command.mode), modeNoted(*command.mode));
    // One VFO listens: the downlink, or the uplink of a record that has only an uplink.
    if (const auto down = command.frequencies.downlink) {
        toRig(rigctl::setFrequency(*down), downlinkNoted(*down));
    } else if (const auto up = command.frequencies.uplink; up && !radio_->channel().downlink) {
        toRig(rigctl::setFrequency(*up), uplinkNoted(*up));
    }
}

void TrackingSession::sendSplit(const radio::RadioCommand& command) {
    if (!splitSet_) toRig(rigctl::setSplit(true), [this] { splitSet_ = true; });
    if (command.mode) {
        const QString mode = *command.mode;
        toRig(rigctl::setMode(mode));
        toRig(rigctl::setSplitMode(radio_->channel().uplinkMode().value_or(mode)), modeNoted(mode));
    }
    if (const auto down = command.frequencies.downlink) {
        toRig(rigctl::setFrequency(*down), downlinkNoted(*down));
    }
    if (const auto up = command.frequencies.uplink) {
        toRig(rigctl::setSplitFrequency(*up), uplinkNoted(*up));
    }
}

void TrackingSession::sendTwoVfos(const radio::RadioCommand& command) {
    const auto down = command.frequencies.downlink;
    const auto up = command.frequencies.uplink;
    if (down || command.mode) {
        toRig(rigctl::setVfo(downlinkVfo));
        if (command.mode) toRig(rigctl::setMode(*command.mode));
        if (down) toRig(rigctl::setFrequency(*down), downlinkNoted(*down));
    }
    if (up || command.mode) {
        toRig(rigctl::setVfo(uplinkVfo));
        if (command.mode) {
            const QString mode = *command.mode;
            toRig(rigctl::setMode(radio_->channel().uplinkMode().value_or(mode)), modeNoted(mode));
        }
        if (up) toRig(rigctl::setFrequency(*up), uplinkNoted(*up));
        toRig(rigctl::setVfo(downlinkVfo));  // the user's dial back on the downlink
    }
}

// What the radio has taken, noted once it acknowledges each command.
std::function<void()> TrackingSession::modeNoted(const QString& mode) {
    return [this, mode] {
        radio_->modeSent();
        status_.modeSent = mode;
    };
}

std::function<void()> TrackingSession::downlinkNoted(double hz) {
    return [this, hz] {
        radio_->downlinkSent(hz);
        status_.radioSent.downlink = hz;
    };
}

std::function<void()> TrackingSession::uplinkNoted(double hz) {
    return [this, hz] {
        radio_->uplinkSent(hz);
        status_.radioSent.uplink = hz;
    };
}

bool TrackingSession::updateRotator(Date now, const RotatorPosition& sky) {
    if (!rotator_ || !rotatorLink_->isReady() || !rotatorLink_->isIdle()) return false;
    const std::optional<RotatorPosition> change = rotator_->change(now, sky);
    if (!change) return true;
    QPointer<TrackingSession> self(this);
    const RotatorPosition target = *change;
    rotatorLink_->send(rotctl::setPosition(target.azimuth, target.elevation),
                       [self, target](const ControlReply& reply) {
                           if (!self) return;
                           if (reply.ok) {
                               self->rotator_->positionSent(target);
                               self->status_.rotatorSent = target;
                               self->status_.rotatorProblem.clear();
                           } else {
                               self->status_.rotatorProblem =
                                   QStringLiteral("%1: %2").arg(reply.command, reply.error);
                           }
                           emit self->statusChanged();
                           self->finishIfDone(self->clock_.now());
                       });
    return true;
}
