// Two real copies of the program: the second ends at once and silently with status 0, the first
// runs on untouched.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

class TwoCopies : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(home_.path() + "/runtime");
        QFile::setPermissions(home_.path() + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert("QT_QPA_PLATFORM", "offscreen");
        environment_.insert("XDG_RUNTIME_DIR", home_.path() + "/runtime");
        environment_.insert("XDG_DATA_HOME", home_.path() + "/data");
        environment_.insert("ZUNDERWERK_REGISTRY", home_.path() + "/registry.db");
    }
    void start(QProcess& copy) {
        copy.setProcessEnvironment(environment_);
        copy.start(QStringLiteral(ZUNDERWERK_PROGRAM), {});
        ASSERT_TRUE(copy.waitForStarted(10000));
    }
    QString lockFile() const { return home_.path() + "/runtime/zunderwerk.lock"; }

    QTemporaryDir home_;
    QProcessEnvironment environment_;
};

TEST_F(TwoCopies, SecondCopyEndsSilentlyAndTheFirstRunsOn) {
    QProcess first;
    start(first);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(lockFile()); }, 20000)) << "the first copy holds the lock";

    QProcess second;
    start(second);
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());

    QTest::qWait(300);
    EXPECT_EQ(first.state(), QProcess::Running) << "the first copy is untouched";
    EXPECT_TRUE(QFile::exists(lockFile()));
    first.kill();
    first.waitForFinished(5000);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
