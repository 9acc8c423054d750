// The daemon connection against an imitation that misbehaves: error reports are answers, never
// acted on; garbage, silence, overlong lines and lost connections are reported, and the
// connection is opened again after a delay that doubles.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "ControlConnection.h"
#include "ImitationDaemon.h"
#include "RigCommands.h"
#include "wait_until.h"

namespace {

using namespace std::chrono_literals;

// Short limits so that the faults show within a test; the retry delays stay far apart enough
// to tell them by the order of events, not by the clock.
ControlConnection::Limits quick() {
    ControlConnection::Limits limits;
    limits.connect = 2000ms;
    limits.answer = 300ms;
    limits.firstRetry = 50ms;
    limits.lastRetry = 200ms;
    return limits;
}

// A well-behaved radio: set commands succeed, f reads 145800000.
ImitationDaemon::Answer radio(const QString& command) {
    if (command == u"f") return ImitationDaemon::text("145800000\n");
    return ImitationDaemon::text("RPRT 0\n");
}

struct Answers {
    QList<ControlReply> replies;
    CommandLink::Handler handler() {
        return [this](const ControlReply& reply) { replies.append(reply); };
    }
};

class ConnectionTest : public testing::Test {
protected:
    void openTo(ImitationDaemon& daemon) {
        connection.setLimits(quick());
        connection.open(QStringLiteral("127.0.0.1"), daemon.port());
        ASSERT_SOON(connection.isReady(), 5000);
    }
    ControlConnection connection;
    Answers answers;
};

}  // namespace

TEST_F(ConnectionTest, CommandsGoOneAtATimeInTheProtocolsTextForm) {
    ImitationDaemon daemon(radio);
    openTo(daemon);
    QSignalSpy sent(&connection, &ControlConnection::commandSent);
    connection.send(rigctl::setFrequency(145800123.6), answers.handler());
    connection.send(rigctl::setMode(QStringLiteral("USB")), answers.handler());
    connection.send(rigctl::getFrequency(), answers.handler());
    // Only the first is written until it is answered.
    EXPECT_EQ(sent.count(), 1);
    ASSERT_SOON(answers.replies.size() == 3, 5000);
    EXPECT_EQ(daemon.received(), QStringList({"F 145800124", "M USB 0", "f"}));
    EXPECT_TRUE(answers.replies[0].ok);
    EXPECT_EQ(rigctl::frequencyFrom(answers.replies[2]), 145800000.0);
    EXPECT_TRUE(connection.isIdle());
    EXPECT_EQ(rotctl::setPosition(359.996, -0.004).text, "P 360.00 -0.00");
}

TEST_F(ConnectionTest, AnErrorReportIsAnAnswerAndTheConnectionStays) {
    ImitationDaemon daemon([](const QString& command) {
        if (command.startsWith(u'F')) return ImitationDaemon::text("RPRT -11\n");
        if (command == u"f") return ImitationDaemon::text("RPRT -5\n");
        return ImitationDaemon::text("RPRT 0\n");
    });
    openTo(daemon);
    connection.send(rigctl::setFrequency(1e9), answers.handler());
    connection.send(rigctl::getFrequency(), answers.handler());
    connection.send(rigctl::setVfo(QStringLiteral("Main")), answers.handler());
    ASSERT_SOON(answers.replies.size() == 3, 5000);
    EXPECT_FALSE(answers.replies[0].ok);
    EXPECT_EQ(answers.replies[0].error, "RPRT -11 (not available)");
    EXPECT_FALSE(rigctl::frequencyFrom(answers.replies[1]));
    EXPECT_TRUE(answers.replies[2].ok);
    EXPECT_EQ(connection.state(), ControlConnection::State::connected);
    EXPECT_EQ(daemon.connections(), 1);
}

