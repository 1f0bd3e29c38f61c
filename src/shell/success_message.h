// The two messages a tweak window shows after a button write, with OK and the program title:
// "Registry Wert wurde erfolgreich gesetzt!" (information icon) when the writes reached what they
// asked for, the failure text (exclamation icon) when one did not. Which one follows a click is
// decided in one place, zw::confirmWrites (tweak/button_write.h).
// Call them after the write (the window clears "On Top" before writing, so the box is not hidden).
#pragma once

#include <QString>

namespace zw::shell {

inline const QString kRegistrySuccessText = QStringLiteral("Registry Wert wurde erfolgreich gesetzt!");
inline const QString kRegistryFailureText =
    QStringLiteral("Der Registry Wert konnte nicht gesetzt werden. Möglicherweise fehlen Ihnen die nötigen "
                   "Rechte (Administrator).");

void showRegistrySuccess();
void showRegistryFailure();

}  // namespace zw::shell
