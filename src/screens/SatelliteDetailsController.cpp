#include "SatelliteDetailsController.h"

#include <QToolButton>
#include <algorithm>

#include "CommentEditorController.h"
#include "FrequencyEditorController.h"
#include "ImportMark.h"
#include "NavigationController.h"
#include "PassData.h"
#include "PassViewController.h"
#include "SatelliteData.h"
#include "SkelvorAppDelegate.h"
#include "TableView.h"

namespace {

constexpr int frequencySection = 0;
constexpr int commentSection = 1;
constexpr int passSection = 2;
constexpr int alertSection = 3;
constexpr std::size_t maximumFuturePasses = 10;

const QString passTimePattern = QStringLiteral("dd-MMM HH:mm:ss");

// A captioned value: the caption in the accent colour, the value in the text colour.
CellItem captioned(const QString& caption, const QString& value) {
    return CellItem{caption, value, TextStyle::body, CellColour::text, std::nullopt};
}

// The uplink and downlink, then the activity button and the record's comment.
TableViewCell recordCell(const FrequencyRecord& record) {
    TableViewCell cell;
    cell.accessory = AccessoryType::disclosureIndicator;
    cell.lines.push_back(
        {captioned(QCoreApplication::translate("SatelliteDetailsController", "Uplink"),
                   record.uplink.value_or(QString())),
         captioned(QCoreApplication::translate("SatelliteDetailsController", "Downlink"),
                   record.downlink.value_or(QString()))});
    CellItem activity{QString(),
                      record.active
                          ? QCoreApplication::translate("SatelliteDetailsController", "Active")
                          : QCoreApplication::translate("SatelliteDetailsController", "Inactive"),
                      TextStyle::emphasis, CellColour::text, CellButton{}};
    // The active record's button is lit in the same colours in every palette.
    if (record.active) activity.button = CellButton{QColor(Qt::yellow), QColor(Qt::red)};
    CellLine second{activity};
    if (record.comment) second.push_back(captioned(QString(), *record.comment));
    const QString mark = importMark(record);
    if (!mark.isEmpty())
        second.push_back({QString(), mark, TextStyle::detail, CellColour::placeholder});
    cell.lines.push_back(second);
    return cell;
}

TableViewCell newRecordCell() {
    TableViewCell cell;
    cell.lines = {cellLine(
        QCoreApplication::translate("SatelliteDetailsController", "Enter new frequency data here"),
        TextStyle::emphasis, CellColour::placeholder)};
    return cell;
}

// The whole comment, on as many lines as it needs.
TableViewCell commentCell(const std::optional<QString>& comments) {
    TableViewCell cell;
    cell.lines = {cellLine(comments.value_or(QString()), TextStyle::emphasis)};
    return cell;
}

}  // namespace

SatelliteDetailsController::SatelliteDetailsController()
    : calendarExport_([this] { return calendarContent(); }) {}

SatelliteDetailsController::~SatelliteDetailsController() = default;

void SatelliteDetailsController::loadView() {
    displayTable_ = new TableView(TableViewStyle::grouped);
    displayTable_->setDataSource(this);
    displayTable_->setDelegate(this);
    setView(calendarExport_.frame(displayTable_));
}

void SatelliteDetailsController::viewDidLoad() {
    appDelegate_ = SkelvorAppDelegate::shared();
    targetSatellite_ = appDelegate_->currentSatellite();
    setRightBarButtonItem(editButtonItem());
    if (targetSatellite_) setTitle(targetSatellite_->commonName());
}

void SatelliteDetailsController::viewWillAppear(bool) {
    buildFuturePasses();
    displayTable_->reloadData();
}

void SatelliteDetailsController::viewWillDisappear(bool) {
    futurePasses_.clear();
    futureVisible_.clear();
}

// Passes from now while the start of the next search lies within the timetable's span, at most
// ten; the last one may end after the span. A search that finds no pass ends the list.
void SatelliteDetailsController::buildFuturePasses() {
    futurePasses_.clear();
    futureVisible_.clear();
    if (!targetSatellite_) return;
    const Date now = appDelegate_->now();
    const Date end = now + futurePassSpan(appDelegate_->passTimetableDuration());
    Date from = now;
    while (futurePasses_.size() < maximumFuturePasses && !(end < from)) {
        auto pass = std::make_shared<PassData>(*targetSatellite_, from,
                                               appDelegate_->minimumPathElevation());
        if (!pass->aos() || !pass->los()) return;
        from = *pass->los();
        const VisibilityConditions conditions = appDelegate_->watchSettings().conditions(
            static_cast<double>(appDelegate_->minimumPathElevation()));
        futureVisible_.push_back(
            appDelegate_->watchSettings().marksVisibility()
                ? PassVisibility(*targetSatellite_, *pass, conditions).visiblePart()
                : std::nullopt);
        futurePasses_.push_back(std::move(pass));
    }
}

