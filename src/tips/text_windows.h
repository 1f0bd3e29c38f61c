// The text and choice windows: tricks_bootnachricht (logon notice), tricks_InternetExplorer
// (browser title), tricks_timeout (hung-program timeout) and tricks_netsend (messenger start
// type). None of them polls.
#pragma once

#include "tips/tip_window.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace zw::tips {

class TricksBootnachricht final : public TipWindow {
    Q_OBJECT
public:
    TricksBootnachricht();
};

class TricksInternetExplorer final : public TipWindow {
    Q_OBJECT
public:
    TricksInternetExplorer();
};

class TricksTimeout final : public TipWindow {
    Q_OBJECT
public:
    TricksTimeout();

protected:
    void load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* text1_ = nullptr;
};

class TricksNetsend final : public TipWindow {
    Q_OBJECT
public:
    TricksNetsend();

protected:
    void load() override;

private:
    void change();

    QComboBox* combo1_ = nullptr;
};

}  // namespace zw::tips
