// What the update window does with what it receives, against the real reference server and
// the real download component: a downloaded program is stored and nothing else (never started,
// opened or loaded), and the server's short answers only pass through a Windows folder that is
// the user's alone.

#include "update_window_fixture.h"

#include "fetchling/fetchling.h"
#include "platform/reg_file.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

using namespace zw;
using namespace zw::online;
using platform::MsgIcon;

namespace {

unsigned modeOf(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0u;
}

// Every running process whose command line names `text`.
QStringList processesNaming(const QString& text)
{
    QStringList found;
    for (const QFileInfo& entry : QDir(QStringLiteral("/proc")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile cmdline(entry.filePath() + "/cmdline");
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(text.toUtf8())) {
            found << entry.fileName();
        }
    }
    return found;
}

} // namespace

class UpdateSecurityTest : public UpdateWindowFixture {
    Q_OBJECT
private slots:
    // The archive is a program that would leave a mark if anything ran it; saved under a name
    // that the system would run or open by itself if asked to.
    void aDownloadedProgramIsStoredAndNothingElse()
    {
        const QString mark = scratch.filePath("ran");
        const QByteArray program = "#!/bin/sh\necho ran > '" + QFile::encodeName(mark) + "'\nsleep 5\n";
        server.writeFile("/downloads/mytools/Zunderwerk.zip", program);
        const QString registered = QString::fromStdString(platform::registeredServer(fetchling::CLSID_clsDownload));

        for (const QString& name : {QStringLiteral("Zunderwerk.zip"), QStringLiteral("Zunderwerk.exe"),
                                    QStringLiteral("setup.sh"), QStringLiteral("Fetchling.so")}) {
            const QString target = scratch.filePath(name);
            fakes->dialogs.messages.clear();
            lineEdit("txtLokalFile")->setText(target);
            click("cmdDownload");
            QTRY_COMPARE_WITH_TIMEOUT(fakes->dialogs.messages.size(), 2, 30000);
            QCOMPARE(fakes->dialogs.messages[0].text, QStringLiteral("Download Vorgang beendet!"));
            QTest::qWait(300);   // room for anything started by the end of the download to show itself

            QFile saved(target);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(saved.readAll(), program);
            QVERIFY2((modeOf(target) & 0111) == 0, qPrintable(name + " may be executed"));
            QVERIFY2(!QFile::exists(mark), qPrintable(name + " was run"));
            QCOMPARE(processesNaming(target), QStringList());
            QVERIFY(fakes->launcher.started.isEmpty());
            QVERIFY(fakes->launcher.opened.isEmpty());
            QVERIFY(fakes->launcher.urls.isEmpty());
            // Not loaded as a component, nor registered as one.
            QFile maps(QStringLiteral("/proc/self/maps"));
            QVERIFY(maps.open(QIODevice::ReadOnly));
            QVERIFY2(!maps.readAll().contains(QFile::encodeName(target)), qPrintable(name + " was loaded"));
            QCOMPARE(QString::fromStdString(platform::registeredServer(fetchling::CLSID_clsDownload)), registered);
        }
    }

    // A .reg file that points the download class at a library someone else could have put
    // there: importing it stores the path, and "Update !" then refuses to load that library.
    void anImportedClassPathToAnUntrustedLibraryIsNotLoaded()
    {
        const QString shared = scratch.filePath("shared");
        QVERIFY(QDir().mkpath(shared));
        const QString planted = shared + "/Fetchling.so";
        QVERIFY(QFile::copy(QStringLiteral(RETURNING_COMPONENT), planted));
        QVERIFY(::chmod(QFile::encodeName(shared).constData(), 0777) == 0);
        const std::string file = "REGEDIT4\r\n\r\n[HKEY_CLASSES_ROOT\\CLSID\\" + com::toString(fetchling::CLSID_clsDownload)
                                 + "\\InprocServer32]\r\n@=\"" + planted.toStdString() + "\"\r\n";
        const platform::RegFileParse parsed = platform::parseRegFile(file);
        QVERIFY2(parsed.ok(), parsed.error.c_str());
        QCOMPARE(platform::applyRegFile(platform::activeRegistry(), parsed.keys).result, platform::kRegOk);
        QCOMPARE(QString::fromStdString(platform::registeredServer(fetchling::CLSID_clsDownload)), planted);

        lineEdit("txtLokalFile")->setText(scratch.filePath("hijacked.zip"));
        click("cmdDownload");
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Error..."));
        QCOMPARE(lineEdit("txtStatus")->text(), QStringLiteral("Server nicht erreichbar!"));
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(!maps.readAll().contains(QFile::encodeName(planted)), "the planted library was loaded");
        QVERIFY(fakes->launcher.started.isEmpty());

        QCOMPARE(platform::registerServer(FETCHLING_FILE, true), com::kOk);   // as it was for the other tests
    }

    void aLinkedWindowsFolderIsRefusedAndNothingWrittenThere()
    {
        const QString elsewhere = scratch.filePath("elsewhere");
        QVERIFY(QDir().mkpath(elsewhere));
        const QString linked = scratch.filePath("LINKED");
        QVERIFY(QFile::link(elsewhere, linked));
        fakes->folders.windows = linked;
        server.writeFile("/downloads/mytools/update/zunderwerk.txt", "2.1");
        server.writeFile("/downloads/mytools/msg/zunderwerk.txt", "Hallo");
        server.writeFile("/downloads/mytools/msg/zunderwerk_msgtyp.txt", "vbInformation");

        for (const char* button : {"cmdCheckForUpdate", "cmdServerMessage"}) {
            fakes->dialogs.messages.clear();
            click(button);
            QCOMPARE(fakes->dialogs.messages.size(), 1);
            QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Ordner nicht sicher"));
            QCOMPARE(fakes->dialogs.messages[0].text,
                     QStringLiteral("Der Ordner \"%1\" ist ein Verweis auf einen anderen Ort. Aus Sicherheitsgründen "
                                    "legt Zunderwerk dort keine Dateien ab.").arg(linked));
            QCOMPARE(fakes->dialogs.messages[0].icon, MsgIcon::Critical);
            QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        }
        QCOMPARE(window->findChild<QLineEdit*>("txtNeusteVersion")->text(), QString());
    }

    void aWindowsFolderOthersCouldReachIsTightenedFirst()
    {
        QVERIFY(QFile::setPermissions(fakes->folders.windows, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                 | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                                                 | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                                 | QFileDevice::ExeOther));
        QCOMPARE(modeOf(fakes->folders.windows), 0755u);
        server.writeFile("/downloads/mytools/update/zunderwerk.txt", "2.0");
        click("cmdCheckForUpdate");
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].text, QStringLiteral("Es ist keine neue Version vorhanden!"));
        QCOMPARE(modeOf(fakes->folders.windows), 0700u);
        QVERIFY(!QFile::exists(fakes->folders.windows + "/update.txt"));
    }

};

QTEST_MAIN(UpdateSecurityTest)
#include "update_security_test.moc"
