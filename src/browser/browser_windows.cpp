#include "browser/browser_windows.h"

#include "browser/tricks_cookielist.h"
#include "shell/navigator.h"

namespace zw::browser {

void registerWindows(shell::Navigator& navigator)
{
    navigator.add(QStringLiteral("tricks_CookieList"), [] { return new TricksCookieList; });
}

}  // namespace zw::browser
