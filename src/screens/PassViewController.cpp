#include "PassViewController.h"

#include <QPlainTextEdit>
#include <QToolButton>
#include <algorithm>

#include "DrawingContext.h"
#include "FootprintController.h"
#include "HeldAngle.h"
#include "NavigationController.h"
#include "PassData.h"
#include "RadarView.h"
#include "SatelliteData.h"
#include "SatelliteDetailsController.h"
#include "SegmentedControl.h"
#include "SkelvorAppDelegate.h"
#include "Timer.h"

namespace {

constexpr double refreshInterval = 1.0;        // seconds
constexpr double accelerometerInterval = 0.1;  // seconds
constexpr double textSize = 14.0;

// The screen's layout: the square plot across the top, as wide as the screen while that leaves
// a few lines for the text block, which takes the rest below it.
class PassView : public QWidget {
public:
    PassView(RadarView* radar, QPlainTextEdit* text) : radar_(radar), text_(text) {
        radar_->setParent(this);
        text_->setParent(this);
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        const int side = std::max(0, std::min(width(), height() - minimumTextHeight));
        radar_->setGeometry((width() - side) / 2, 0, side, side);
        text_->setGeometry(0, side, width(), height() - side);
    }

private:
    static constexpr int minimumTextHeight = 80;
    RadarView* radar_;
    QPlainTextEdit* text_;
};

QString argument(const std::optional<QString>& value) { return value.value_or(QString()); }

}  // namespace

PassViewController::PassViewController(std::shared_ptr<SatelliteData> satellite,
                                       std::shared_ptr<PassData> specificPass)
    : appDelegate_(SkelvorAppDelegate::shared()),
      targetSatellite_(std::move(satellite)),
      specificPass_(std::move(specificPass)) {}

PassViewController::~PassViewController() = default;

void PassViewController::loadView() {
    radarView_ = new RadarView;
    passDataView_ = new QPlainTextEdit;
    passDataView_->setReadOnly(true);
    setView(new PassView(radarView_, passDataView_));
}

void PassViewController::viewDidLoad() {
    radarView_->setTargetSatellite(targetSatellite_);
    radarView_->setDisplayedPass(specificPass_);
    passDataView_->setFont(DrawingContext::systemFont(textSize));
    passDataView_->setPlainText(passDataText());
    setTitle(targetSatellite_->commonName());
    placeBarButton();
}

// The frequency records, each with its comment when it has one, then the satellite's comment.
QString PassViewController::passDataText() const {
    QString text;
    for (const FrequencyRecord& record :
         targetSatellite_->frequencyInfo().value_or(QList<FrequencyRecord>())) {
        text += QStringLiteral("Uplink: %1  DownLink: %2\n")
                    .arg(argument(record.uplink), argument(record.downlink));
        if (record.comment) text += QStringLiteral("   Comment: %1\n\n").arg(*record.comment);
    }
    const QString comments = argument(targetSatellite_->comments());
    if (!comments.isEmpty()) text += QStringLiteral("Comments:\n%1\n").arg(comments);
    return text;
}

// A screen for a given pass offers only the footprint map, the others the details screen too.
void PassViewController::placeBarButton() {
    if (specificPass_) {
        auto* footprint = new QToolButton;
        footprint->setText(QStringLiteral("Footprint"));
        footprint->setAutoRaise(true);
        QObject::connect(footprint, &QToolButton::clicked, this, [this] { footprintClicked(); });
        setRightBarButtonItem(footprint);
        return;
    }
    footprintDetailsButton_ =
        new SegmentedControl({QStringLiteral("Footprint"), QStringLiteral("Details")});
    footprintDetailsButton_->setMomentary(true);
    footprintDetailsButton_->setAction(
        [this] { footprintDetailsButton(*footprintDetailsButton_); });
    setRightBarButtonItem(footprintDetailsButton_);
}

void PassViewController::viewWillAppear(bool) {
    appDelegate_->setCurrentSatellite(targetSatellite_);
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