TEST_F(ConnectionTest, GarbageIsReportedAndTheConnectionOpenedAgain) {
    ImitationDaemon daemon([](const QString&) { return ImitationDaemon::text("hello there\n"); });
    openTo(daemon);
    QSignalSpy states(&connection, &ControlConnection::stateChanged);
    connection.send(rigctl::setFrequency(1e9), answers.handler());
    ASSERT_SOON(answers.replies.size() == 1, 5000);
    EXPECT_FALSE(answers.replies[0].ok);
    EXPECT_NE(answers.replies[0].error.indexOf("not the protocol's"), -1);
    EXPECT_NE(connection.problem().indexOf("trying again"), -1);
    // Back in step after opening the connection again.
    daemon.setScript(radio);
    ASSERT_SOON(connection.isReady(), 5000);
    EXPECT_EQ(daemon.connections(), 2);
    connection.send(rigctl::getFrequency(), answers.handler());
    ASSERT_SOON(answers.replies.size() == 2, 5000);
    EXPECT_TRUE(answers.replies[1].ok);

    // A read whose values are not numbers is an answer that is not used.
    daemon.setScript([](const QString&) { return ImitationDaemon::text("145.8 MHz\n"); });
    connection.send(rigctl::getFrequency(), answers.handler());
    ASSERT_SOON(answers.replies.size() == 3, 5000);
    EXPECT_TRUE(answers.replies[2].ok);
    EXPECT_FALSE(rigctl::frequencyFrom(answers.replies[2]));
    daemon.setScript([](const QString&) { return ImitationDaemon::text("12\nNaN\n"); });
    connection.send(rotctl::getPosition(), answers.handler());
    ASSERT_SOON(answers.replies.size() == 4, 5000);
    EXPECT_FALSE(rotctl::positionFrom(answers.replies[3]));
}

TEST_F(ConnectionTest, AnOverlongAnswerIsCutOffNotStored) {
    ImitationDaemon daemon([](const QString&) {
        return ImitationDaemon::text(QByteArray(64 * 1024, '7'));  // and no line end
    });
    openTo(daemon);
    connection.send(rigctl::getFrequency(), answers.handler());
    ASSERT_SOON(answers.replies.size() == 1, 5000);
    EXPECT_FALSE(answers.replies[0].ok);
    EXPECT_NE(answers.replies[0].error.indexOf("longer than"), -1);
}

TEST_F(ConnectionTest, SilenceTimesOutAndLossIsRetriedWithGrowingDelays) {
    ImitationDaemon daemon([](const QString&) { return ImitationDaemon::silence(); });
    openTo(daemon);
    connection.send(rigctl::setFrequency(1e9), answers.handler());
    connection.send(rigctl::setFrequency(2e9), answers.handler());
    ASSERT_SOON(answers.replies.size() == 2, 5000);
    EXPECT_NE(answers.replies[0].error.indexOf("no answer within"), -1);
    EXPECT_FALSE(answers.replies[1].ok);  // never written: the connection went first
    EXPECT_EQ(daemon.received().size(), 1);

    // The daemon now drops every connection on the first command: each loss is reported and
    // the delay before the next attempt doubles up to its limit.
    daemon.setScript([](const QString&) { return ImitationDaemon::drop(); });
    std::vector<std::chrono::milliseconds> delays;
    for (int i = 0; i < 4; ++i) {
        ASSERT_SOON(connection.isReady(), 5000);
        delays.push_back(connection.retryDelay());
        connection.send(rigctl::getFrequency(), answers.handler());
        ASSERT_SOON(connection.state() == ControlConnection::State::waitingToRetry, 5000);
    }
    EXPECT_EQ(delays, (std::vector<std::chrono::milliseconds>{100ms, 200ms, 200ms, 200ms}));
    ASSERT_SOON(answers.replies.size() == 6, 5000);
    for (int i = 2; i < 6; ++i) EXPECT_FALSE(answers.replies[i].ok);
}

TEST_F(ConnectionTest, NoDaemonIsReportedAndRetriedWithoutBlocking) {
    quint16 port = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
    }
    connection.setLimits(quick());
    QSignalSpy states(&connection, &ControlConnection::stateChanged);
    connection.open(QStringLiteral("127.0.0.1"), port);
    EXPECT_EQ(connection.state(), ControlConnection::State::connecting);  // returned at once
    ASSERT_SOON(connection.state() == ControlConnection::State::waitingToRetry, 5000);
    EXPECT_FALSE(connection.problem().isEmpty());
    connection.send(rigctl::getFrequency(), answers.handler());
    ASSERT_SOON(answers.replies.size() == 1, 5000);
    EXPECT_EQ(answers.replies[0].error, "not connected");
    // The daemon starts: the next attempt finds it.
    QTcpServer late;
    ASSERT_TRUE(late.listen(QHostAddress::LocalHost, port));
    ASSERT_SOON(connection.isReady(), 5000);
    connection.close();
    EXPECT_EQ(connection.state(), ControlConnection::State::closed);
}
