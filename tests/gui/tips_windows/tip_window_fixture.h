// A Tips und Tricks window on a fresh registry store, with recording services and a navigator
// that knows the real catalogue `Tricks` and every tip window.
#pragma once

#include "fresh_store.h"
#include "shell/success_message.h"
#include "support/fake_services.h"
#include "support/window_steps.h"

#include "shell/navigator.h"
#include "shell/tool_window.h"
#include "tips/tips_windows.h"
#include "platform/registry_access.h"
#include "tweak/registry.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>

#include <functional>
#include <optional>
#include <string>

namespace zw::test {

class TipWindowTest : public FreshStore {
protected:
    TipWindowTest() { tips::registerWindows(navigator); }
    ~TipWindowTest() override { flushDeletes(); }

    // Opens the window as the catalogue does: `Tricks` first, then the window.
    shell::ToolWindow* open(const QString& name)
    {
        shell::ToolWindow* from = navigator.show(QStringLiteral("Tricks"));
        window = navigator.open(from, name);
        flushDeletes();
        return window;
    }

    template <class W = QPushButton>
    W* child(const QString& name)
    {
        return namedChild<W>(window, name);
    }

    void setOnTop() { child<QCheckBox>(QStringLiteral("Check1"))->setChecked(true); }
    bool onTop() { return child<QCheckBox>(QStringLiteral("Check1"))->isChecked(); }

    // Closes with the named button and checks the way back to a fresh catalogue.
    void closeReturnsToTricks(const QString& closeButton)
    {
        const QString name = window->objectName();
        child(closeButton)->click();
        flushDeletes();
        EXPECT_FALSE(navigator.loaded(name)) << name.toStdString();
        shell::ToolWindow* tricks = navigator.loaded(QStringLiteral("Tricks"));
        ASSERT_TRUE(tricks);
        EXPECT_TRUE(tricks->isVisible());
        EXPECT_TRUE(tricks->onTopBox()->isChecked());
    }

    FakeServices fakes;
    shell::Navigator navigator;
    QPointer<shell::ToolWindow> window;
};

inline const QString kSuccess = QStringLiteral("Registry Wert wurde erfolgreich gesetzt!");
inline const QString kFailure = shell::kRegistryFailureText;

}  // namespace zw::test

namespace zw::test {

// The stored type and bytes of a value, or nothing when it does not exist.
struct RawValue {
    platform::RegType type = 0;
    std::string bytes;
    bool operator==(const RawValue&) const = default;
};

inline std::optional<RawValue> rawValue(HiveCode hive, const std::string& key, const std::string& value)
{
    Registry::RegKey k = 0;
    if (Registry::OpenKey(hive, key, k) != platform::kRegOk)
        return std::nullopt;
    RawValue raw;
    std::uint32_t size = 0;
    std::optional<RawValue> result;
    if (platform::activeRegistry().queryValue(k, value, &raw.type, nullptr, &size) == platform::kRegOk) {
        raw.bytes.resize(size);
        platform::activeRegistry().queryValue(k, value, &raw.type, reinterpret_cast<std::uint8_t*>(raw.bytes.data()), &size);
        raw.bytes.resize(size);
        result = raw;
    }
    Registry::CloseKey(k);
    return result;
}

inline bool keyExists(HiveCode hive, const std::string& key)
{
    Registry::RegKey k = 0;
    if (Registry::OpenKey(hive, key, k) != platform::kRegOk)
        return false;
    Registry::CloseKey(k);
    return true;
}

}  // namespace zw::test
