// A navigation stack with a stand-in screen at its root, as the pass screen would be, and the
// details screen of one sample satellite pushed on it. The saves are watched through the
// delegate's save hook: each saved state's frequency list of the satellite is kept.
#pragma once

#include <QDir>
#include <QTest>
#include <mutex>

#include "NavigationController.h"
#include "SatelliteDetailsController.h"
#include "TableView.h"
#include "screen_fixture.h"

class DetailsScreen : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        app.setSaveHook([this](const SavedState& state) { keepSavedRecords(state); });
    }

    SatelliteDetailsController& open(const QString& name,
                                     std::optional<QList<FrequencyRecord>> records = {},
                                     std::optional<QString> comments = {}) {
        satellite = app.findSatelliteByCommonName(name);
        satellite->setFrequencyInfo(std::move(records));
        satellite->setComments(std::move(comments));
        app.setCurrentSatellite(satellite);
        {
            const std::lock_guard lock(savedLock);
            watchedName = name;
        }
        navigation = std::make_unique<NavigationController>(std::make_unique<ViewController>());
        navigation->resize(360, 700);
        navigation->show();
        auto screen = std::make_unique<SatelliteDetailsController>();
        details = screen.get();
        navigation->pushViewController(std::move(screen), true);
        return *details;
    }

    static QList<FrequencyRecord> records(const QStringList& uplinks) {
        QList<FrequencyRecord> list;
        for (const QString& uplink : uplinks) list.append(FrequencyRecord{uplink, {}, {}, false});
        return list;
    }

    QStringList uplinks() const {
        QStringList list;
        for (const FrequencyRecord& record :
             satellite->frequencyInfo().value_or(QList<FrequencyRecord>())) {
            list.append(record.uplink.value_or(QString()));
        }
        return list;
    }

    QList<bool> activeFlags() const {
        QList<bool> flags;
        for (const FrequencyRecord& record : *satellite->frequencyInfo()) {
            flags.append(record.active);
        }
        return flags;
    }

    // The satellite's frequency list as the latest save wrote it; none before any save.
    std::optional<std::optional<QList<FrequencyRecord>>> savedRecords() {
        app.waitForPendingSaves();
        const std::lock_guard lock(savedLock);
        return lastSavedRecords;
    }

    std::optional<QString> savedComment() {
        app.waitForPendingSaves();
        const std::lock_guard lock(savedLock);
        return lastSavedComment;
    }

    void click(IndexPath path) {
        TableView& table = *details->displayTable();
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.rectForRow(path).center());
    }

    // The centre of the row's button, where the table placed it.
    QPoint buttonCentre(IndexPath path) {
        TableView& table = *details->displayTable();
        for (const PlacedPiece& piece : table.geometryForRow(path, table.rectForRow(path)).pieces) {
            if (piece.button) return piece.rect.center().toPoint();
        }
        ADD_FAILURE() << "the row has no button";
        return {};
    }

    // Deletes the screens the stack took off.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Saves a picture of the stack when SKELVOR_SHOTS names a directory.
    void shoot(const QString& name) const {
        saveShot(*navigation, QStringLiteral("details-") + name);
    }

    std::shared_ptr<SatelliteData> satellite;
    std::unique_ptr<NavigationController> navigation;
    SatelliteDetailsController* details = nullptr;

private:
    void keepSavedRecords(const SavedState& state) {
        const std::lock_guard lock(savedLock);
        for (const SavedState::Category& category : state.knownSatellites) {
            for (const SavedState::Entry& entry : category.satellites) {
                if (entry.satellite.commonName != watchedName) continue;
                lastSavedRecords = entry.satellite.frequencyInfo;
                lastSavedComment = entry.satellite.comments;
            }
        }
    }

    std::mutex savedLock;
    QString watchedName;
    std::optional<std::optional<QList<FrequencyRecord>>> lastSavedRecords;
    std::optional<QString> lastSavedComment;
};
