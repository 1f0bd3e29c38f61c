// reg_MaxConnections and reg_Menügeschwindigkeit: one layout, a typed value stored by "Ändern".
#pragma once

#include "shell/tool_window.h"

#include <QList>
#include <QRect>
#include <QString>

#include <functional>

class QLineEdit;

namespace zw::tuning {

struct ValueEntryDesign {
    shell::WindowDesign window;
    QString title;                 // lblCaption
    QRect titlePlace;              // twips
    int entryTop = 0;              // top of Text1 and Command1, twips
    QString designText;            // Text1 before the load
    struct Label {
        QString name;
        QString text;
        QRect place;  // twips
    };
    QList<Label> labels;
    // The text Text1 shows after the load, given the design text.
    std::function<std::string(const std::string& designText)> loadText;
    // Why a typed text cannot be stored, or empty when it can (no function: every text can).
    std::function<QString(const std::string& typed)> refusal;
    std::function<void(const std::string& typed)> store;
};

class RegValueEntry final : public shell::ToolWindow {
    Q_OBJECT
public:
    explicit RegValueEntry(ValueEntryDesign design);

    static ValueEntryDesign maxConnections();
    static ValueEntryDesign menuSpeed();

protected:
    void load() override;

private:
    void change();

    ValueEntryDesign entry_;
    QLineEdit* text1_ = nullptr;
};

}  // namespace zw::tuning
