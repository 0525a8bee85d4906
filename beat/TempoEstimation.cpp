// The periodicity analysis: strong periodicities of each band's energy over the history, merged
// into one tempo between lowerTempo and upperTempo, and a phase from the peaks at that tempo.
// Peaks are always visited slot-major, band-minor, and the first one wins every tie.
#include <limits>
#include <optional>
#include <vector>

#include "beat/BeatEstimator.h"
#include "beat/NumericKernels.h"

namespace {

// Tolerances in beats per second (phases: radians). All are single precision but the one that
// gathers peaks into tempo candidates.
constexpr double kCandidateTolerance = 0.1;
constexpr float kSupportTolerance = 0.08F;
constexpr float kTempoTolerance = 0.1F;
constexpr float kDoubleTempoTolerance = 0.2F;
constexpr float kQuadTempoTolerance = 0.4F;
constexpr float kPhaseTolerance = 0.2F;
constexpr float kNoSlotYet = 9e30F;
constexpr std::int32_t kFirstSlotBin = 2;
// Marks a slot whose three powers are all zero: a NaN satisfies no range test.
constexpr float kNoFrequency = std::numeric_limits<float>::quiet_NaN();

bool Within(double x, double centre, double tolerance) {
    return centre - tolerance < x && x < centre + tolerance;
}

template <typename Visit>
void ForEachPeak(const BeatEstimator& e, Visit visit) {
    for (int s = 0; s < e.peakCount; ++s) {
        for (int b = 0; b < e.bandCount; ++b) {
            visit(s, b);
        }
    }
}

// The mean of the peak frequencies strictly within tolerance of centre, if any.
std::optional<float> MeanFrequencyNear(const BeatEstimator& e, float centre, float tolerance) {
    double sum = 0.0;
    int count = 0;
    ForEachPeak(e, [&](int s, int b) {
        if (Within(e.peakFrequency[s][b], centre, tolerance)) {
            sum += e.peakFrequency[s][b];
            ++count;
        }
    });
    if (count == 0) {
        return std::nullopt;
    }
    return static_cast<float>(sum / count);
}

// Moves a slot up a rising run of bins, or lets a separate new peak evict the weakest slot.
void PickPeakSlots(BeatEstimator& e, int startBin, int endBin) {
    int minSlot = 0;
    for (int s = 0; s < e.peakCount; ++s) {
        e.slotValue[s] = 0.0F;
        e.slotBin[s] = kFirstSlotBin;
    }
    for (int bin = startBin; bin < endBin; ++bin) {
        const float power = e.bandPower[bin];
        if (power > e.slotValue[minSlot]) {
            int s = 0;
            while (s < e.peakCount && (s == minSlot || bin >= e.slotBin[s] + 2)) {
                ++s;
            }
            if (s < e.peakCount) {
                if (power > e.slotValue[s]) {
                    e.slotValue[s] = power;
                    e.slotBin[s] = bin;
                }
            } else {
                e.slotValue[minSlot] = power;
                e.slotBin[minSlot] = bin;
            }
        }
        float minimum = kNoSlotYet;
        for (int s = 0; s < e.peakCount; ++s) {
            if (e.slotValue[s] < minimum) {
                minimum = e.slotValue[s];
                minSlot = s;
            }
        }
    }
}

// Each slot's frequency is the power-weighted mean of three frequencies one bin apart, centred
// half a bin above the slot's bin.
void StorePeaks(BeatEstimator& e, int band, float half, float nyquist, float binWidth) {
    const std::vector<float>& p = e.bandPower;
    for (int s = 0; s < e.peakCount; ++s) {
        const int i = e.slotBin[s];
        const auto f = static_cast<float>((i / double{half}) * nyquist);
        const auto c = static_cast<float>((f + (double{f} + binWidth)) * 0.5);
        const double total = double{p[i - 1]} + p[i] + p[i + 1];
        const double weighted = (double{c} - binWidth) * p[i - 1] + double{c} * p[i] +
                                (double{c} + binWidth) * p[i + 1];
        e.peakFrequency[s][band] =
            total == 0.0 ? kNoFrequency : static_cast<float>(weighted / total);
        e.peakPhase[s][band] = e.bandPhase[i];
        e.peakPower[s][band] = p[i];
    }
}

}  // namespace

void BeatEstimator::FindBandPeaks() {
    const std::int32_t bins = historyLength / 2;  // of each band's power spectrum
    const auto half = static_cast<float>(bins);
    const auto nyquist = static_cast<float>(frameRate * 0.5);
    const auto binWidth = static_cast<float>((1.0 / half) * nyquist);
    const auto startBin = static_cast<int>(double{lowerTempo} * half / nyquist);
    for (int b = 0; b < bandCount; ++b) {
        std::vector<float> history(bandHistory[b]);
        RealFftPowerPhase(history.data(), bandPower.data(), bandPhase.data(), historyLength);
        PickPeakSlots(*this, startBin, bins - 1);
        StorePeaks(*this, b, half, nyquist, binWidth);
    }
}

