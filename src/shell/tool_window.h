// ToolWindow: the frame every window of the program shares.
//
// How to build a window on it:
//   class RegBalloontips : public zw::shell::ToolWindow {
//   public:
//       RegBalloontips() : ToolWindow(kDesign) {          // kDesign: a WindowDesign (below)
//           setBackground(kToolBackground);            // Image1, below Data/; drag handle
//           addCaption("Balloontips", twipsRect(240, 120, 4000, 375));     // lblCaption
//           addOnTopBox(twipsRect(...));                  // Check1 "On Top"
//           auto* close = addButton("Command3", "Schließen", twipsRect(...));
//           connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
//       }
//   protected:
//       void load() override { ... }   // the window's own load steps (polls, timers)
//   };
// and register it with the navigator (navigator.h). The navigator creates the window, runs
// runLoad() (rounded shape, "On Top" at load, owl, then load()) and shows it centred.
//
// Names: objectName of the window = design name; of every control = its design control name.
// Sizes and places are given in twips (twipsRect), 15 twips per pixel.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class QCheckBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace zw::shell {

// What a window does right after it has shown another window.
enum class LeaveRule {
    Stay,    // stays as it is
    Hide,    // the hub: hides itself and is shown again as it was
    Unload,  // the catalogues: unload themselves and are loaded afresh on return
};

struct WindowDesign {
    QString name;                  // design name, the window's objectName ("reg_balloontips")
    int widthTwips = 0;            // design size
    int heightTwips = 0;
    QString caption;               // window title
    QString opener;                // shown again by Close/ESC ("Form1", "Regedit", "Tricks"); empty: none
    LeaveRule whenOpening = LeaveRule::Stay;
    bool escCloses = false;        // ESC works like Close (hub, catalogues, launcher, about, update, feedback)
    bool topmostAtLoad = false;    // Check1 is set at load
    bool showsOwl = false;         // the owl is shown at load while OwlFlag is set (needs addOwl)
};

// The drag rule: a mouse down this many pixels or more below the top of the handle does nothing.
// Image1 of the tool windows, below the Data folder.
inline const QString kToolBackground = QStringLiteral("Pics/Backgrounds/tool.png");

inline constexpr double kDragLimitPixels = 500.0;
inline bool startsDrag(double yPixelsInHandle) { return yPixelsInHandle < kDragLimitPixels; }

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    explicit ToolWindow(WindowDesign design, QWidget* parent = nullptr);
    ~ToolWindow() override;

    const WindowDesign& design() const { return design_; }

    // Called once by the navigator after construction: shape, topmost at load, owl, load().
    void runLoad();

    // Close rule: show the opener (a fresh one if it was unloaded), then unload this window.
    // Without a navigator (a window tested alone) the window just closes.
    void closeWindow();

    // Asks the navigator to unload this window as soon as its load has ended (e.g. a second
    // copy of the program ends at once).
    void requestUnload() { unloadRequested_ = true; }
    bool unloadRequested() const { return unloadRequested_; }

    // "On Top": makes the window topmost or not; stays visible.
    void setTopmost(bool on);
    bool isTopmost() const;

    // Keys pressed while this window is active, whatever control has the focus. Return true
    // to swallow the key. The default closes the window on ESC where the design says so.
    virtual bool windowKeyPress(QKeyEvent* event);

    static QRect twipsRect(int left, int top, int width, int height);

    QLabel* background() const { return image1_; }
    QLabel* captionLabel() const { return caption_; }
    QCheckBox* onTopBox() const { return check1_; }

signals:
    // A drag by lblCaption or Image1 began (the system's move loop or our own follows the mouse).
    void dragStarted();

protected:
    // The window's own load steps.
    virtual void load() {}

    // Builders for the shared controls.
    QLabel* setBackground(const QString& pictureBelowData);                       // Image1
    QLabel* addCaption(const QString& text, QRect geometry, double pointSize = 14.25);  // lblCaption
    QCheckBox* addOnTopBox(QRect geometry, const QString& text = QStringLiteral("On Top"));  // Check1
    void addOwl(int leftTwips, int topTwips);                                     // WB and Img
    QPushButton* addButton(const QString& name, const QString& text, QRect geometry);
    QLabel* addLabel(const QString& name, const QString& text, QRect geometry);

    // Sets or clears a window flag; a visible window stays visible at its place.
    void changeWindowFlag(Qt::WindowType flag, bool on);

    // Makes a control a drag handle (lblCaption and Image1 are made so by their builders).
    void makeDragHandle(QWidget* handle);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void beginDrag(QWidget* handle, QPoint globalPos);

    WindowDesign design_;
    QLabel* image1_ = nullptr;
    QLabel* caption_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QLabel* wb_ = nullptr;
    QLabel* img_ = nullptr;
    bool centred_ = false;
    bool unloadRequested_ = false;
    QPointer<QWidget> manualDrag_;  // our own move when the system has none
    QPoint dragOffset_;
};

}  // namespace zw::shell
