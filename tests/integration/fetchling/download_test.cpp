// The component against the real web server: a 50 MB file in-process through the component
// loader and through the fetchget command, byte for byte.
#include "static_server.h"

#include "../../unit/fetchling/event_loop.h"
#include "../../unit/fetchling/event_recorder.h"
#include "../../unit/registry/temp_folder.h"
#include "fetchling/fetchling.h"
#include "platform/component_loader.h"
#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace fetchling::test {
namespace {

constexpr std::int32_t kSize = 50 * 1024 * 1024;

QByteArray sha256(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&f);
    return hash.result().toHex();
}

struct RunResult {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

class DownloadFromServer : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<zw::test::TempFolder>();
        std::filesystem::create_directories(folder_->path() / "www");
        // Bytes of every value in a pattern that no block size repeats evenly.
        std::ofstream out(folder_->path() / "www" / "big.bin", std::ios::binary);
        std::string chunk(1 << 20, '\0');
        std::uint32_t x = 12345;
        for (int m = 0; m < kSize / (1 << 20); ++m) {
            for (char& c : chunk) {
                x = x * 1103515245u + 12345u;
                c = static_cast<char>(x >> 24);
            }
            out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        }
        out.close();
        expected_ = sha256(folder_->file("www/big.bin"));
        server_ = std::make_unique<StaticServer>(QString::fromStdString(folder_->file("www")),
                                                 QString::fromStdString(folder_->file("state")));
    }
    static void TearDownTestSuite() {
        server_.reset();
        folder_.reset();
    }
    void SetUp() override { ASSERT_TRUE(server_->running()); }

    // Runs fetchget without a windowing system on a registry store of its own.
    RunResult fetchget(const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("ZUNDERWERK_REGISTRY"), QString::fromStdString(registry()));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(FETCHGET_FILE), args);
        RunResult r;
        if (!p.waitForFinished(120000)) return r;
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        r.errors = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
    std::string registry() const { return files_.file("registry.db"); }
    std::string file(const char* name) const { return files_.file(name); }

    static std::unique_ptr<zw::test::TempFolder> folder_;
    static std::unique_ptr<StaticServer> server_;
    static QByteArray expected_;
    zw::test::TempFolder files_;
};

std::unique_ptr<zw::test::TempFolder> DownloadFromServer::folder_;
std::unique_ptr<StaticServer> DownloadFromServer::server_;
QByteArray DownloadFromServer::expected_;

TEST_F(DownloadFromServer, InProcessThroughTheComponentLoader) {
    auto store = zw::platform::SqliteRegistryStore::open(registry()).store;
    ASSERT_TRUE(store);
    zw::platform::ScopedRegistry scoped(store);
    ASSERT_EQ(zw::platform::registerServer(FETCHLING_FILE, true), zw::com::kOk);
    auto object = zw::platform::createInstance<_clsDownload>(CLSID_clsDownload, IID__clsDownload);
    ASSERT_TRUE(object);
    EventRecorder events;
    object->Advise(&events);

    ASSERT_TRUE(object->DoDownload(server_->url("/big.bin").c_str(), file("big.bin").c_str()));
    ASSERT_TRUE(waitUntil([&] { return events.has("Finished"); }, 120000));
    ASSERT_GE(events.events.size(), 4u);
    EXPECT_EQ(events.events.front(), "Start");
    const std::string whole = "Progress " + std::to_string(kSize) + " " + std::to_string(kSize);
    EXPECT_EQ(events.events[events.events.size() - 2], whole);
    EXPECT_EQ(object->StatusCode(), 200);
    EXPECT_EQ(sha256(file("big.bin")), expected_);
    object.reset();
    flushDeferredDeletes();
}

TEST_F(DownloadFromServer, FetchgetRegistersTheComponentAndDownloads) {
    const RunResult r = fetchget({QString::fromStdString(server_->url("/big.bin")), QString::fromStdString(file("big.bin"))});
    ASSERT_EQ(r.exitCode, 0) << r.errors.toStdString();
    ASSERT_GE(r.lines.size(), 4);
    EXPECT_EQ(r.lines.first(), "Start");
    EXPECT_EQ(r.lines.at(r.lines.size() - 3), QStringLiteral("Progress %1 %1").arg(kSize));
    EXPECT_EQ(r.lines.at(r.lines.size() - 2), "Finished");
    EXPECT_EQ(r.lines.last(), "Status 200");
    EXPECT_EQ(sha256(file("big.bin")), expected_);

    // The component is registered in the store fetchget used.
    auto store = zw::platform::SqliteRegistryStore::open(registry()).store;
    ASSERT_TRUE(store);
    zw::platform::ScopedRegistry scoped(store);
    EXPECT_TRUE(zw::platform::isClassUsable(CLSID_clsDownload));
}

TEST_F(DownloadFromServer, FetchgetShowsTheStatusOfAnErrorPage) {
    const RunResult r = fetchget({QString::fromStdString(server_->url("/missing.zip")), QString::fromStdString(file("x"))});
    ASSERT_EQ(r.exitCode, 0) << r.errors.toStdString();
    EXPECT_EQ(r.lines.last(), "Status 404");
}

TEST_F(DownloadFromServer, FetchgetReportsADownloadThatCannotStart) {
    const RunResult r = fetchget({"https://127.0.0.1/x", QString::fromStdString(file("x"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.lines.isEmpty());
    EXPECT_TRUE(r.errors.startsWith("Fehler!\nError: 10043\n")) << r.errors.toStdString();
}

TEST_F(DownloadFromServer, FetchgetGivesUpAfterItsTimeout) {
    QTcpServer silent;  // accepts (through the listen backlog) and never answers
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    const QString url = QStringLiteral("http://127.0.0.1:%1/x").arg(silent.serverPort());
    const RunResult r = fetchget({"--timeout", "1", url, QString::fromStdString(file("x"))});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.lines, QStringList{"Start"});
}

TEST_F(DownloadFromServer, FetchgetRefusesABadCommandLine) {
    for (const QStringList& args : {QStringList{}, QStringList{"only-url"}, QStringList{"--timeout", "x", "u", "f"},
                                    QStringList{"--bogus", "u", "f"}}) {
        EXPECT_EQ(fetchget(args).exitCode, 64) << args.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace fetchling::test
