// The component against servers that never end their answer: a header that never ends, a
// chunk size that overflows followed by endless data, and a server that trickles one byte a
// second. Each download ends cleanly: the component closes the connection itself (the server
// never does), raises no Finished for what it could not store, and a trickle stays abortable.
#include "feeding_server.h"

#include "../../unit/fetchling/component_fixture.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>

namespace fetchling::test {
namespace {

using Events = std::vector<std::string>;
using Feed = FeedingServer::Feed;

class BoundsTest : public ComponentFixture {
protected:
    void start(const FeedingServer& server) {
        ASSERT_TRUE(server.listening());
        ASSERT_TRUE(object_->DoDownload(server.url().c_str(), file().c_str()));
    }
};

struct EndlessCase {
    const char* name;
    QByteArray opening;
    QByteArray pattern;
};

class EndlessAnswer : public BoundsTest, public testing::WithParamInterface<EndlessCase> {};

// The component gives up by itself and closes the connection; nothing is reported as finished
// and nothing of the endless part is stored.
TEST_P(EndlessAnswer, ComponentClosesTheConnectionItself) {
    FeedingServer server(GetParam().opening, Feed::Endless, GetParam().pattern);
    start(server);
    ASSERT_TRUE(waitUntil([&] { return server.clientClosed(); }, 30000))
        << "the client still reads after " << server.bytesSent() << " bytes";
    settle(200);
    EXPECT_FALSE(events_.has("Finished"));
    EXPECT_TRUE(object_->Failed());
    ASSERT_FALSE(events_.events.empty());
    EXPECT_EQ(events_.events.front(), "Start");
    for (std::size_t i = 1; i < events_.events.size(); ++i) EXPECT_EQ(events_.events[i], "Progress 0 0");
    EXPECT_EQ(std::filesystem::exists(file()) ? std::filesystem::file_size(file()) : 0u, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, EndlessAnswer,
    testing::Values(
        EndlessCase{"HeaderThatNeverEnds", "HTTP/1.1 200 OK\r\n", "X-Filler: " + QByteArray(1000, 'x') + "\r\n"},
        EndlessCase{"HeaderLineThatNeverEnds", "HTTP/1.1 200 OK\r\nX-Filler: ", QByteArray(4096, 'x')},
        EndlessCase{"ChunkSizeThatOverflows",
                    "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1ffffffffffffffff\r\n", QByteArray(4096, 'a')},
        EndlessCase{"ChunkSizeLineThatNeverEnds", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n",
                    QByteArray(4096, '0')}),
    [](const auto& info) { return std::string(info.param.name); });

// A header that arrives one byte a second raises nothing; aborting ends the connection and
// nothing follows.
TEST_F(BoundsTest, TrickledHeaderStaysSilentAndAborts) {
    FeedingServer server("HTTP/1.1 200 OK\r\n", Feed::Trickle, "X-Slow: 1\r\n");
    start(server);
    settle(2500);
    EXPECT_EQ(events_.events, Events{"Start"});
    EXPECT_GE(server.bytesSent(), 18);
    object_->AbortDownload();
    ASSERT_TRUE(waitUntil([&] { return server.clientClosed(); }));
    settle(1200);
    EXPECT_EQ(events_.events, Events{"Start"});
    EXPECT_FALSE(object_->Failed());  // ended by the client, not given up by the component
    EXPECT_FALSE(std::filesystem::exists(file()));
}

// A body that arrives one byte a second is stored byte by byte; aborting ends the download with
// the bytes stored so far, and no event follows.
TEST_F(BoundsTest, TrickledBodyIsStoredAndAborts) {
    FeedingServer server("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n", Feed::Trickle, "z");
    start(server);
    ASSERT_TRUE(waitUntil([&] { return events_.has("Progress 2 100"); }, 10000));
    object_->AbortDownload();
    const Events atAbort = events_.events;
    ASSERT_TRUE(waitUntil([&] { return server.clientClosed(); }));
    settle(1200);
    EXPECT_EQ(events_.events, atAbort);
    const std::string last = atAbort.back();
    EXPECT_EQ(last.substr(0, 9), "Progress ");
    EXPECT_EQ(content(file()), std::string(static_cast<std::size_t>(std::stoi(last.substr(9))), 'z'));
}

// fetchget, which has no time-out unless told, ends with exit code 1 when the component gives
// up on an answer, instead of waiting for ever.
TEST_F(BoundsTest, FetchgetEndsWhenTheComponentGivesUp) {
    FeedingServer server("HTTP/1.1 200 OK\r\n", Feed::Endless, "X-Filler: " + QByteArray(1000, 'x') + "\r\n");
    ASSERT_TRUE(server.listening());
    QProcess fetchget;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("ZUNDERWERK_REGISTRY"), QString::fromStdString(folder_.file("fetchget.db")));
    fetchget.setProcessEnvironment(env);
    fetchget.start(QStringLiteral(FETCHGET_FILE), {QString::fromStdString(server.url()), QString::fromStdString(file())});
    ASSERT_TRUE(waitUntil([&] { return fetchget.state() == QProcess::NotRunning; }, 60000));
    EXPECT_EQ(fetchget.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(fetchget.exitCode(), 1);
    EXPECT_EQ(fetchget.readAllStandardOutput(), "Start\n");
    EXPECT_TRUE(fetchget.readAllStandardError().contains("kann nicht gespeichert werden"));
    EXPECT_TRUE(server.clientClosed());
}

}  // namespace
}  // namespace fetchling::test
