#pragma once
// The reference product web server (nginx with PHP-FPM) for one test: started on a free port
// of 127.0.0.1 with a private copy of the served content, stopped by the destructor (and by
// itself should the test die).

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class ReferenceServer {
public:
    ReferenceServer();
    ~ReferenceServer();
    ReferenceServer(const ReferenceServer&) = delete;
    ReferenceServer& operator=(const ReferenceServer&) = delete;

    bool start();
    void stop();

    QString url() const { return url_; }                 // http://127.0.0.1:PORT
    QString root() const { return dir_.path() + "/www"; }
    QString feedbackDatabase() const { return dir_.path() + "/feedback.sqlite"; }

    // Replaces a served file (path below the root, beginning with "/").
    void writeFile(const QString& path, const QByteArray& bytes) const;
    QByteArray readFile(const QString& path) const;

private:
    QTemporaryDir dir_;
    QString url_;
};
