// The title animation's steps: positions, pauses and their speed rules, tones, the stop.
#include "shell/caption_animation.h"
#include "shell/public_variables.h"

#include <gtest/gtest.h>

#include <vector>

namespace zw::shell {
namespace {

namespace pv = zw::modPublicVariables;
using K = CaptionStep::Kind;

struct AnimationRun {
    std::vector<CaptionStep> steps;
    int left = CaptionAnimation::kHomeLeft;
};

// Runs one animation to its end, the window staying visible.
AnimationRun runToEnd(int left) {
    AnimationRun run;
    run.left = left;
    CaptionAnimation animation;
    for (;;) {
        const CaptionStep step = animation.next(run.left, true);
        run.steps.push_back(step);
        if (step.kind == K::Move) run.left = step.value;
        if (step.kind == K::Done || step.kind == K::Stopped) return run;
    }
}

TEST(CaptionAnimation, SpeedRules) {
    const std::pair<int, int> up[] = {{180, 170}, {101, 91}, {100, 96}, {51, 47}, {50, 48}, {26, 24}, {25, 24}, {6, 5}, {5, 5}, {1, 1}};
    for (auto [before, after] : up) EXPECT_EQ(speedUp(before), after) << before;
    const std::pair<int, int> down[] = {{5, 7}, {9, 11}, {10, 13}, {39, 42}, {40, 44}, {79, 83}, {80, 85}, {99, 104},
                                        {100, 106}, {149, 155}, {150, 157}, {199, 206}, {200, 200}, {250, 250}};
    for (auto [before, after] : down) EXPECT_EQ(slowDown(before), after) << before;
}

TEST(CaptionAnimation, FirstRunStepsPausesAndTones) {
    pv::resetForLoad();
    const AnimationRun run = runToEnd(1800);
    ASSERT_GE(run.steps.size(), 6u);
    EXPECT_EQ(run.steps[0], (CaptionStep{K::Move, 1770}));
    EXPECT_EQ(run.steps[1], (CaptionStep{K::Wait, 180}));
    EXPECT_EQ(run.steps[2], (CaptionStep{K::Move, 1740}));
    EXPECT_EQ(run.steps[3], (CaptionStep{K::Wait, 170}));

    std::vector<CaptionStep> tones;
    int moves = 0, waited = 0;
    for (const CaptionStep& step : run.steps) {
        if (step.kind == K::Beep) tones.push_back(step);
        if (step.kind == K::Move) ++moves;
        if (step.kind == K::Wait) waited += step.value;
    }
    const std::vector<CaptionStep> expectedTones = {
        {K::Beep, 100, 100}, {K::Beep, 200, 100}, {K::Beep, 100, 100}, {K::Beep, 200, 100}, {K::Beep, 100, 100},
        {K::Beep, 200, 100}, {K::Beep, 100, 100}, {K::Beep, 200, 100}, {K::Beep, 300, 100}, {K::Beep, 400, 100}};
    EXPECT_EQ(tones, expectedTones);
    // 1800 -> 0 -> 1800 -> 0 -> 1200 -> 0 -> 600 -> 0 in steps of 30, then the jump home.
    EXPECT_EQ(moves, (1800 * 3 + 1200 * 2 + 600 * 2) / 30 + 1);
    EXPECT_EQ(run.steps[run.steps.size() - 2], (CaptionStep{K::Move, 1800}));
    EXPECT_EQ(run.steps.back().kind, K::Done);
    EXPECT_EQ(run.left, 1800);
    EXPECT_EQ(pv::CaptionLimit, 0);
    EXPECT_GT(waited, CaptionAnimation::kFinalPause);
}

TEST(CaptionAnimation, SecondRunOnlySlidesLeftWithTheSpeedItHad) {
    pv::resetForLoad();
    runToEnd(1800);
    const int delay = pv::CaptionDelay;
    const AnimationRun second = runToEnd(1800);
    EXPECT_EQ(second.steps[1], (CaptionStep{K::Wait, delay}));
    std::vector<int> tones;
    for (const CaptionStep& step : second.steps)
        if (step.kind == K::Beep) tones.push_back(step.value);
    EXPECT_EQ(tones, (std::vector<int>{100, 200, 300, 400}));
}

TEST(CaptionAnimation, HiddenWindowStopsTheRunAndSetsTheFlag) {
    pv::resetForLoad();
    CaptionAnimation animation;
    EXPECT_EQ(animation.next(1800, true).kind, K::Move);
    EXPECT_EQ(animation.next(1770, true).kind, K::Wait);
    EXPECT_EQ(animation.next(1770, false).kind, K::Stopped);
    EXPECT_TRUE(pv::AnimationStopped);
    EXPECT_EQ(animation.next(1770, true).kind, K::Done);
}

}  // namespace
}  // namespace zw::shell
