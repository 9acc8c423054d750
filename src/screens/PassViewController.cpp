#include "PassViewController.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QToolButton>
#include <algorithm>

#include "FootprintController.h"
#include "HeldAngle.h"
#include "NavigationController.h"
#include "NotificationCenter.h"
#include "PassData.h"
#include "PassLayout.h"
#include "RadarView.h"
#include "SatelliteData.h"
#include "SatelliteDetailsController.h"
#include "SegmentedControl.h"
#include "SkelvorAppDelegate.h"
#include "Timer.h"
#include "TrackingPanel.h"

namespace {

constexpr double refreshInterval = 1.0;        // seconds
constexpr double accelerometerInterval = 0.1;  // seconds
constexpr int textLinesKept = 6;               // lines of the text block shown at the least
constexpr int textColumnsKept = 30;            // its least width beside the plot, in ems

// The screen's layout: the plot and the text block share the view as passAreas says, measured
// in the text block's font; the tracking block, when there is one, heads the text's area.
class PassView : public QWidget {
public:
    PassView(RadarView* radar, QPlainTextEdit* text, TrackingPanel* tracking)
        : radar_(radar), text_(text), tracking_(tracking) {
        radar_->setParent(this);
        text_->setParent(this);
        if (tracking_) tracking_->setParent(this);
    }

protected:
    void resizeEvent(QResizeEvent*) override { layOut(); }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest) layOut();
        return QWidget::event(event);
    }

private:
    int trackingHeight(int width) const { return tracking_ ? tracking_->heightFor(width) : 0; }
    void layOut() {
        const QFontMetrics metrics(text_->font());
        const QMargins frame = text_->contentsMargins();
        const QSize minimumText(textColumnsKept * metrics.horizontalAdvance(u'M'),
                                textLinesKept * metrics.lineSpacing() + frame.top() +
                                    frame.bottom() +
                                    2 * static_cast<int>(text_->document()->documentMargin()) +
                                    trackingHeight(width()));
        const PassAreas areas = passAreas(size(), minimumText, radar_->preferredHeight(width()));
        radar_->setGeometry(areas.plot);
        const int tracking = trackingHeight(areas.text.width());
        if (tracking_)
            tracking_->setGeometry(areas.text.adjusted(0, 0, 0, tracking - areas.text.height()));
        text_->setGeometry(areas.text.adjusted(0, tracking, 0, 0));
    }

    RadarView* radar_;
    QPlainTextEdit* text_;
    TrackingPanel* tracking_;
};

QString argument(const std::optional<QString>& value) { return value.value_or(QString()); }

}  // namespace

PassViewController::PassViewController(std::shared_ptr<SatelliteData> satellite,
                                       std::shared_ptr<PassData> specificPass)
    : appDelegate_(SkelvorAppDelegate::shared()),
      targetSatellite_(std::move(satellite)),
      specificPass_(std::move(specificPass)) {}

PassViewController::~PassViewController() {
    NotificationCenter::defaultCenter().removeObserver(preferencesObserver_);
}

void PassViewController::loadView() {
    radarView_ = new RadarView;
    passDataView_ = new QPlainTextEdit;
    passDataView_->setReadOnly(true);
    passDataView_->setTabChangesFocus(true);  // Tab moves on, as everywhere in the window
    passDataView_->setAccessibleName(tr("Frequencies and comments"));
    if (!specificPass_) {
        trackingPanel_ =
            new TrackingPanel(appDelegate_->station(), targetSatellite_, *appDelegate_);
    }
    setView(new PassView(radarView_, passDataView_, trackingPanel_));
}

void PassViewController::viewDidLoad() {
    radarView_->setTargetSatellite(targetSatellite_);
    radarView_->setDisplayedPass(specificPass_);
    setTitle(targetSatellite_->commonName());
    placeBarButton();
    // Every change of a record, the comment, the position or a setting shows at once.
    preferencesObserver_ = NotificationCenter::defaultCenter().addObserver(
        SkelvorAppDelegate::preferencesAlteredNotification,
        [this](const Notification&) { preferencesAltered(); });
}

void PassViewController::preferencesAltered() {
    passDataView_->setPlainText(passDataText());
    // A pass the plot found itself is found again for the new position and settings; one the
    // user chose stays.
    if (!specificPass_) radarView_->setDisplayedPass(nullptr);
    radarView_->update();
}

// The frequency records, each with its comment when it has one, then the satellite's comment.
QString PassViewController::passDataText() const {
    QString text;
    for (const FrequencyRecord& record :
         targetSatellite_->frequencyInfo().value_or(QList<FrequencyRecord>())) {
        text += tr("Uplink: %1  DownLink: %2\n")
                    .arg(argument(record.uplink), argument(record.downlink));
        if (record.comment) text += tr("   Comment: %1\n\n").arg(*record.comment);
    }
    const QString comments = argument(targetSatellite_->comments());
    if (!comments.isEmpty()) text += tr("Comments:\n%1\n").arg(comments);
    return text;
}

// A screen for a given pass offers only the footprint map, the others the details screen too.
void PassViewController::placeBarButton() {
    if (specificPass_) {
        auto* footprint = new QToolButton;
        footprint->setText(tr("Footprint"));
        footprint->setAutoRaise(true);
        QObject::connect(footprint, &QToolButton::clicked, this, [this] { footprintClicked(); });
        setRightBarButtonItem(footprint);
        return;
    }
    footprintDetailsButton_ = new SegmentedControl({tr("Footprint"), tr("Details")});
    footprintDetailsButton_->setMomentary(true);
    footprintDetailsButton_->setAccessibleName(tr("Footprint and details"));
    footprintDetailsButton_->setAction(
        [this] { footprintDetailsButton(*footprintDetailsButton_); });
    setRightBarButtonItem(footprintDetailsButton_);
}

void PassViewController::viewWillAppear(bool) {
    appDelegate_->setCurrentSatellite(targetSatellite_);
    passDataView_->setPlainText(passDataText());
    if (trackingPanel_) trackingPanel_->refresh();
    accelerometer_.start(accelerometerInterval,
                         [this](double acceleration) { accelerometer(acceleration); });
    refreshTimer_ = Timer::scheduledTimer(
        refreshInterval, [this] { refreshView(); }, true);
}

void PassViewController::viewWillDisappear(bool) {
    if (refreshTimer_) refreshTimer_->invalidate();
    refreshTimer_.reset();
    accelerometer_.stop();
    appDelegate_->setCurrentSatellite(nullptr);
}

void PassViewController::refreshView() {
    if (isViewLoaded()) radarView_->update();
}

void PassViewController::accelerometer(double acceleration) {
    yOrientation_ = radar::smoothedOrientation(yOrientation_, acceleration);
    if (isViewLoaded()) radarView_->setDeviceElevation(yOrientation_);
}

void PassViewController::footprintClicked() {
    navigationController()->pushViewController(
        std::make_unique<FootprintController>(targetSatellite_, specificPass_), true);
}

void PassViewController::footprintDetailsButton(const SegmentedControl& sender) {
    if (sender.selectedSegmentIndex() == 0) {
        footprintClicked();
        return;
    }
    navigationController()->pushViewController(std::make_unique<SatelliteDetailsController>(),
                                               true);
}
