// The message every tweak window shows after a button write, whatever the outcome:
// "Registry Wert wurde erfolgreich gesetzt!" with the information icon, OK and the program title.
// Call it after the write (the window clears "On Top" before writing, so the box is not hidden).
#pragma once

#include <QString>

namespace zw::shell {

inline const QString kRegistrySuccessText = QStringLiteral("Registry Wert wurde erfolgreich gesetzt!");

void showRegistrySuccess();

}  // namespace zw::shell
