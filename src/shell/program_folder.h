// The program folder and its Data folder (pictures, scripts).
#pragma once

#include <QString>

#include <string_view>

namespace zw::shell {

// The folder of the program file, as the folder service reports it.
QString programFolder();
// A file below the Data folder: dataPath("Pics/Misc/Eule.gif").
QString dataPath(const QString& relative);
// A file named the Windows way relative to the program folder ("Data\RAM\RAMdefrag\above128.vbs"),
// as a full path in the platform's own notation: found however the program was started.
QString programFilePath(std::string_view relative);
// The owl picture, program folder + "/Data/Pics/Misc/Eule.gif".
QString owlPicturePath();

}  // namespace zw::shell
