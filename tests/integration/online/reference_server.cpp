#include "reference_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

namespace {

bool copyTree(const QString& from, const QString& to)
{
    QDir source(from);
    if (!QDir().mkpath(to)) {
        return false;
    }
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + "/" + entry.fileName();
        if (entry.isDir() ? !copyTree(entry.filePath(), target) : !QFile::copy(entry.filePath(), target)) {
            return false;
        }
    }
    return true;
}

QString script() { return QStringLiteral(ZW_SOURCE_DIR "/scripts/server.sh"); }

} // namespace

ReferenceServer::ReferenceServer() = default;

ReferenceServer::~ReferenceServer() { stop(); }

bool ReferenceServer::start()
{
    if (!dir_.isValid() || !copyTree(QStringLiteral(ZW_SOURCE_DIR "/server/www"), root())) {
        return false;
    }
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(QStringLiteral("bash"), {script(), "start", "--root", root(), "--state", dir_.path() + "/state", "--db",
                                     feedbackDatabase(), "--watch", QString::number(QCoreApplication::applicationPid())});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "reference server did not start: %s\n", p.readAllStandardError().constData());
        return false;
    }
    url_ = QString::fromLatin1(p.readAllStandardOutput()).trimmed();
    return url_.startsWith(QLatin1String("http://127.0.0.1:"));
}

void ReferenceServer::stop()
{
    if (url_.isEmpty()) {
        return;
    }
    QProcess::execute(QStringLiteral("bash"), {script(), "stop", "--state", dir_.path() + "/state"});
    url_.clear();
}

void ReferenceServer::writeFile(const QString& path, const QByteArray& bytes) const
{
    QFile f(root() + path);
    QDir().mkpath(QFileInfo(f).path());
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
    }
}

QByteArray ReferenceServer::readFile(const QString& path) const
{
    QFile f(root() + path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
