// The project's reference web server (scripts/server.sh) serving a folder of the test's own on
// a free port of 127.0.0.1; stopped by the destructor, and by itself should the test die.
#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QString>

#include <cstdio>

namespace fetchling::test {

class StaticServer {
public:
    // Serves `root`; runtime files go to `state`.
    StaticServer(const QString& root, const QString& state) : state_(state) {
        QProcess p;
        p.start(QStringLiteral("bash"), {script(), "start", "--root", root, "--state", state, "--watch",
                                         QString::number(QCoreApplication::applicationPid())});
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            std::fprintf(stderr, "web server did not start: %s\n", p.readAllStandardError().constData());
            return;
        }
        url_ = QString::fromLatin1(p.readAllStandardOutput()).trimmed();
    }
    ~StaticServer() {
        if (!url_.isEmpty()) QProcess::execute(QStringLiteral("bash"), {script(), "stop", "--state", state_});
    }
    StaticServer(const StaticServer&) = delete;
    StaticServer& operator=(const StaticServer&) = delete;

    bool running() const { return url_.startsWith(QLatin1String("http://127.0.0.1:")); }
    std::string url(const char* path) const { return url_.toStdString() + path; }

private:
    static QString script() { return QStringLiteral(ZW_SOURCE_DIR "/scripts/server.sh"); }

    QString state_;
    QString url_;
};

}  // namespace fetchling::test
