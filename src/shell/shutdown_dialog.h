// The system's dialog to shut down, restart or log off, as "&Beenden" offers it: on Windows
// shell32's own dialog, elsewhere the running desktop's (shutdown_dialogs.h). Where none can be
// found nothing more happens. Tests install a recorder in its place.
#pragma once

#include <functional>

class QWidget;

namespace zw::shell {

// Opens the dialog owned by `owner`; returns whether one could be opened.
bool openShutdownDialog(QWidget* owner);

// Replaces the dialog for the lifetime of the object (tests).
class ScopedShutdownDialog {
public:
    using Opener = std::function<bool(QWidget* owner)>;
    explicit ScopedShutdownDialog(Opener opener);
    ~ScopedShutdownDialog();
    ScopedShutdownDialog(const ScopedShutdownDialog&) = delete;
    ScopedShutdownDialog& operator=(const ScopedShutdownDialog&) = delete;

private:
    Opener previous_;
};

}  // namespace zw::shell
