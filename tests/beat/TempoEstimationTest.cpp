#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "beat/BeatEstimator.h"

namespace {

class TempoEstimation : public testing::Test {
  protected:
    void SetUp() override {
        e.Initialize();
        for (int s = 0; s < BeatEstimator::kPeakSlots; ++s) {
            for (int b = 0; b < e.bandCount; ++b) {
                e.peakFrequency[s][b] = std::numeric_limits<float>::quiet_NaN();
                e.peakPower[s][b] = 0.0F;
                e.peakPhase[s][b] = 0.0F;
            }
        }
    }
    void Peak(int slot, int band, float frequency, float power, float phase = 0.0F) {
        e.peakFrequency[slot][band] = frequency;
        e.peakPower[slot][band] = power;
        e.peakPhase[slot][band] = phase;
    }

    BeatEstimator e;
};

TEST_F(TempoEstimation, ASilentBandHasNoUsablePeak) {
    e.tempo = 2.3F;
    e.FindBandPeaks();
    for (int s = 0; s < e.peakCount; ++s) {
        EXPECT_TRUE(std::isnan(e.peakFrequency[s][0])) << s;
    }
    e.EstimateTempo();
    EXPECT_FLOAT_EQ(e.tempo, 2.3F);
}

TEST_F(TempoEstimation, APeriodicBandPeaksHalfABinAboveItsBin) {
    constexpr int bin = 30;
    constexpr double delay = 0.4;
    for (int t = 0; t < e.historyLength; ++t) {
        e.bandHistory[2][t] = static_cast<float>(
            1.0 + std::cos(2.0 * std::numbers::pi * bin * t / e.historyLength - delay));
    }
    e.FindBandPeaks();
    int strongest = 0;
    for (int s = 1; s < e.peakCount; ++s) {
        if (e.peakPower[s][2] > e.peakPower[strongest][2]) {
            strongest = s;
        }
    }
    EXPECT_NEAR(e.peakFrequency[strongest][2], (bin + 0.5) * 0.078125, 1e-5);
    EXPECT_NEAR(e.peakPower[strongest][2], 128.0 * 128.0, 0.5);
    EXPECT_NEAR(e.peakPhase[strongest][2], delay, 1e-4);
}

TEST_F(TempoEstimation, PeaksAboveTheRangeAreHalvedAndThoseBelowAreDropped) {
    Peak(0, 0, 4.4F, 1.0F);
    e.EstimateTempo();
    EXPECT_FLOAT_EQ(e.tempo, 2.2F);
    e.tempo = 0.0F;
    Peak(0, 0, 5.8F, 1.0F);
    e.EstimateTempo();
    EXPECT_EQ(e.tempo, 0.0F);
}

TEST_F(TempoEstimation, TheBoundsThemselvesAreOutsideTheRange) {
    Peak(0, 0, 1.5F, 5.0F);
    Peak(0, 1, 2.7F, 5.0F);
    e.EstimateTempo();
    EXPECT_EQ(e.tempo, 0.0F);
}

TEST_F(TempoEstimation, APeakNearTwoCandidatesWeighsForBoth) {
    Peak(0, 0, 2.0F, 1.0F);
    Peak(0, 1, 2.15F, 2.0F);
    Peak(0, 2, 2.08F, 4.0F);
    e.EstimateTempo();
    EXPECT_FLOAT_EQ(e.candidateWeight[0], 5.0F);
    EXPECT_FLOAT_EQ(e.candidateWeight[1], 6.0F);
}

TEST_F(TempoEstimation, OnATieTheEarlierSlotWins) {
    Peak(1, 0, 2.4F, 5.0F);
    Peak(0, 3, 1.8F, 5.0F);
    e.EstimateTempo();
    EXPECT_FLOAT_EQ(e.tempo, 1.8F);
}

TEST_F(TempoEstimation, AgreementOfTwoPeaksOutweighsOneHeavyPeak) {
    Peak(0, 0, 1.7F, 100.0F);
    Peak(0, 1, 2.0F, 1.0F);
    Peak(1, 1, 4.0F, 1.0F);
    e.EstimateTempo();
    EXPECT_FLOAT_EQ(e.tempo, 2.0F);
    Peak(0, 1, 2.3F, 1.0F);
    Peak(1, 1, 1.0F, 1.0F);
    e.EstimateTempo();
    EXPECT_FLOAT_EQ(e.tempo, 1.7F);
}

TEST_F(TempoEstimation, ARefinedTempoOutsideTheRangeKeepsTheOldOne) {
    e.tempo = 2.25F;
    Peak(0, 0, 1.52F, 10.0F);
    Peak(0, 1, 1.44F, 1.0F);
    e.EstimateTempo();
    EXPECT_FLOAT_EQ(e.tempo, 2.25F);
}

TEST_F(TempoEstimation, WithoutAnyTempoPhaseAndOffsetAreLeftAlone) {
    e.phase = 7.0F;
    e.beatOffset = 9.0F;
    e.EstimateTempo();
    EXPECT_EQ(e.tempo, 0.0F);
    EXPECT_EQ(e.phase, 7.0F);
    EXPECT_EQ(e.beatOffset, 9.0F);
}

TEST_F(TempoEstimation, PhaseFromTwiceTheTempoIsHalved) {
    e.tempo = 2.0F;
    Peak(0, 0, 4.0F, 3.0F, 1.0F);
    Peak(0, 1, 4.02F, 5.0F, 2.0F);
    e.EstimatePhase();
    EXPECT_FLOAT_EQ(e.phase, 1.0F);
}

TEST_F(TempoEstimation, PhasesDoNotWrapAroundAtPi) {
    e.tempo = 2.0F;
    Peak(0, 0, 2.0F, 2.0F, 3.1F);
    Peak(0, 1, 2.01F, 3.0F, -3.1F);
    e.EstimatePhase();
    EXPECT_FLOAT_EQ(e.phase, -3.1F);
}

TEST_F(TempoEstimation, PhaseIsTheMeanOfTheStrongestCluster) {
    e.tempo = 2.0F;
    Peak(0, 0, 2.0F, 10.0F, 0.5F);
    Peak(0, 1, 2.05F, 1.0F, 0.6F);
    Peak(1, 0, 1.95F, 1.0F, 0.65F);
    Peak(1, 1, 2.0F, 1.0F, -1.0F);
    e.EstimatePhase();
    EXPECT_NEAR(e.phase, (0.5 + 0.6 + 0.65) / 3, 1e-6);
}

TEST_F(TempoEstimation, OffsetIsThePhaseAsAFractionOfThePeriod) {
    e.tempo = 2.0F;
    e.phase = static_cast<float>(std::numbers::pi / 2);
    e.ComputeBeatOffset();
    EXPECT_NEAR(e.beatOffset, 0.125, 1e-5);
    e.phase = -e.phase;
    e.ComputeBeatOffset();
    EXPECT_NEAR(e.beatOffset, 0.375, 1e-5);
}

}  // namespace
