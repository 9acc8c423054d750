// The satellites tab on the sample catalogue, shown offscreen: the category screen at the root of
// a navigation stack, helpers that add categories of made-up satellites, tap rows, and record
// the selection of every saved state.
#pragma once

#include <QDir>
#include <QTest>
#include <memory>
#include <mutex>

#include "CategorySelectionController.h"
#include "NavigationController.h"
#include "checksummed_lines.h"
#include "screen_fixture.h"

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

class SelectionScreenFixture : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        app.setSaveHook([this](const SavedState& state) {
            const std::lock_guard lock(savedLock);
            savedSelections.append(state.selectedSatellites);
        });
    }

    void TearDown() override {
        navigation.reset();
        ScreenFixture::TearDown();
    }

    // Shows the tab with the category screen at its root.
    CategorySelectionController& showCategories() {
        auto root = std::make_unique<CategorySelectionController>();
        CategorySelectionController& categories = *root;
        navigation = std::make_unique<NavigationController>(std::move(root));
        navigation->resize(390, 720);
        navigation->show();
        return categories;
    }

    // Adds satellites with the given name lines ("NAME [+]") to a category, numbered from 1.
    void mergeCategory(const QString& category, const QStringList& nameLines) {
        QString text;
        for (int i = 0; i < nameLines.size(); ++i) text += elementSet(nameLines[i], i + 1);
        app.mergeTLEFile(text, category, category + QStringLiteral(".txt"));
    }

    // A category "Bulk" of satellites "BULK 00001" and on, listed in the file backwards.
    void mergeBulkCategory(int count) {
        QString text;
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("BULK %1 [+]").arg(count - i, 5, 10, QChar(u'0'));
            text += elementSet(name, i + 1);
        }
        app.mergeTLEFile(text, "Bulk", "bulk.txt");
    }

    static QString elementSet(const QString& nameLine, int catalogNumber) {
        QString line1("1 99001U 98067A   26340.50000000  .00012000  00000-0  21000-3 0  9998");
        QString line2("2 99001  51.6400 120.0000 0006000  80.0000 280.0000 15.50000000300019");
        const QString number = QString::number(catalogNumber).rightJustified(5, u'0');
        line1.replace(2, 5, number);
        line2.replace(2, 5, number);
        return nameLine + u'\n' + withChecksum(line1) + u'\n' + withChecksum(line2) + u'\n';
    }

    static void tap(TableView* table, IndexPath path) {
        const QRect row = table->rectForRow(path);
        ASSERT_TRUE(row.isValid()) << "no row " << path.section << ", " << path.row;
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row.center());
    }

    // The first text of each of the section's rows.
    static QStringList rowTexts(TableView* table, int section = 0) {
        QStringList texts;
        TableViewDataSource* source = table->dataSource();
        for (int row = 0; row < source->numberOfRowsInSection(section); ++row) {
            texts.append(table->cellForRow({section, row}).texts().first());
        }
        return texts;
    }

    // The selection of the last state saved, after the writer has finished.
    QStringList lastSavedSelection() {
        app.waitForPendingSaves();
        const std::lock_guard lock(savedLock);
        return savedSelections.isEmpty() ? QStringList() : savedSelections.last();
    }

    QStringList selectedNames() const {
        QStringList names;
        for (const auto& satellite : app.selectedSatellites())
            names.append(satellite->commonName());
        return names;
    }

    // Saves a picture of the tab when SKELVOR_SHOTS names a directory.
    void shoot(const QString& name) const { saveShot(*navigation, name); }

    std::unique_ptr<NavigationController> navigation;
    std::mutex savedLock;
    QList<QStringList> savedSelections;
};
