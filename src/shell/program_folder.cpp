#include "program_folder.h"

#include "platform/services.h"

namespace zw::shell {

QString programFolder() { return platform::services().folders->programFolder(); }

QString dataPath(const QString& relative) { return programFolder() + QStringLiteral("/Data/") + relative; }

QString owlPicturePath() { return dataPath(QStringLiteral("Pics/Misc/Eule.gif")); }

}  // namespace zw::shell
