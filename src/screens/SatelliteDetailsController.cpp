#include "SatelliteDetailsController.h"

#include <QToolButton>
#include <algorithm>

#include "CommentEditorController.h"
#include "FrequencyEditorController.h"
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
constexpr std::size_t maximumFuturePasses = 10;
constexpr double defaultSpan = 1728000.0;  // seconds: 20 days

const QString passTimePattern = QStringLiteral("dd-MMM HH:mm:ss");

// Labels shrink a little where the system font is wider than their frames allow.
CellLabel caption(const QRectF& frame, const QString& text) {
    CellLabel label = cellLabel(frame, text, 14, true, Qt::blue);
    label.minimumFontSize = 10;
    return label;
}

CellLabel value(const QRectF& frame, const QString& text) {
    CellLabel label = cellLabel(frame, text, 12, false, Qt::black);
    label.minimumFontSize = 9;
    return label;
}

TableViewCell recordCell(const FrequencyRecord& record) {
    TableViewCell cell;
    cell.accessory = AccessoryType::disclosureIndicator;
    cell.labels.push_back(caption({10, 0, 50, 22}, QStringLiteral("Uplink")));
    cell.labels.push_back(value({60, 0, 90, 22}, record.uplink.value_or(QString())));
    cell.labels.push_back(caption({150, 0, 70, 22}, QStringLiteral("Downlink")));
    cell.labels.push_back(value({220, 0, 70, 22}, record.downlink.value_or(QString())));
    cell.labels.push_back(value({85, 22, 200, 20}, record.comment.value_or(QString())));
    CellButton button;
    button.frame = {10, 22, 70, 22};
    button.title = record.active ? QStringLiteral("Active") : QStringLiteral("Inactive");
    button.titleColor = record.active ? QColor(Qt::yellow) : QColor(Qt::black);
    button.background = record.active ? QColor(Qt::red) : QColor(Qt::transparent);
    cell.button = button;
    return cell;
}

TableViewCell newRecordCell() {
    TableViewCell cell;
    CellLabel label = cellLabel({10, 0, 280, 44}, QStringLiteral("Enter new frequency data here"),
                                17, true, Qt::darkGray);
    label.minimumFontSize = 12;
    cell.labels.push_back(label);
    return cell;
}

TableViewCell commentCell(const std::optional<QString>& comments) {
    TableViewCell cell;
    CellLabel label =
        cellLabel({10, 0, 280, 42}, comments.value_or(QString()), 14, true, Qt::black);
    label.wordWrap = true;
    cell.labels.push_back(label);
    return cell;
}

}  // namespace

SatelliteDetailsController::SatelliteDetailsController() = default;

SatelliteDetailsController::~SatelliteDetailsController() = default;

void SatelliteDetailsController::loadView() {
    displayTable_ = new TableView(TableViewStyle::grouped);
    displayTable_->setDataSource(this);
    displayTable_->setDelegate(this);
    setView(displayTable_);
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

void SatelliteDetailsController::viewWillDisappear(bool) { futurePasses_.clear(); }

// Passes from now while the start of the next search lies within the timetable's span, at most
// ten; the last one may end after the span. A search that finds no pass ends the list.
void SatelliteDetailsController::buildFuturePasses() {
    futurePasses_.clear();
    if (!targetSatellite_) return;
    double span = appDelegate_->passTimetableDuration() * 24.0;
    if (span < 1.0) span = defaultSpan;
    const Date now = appDelegate_->now();
    const Date end = now + span;
    Date from = now;
    while (futurePasses_.size() < maximumFuturePasses && !(end < from)) {
        auto pass = std::make_shared<PassData>(*targetSatellite_, from,
                                               appDelegate_->minimumPathElevation());
        if (!pass->aos() || !pass->los()) return;
        from = *pass->los();
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
        default:
            return 0;
    }
}

QString SatelliteDetailsController::titleForHeaderInSection(int section) {
    switch (section) {
        case frequencySection:
            return QStringLiteral("Frequency Information");
        case commentSection:
            return QStringLiteral("Comments");
        default:
            return QStringLiteral("Future Passes");
    }
}

TableViewCell SatelliteDetailsController::cellForRow(IndexPath path) {
    if (path.section == frequencySection) {
        return isRecordRow(path) ? recordCell(targetSatellite_->frequencyInfo()->at(path.row))
                                 : newRecordCell();
    }
    if (path.section == commentSection) return commentCell(targetSatellite_->comments());
    return passCell(*futurePasses_.at(static_cast<std::size_t>(path.row)));
}

TableViewCell SatelliteDetailsController::passCell(const PassData& pass) const {
    const auto time = [this](std::optional<Date> date) {
        return date ? appDelegate_->formatTime(*date, passTimePattern) : QString();
    };
    TableViewCell cell;
    cell.labels.push_back(caption({10, 0, 40, 22}, QStringLiteral("AOS")));
    cell.labels.push_back(value({45, 0, 110, 22}, time(pass.aos())));
    cell.labels.push_back(caption({150, 0, 40, 22}, QStringLiteral("LOS")));
    cell.labels.push_back(value({190, 0, 110, 22}, time(pass.los())));
    cell.labels.push_back(caption({10, 22, 110, 20}, QStringLiteral("Max Elevation")));
    cell.labels.push_back(
        value({115, 22, 175, 20}, QString::asprintf("%d °", pass.highestElevation())));
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

void SatelliteDetailsController::didSelectRow(IndexPath path) {
    if (isRecordRow(path)) {
        pushFrequencyEditor(path.row);
    } else if (path.section == commentSection) {
        pushCommentEditor();
    } else if (path.section == passSection) {
        navigationController()->pushViewController(
            std::make_unique<PassViewController>(
                targetSatellite_, futurePasses_.at(static_cast<std::size_t>(path.row))),
            true);
    }
}

void SatelliteDetailsController::pushFrequencyEditor(int index) {
    navigationController()->pushViewController(
        std::make_unique<FrequencyEditorController>(targetSatellite_, index), true);
}

void SatelliteDetailsController::pushCommentEditor() {
    navigationController()->pushViewController(
        std::make_unique<CommentEditorController>(targetSatellite_), true);
}
