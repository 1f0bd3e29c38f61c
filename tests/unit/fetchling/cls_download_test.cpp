// clsDownload over real sockets against a scripted server in the same process.
#include "component_fixture.h"
#include "scripted_server.h"

#include "platform/shared_library.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fetchling::test {
namespace {

using Events = std::vector<std::string>;

class DownloadTest : public ComponentFixture {
protected:
    // Starts downloading the server's file into `path` and waits for the request.
    void start(const std::string& path) {
        const int connection = server_.connections() + 1;
        ASSERT_TRUE(object_->DoDownload(server_.url().c_str(), path.c_str()));
        ASSERT_TRUE(server_.waitForRequest(connection));
    }
    void play(const std::vector<QByteArray>& blocks) {
        for (const auto& b : blocks) server_.send(b);
        server_.close();
    }

    ScriptedServer server_;
};

struct ResponseCase {
    const char* name;
    std::vector<QByteArray> blocks;
    std::string file;
    Events events;
    int status;
};

class ResponseOverSocket : public DownloadTest, public testing::WithParamInterface<ResponseCase> {};

TEST_P(ResponseOverSocket, StoresBodyAndRaisesEvents) {
    const ResponseCase& c = GetParam();
    start(file());
    play(c.blocks);
    ASSERT_TRUE(waitUntil([&] { return events_.has("Finished"); }));
    EXPECT_EQ(events_.events, c.events);
    EXPECT_EQ(content(file()), c.file);
    EXPECT_EQ(object_->StatusCode(), c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Responses, ResponseOverSocket,
    testing::Values(
        ResponseCase{"LengthThenRest",
                     {"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + QByteArray(300, 'a'), QByteArray(700, 'b')},
                     std::string(300, 'a') + std::string(700, 'b'),
                     {"Start", "Progress 300 1000", "Progress 1000 1000", "Finished"}, 200},
        ResponseCase{"NoLengthOnFreshObject", {"HTTP/1.1 200 OK\r\nServer: t\r\n\r\nabc"}, "abc",
                     {"Start", "Progress 3 0", "Finished"}, 200},
        ResponseCase{"LowerCaseFieldName", {"HTTP/1.1 200 OK\r\ncontent-length: 4\r\n\r\nabcd"}, "abcd",
                     {"Start", "Progress 4 4", "Finished"}, 200},
        ResponseCase{"Http10StatusLine", {"HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok"}, "ok",
                     {"Start", "Progress 2 2", "Finished"}, 200},
        ResponseCase{"HeaderSplitOverBlocks",
                     {"HTTP/1.1 200 OK\r\nConte", "nt-Length: 5\r\n", "\r\nhel", "lo"}, "hello",
                     {"Start", "Progress 3 5", "Progress 5 5", "Finished"}, 200},
        ResponseCase{"ChunkedBody",
                     {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nWiki\r\n", "5\r\npedia\r\n0\r\n\r\n"},
                     "Wikipedia", {"Start", "Progress 4 0", "Progress 9 0", "Finished"}, 200},
        ResponseCase{"ErrorPage", {"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"}, "not found",
                     {"Start", "Progress 9 9", "Finished"}, 404},
        ResponseCase{"NoStatusLine", {"just text"}, "just text", {"Start", "Progress 9 0", "Finished"}, 0},
        ResponseCase{"EmptyBody", {"HTTP/1.1 204 No Content\r\n\r\n"}, "", {"Start", "Progress 0 0", "Finished"}, 204},
        // A length beyond 2^31-1 is reported as 2^31-1; a negative one is no length.
        ResponseCase{"LengthJustBeyond32Bits", {"HTTP/1.1 200 OK\r\nContent-Length: 2147483648\r\n\r\nabc"}, "abc",
                     {"Start", "Progress 3 2147483647", "Finished"}, 200},
        ResponseCase{"LengthOfThirtyDigits",
                     {"HTTP/1.1 200 OK\r\nContent-Length: 123456789012345678901234567890\r\n\r\nabc"}, "abc",
                     {"Start", "Progress 3 2147483647", "Finished"}, 200},
        ResponseCase{"NegativeLength", {"HTTP/1.1 200 OK\r\nContent-Length: -2147483649\r\n\r\nabc"}, "abc",
                     {"Start", "Progress 3 0", "Finished"}, 200}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DownloadTest, SendsFiveLinesWithThePortInTheHostLine) {
    start(file());
    EXPECT_EQ(server_.request().toStdString(),
              "GET /file.zip HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server_.port()) +
                  "\r\nAccept: */*\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(events_.events, Events{"Start"});
}

TEST_F(DownloadTest, UsedObjectKeepsTheAnnouncedSize) {
    start(file());
    play({"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabc"});
    ASSERT_TRUE(waitUntil([&] { return events_.has("Finished"); }));
    events_.events.clear();
    start(file("second.bin"));
    play({"HTTP/1.1 200 OK\r\n\r\nwxyz"});
    ASSERT_TRUE(waitUntil([&] { return events_.has("Finished"); }));
    EXPECT_EQ(events_.events, (Events{"Start", "Progress 4 3", "Finished"}));
}

TEST_F(DownloadTest, AbortRaisesNothingAndTheNextDownloadWorks) {
    start(file());
    server_.send("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n12345");
    object_->AbortDownload();
    server_.send("67890");
    server_.close();
    settle(100);
    EXPECT_EQ(events_.events, (Events{"Start", "Progress 5 10"}));
    EXPECT_EQ(content(file()), "12345");  // the part written so far stays

    events_.events.clear();
    start(file("again.bin"));
    play({"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"});
    ASSERT_TRUE(waitUntil([&] { return events_.has("Finished"); }));
    EXPECT_EQ(events_.events, (Events{"Start", "Progress 2 2", "Finished"}));
    EXPECT_EQ(content(file("again.bin")), "ok");
}

TEST_F(DownloadTest, SecondDownloadReplacesTheRunningOne) {
    start(file("first.bin"));
    server_.send("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc");
    start(file("second.bin"));
    EXPECT_EQ(server_.connections(), 2);
    play({"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"});
    ASSERT_TRUE(waitUntil([&] { return events_.has("Finished"); }));
    EXPECT_EQ(events_.events, (Events{"Start", "Progress 3 10", "Start", "Progress 2 2", "Finished"}));
    EXPECT_EQ(content(file("first.bin")), "abc");
    EXPECT_EQ(content(file("second.bin")), "ok");
}

TEST_F(DownloadTest, ClientDropsItsLastReferenceInFinished) {
    events_.inside = [this](const std::string& e) {
        if (e == "Finished") object_.reset();
    };
    start(file());
    play({"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"});
    ASSERT_TRUE(waitUntil([&] { return events_.has("Finished"); }));
    EXPECT_FALSE(object_);
    flushDeferredDeletes();
    zw::platform::SharedLibrary library(FETCHLING_FILE);
    EXPECT_EQ(library.function<DllCanUnloadNowFn>(zw::com::kDllCanUnloadNow)(), zw::com::kOk);
}

TEST_F(DownloadTest, ClientDropsItsLastReferenceInProgress) {
    events_.inside = [this](const std::string& e) {
        if (e.starts_with("Progress")) object_.reset();
    };
    start(file());
    server_.send("HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nabc");
    server_.send("def");
    server_.close();
    EXPECT_EQ(events_.events, (Events{"Start", "Progress 3 6"}));
    EXPECT_EQ(content(file()), "abc");
}

TEST_F(DownloadTest, AbortInsideProgressEndsTheDownload) {
    events_.inside = [this](const std::string& e) {
        if (e.starts_with("Progress")) object_->AbortDownload();
    };
    start(file());
    server_.send("HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nabc");
    server_.send("def");
    server_.close();
    EXPECT_EQ(events_.events, (Events{"Start", "Progress 3 6"}));
}

TEST_F(DownloadTest, NewDownloadStartedInsideFinished) {
    bool restarted = false;
    events_.inside = [&](const std::string& e) {
        if (e == "Finished" && !restarted) {
            restarted = true;
            EXPECT_TRUE(object_->DoDownload(server_.url().c_str(), file("next.bin").c_str()));
        }
    };
    start(file());
    play({"HTTP/1.1 200 OK\r\n\r\none"});
    ASSERT_TRUE(waitUntil([&] { return restarted; }));
    ASSERT_TRUE(server_.waitForRequest(2));
    play({"HTTP/1.1 200 OK\r\n\r\ntwo"});
    ASSERT_TRUE(waitUntil([&] { return events_.events.size() == 6; }));
    EXPECT_EQ(events_.events, (Events{"Start", "Progress 3 0", "Finished", "Start", "Progress 3 0", "Finished"}));
    EXPECT_EQ(content(file("next.bin")), "two");
}

TEST_F(DownloadTest, OversizedHeaderEndsTheDownloadWithoutEvents) {
    start(file());
    server_.send("HTTP/1.1 200 OK\r\n");
    const QByteArray line = "X-Filler: " + QByteArray(1000, 'x') + "\r\n";
    for (int i = 0; i < 70; ++i) server_.send(line);
    server_.close();
    EXPECT_EQ(events_.events, Events{"Start"});
    EXPECT_FALSE(std::filesystem::exists(file()));
}

TEST_F(DownloadTest, BrokenChunkEndsTheDownloadWithoutFinished) {
    start(file());
    server_.send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n");
    server_.send("zz\r\n");
    server_.close();
    EXPECT_EQ(events_.events, (Events{"Start", "Progress 3 0"}));
    EXPECT_TRUE(object_->Failed());
}

// A chunked body cut by the server's close before its last chunk is no finished download.
TEST_F(DownloadTest, ChunkedBodyCutShortIsAFailureNotAFinish) {
    start(file());
    play({"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n9\r\nWiki"});
    EXPECT_EQ(events_.events, (Events{"Start", "Progress 4 0"}));
    EXPECT_TRUE(object_->Failed());
    EXPECT_EQ(content(file()), "Wiki");
    // The next download on the same object starts without the failure.
    start(file("next.bin"));
    EXPECT_FALSE(object_->Failed());
    play({"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"});
    ASSERT_TRUE(waitUntil([&] { return events_.has("Finished"); }));
    EXPECT_FALSE(object_->Failed());
}

TEST_F(DownloadTest, RefusedConnectionRaisesNothingButTheOldFileIsGone) {
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closedPort = probe.serverPort();
    }
    std::ofstream(file()) << "old";
    const std::string url = "http://127.0.0.1:" + std::to_string(closedPort) + "/x";
    EXPECT_TRUE(object_->DoDownload(url.c_str(), file().c_str()));
    EXPECT_FALSE(std::filesystem::exists(file()));
    settle(200);
    EXPECT_TRUE(events_.events.empty());
}

struct Refusal {
    const char* name;
    const char* url;
    const char* file;  // below the test folder; "" for the folder itself
    const char* text;
};

class DoDownloadRefuses : public ComponentFixture, public testing::WithParamInterface<Refusal> {};

TEST_P(DoDownloadRefuses, ShowsTheErrorAndStartsNothing) {
    const Refusal& r = GetParam();
    std::ofstream(file("existing.bin")) << "old";
    const std::string target = *r.file ? file(r.file) : folder_.path().string();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(object_->DoDownload(r.url, target.c_str()));
    const std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(shown.starts_with("Fehler!\nError: ")) << shown;
    EXPECT_NE(shown.find(r.text), std::string::npos) << shown;
    settle(50);
    EXPECT_TRUE(events_.events.empty());
    EXPECT_EQ(content(file("existing.bin")), "old");
}

INSTANTIATE_TEST_SUITE_P(
    Failures, DoDownloadRefuses,
    testing::Values(Refusal{"Https", "https://127.0.0.1/x", "existing.bin", "Error: 10043\n"},
                    Refusal{"BadPort", "http://127.0.0.1:http/x", "existing.bin", "Error: 10049\n"},
                    Refusal{"NoHost", "http:///x", "existing.bin", "Error: 11001\n"},
                    Refusal{"MissingFolder", "http://127.0.0.1/x", "missing/out.bin", "missing/out.bin"},
                    Refusal{"FolderAsFile", "http://127.0.0.1/x", "", "kann nicht angelegt werden"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fetchling::test
