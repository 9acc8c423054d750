// skelvor-cli passes without --tle: the selected satellites and observer of the saved state,
// read without writing anything.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Commands.h"
#include "SkelvorAppDelegate.h"

namespace {

const Date epoch(818251200.0);  // 2026-12-06T12:00:00Z

QByteArray digestOfFolder(const QString& path) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QFileInfo& info : QDir(path).entryInfoList(QDir::Files | QDir::Hidden)) {
        hash.addData(info.fileName().toUtf8());
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly)) hash.addData(file.readAll());
    }
    return hash.result();
}

}  // namespace

TEST(CliSavedState, PassesOfTheSelectedSatellitesFromTheSavedObserver) {
    QTemporaryDir directory;
    {
        SkelvorAppDelegate app;
        app.setDataDirectory(directory.path());
        QFile file(":/sample-server/NORAD/elements/sample-leo.txt");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        app.mergeTLEFile(QString::fromUtf8(file.readAll()), "Sample low orbits", "sample-leo.txt");
        app.toggleSatelliteSelected("SAMPLE WEATHER 1");
        app.toggleSatelliteSelected("SAMPLE STATION");
        app.setCurrentLocation(Location{51.4779, -0.0015, 46.0});
        app.setPreferencesAltered(true);
        app.waitForPendingSaves();
    }
    const QString preferences = directory.filePath("Library/Preferences");
    const QByteArray before = digestOfFolder(preferences);

    SkelvorAppDelegate reader;
    reader.setDataDirectory(directory.path());
    reader.setClock([] { return epoch; });
    QString out;
    QString err;
    const int code = runCli({"passes", "--format", "csv"}, out, err, reader);
    ASSERT_EQ(code, 0) << err.toStdString();
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith("99002,SAMPLE WEATHER 1,")) << "selection order";
    EXPECT_TRUE(lines.last().startsWith("99001,SAMPLE STATION,"));
    EXPECT_EQ(digestOfFolder(preferences), before) << "the saved state is only read";

    // The same answer as from the element file and the position given by hand.
    SkelvorAppDelegate byHand;
    byHand.setClock([] { return epoch; });
    QString expected;
    runCli({"passes", "--tle", ":/sample-server/NORAD/elements/sample-leo.txt", "--lat", "51.4779",
            "--lon", "-0.0015", "--alt", "46", "--format", "csv"},
           expected, err, byHand);
    EXPECT_TRUE(expected.contains(lines[1])) << lines[1].toStdString();
}

TEST(CliSavedState, WithoutASavedSelectionThereIsNothingToAnswer) {
    QTemporaryDir directory;
    SkelvorAppDelegate reader;
    reader.setDataDirectory(directory.path());
    QString out;
    QString err;
    EXPECT_EQ(runCli({"passes"}, out, err, reader), 1);
    EXPECT_TRUE(err.contains("no satellite is selected")) << err.toStdString();
    EXPECT_FALSE(QDir(directory.filePath("Library")).exists()) << "nothing is written";
}
