#include "program_folder.h"

#include "platform/program_data_path.h"
#include "platform/services.h"

#include <QDir>

namespace zw::shell {

QString programFolder() { return platform::services().folders->programFolder(); }

QString dataPath(const QString& relative) { return programFolder() + QStringLiteral("/Data/") + relative; }

QString programFilePath(std::string_view relative) {
    const std::string path = platform::programDataPath(programFolder().toStdString(), relative);
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

QString owlPicturePath() { return dataPath(QStringLiteral("Pics/Misc/Eule.gif")); }

}  // namespace zw::shell
