// Module Email: opens a new message in the desktop's mail program.
#pragma once

#include <QString>

class QWidget;

namespace zw::shell {

// Shows the hourglass, opens the link MailtoLink(address, subject) and puts the pointer back
// whatever happened. Reports nothing.
void WriteEmail(QWidget* owner, const QString& address, const QString& subject);

}  // namespace zw::shell
