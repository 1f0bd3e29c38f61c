#include "program_setup.h"

#include "shell/program_folder.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace zw::app {

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Zunderwerk"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    QApplication::setDesktopFileName(QStringLiteral("zunderwerk"));
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(QIcon(shell::dataPath(QStringLiteral("Pics/Icons/zunderwerk.png"))));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                                QStringLiteral("Noto Sans"), QStringLiteral("Sans Serif")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    QApplication::setFont(font);
}

}  // namespace zw::app
