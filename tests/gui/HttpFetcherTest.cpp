#include "framework/HttpFetcher.h"

#include "support/TestHttpServer.h"

#include <QEventLoop>
#include <QRandomGenerator>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tessary::fw {
namespace {

using test::TestHttpServer;
using End = CHttpFetcher::End;

// "テサリー" in CP932.
const QByteArray kAgent("\x83\x65\x83\x54\x83\x8a\x81\x5b");

class HttpFetcherTest : public ::testing::Test {
protected:
    // Fetches `url` and returns once the fetcher says it has ended.
    End fetch(CHttpFetcher& fetcher, const QString& url) {
        QEventLoop loop;
        QObject::connect(&fetcher, &CHttpFetcher::finished, &loop, &QEventLoop::quit);
        fetcher.start(QUrl(url));
        loop.exec();
        return fetcher.end();
    }
    End fetch(const QString& url) { return fetch(fetcher, url); }

    static QByteArray randomBytes(int size) {
        QByteArray bytes(size, '\0');
        for (char& c : bytes) {
            c = static_cast<char>(QRandomGenerator::global()->bounded(256));
        }
        return bytes;
    }

    test::ProxyEnvironment noProxy;
    TestHttpServer server;
    CHttpFetcher::Limits limits{1024 * 1024, 5000, 5};
    CHttpFetcher fetcher{kAgent, limits};
};

TEST_F(HttpFetcherTest, ReceivesTheWholeBodyAskingForAFreshCopy) {
    const QByteArray body = randomBytes(700 * 1000);
    server.answer("/deeds.dat", 200, body);
    std::vector<std::pair<qint64, qint64>> progress;
    QObject::connect(&fetcher, &CHttpFetcher::progress, [&](qint64 received, qint64 total) {
        progress.emplace_back(received, total);
    });

    ASSERT_EQ(fetch(server.url(QStringLiteral("/deeds.dat"))), End::Answered);
    EXPECT_EQ(fetcher.status(), 200);
    EXPECT_EQ(fetcher.body(), body);

    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(server.requests()[0].startsWith("GET /deeds.dat HTTP/1.1\r\n"));
    EXPECT_EQ(server.header(0, "User-Agent"), kAgent);
    EXPECT_EQ(server.header(0, "Cache-Control"), "no-cache");
    EXPECT_EQ(server.header(0, "Pragma"), "no-cache");

    // Progress only grows and ends at the announced total.
    ASSERT_FALSE(progress.empty());
    for (std::size_t i = 1; i < progress.size(); ++i) {
        EXPECT_GT(progress[i].first, progress[i - 1].first);
    }
    EXPECT_EQ(progress.back(), std::make_pair(qint64{body.size()}, qint64{body.size()}));

    // The same fetcher fetches again, and a second fetch of the same address goes to the server
    // again rather than to any cache.
    ASSERT_EQ(fetch(server.url(QStringLiteral("/deeds.dat"))), End::Answered);
    EXPECT_EQ(fetcher.body(), body);
    EXPECT_EQ(server.requests().size(), 2);
}

TEST_F(HttpFetcherTest, OtherStatusesEndWithTheirStatusAndNoBody) {
    server.answer("/gone", 404, "not here");
    server.answer("/broken", 500, "oops");
    server.answer("/empty", 204, {});
    server.answer("/ok", 200, {});
    server.answer("/nowhere", 302, "a redirect without a target");
    EXPECT_EQ(fetch(server.url(QStringLiteral("/nowhere"))), End::Answered);
    EXPECT_EQ(fetcher.status(), 302);
    EXPECT_EQ(fetch(server.url(QStringLiteral("/gone"))), End::Answered);
    EXPECT_EQ(fetcher.status(), 404);
    EXPECT_TRUE(fetcher.body().isEmpty());
    EXPECT_EQ(fetch(server.url(QStringLiteral("/broken"))), End::Answered);
    EXPECT_EQ(fetcher.status(), 500);
    EXPECT_TRUE(fetcher.body().isEmpty());
    EXPECT_EQ(fetch(server.url(QStringLiteral("/empty"))), End::Answered);
    EXPECT_EQ(fetcher.status(), 204);
    // An empty 200 answer is an answer, not a failure.
    EXPECT_EQ(fetch(server.url(QStringLiteral("/ok"))), End::Answered);
    EXPECT_EQ(fetcher.status(), 200);
    EXPECT_TRUE(fetcher.body().isEmpty());
}

TEST_F(HttpFetcherTest, RedirectsAreFollowedWithinHttpUpToTheLimit) {
    server.answer("/file", 200, "the file");
    // Five hops: /r1 to /r5, each to the next, the last to the file.
    for (int i = 1; i <= 6; ++i) {
        const QByteArray next = i == 6 ? QByteArray("/file") : "/r" + QByteArray::number(i + 1);
        server.redirect("/r" + QByteArray::number(i), next, i % 2 == 0 ? 301 : 302);
    }
    ASSERT_EQ(fetch(server.url(QStringLiteral("/r2"))), End::Answered);
    EXPECT_EQ(fetcher.status(), 200);
    EXPECT_EQ(fetcher.body(), "the file");

    // Six hops are one too many.
    EXPECT_EQ(fetch(server.url(QStringLiteral("/r1"))), End::NetworkError);
    EXPECT_TRUE(fetcher.body().isEmpty());

    // A redirect to https is not followed: nothing more reaches the server.
    server.redirect("/secure", "https://127.0.0.1:" + QByteArray::number(server.port()) + "/file");
    server.redirect("/ftp", "ftp://127.0.0.1/file");
    const int before = server.connections();
    EXPECT_EQ(fetch(server.url(QStringLiteral("/secure"))), End::NetworkError);
    EXPECT_EQ(fetch(server.url(QStringLiteral("/ftp"))), End::NetworkError);
    EXPECT_EQ(server.connections(), before + 2);
}

TEST_F(HttpFetcherTest, BrokenConnectionsAndOtherSchemesAreNetworkErrors) {
    server.serve("/close", TestHttpServer::Kind::CloseAtOnce);
    server.serve("/cut", TestHttpServer::Kind::CutShort, QByteArray(5000, 'c'));
    EXPECT_EQ(fetch(server.url(QStringLiteral("/close"))), End::NetworkError);
    EXPECT_EQ(fetch(server.url(QStringLiteral("/cut"))), End::NetworkError);
    EXPECT_TRUE(fetcher.body().isEmpty());

    // A port nobody listens on.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 closedPort = probe.serverPort();
    probe.close();
    EXPECT_EQ(fetch(QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort)), End::NetworkError);

