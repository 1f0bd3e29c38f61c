#include "public_variables.h"

namespace zw::modPublicVariables {

std::int32_t CaptionDelay = kStartCaptionDelay;
std::int32_t CaptionLimit = kStartCaptionLimit;
bool OwlFlag = false;
bool AnimationStopped = false;

void resetForLoad() {
    CaptionDelay = kStartCaptionDelay;
    CaptionLimit = kStartCaptionLimit;
    OwlFlag = false;
    AnimationStopped = false;
}

}  // namespace zw::modPublicVariables
