// Reading documents from a server that misbehaves: every fault is a failed fetch, never
// partial text, and no fetch outlives its deadlines.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "FetchText.h"
#include "LoopbackServer.h"

using namespace std::chrono_literals;
using Fault = LoopbackServer::Fault;

namespace {

// Short deadlines, so that the slow faults end within a few seconds.
const FetchDeadlines quick{1000ms, 1000ms, 3000ms};

}  // namespace

TEST(FetchText, ReadsWholeDocumentsAndBundledFiles) {
    LoopbackServer server(SKELVOR_SAMPLE_SERVER);
    const auto page = fetchText(server.url().resolved(QUrl("NORAD/elements/")), quick);
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->contains("sample-leo.txt"));
    const auto file = fetchText(server.url().resolved(QUrl("NORAD/elements/sample-leo.txt")), quick,
                                TextKind::plain);
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->startsWith("SAMPLE STATION [+]\r\n1 99001U"));
    EXPECT_EQ(fetchText(QUrl("qrc:/sample-server/NORAD/elements/sample-leo.txt")), file);
    EXPECT_EQ(fetchText(QUrl("qrc:/sample-server/NORAD/elements/")), page) << "a folder's index";
    EXPECT_FALSE(fetchText(QUrl("qrc:/sample-server/NORAD/elements/missing.txt")));
    EXPECT_FALSE(fetchText(QUrl("ftp://127.0.0.1/file.txt")));
}

TEST(FetchText, EveryFaultIsAFailedFetchWithinItsDeadline) {
    LoopbackServer server(SKELVOR_SAMPLE_SERVER);
    const QUrl file = server.url().resolved(QUrl("NORAD/elements/sample-leo.txt"));
    for (const Fault fault : {Fault::silent, Fault::drip, Fault::cutOff, Fault::notFound,
                              Fault::forbidden, Fault::redirectToHtml, Fault::htmlInstead}) {
        server.setFault("sample-leo.txt", fault);
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(fetchText(file, quick, TextKind::plain)) << static_cast<int>(fault);
        EXPECT_LT(clock.elapsed(), 3500) << static_cast<int>(fault);
    }
    // An HTML page is text all the same where any text is taken.
    server.setFault("sample-leo.txt", Fault::htmlInstead);
    EXPECT_TRUE(fetchText(file, quick, TextKind::any));
}

TEST(FetchText, AClosedPortFailsAtOnce) {
    QUrl url;
    {
        LoopbackServer server(SKELVOR_SAMPLE_SERVER);
        url = server.url();
    }
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(fetchText(url, quick));
    EXPECT_LT(clock.elapsed(), 1500);
}