    // Other schemes are refused before any connection is made.
    const int before = server.connections();
    for (const QString& url : {QStringLiteral("https://127.0.0.1:%1/x").arg(server.port()),
                               QStringLiteral("ftp://127.0.0.1:%1/x").arg(server.port()),
                               QStringLiteral("http://"), QString()}) {
        EXPECT_EQ(fetch(url), End::NetworkError) << url.toStdString();
    }
    EXPECT_EQ(server.connections(), before);
}

TEST_F(HttpFetcherTest, StallsAndOversizedBodiesEndTheFetch) {
    const QByteArray cap(static_cast<int>(limits.maxBodyBytes), 'x');
    server.answer("/exact", 200, cap);
    server.announce("/announced", limits.maxBodyBytes + 1);
    server.serve("/drip", TestHttpServer::Kind::Drip);
    server.serve("/stall", TestHttpServer::Kind::Stall, QByteArray(4000, 's'));

    // A body of exactly the cap is still taken.
    EXPECT_EQ(fetch(server.url(QStringLiteral("/exact"))), End::Answered);
    EXPECT_EQ(fetcher.body().size(), cap.size());

    // One announced above the cap is refused before any of it arrives.
    EXPECT_EQ(fetch(server.url(QStringLiteral("/announced"))), End::TooLarge);
    EXPECT_EQ(fetcher.status(), 200);
    EXPECT_TRUE(fetcher.body().isEmpty());

    // One that never ends is refused once it passes the cap, and is not kept.
    qint64 mostReceived = 0;
    QObject::connect(&fetcher, &CHttpFetcher::progress, [&](qint64 received, qint64) {
        mostReceived = std::max(mostReceived, received);
    });
    EXPECT_EQ(fetch(server.url(QStringLiteral("/drip"))), End::TooLarge);
    EXPECT_GT(server.dripped(), limits.maxBodyBytes);
    EXPECT_LE(mostReceived, limits.maxBodyBytes);
    EXPECT_TRUE(fetcher.body().isEmpty());

    // One that stops half way ends after the (lowered) stall time.
    CHttpFetcher quick(kAgent, {limits.maxBodyBytes, 50, 5});
    EXPECT_EQ(fetch(quick, server.url(QStringLiteral("/stall"))), End::NetworkError);
    EXPECT_TRUE(quick.body().isEmpty());
}

TEST_F(HttpFetcherTest, AbortEndsTheFetchAsCancelled) {
    server.serve("/slow", TestHttpServer::Kind::Stall, QByteArray(4000, 's'));
    server.answer("/file", 200, "after");
    QObject::connect(&fetcher, &CHttpFetcher::progress, &fetcher, &CHttpFetcher::abort);
    EXPECT_EQ(fetch(server.url(QStringLiteral("/slow"))), End::Cancelled);
    EXPECT_TRUE(fetcher.body().isEmpty());
    // Aborting an ended fetch changes nothing.
    fetcher.disconnect();
    ASSERT_EQ(fetch(server.url(QStringLiteral("/file"))), End::Answered);
    fetcher.abort();
    EXPECT_EQ(fetcher.end(), End::Answered);
    EXPECT_EQ(fetcher.body(), "after");
}

TEST_F(HttpFetcherTest, GoesThroughTheProxyTheEnvironmentNames) {
    // The test server plays the proxy: the request for a host that does not exist reaches it
    // with the whole address in its request line.
    test::ProxyEnvironment proxy(server.url(QStringLiteral("/")).toStdString());
    server.answer("/deeds.dat", 200, "through the proxy");
    ASSERT_EQ(fetch(QStringLiteral("http://deeds.invalid/deeds.dat")), End::Answered);
    EXPECT_EQ(fetcher.body(), "through the proxy");
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(server.requests()[0].startsWith("GET http://deeds.invalid/deeds.dat HTTP/1.1"));
}

} // namespace
} // namespace tessary::fw
