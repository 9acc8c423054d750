#include "FrequencyEditorController.h"

#include <QFormLayout>
#include <QLabel>

#include "ImportMark.h"
#include "SatelliteData.h"
#include "SkelvorAppDelegate.h"
#include "TextField.h"
#include "TextStyle.h"

namespace {

TextField* makeField(const QString& placeholder) {
    auto* field = new TextField;
    field->setClearButtonEnabled(true);
    field->setPlaceholderText(placeholder);
    return field;
}

// A caption in the emphasised accent colour of the palette; it names its field for assistive
// technology too.
QLabel* makeCaption(const QString& text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setFont(fontFor(TextStyle::emphasis, label->font()));
    label->setForegroundRole(QPalette::Link);
    label->setBuddy(field);
    field->setAccessibleName(text);
    return label;
}

// An emptied field leaves no entry, as in a record that never had one.
std::optional<QString> entryText(const QString& text) {
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

}  // namespace

FrequencyEditorController::FrequencyEditorController(std::shared_ptr<SatelliteData> satellite,
                                                     int index)
    : appDelegate_(SkelvorAppDelegate::shared()), satellite_(std::move(satellite)), index_(index) {}

FrequencyEditorController::~FrequencyEditorController() = default;

void FrequencyEditorController::loadView() {
    auto* view = new QWidget;
    view->setAutoFillBackground(true);
    auto* form = new QFormLayout(view);
    form->setContentsMargins(12, 16, 12, 12);
    form->setVerticalSpacing(14);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    uplinkValue_ = makeField(tr("MHz, or kHz with the unit"));
    downlinkValue_ = makeField(tr("MHz, or kHz with the unit"));
    commentValue_ = makeField(tr("Mode, call sign, notes"));
    form->addRow(makeCaption(tr("Uplink"), uplinkValue_), uplinkValue_);
    form->addRow(makeCaption(tr("Downlink"), downlinkValue_), downlinkValue_);
    form->addRow(makeCaption(tr("Comment"), commentValue_), commentValue_);
    importMark_ = new QLabel;
    importMark_->setWordWrap(true);
    importMark_->setForegroundRole(QPalette::PlaceholderText);
    form->addRow(importMark_);
    setView(view);
}

void FrequencyEditorController::viewDidLoad() {
    setTitle(tr("Frequency Information"));
    uplinkValue_->setChangeAction([this](const QString& text) { uplinkValueChanged(text); });
    downlinkValue_->setChangeAction([this](const QString& text) { downlinkValueChanged(text); });
    commentValue_->setChangeAction([this](const QString& text) { commentValueChanged(text); });
}

void FrequencyEditorController::viewWillAppear(bool) {
    const FrequencyRecord record = data().value_or(FrequencyRecord{});
    uplinkValue_->setText(record.uplink.value_or(QString()));
    downlinkValue_->setText(record.downlink.value_or(QString()));
    commentValue_->setText(record.comment.value_or(QString()));
    showImportMark();
}

void FrequencyEditorController::showImportMark() {
    const QString mark = importNote(data().value_or(FrequencyRecord{}));
    importMark_->setText(mark);
    importMark_->setVisible(!mark.isEmpty());
}

void FrequencyEditorController::uplinkValueChanged(const QString& text) {
    changeData(&FrequencyRecord::uplink, text);
}

void FrequencyEditorController::downlinkValueChanged(const QString& text) {
    changeData(&FrequencyRecord::downlink, text);
}

void FrequencyEditorController::commentValueChanged(const QString& text) {
    changeData(&FrequencyRecord::comment, text);
}

std::optional<FrequencyRecord> FrequencyEditorController::data() const {
    const std::optional<QList<FrequencyRecord>>& records = satellite_->frequencyInfo();
    if (!records || index_ < 0 || index_ >= records->size()) return std::nullopt;
    return records->at(index_);
}

void FrequencyEditorController::changeData(std::optional<QString> FrequencyRecord::*entry,
                                           const QString& text) {
    if (!data()) return;
    QList<FrequencyRecord> records = *satellite_->frequencyInfo();
    records[index_].*entry = entryText(text);
    satellite_->setFrequencyInfo(std::move(records));
    showImportMark();
    appDelegate_->setPreferencesAltered(true);
}
