// Module modPublicVariables: the program-wide values of the main window's title animation.
// Other windows read OwlFlag when they load (the owl picture). Plain C++, no Qt.
#pragma once

#include <cstdint>

namespace zw::modPublicVariables {

inline constexpr std::int32_t kStartCaptionDelay = 180;   // ms
inline constexpr std::int32_t kStartCaptionLimit = 1800;  // twips

extern std::int32_t CaptionDelay;   // pause between two steps of the title animation, ms
extern std::int32_t CaptionLimit;   // right-hand turning point of the title animation, twips
extern bool OwlFlag;                // true once the title animation was started
extern bool AnimationStopped;       // set when the main window was found hidden during the animation

// The start values, set on every load of the main window.
void resetForLoad();

}  // namespace zw::modPublicVariables
