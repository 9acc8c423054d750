// The editor of one of a satellite's frequency records: its uplink, downlink and comment, each in
// a single-line field. Every change is stored into the record in the satellite's list at once
// and asks for a save; an emptied field removes that entry from the record.
#pragma once

#include <QCoreApplication>
#include <memory>
#include <optional>

#include "FrequencyRecord.h"
#include "ViewController.h"

class SatelliteData;
class SkelvorAppDelegate;
class QLabel;
class TextField;

class FrequencyEditorController : public ViewController {
    Q_DECLARE_TR_FUNCTIONS(FrequencyEditorController)

public:
    // Edits the record at the index of the satellite's frequency list.
    FrequencyEditorController(std::shared_ptr<SatelliteData> satellite, int index);
    ~FrequencyEditorController() override;

    void viewWillAppear(bool animated) override;

    void uplinkValueChanged(const QString& text);
    void downlinkValueChanged(const QString& text);
    void commentValueChanged(const QString& text);

    // The record as the satellite holds it; none when the index is no longer in its list.
    std::optional<FrequencyRecord> data() const;

    TextField* uplinkValue() const { return uplinkValue_; }
    TextField* downlinkValue() const { return downlinkValue_; }
    TextField* commentValue() const { return commentValue_; }
    // Says that the record came from the transmitter import; hidden for the user's own.
    QLabel* importMark() const { return importMark_; }

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    // Changes the record in the satellite's list and asks for a save.
    void changeData(std::optional<QString> FrequencyRecord::*entry, const QString& text);
    void showImportMark();

    SkelvorAppDelegate* appDelegate_;
    std::shared_ptr<SatelliteData> satellite_;
    int index_;
    TextField* uplinkValue_ = nullptr;
    TextField* downlinkValue_ = nullptr;
    TextField* commentValue_ = nullptr;
    QLabel* importMark_ = nullptr;
};
