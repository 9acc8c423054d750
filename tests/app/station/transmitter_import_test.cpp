// Importing the transmitter list from a loopback server: the sample list, an empty list, a
// server error, garbage and an endless body; what the user typed or changed survives.
#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include "../update/LoopbackServer.h"
#include "SkelvorAppDelegate.h"
#include "StationControl.h"
#include "TransmitterList.h"

namespace {

const QString listTarget = QStringLiteral("/api/transmitters/?format=json");

QByteArray sampleList() {
    QFile file(QStringLiteral(SKELVOR_SAMPLE_SERVER "/api/transmitters/transmitters.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QString sampleElements() {
    QFile file(QStringLiteral(SKELVOR_SAMPLES "/sample-leo.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

// A server whose one answer never ends: a JSON array without a length, sent as fast as it is
// taken, until the client goes or a limit of its own (so that the test ends by itself).
class EndlessServer {
public:
    EndlessServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                socket->readAll();
                socket->write(
                    "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\n"
                    "Connection: close\r\n\r\n[");
                QObject::connect(socket, &QTcpSocket::bytesWritten, socket,
                                 [this, socket] { feed(socket); });
            });
        });
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/endless").arg(server_.serverPort()));
    }
    qint64 sent() const { return sent_; }

private:
    void feed(QTcpSocket* socket) {
        static const QByteArray chunk = QByteArray("{\"uuid\": \"x\"},").repeated(4096);
        if (socket->bytesToWrite() > 0 || sent_ > limit) return;
        sent_ += socket->write(chunk);
    }
    static constexpr qint64 limit = 256 * 1024 * 1024;
    QTcpServer server_;
    qint64 sent_ = 0;
};

class TransmitterImport : public testing::Test {
protected:
    TransmitterImport() : server(QStringLiteral(SKELVOR_SAMPLE_SERVER)) {
        appDelegate.setDataDirectory(directory.path());
        // The same satellites in two categories.
        appDelegate.mergeTLEFile(sampleElements(), QStringLiteral("Sample LEO"),
                                 QStringLiteral("sample-leo.txt"));
        appDelegate.mergeTLEFile(sampleElements(), QStringLiteral("Favourites"),
                                 QStringLiteral("favourites.txt"));
        useSource(server.url().resolved(QUrl(listTarget)));
    }
    ~TransmitterImport() override { appDelegate.waitForPendingSaves(); }

    void useSource(const QUrl& source) {
        StationSettings settings = appDelegate.station().settings();
        settings.transmitters.source = source;
        appDelegate.station().setSettings(settings);
    }
    // Imports and gives (ok, message).
    std::pair<bool, QString> import() {
        QSignalSpy finished(&appDelegate.station(), &StationControl::importFinished);
        appDelegate.station().importTransmitters();
        EXPECT_TRUE(finished.wait(20000));
        if (finished.isEmpty()) return {false, QString()};
        return {finished.first().at(0).toBool(), finished.first().at(1).toString()};
    }
    std::shared_ptr<SatelliteData> satellite(const QString& category, const QString& name) {
        return appDelegate.knownSatellites().value(category).value(name);
    }
    QList<FrequencyRecord> records(const QString& category, const QString& name) {
        return satellite(category, name)->frequencyInfo().value_or(QList<FrequencyRecord>());
    }
    QList<FrequencyRecord> station() { return records("Sample LEO", "SAMPLE STATION"); }

    QTemporaryDir directory;
    SkelvorAppDelegate appDelegate;
    LoopbackServer server;
};

}  // namespace

TEST_F(TransmitterImport, ActiveTransmittersBecomeRecordsInEveryCategory) {
    server.setAnswer(listTarget, {200, sampleList(), "application/json"});
    const auto [ok, message] = import();
    EXPECT_TRUE(ok) << message.toStdString();
    ASSERT_EQ(station().size(), 2);  // the retired beacon is not imported
    EXPECT_EQ(station()[0].downlink, "437.8");
    EXPECT_TRUE(station()[0].isUntouchedImport());
    EXPECT_EQ(records("Favourites", "SAMPLE STATION"), station());
    EXPECT_EQ(records("Sample LEO", "SAMPLE AMATEUR 1").size(), 2);
    EXPECT_FALSE(satellite("Sample LEO", "SAMPLE DEBRIS")->frequencyInfo());
    // Saved with the state.
    appDelegate.waitForPendingSaves();
    SkelvorAppDelegate restarted;
    restarted.setDataDirectory(directory.path());
    restarted.loadSavedState(SkelvorAppDelegate::LoadMode::readOnly);
    EXPECT_EQ(
        restarted.knownSatellites().value("Sample LEO").value("SAMPLE STATION")->frequencyInfo(),
        station());
}

