// The main window's title animation as a sequence of steps: the title label slides left and
// right by 30 twips with a pause of CaptionDelay ms after each step, speeding up to the left
// and slowing down to the right; each turn beeps; the turning point shrinks by 600 twips per
// round; at the end a pause of two seconds, three rising beeps and a jump back to 1800.
// Works on modPublicVariables (CaptionDelay, CaptionLimit, AnimationStopped), which are not
// reset between two runs. A driver asks for the next step, carries it out and waits where the
// step says. Plain C++, no Qt.
#pragma once

namespace zw::shell {

struct CaptionStep {
    enum class Kind {
        Move,     // put the label's left edge at `value` twips
        Wait,     // wait `value` ms before asking for the next step
        Beep,     // a tone of `value` Hz for `duration` ms (the driver waits as long)
        Stopped,  // the window was hidden: AnimationStopped is set, the run ends
        Done,     // the run ended normally
    };
    Kind kind;
    int value = 0;
    int duration = 0;
    bool operator==(const CaptionStep&) const = default;
};

class CaptionAnimation {
public:
    static constexpr int kStep = 30;           // twips per step
    static constexpr int kHomeLeft = 1800;     // where the label stands and returns to
    static constexpr int kFinalPause = 2000;   // ms before the closing beeps

    // `left`: the label's current left edge in twips; `windowVisible`: whether the main window
    // is visible right now. Both are looked at afresh for every step.
    CaptionStep next(int left, bool windowVisible);
    bool finished() const { return phase_ == Phase::Finished; }

private:
    enum class Phase { Left, Right, AfterMove, Closing, Finished };
    Phase phase_ = Phase::Left;
    Phase resume_ = Phase::Left;  // the slide to go on with after a pause
    int closingStep_ = 0;
};

// The speed rules between two steps.
int speedUp(int delay);   // to the left
int slowDown(int delay);  // to the right

}  // namespace zw::shell
