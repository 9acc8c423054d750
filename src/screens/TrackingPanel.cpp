#include "TrackingPanel.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "SatelliteData.h"
#include "SettingsForm.h"
#include "StationControl.h"
#include "TextStyle.h"
#include "TrackingStatusText.h"

namespace {

bool isRetrying(const ControlConnection* connection) {
    return connection && connection->state() == ControlConnection::State::waitingToRetry;
}

}  // namespace

TrackingPanel::TrackingPanel(StationControl& station, std::shared_ptr<SatelliteData> satellite,
                             const SettingsStore& settings, QWidget* parent)
    : QWidget(parent), station_(station), satellite_(std::move(satellite)), settings_(settings) {
    trackButton_ = new QPushButton;
    phase_ = new QLabel;
    phase_->setWordWrap(true);
    details_ = new QLabel;
    details_->setWordWrap(true);
    details_->setFont(fontFor(TextStyle::detail, details_->font()));
    details_->setAccessibleName(tr("What is sent to the radio and the rotator"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 4);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    grid->addWidget(trackButton_, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(phase_, 0, 1);
    grid->addWidget(details_, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    QObject::connect(trackButton_, &QPushButton::clicked, this, [this] { trackClicked(); });
    QObject::connect(&station_, &StationControl::trackingChanged, this, [this] { refresh(); });
    QObject::connect(&station_, &StationControl::connectionChanged, this, [this] { refresh(); });
    refresh();
}

bool TrackingPanel::showsOwnSession() const {
    const TrackingSession* session = station_.tracking();
    return session && &session->satellite() == satellite_.get();
}

void TrackingPanel::refresh() {
    const bool own = showsOwnSession();
    const bool running = own && station_.isTracking();
    const StationSettings& settings = station_.settings();
    wanted_ = settings.radio.enabled || settings.rotator.enabled || running;
    setVisible(wanted_);
    trackButton_->setText(running ? tr("Stop tracking") : tr("Start tracking"));
    settings_form::markAsProblem(*phase_, !refusal_.isEmpty());
    QStringList lines;
    if (!refusal_.isEmpty()) {
        phase_->setText(refusal_);
    } else if (own) {
        const TrackingSession::Status& status = station_.tracking()->status();
        phase_->setText(tracking_text::phaseText(status, settings_));
        QStringList connections{
            tracking_text::connectionText(tr("Radio"), station_.rigConnection(),
                                          status.radioProblem),
            tracking_text::connectionText(tr("Rotator"), station_.rotatorConnection(),
                                          status.rotatorProblem)};
        connections.removeAll(QString());
        // Both on one line while all is well; a line each once there is something to read.
        const bool troubled = !status.radioProblem.isEmpty() || !status.rotatorProblem.isEmpty() ||
                              isRetrying(station_.rigConnection()) ||
                              isRetrying(station_.rotatorConnection());
        lines = {tracking_text::frequenciesText(status), tracking_text::pointingText(status),
                 connections.join(troubled ? QStringLiteral("\n") : QStringLiteral("  ·  "))};
        lines.removeAll(QString());
    } else if (station_.isTracking()) {
        phase_->setText(tr("%1 is being tracked; starting here stops that.")
                            .arg(station_.tracking()->satellite().commonName()));
    } else if (settings.radio.enabled && settings.rotator.enabled) {
        phase_->setText(tr("Sends this pass to the radio and the rotator."));
    } else {
        phase_->setText(settings.radio.enabled ? tr("Sends this pass to the radio.")
                                               : tr("Sends this pass to the rotator."));
    }
    details_->setText(lines.join(u'\n'));
    details_->setVisible(!lines.isEmpty());
    // The pass screen places the panel by hand; it lays out again for the new height.
    if (parentWidget())
        QCoreApplication::postEvent(parentWidget(), new QEvent(QEvent::LayoutRequest));
}

int TrackingPanel::heightFor(int width) const {
    if (!wanted_) return 0;
    const int height = heightForWidth(width);
    return height >= 0 ? height : sizeHint().height();
}

void TrackingPanel::trackClicked() {
    refusal_.clear();
    if (showsOwnSession() && station_.isTracking()) {
        station_.stopTracking();
        return;
    }
    refusal_ = station_.startTracking(satellite_);
    refresh();
}
