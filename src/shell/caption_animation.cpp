#include "caption_animation.h"

#include "public_variables.h"

namespace zw::shell {

namespace pv = zw::modPublicVariables;

int speedUp(int delay) {
    if (delay > 100) return delay - 10;
    if (delay > 50) return delay - 4;
    if (delay > 25) return delay - 2;
    if (delay > 5) return delay - 1;
    return delay;
}

int slowDown(int delay) {
    if (delay < 10) return delay + 2;
    if (delay < 40) return delay + 3;
    if (delay < 80) return delay + 4;
    if (delay < 100) return delay + 5;
    if (delay < 150) return delay + 6;
    if (delay < 200) return delay + 7;
    return delay;
}

CaptionStep CaptionAnimation::next(int left, bool windowVisible) {
    using K = CaptionStep::Kind;
    switch (phase_) {
    case Phase::AfterMove: {
        // The pause after a step, then the speed change of the slide it belongs to.
        const int pause = pv::CaptionDelay;
        pv::CaptionDelay = resume_ == Phase::Left ? speedUp(pv::CaptionDelay) : slowDown(pv::CaptionDelay);
        phase_ = resume_;
        return {K::Wait, pause};
    }
    case Phase::Left:
        if (left > 0) {
            if (!windowVisible) {
                pv::AnimationStopped = true;
                phase_ = Phase::Finished;
                return {K::Stopped};
            }
            resume_ = Phase::Left;
            phase_ = Phase::AfterMove;
            return {K::Move, left - kStep};
        }
        phase_ = pv::CaptionLimit > 0 ? Phase::Right : Phase::Closing;
        closingStep_ = 0;
        return {K::Beep, 100, 100};
    case Phase::Right:
        if (left < pv::CaptionLimit) {
            if (!windowVisible) {
                pv::AnimationStopped = true;
                phase_ = Phase::Finished;
                return {K::Stopped};
            }
            resume_ = Phase::Right;
            phase_ = Phase::AfterMove;
            return {K::Move, left + kStep};
        }
        pv::CaptionLimit -= 600;
        phase_ = Phase::Left;
        return {K::Beep, 200, 100};
    case Phase::Closing:
        switch (closingStep_++) {
        case 0: return {K::Wait, kFinalPause};
        case 1: return {K::Beep, 200, 100};
        case 2: return {K::Beep, 300, 100};
        case 3: return {K::Beep, 400, 100};
        default: phase_ = Phase::Finished; return {K::Move, kHomeLeft};
        }
    case Phase::Finished:
        break;
    }
    return {K::Done};
}

}  // namespace zw::shell
