// Starting programs, opening documents and web addresses on this desktop.
#pragma once

#include "services.h"

namespace zw::platform {

class QtLauncher final : public LaunchService {
public:
    void startProgram(const QString& commandLine, int windowStyle) override;
    void shellOpen(const QString& file) override;
    bool openUrl(const QString& url) override;
};

// Whether the desktop associates a program with this file (xdg-mime); false where it cannot tell.
bool hasDesktopAssociation(const QString& path);

}  // namespace zw::platform