void SatelliteDetailsController::setEditing(bool editing, bool animated) {
    if (editing == isEditing()) return;
    ViewController::setEditing(editing, animated);
    if (!displayTable_) return;
    displayTable_->setEditing(editing, animated);
    const QList<IndexPath> extraRow{{frequencySection, recordCount()}};
    displayTable_->beginUpdates();
    if (editing) {
        displayTable_->insertRowsAtIndexPaths(extraRow);
    } else {
        displayTable_->deleteRowsAtIndexPaths(extraRow);
    }
    displayTable_->endUpdates();
}

int SatelliteDetailsController::recordCount() const {
    if (!targetSatellite_ || !targetSatellite_->frequencyInfo()) return 0;
    return static_cast<int>(targetSatellite_->frequencyInfo()->size());
}

bool SatelliteDetailsController::isRecordRow(IndexPath path) const {
    return path.section == frequencySection && path.row >= 0 && path.row < recordCount();
}

int SatelliteDetailsController::numberOfRowsInSection(int section) {
    switch (section) {
        case frequencySection:
            return recordCount() + (isEditing() ? 1 : 0);
        case commentSection:
            return targetSatellite_ ? 1 : 0;
        case passSection:
            return static_cast<int>(futurePasses_.size());
        case alertSection:
            return targetSatellite_ ? 1 : 0;
        default:
            return 0;
    }
}

QString SatelliteDetailsController::titleForHeaderInSection(int section) {
    switch (section) {
        case frequencySection:
            return tr("Frequency Information");
        case commentSection:
            return tr("Comments");
        case alertSection:
            return tr("Pass Alerts");
        default:
            // The passes' times are in the zone named here, once for all of them.
            return tr("Future Passes (%1)")
                .arg(appDelegate_->zoneAbbreviation(appDelegate_->now()));
    }
}

TableViewCell SatelliteDetailsController::cellForRow(IndexPath path) {
    if (path.section == frequencySection) {
        return isRecordRow(path) ? recordCell(targetSatellite_->frequencyInfo()->at(path.row))
                                 : newRecordCell();
    }
    if (path.section == commentSection) return commentCell(targetSatellite_->comments());
    if (path.section == alertSection) {
        const bool on = appDelegate_->watchSettings().alertsOn(targetSatellite_->commonName());
        CellItem alerts{tr("Alert before each rise"), on ? tr("On") : tr("Off"),
                        TextStyle::emphasis, CellColour::text, CellButton{}};
        TableViewCell cell;
        cell.lines = {{alerts}};
        return cell;
    }
    const auto index = static_cast<std::size_t>(path.row);
    return passCell(*futurePasses_.at(index), futureVisible_.at(index));
}

TableViewCell SatelliteDetailsController::passCell(
    const PassData& pass, const std::optional<VisiblePart>& visible) const {
    const auto time = [this](std::optional<Date> date) {
        return date ? appDelegate_->formatTime(*date, passTimePattern) : QString();
    };
    TableViewCell cell;
    cell.lines.push_back(
        {captioned(tr("AOS"), time(pass.aos())), captioned(tr("LOS"), time(pass.los()))});
    cell.lines.push_back(
        {captioned(tr("Max Elevation"), QString::asprintf("%d °", pass.highestElevation()))});
    if (visible) {
        cell.lines.push_back({captioned(
            tr("Visible"), tr("%1 to %2").arg(time(visible->start), time(visible->end)))});
    }
    return cell;
}

EditingStyle SatelliteDetailsController::editingStyleForRow(IndexPath path) {
    switch (path.section) {
        case frequencySection:
            return isRecordRow(path) ? EditingStyle::remove : EditingStyle::insert;
        case commentSection:
            return EditingStyle::insert;
        default:
            return EditingStyle::none;
    }
}

