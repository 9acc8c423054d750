// Records from the transmitter import are marked in the details' frequency list and in the
// frequency editor; an edit by the user turns the mark into "changed", and the user's own
// records carry none.
#include <QLabel>

#include "FrequencyEditorController.h"
#include "SatelliteDetailsController.h"
#include "TableView.h"
#include "TextField.h"
#include "station_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("station_screen_tests");

namespace {

FrequencyRecord typedRecord() {
    return FrequencyRecord{QStringLiteral("145.990"), QStringLiteral("437.800"),
                           QStringLiteral("typed"), true};
}

FrequencyRecord importedRecord() {
    FrequencyRecord record{std::nullopt, QStringLiteral("437.25"),
                           QStringLiteral("Sample cubesat telemetry (GMSK)"), false};
    record.markImported(QStringLiteral("uuid-telemetry"));
    return record;
}

class ImportMarks : public StationScreen {
protected:
    void SetUp() override {
        StationScreen::SetUp();
        satellite = app.findSatelliteByCommonName(QStringLiteral("SAMPLE STATION"));
        satellite->setFrequencyInfo(QList{typedRecord(), importedRecord()});
        app.setCurrentSatellite(satellite);
        details = show(std::make_unique<SatelliteDetailsController>());
    }

    QString rowText(int row) const {
        return details->displayTable()->cellForRow({0, row}).texts().join(u'|');
    }

    std::shared_ptr<SatelliteData> satellite;
    SatelliteDetailsController* details = nullptr;
};

}  // namespace

TEST_F(ImportMarks, TheListAndTheEditorMarkImportedRecords) {
    EXPECT_FALSE(rowText(0).contains(QStringLiteral("Imported")));
    EXPECT_TRUE(rowText(1).endsWith(QStringLiteral("|Imported"))) << rowText(1).toStdString();
    saveShot(window, QStringLiteral("details-imported"));

    details->didSelectRow({0, 1});
    auto* editor = static_cast<FrequencyEditorController*>(navigation->topViewController());
    EXPECT_FALSE(editor->importMark()->isHidden());
    EXPECT_TRUE(editor->importMark()->text().startsWith(QStringLiteral("Imported from")));
    QTest::keyClicks(editor->commentValue(), QStringLiteral(", 9k6"));
    EXPECT_TRUE(editor->importMark()->text().contains(QStringLiteral("changed by you")))
        << "said as soon as the user changes it";
    navigation->popViewControllerAnimated(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return navigation->topViewController() == details; }));
    EXPECT_TRUE(rowText(1).endsWith(QStringLiteral("|Imported, changed by you")))
        << rowText(1).toStdString();

    details->didSelectRow({0, 0});
    editor = static_cast<FrequencyEditorController*>(navigation->topViewController());
    EXPECT_TRUE(editor->importMark()->isHidden()) << "the user's own record";
}
