// The program folder and its Data folder (pictures, scripts).
#pragma once

#include <QString>

namespace zw::shell {

// The folder of the program file, as the folder service reports it.
QString programFolder();
// A file below the Data folder: dataPath("Pics/Misc/Eule.gif").
QString dataPath(const QString& relative);
// The owl picture, program folder + "/Data/Pics/Misc/Eule.gif".
QString owlPicturePath();

}  // namespace zw::shell