void SatelliteDetailsController::commitEditingStyle(EditingStyle style, IndexPath path) {
    if (path.section == commentSection && style == EditingStyle::insert) {
        pushCommentEditor();
    } else if (path.section == frequencySection && style == EditingStyle::insert) {
        addRecord();
    } else if (isRecordRow(path) && style == EditingStyle::remove) {
        removeRecord(path.row);
        displayTable_->deleteRowsAtIndexPaths({path});
    }
}

// A new empty record at the end, filled in by its editor, which asks for the save.
void SatelliteDetailsController::addRecord() {
    QList<FrequencyRecord> records =
        targetSatellite_->frequencyInfo().value_or(QList<FrequencyRecord>());
    records.append(FrequencyRecord{});
    targetSatellite_->setFrequencyInfo(std::move(records));
    pushFrequencyEditor(recordCount() - 1);
}

void SatelliteDetailsController::removeRecord(int index) {
    QList<FrequencyRecord> records = *targetSatellite_->frequencyInfo();
    records.removeAt(index);
    targetSatellite_->setFrequencyInfo(std::move(records));
    appDelegate_->setPreferencesAltered(true);
}

void SatelliteDetailsController::moveRow(IndexPath from, IndexPath to) {
    if (!isRecordRow(from) || !isRecordRow(to)) return;
    QList<FrequencyRecord> records = *targetSatellite_->frequencyInfo();
    records.move(from.row, to.row);
    targetSatellite_->setFrequencyInfo(std::move(records));
    appDelegate_->setPreferencesAltered(true);
}

// A record goes only to another record row: never below them onto the extra row, nor into
// another section.
IndexPath SatelliteDetailsController::targetIndexPathForMove(IndexPath from, IndexPath proposed) {
    if (!isRecordRow(from)) return from;
    if (proposed.section < frequencySection) return {frequencySection, 0};
    if (proposed.section > frequencySection) return {frequencySection, recordCount() - 1};
    return {frequencySection, std::clamp(proposed.row, 0, recordCount() - 1)};
}

void SatelliteDetailsController::activateFrequency(int index) {
    if (!isRecordRow({frequencySection, index})) return;
    QList<FrequencyRecord> records = *targetSatellite_->frequencyInfo();
    for (FrequencyRecord& record : records) record.active = false;
    records[index].active = true;
    targetSatellite_->setFrequencyInfo(std::move(records));
    displayTable_->reloadData();
    appDelegate_->setPreferencesAltered(true);
}

void SatelliteDetailsController::cellButtonTapped(IndexPath path) {
    if (path.section == alertSection) {
        toggleAlerts();
    } else {
        activateFrequency(path.row);
    }
}

void SatelliteDetailsController::toggleAlerts() {
    if (!targetSatellite_) return;
    WatchSettings settings = appDelegate_->watchSettings();
    const QString name = targetSatellite_->commonName();
    settings.setAlertsOn(name, !settings.alertsOn(name));
    appDelegate_->setWatchSettings(std::move(settings));
    displayTable_->reloadData();
}

void SatelliteDetailsController::didSelectRow(IndexPath path) {
    if (isRecordRow(path)) {
        pushFrequencyEditor(path.row);
    } else if (path.section == commentSection) {
        pushCommentEditor();
    } else if (path.section == alertSection) {
        toggleAlerts();
    } else if (path.section == passSection) {
        navigationController()->pushViewController(
            std::make_unique<PassViewController>(
                targetSatellite_, futurePasses_.at(static_cast<std::size_t>(path.row))),
            true);
    }
}

CalendarExport::Content SatelliteDetailsController::calendarContent() const {
    if (!targetSatellite_) return {};
    const QString name = targetSatellite_->commonName();
    return {CalendarExport::futurePasses({targetSatellite_}), name + QStringLiteral("-passes.ics"),
            tr("No pass of %1 rises, reaches the minimum elevation and sets within the next %n "
               "day(s).",
               nullptr, CalendarExport::futureDays())
                .arg(name)};
}

void SatelliteDetailsController::pushFrequencyEditor(int index) {
    navigationController()->pushViewController(
        std::make_unique<FrequencyEditorController>(targetSatellite_, index), true);
}

void SatelliteDetailsController::pushCommentEditor() {
    navigationController()->pushViewController(
        std::make_unique<CommentEditorController>(targetSatellite_), true);
}