namespace {

// Folds every peak into the tempo range by halving and gathers the peaks within 0.1 of each
// other; a peak adds its power to every candidate it is near. Returns the number of candidates.
int GatherCandidates(BeatEstimator& e) {
    int count = 0;
    ForEachPeak(e, [&](int s, int b) {
        float f = e.peakFrequency[s][b];
        while (f > e.upperTempo) {
            f = f * 0.5F;
        }
        if (!(e.lowerTempo < f && f < e.upperTempo)) {
            return;
        }
        bool matched = false;
        for (int j = 0; j < count; ++j) {
            if (Within(f, e.candidateTempo[j], kCandidateTolerance)) {
                e.candidateWeight[j] =
                    static_cast<float>(double{e.candidateWeight[j]} + e.peakPower[s][b]);
                matched = true;
            }
        }
        if (!matched) {
            e.candidateTempo[count] = f;
            e.candidateWeight[count] = e.peakPower[s][b];
            ++count;
        }
    });
    return count;
}

// The candidate whose tempo and double tempo most peaks agree with, when at least two do;
// otherwise the heaviest candidate (0 when none has weight).
float ChooseCandidate(const BeatEstimator& e, int count) {
    std::vector<std::int32_t> support(e.PeakEntries());
    int bestBySupport = 0;
    std::int32_t maxSupport = 0;
    float maxWeight = 0.0F;
    float byWeight = 0.0F;
    for (int j = 0; j < count; ++j) {
        for (int h = 1; h <= 2; ++h) {
            const auto harmonic = static_cast<float>(h * double{e.candidateTempo[j]});
            ForEachPeak(e, [&](int s, int b) {
                support[j] += Within(e.peakFrequency[s][b], harmonic, kSupportTolerance) ? 1 : 0;
            });
        }
        if (support[j] > maxSupport) {
            maxSupport = support[j];
            bestBySupport = j;
        }
        if (e.candidateWeight[j] > maxWeight) {
            maxWeight = e.candidateWeight[j];
            byWeight = e.candidateTempo[j];
        }
    }
    return maxSupport >= 2 ? e.candidateTempo[bestBySupport] : byWeight;
}

}  // namespace

// Refines the chosen tempo against the peaks at one, two and four times it, then keeps the result
// (or its double) only when it lies strictly inside the tempo range.
void BeatEstimator::EstimateTempo() {
    const int count = GatherCandidates(*this);
    float t = ChooseCandidate(*this, count);
    if (const auto mean = MeanFrequencyNear(*this, t, kTempoTolerance)) {
        t = *mean;
    }
    auto d = static_cast<float>(2.0 * t);
    if (const auto mean = MeanFrequencyNear(*this, d, kDoubleTempoTolerance)) {
        d = *mean;
        t = static_cast<float>(d * 0.5);
    }
    const auto q = static_cast<float>(4.0 * t);
    if (const auto mean = MeanFrequencyNear(*this, q, kQuadTempoTolerance)) {
        t = static_cast<float>(*mean * 0.25);
    }
    if (lowerTempo < t && t < upperTempo) {
        tempo = t;
    } else if (lowerTempo < d && d < upperTempo) {
        tempo = d;
    }
    if (tempo == 0.0F) {
        return;  // no tempo yet: phase and beatOffset would mean nothing
    }
    EstimatePhase();
    ComputeBeatOffset();
}

namespace {

struct PhaseCluster {
    float phase;  // of its first peak, radians
    float power;
    bool half;  // gathered at twice the tempo
};

// Gathers the phases of the peaks near frequency into clusters 0.2 rad wide; a phase adds its
// power to every cluster it is near. Phases are plain numbers, with no wrap-around at +-pi.
void GatherPhases(const BeatEstimator& e, float frequency, bool half,
                  std::vector<PhaseCluster>& clusters) {
    ForEachPeak(e, [&](int s, int b) {
        if (!Within(e.peakFrequency[s][b], frequency, kTempoTolerance)) {
            return;
        }
        const float p = e.peakPhase[s][b];
        bool matched = false;
        for (PhaseCluster& cluster : clusters) {
            if (Within(p, cluster.phase, kPhaseTolerance)) {
                cluster.power = static_cast<float>(double{cluster.power} + e.peakPower[s][b]);
                matched = true;
            }
        }
        if (!matched) {
            clusters.push_back({p, e.peakPower[s][b], half});
        }
    });
}

// The phase of the most powerful cluster (halved when gathered at twice the tempo), 0 with none.
float StrongestClusterPhase(const std::vector<PhaseCluster>& clusters) {
    if (clusters.empty()) {
        return 0.0F;
    }
    std::size_t best = 0;
    float maxPower = 0.0F;
    for (std::size_t c = 0; c < clusters.size(); ++c) {
        if (clusters[c].power > maxPower) {
            maxPower = clusters[c].power;
            best = c;
        }
    }
    return clusters[best].half ? static_cast<float>(clusters[best].phase * 0.5)
                               : clusters[best].phase;
}

}  // namespace

void BeatEstimator::EstimatePhase() {
    std::vector<PhaseCluster> clusters;
    clusters.reserve(PeakEntries());
    GatherPhases(*this, tempo, false, clusters);
    if (clusters.empty()) {
        GatherPhases(*this, static_cast<float>(2.0 * tempo), true, clusters);
    }
    const float ph = StrongestClusterPhase(clusters);
    double sum = 0.0;
    int count = 0;
    ForEachPeak(*this, [&](int s, int b) {
        if (Within(peakFrequency[s][b], tempo, kTempoTolerance) &&
            Within(peakPhase[s][b], ph, kPhaseTolerance)) {
            sum += peakPhase[s][b];
            ++count;
        }
    });
    phase = count == 0 ? ph : static_cast<float>(sum / count);
}

// With the positive-exponent transform, band energy peaking t0 seconds after the history start
// and repeating every period has phase +2 pi t0 / period at the tempo bin.
void BeatEstimator::ComputeBeatOffset() {
    constexpr double kInverseTurn = 0.15915507752443828;  // 1 / 6.28318, not 1 / (2 pi)
    const double period = 1.0 / tempo;
    beatOffset = static_cast<float>(phase * period * kInverseTurn);
    if (beatOffset < 0.0F) {
        beatOffset = static_cast<float>(double{beatOffset} + static_cast<float>(period));
    }
}
