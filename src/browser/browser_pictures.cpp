#include "browser/browser_pictures.h"

static void initBrowserPictureResources() { Q_INIT_RESOURCE(browser_pictures); }

namespace zw::browser {

void useBuiltInPictures()
{
    static const bool done = (initBrowserPictureResources(), true);
    (void)done;
}

QString motifButtonImage(std::string_view logoFile)
{
    const std::size_t slash = logoFile.find_last_of('\\');
    std::string_view name = slash == std::string_view::npos ? logoFile : logoFile.substr(slash + 1);
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos)
        name = name.substr(0, dot);
    return QStringLiteral(":/browser/button_") + QString::fromUtf8(name.data(), qsizetype(name.size())) +
           QStringLiteral(".png");
}

}  // namespace zw::browser
