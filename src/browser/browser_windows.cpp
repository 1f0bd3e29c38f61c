#include "browser/browser_windows.h"

#include "browser/tricks_cookielist.h"
#include "browser/tricks_ielayout.h"
#include "shell/navigator.h"

namespace zw::browser {

void registerWindows(shell::Navigator& navigator)
{
    navigator.add(QStringLiteral("tricks_CookieList"), [] { return new TricksCookieList; });
    navigator.add(QStringLiteral("tricks_IELayout"), [] { return new TricksIELayout; });
}

}  // namespace zw::browser
