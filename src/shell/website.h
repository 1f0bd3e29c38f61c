// Module Website: opens a web address in the desktop's browser.
#pragma once

#include <QString>

class QWidget;

namespace zw::shell {

// Shows the hourglass, hands the address to the browser (a bare host name gets "http://"),
// and puts the pointer back whatever happened. Reports nothing.
void OpenWebsite(QWidget* owner, const QString& address);

}  // namespace zw::shell