TEST_F(TransmitterImport, TypedAndChangedRecordsSurviveASecondImport) {
    server.setAnswer(listTarget, {200, sampleList(), "application/json"});
    FrequencyRecord typed;
    typed.uplink = QStringLiteral("145.200");
    typed.comment = QStringLiteral("my own note");
    satellite("Sample LEO", "SAMPLE STATION")->setFrequencyInfo(QList{typed});
    ASSERT_TRUE(import().first);
    QList<FrequencyRecord> edited = station();
    ASSERT_EQ(edited.size(), 3);
    edited[1].downlink = QStringLiteral("437.805");  // the user corrects an imported one
    edited[2].active = true;
    satellite("Sample LEO", "SAMPLE STATION")->setFrequencyInfo(edited);

    ASSERT_TRUE(import().first);
    EXPECT_EQ(station(), edited);
}

TEST_F(TransmitterImport, BadAnswersChangeNothingAndSaySo) {
    FrequencyRecord typed;
    typed.downlink = QStringLiteral("437.8");
    satellite("Sample LEO", "SAMPLE STATION")->setFrequencyInfo(QList{typed});
    const QList<FrequencyRecord> before = station();

    const QList<LoopbackServer::Answer> answers{
        {200, "[]", "application/json"},
        {500, "Internal Server Error", "text/plain"},
        {200, "<html><body>Maintenance</body></html>", "text/html"},
        {200, "[{\"uuid\": \"a\", \"norad_cat_id\": 99001, \"downlink_low\": 1",
         "application/json"},
        {200, "{\"detail\": \"Request was throttled.\"}", "application/json"},
    };
    for (const LoopbackServer::Answer& answer : answers) {
        server.setAnswer(listTarget, answer);
        const auto [ok, message] = import();
        EXPECT_FALSE(ok) << answer.body.toStdString();
        EXPECT_FALSE(message.isEmpty());
        EXPECT_EQ(station(), before);
    }
    server.setAnswer(listTarget, {500, "Internal Server Error", "text/plain"});
    EXPECT_NE(import().second.indexOf("500"), -1);
    EXPECT_FALSE(appDelegate.preferencesAltered());
}

TEST_F(TransmitterImport, AnEndlessBodyIsCutOffAtTheSizeLimit) {
    EndlessServer endless;
    useSource(endless.url());
    const auto [ok, message] = import();
    EXPECT_FALSE(ok);
    EXPECT_NE(message.indexOf("larger than"), -1) << message.toStdString();
    EXPECT_LT(endless.sent(), 2 * transmitterListMaxBytes);
    EXPECT_EQ(station(), QList<FrequencyRecord>());
}

TEST_F(TransmitterImport, TheSampleServerHasItsOwnList) {
    appDelegate.setElementServer(QUrl(QStringLiteral("qrc:/sample-server/")));
    useSource(QUrl());
    EXPECT_EQ(appDelegate.station().transmitterSource(),
              QUrl("qrc:/sample-server/api/transmitters/transmitters.json"));
    EXPECT_TRUE(import().first);
    EXPECT_EQ(station().size(), 2);
    appDelegate.setElementServer(QUrl(QStringLiteral("https://example.org/")));
    EXPECT_EQ(appDelegate.station().transmitterSource(), StationControl::publicTransmitterList);
}

TEST_F(TransmitterImport, TheElementSetUpdateImportsOnlyWhenSwitchedOn) {
    server.setAnswer(listTarget, {200, sampleList(), "application/json"});
    appDelegate.station().elementSetsUpdated();
    EXPECT_FALSE(appDelegate.station().isImporting());
    StationSettings settings = appDelegate.station().settings();
    settings.transmitters.importWithUpdate = true;
    appDelegate.station().setSettings(settings);
    QSignalSpy finished(&appDelegate.station(), &StationControl::importFinished);
    appDelegate.station().elementSetsUpdated();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(station().size(), 2);
}
