// Reading documents from a server that misbehaves, without waiting on the caller's thread:
// every fault ends in one result without partial text, within its deadline, and a fetch dropped
// by its owner closes its connection at once.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QTest>

#include "FetchText.h"
#include "LoopbackServer.h"
#include "update_fixture.h"

using Fault = LoopbackServer::Fault;

namespace {

// Short deadlines, so that the slow faults end within a few seconds.
const FetchDeadlines quick{1000ms, 1000ms, 3000ms};

// Fetches the address while the event loop runs; the result.
FetchResult fetch(const QUrl& url, TextKind kind = TextKind::any,
                  const FetchDeadlines& deadlines = quick) {
    std::optional<FetchResult> result;
    const TextFetch fetch(url, deadlines, kind, max_document_bytes, {},
                          [&](const FetchResult& answer) { result = answer; });
    EXPECT_FALSE(result) << "no result during the constructor";
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 60000));
    return result.value_or(FetchResult{});
}

std::optional<QString> text(const FetchResult& result) {
    return result.document ? decodeUtf8(*result.document) : std::nullopt;
}

}  // namespace

TEST(FetchText, ReadsWholeDocumentsAndBundledFiles) {
    LoopbackServer server(SKELVOR_SAMPLE_SERVER);
    const auto page = text(fetch(server.url().resolved(QUrl("NORAD/elements/"))));
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->contains("sample-leo.txt"));
    const auto file =
        text(fetch(server.url().resolved(QUrl("NORAD/elements/sample-leo.txt")), TextKind::plain));
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->startsWith("SAMPLE STATION [+]\r\n1 99001U"));
    EXPECT_EQ(text(fetch(QUrl("qrc:/sample-server/NORAD/elements/sample-leo.txt"))), file);
    EXPECT_EQ(text(fetch(QUrl("qrc:/sample-server/NORAD/elements/"))), page) << "a folder's index";
    EXPECT_FALSE(fetch(QUrl("qrc:/sample-server/NORAD/elements/missing.txt")).document);
    EXPECT_FALSE(fetch(QUrl("ftp://127.0.0.1/file.txt")).document);
    EXPECT_EQ(fetch(QUrl::fromLocalFile("/dev/zero")).failure, "not a regular file");
}

TEST(FetchText, EveryFaultEndsWithoutADocumentWithinItsDeadline) {
    LoopbackServer server(SKELVOR_SAMPLE_SERVER);
    const QUrl file = server.url().resolved(QUrl("NORAD/elements/sample-leo.txt"));
    const std::pair<Fault, QString> faults[] = {
        {Fault::silent, "the server did not answer within 1 s"},
        {Fault::drip, "the server sent nothing for 1 s"},
        {Fault::stall, "the server sent nothing for 1 s"},
        {Fault::cutOff, ""},
        {Fault::notFound, ""},
        {Fault::forbidden, ""},
        {Fault::redirectToHtml, ""},
        {Fault::htmlInstead, "an HTML page came where a file was expected"},
    };
    for (const auto& [fault, failure] : faults) {
        SCOPED_TRACE(static_cast<int>(fault));
        server.setFault("sample-leo.txt", fault);
        QElapsedTimer clock;
        clock.start();
        const FetchResult result = fetch(file, TextKind::plain);
        EXPECT_FALSE(result.document);
        if (!failure.isEmpty()) {
            EXPECT_EQ(result.failure, failure);
        }
        EXPECT_LT(clock.elapsed(), 3500);
    }
    // An endless body is refused once it passes the limit; the memory stays far below a
    // gigabyte.
    server.setFault("sample-leo.txt", Fault::endless);
    QElapsedTimer clock;
    clock.start();
    const FetchResult endless = fetch(file, TextKind::plain, {1000ms, 1000ms, 60000ms});
    EXPECT_FALSE(endless.document);
    EXPECT_EQ(endless.failure, "the document is larger than 64 MB");
    RecordProperty("endless_body_ms", static_cast<int>(clock.elapsed()));
    rusage usage{};
    ASSERT_EQ(::getrusage(RUSAGE_SELF, &usage), 0);
    RecordProperty("peak_memory_kB", static_cast<int>(usage.ru_maxrss));
    EXPECT_LT(usage.ru_maxrss, 1024L * 1024L) << "kilobytes";

    // An HTML page is text all the same where any text is taken.
    server.setFault("sample-leo.txt", Fault::htmlInstead);
    EXPECT_TRUE(fetch(file, TextKind::any).document);
}

// The update judges what came: an empty answer and HTML labelled as text arrive as documents.
TEST(FetchText, RefusalsCarryTheServersWords) {
    LoopbackServer server(SKELVOR_SAMPLE_SERVER);
    const QUrl file = server.url().resolved(QUrl("NORAD/elements/sample-leo.txt"));
    server.setFault("sample-leo.txt", Fault::forbidden);
    const FetchResult refused = fetch(file, TextKind::plain);
    EXPECT_EQ(refused.status, 403);
    EXPECT_TRUE(refused.body.startsWith("GP data has not updated"));
    server.setFault("sample-leo.txt", Fault::empty);
    EXPECT_EQ(fetch(file, TextKind::plain).document, QByteArray(""));
    server.setFault("sample-leo.txt", Fault::htmlAsText);
    EXPECT_TRUE(fetch(file, TextKind::plain).document->startsWith("<html>"));
}

// Dropping a fetch is how Cancel ends a transfer: the connection closes at once, and the
// result never comes.
TEST(FetchText, ADroppedFetchClosesItsConnectionAtOnceAndNeverReports) {
    LoopbackServer server(SKELVOR_SAMPLE_SERVER);
    server.setFault("sample-leo.txt", Fault::drip);
    bool reported = false;
    qint64 received = 0;
    auto fetch = std::make_unique<TextFetch>(
        server.url().resolved(QUrl("NORAD/elements/sample-leo.txt")), FetchDeadlines{10s, 10s, 60s},
        TextKind::plain, max_document_bytes,
        [&](qint64 bytes, qint64 total) {
            received = bytes;
            EXPECT_GT(total, 1000);
        },
        [&](const FetchResult&) { reported = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return received >= 1; }, 5000)) << "a first byte";
    ASSERT_EQ(server.openConnections(), 1);
    QElapsedTimer clock;
    clock.start();
    fetch.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 0; }, 2000));
    EXPECT_LT(clock.elapsed(), 200);
    QTest::qWait(50);
    EXPECT_FALSE(reported);
}

TEST(FetchText, AClosedPortFailsAtOnce) {
    QUrl url;
    {
        LoopbackServer server(SKELVOR_SAMPLE_SERVER);
        url = server.url();
    }
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(fetch(url).document);
    EXPECT_LT(clock.elapsed(), 1500);
}
