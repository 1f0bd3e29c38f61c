// OpenWebsite and WriteEmail: the two link routines of the about window.
#include "busy_pointer.h"
#include "contact_links.h"
#include "email.h"
#include "website.h"

#include "platform/services.h"

namespace zw::shell {
namespace {

void openLink(const std::string& link)
{
    if (link.empty())
        return;
    const BusyPointer busy;
    platform::services().launcher->openUrl(QString::fromStdString(link));
}

}  // namespace

void OpenWebsite(QWidget* /*owner: the desktop's opener has no owner window*/, const QString& address)
{
    openLink(WebsiteAddress(address.toStdString()));
}

void WriteEmail(QWidget* /*owner*/, const QString& address, const QString& subject)
{
    openLink(MailtoLink(address.toStdString(), subject.toStdString()));
}

}  // namespace zw::shell
