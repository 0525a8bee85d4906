#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstddef>
#include <numbers>
#include <random>
#include <vector>

#include "beat/NumericKernels.h"

namespace {

using Complex = std::complex<double>;

// The plain definition: H(k) = sum x(j) exp(+2 pi i j k / n), no scaling.
std::vector<Complex> PlainDft(const std::vector<Complex>& x) {
    const auto n = x.size();
    std::vector<Complex> h(n);
    for (std::size_t k = 0; k < n; ++k) {
        for (std::size_t j = 0; j < n; ++j) {
            const double angle = 2.0 * std::numbers::pi * double(j * k % n) / double(n);
            h[k] += x[j] * std::polar(1.0, angle);
        }
    }
    return h;
}

std::vector<float> RandomSamples(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> uniform(-1.0F, 1.0F);
    std::vector<float> samples(count);
    for (float& sample : samples) {
        sample = uniform(random);
    }
    return samples;
}

// Interleaved points behind one spare float, as the 1-based transform expects.
std::vector<float> OneBased(const std::vector<Complex>& points) {
    std::vector<float> data(1 + 2 * points.size());
    for (std::size_t j = 0; j < points.size(); ++j) {
        data[1 + 2 * j] = static_cast<float>(points[j].real());
        data[2 + 2 * j] = static_cast<float>(points[j].imag());
    }
    return data;
}

TEST(ComplexFft, MatchesThePlainTransformForEveryPowerOfTwo) {
    for (int nn = 1; nn <= 256; nn *= 2) {
        const std::vector<float> samples = RandomSamples(std::size_t{2} * nn, nn);
        std::vector<Complex> points(nn);
        for (std::size_t j = 0; j < points.size(); ++j) {
            points[j] = {samples[2 * j], samples[2 * j + 1]};
        }
        std::vector<float> data = OneBased(points);
        ComplexFft(data.data(), nn);
        const std::vector<Complex> expected = PlainDft(points);
        for (int k = 0; k < nn; ++k) {
            EXPECT_NEAR(data[1 + 2 * k], expected[k].real(), 1e-4) << "nn " << nn << " k " << k;
            EXPECT_NEAR(data[2 + 2 * k], expected[k].imag(), 1e-4) << "nn " << nn << " k " << k;
        }
    }
}

TEST(ComplexFft, ImpulseAndConstantTransformIntoEachOther) {
    constexpr int nn = 16;
    std::vector<Complex> impulse(nn);
    impulse[0] = 1.0;
    std::vector<float> data = OneBased(impulse);
    ComplexFft(data.data(), nn);
    for (int k = 0; k < nn; ++k) {
        EXPECT_FLOAT_EQ(data[1 + 2 * k], 1.0F);
        EXPECT_FLOAT_EQ(data[2 + 2 * k], 0.0F);
    }
    data = OneBased(std::vector<Complex>(nn, 1.0));
    ComplexFft(data.data(), nn);
    EXPECT_FLOAT_EQ(data[1], float{nn});
    for (int k = 1; k < nn; ++k) {
        EXPECT_NEAR(data[1 + 2 * k], 0.0, 1e-5);
        EXPECT_NEAR(data[2 + 2 * k], 0.0, 1e-5);
    }
}

TEST(RealFft, PacksThePlainTransformOfRealSamples) {
    for (int n = 4; n <= 512; n *= 2) {
        std::vector<float> data = RandomSamples(n, n);
        const std::vector<Complex> expected =
            PlainDft(std::vector<Complex>(data.begin(), data.end()));
        RealFft(data.data(), n);
        EXPECT_NEAR(data[0], expected[0].real(), 1e-4);
        EXPECT_NEAR(data[1], expected[n / 2].real(), 1e-4);
        for (std::size_t k = 1; k < data.size() / 2; ++k) {
            EXPECT_NEAR(data[2 * k], expected[k].real(), 1e-4) << "n " << n << " k " << k;
            EXPECT_NEAR(data[2 * k + 1], expected[k].imag(), 1e-4) << "n " << n << " k " << k;
        }
    }
}

std::vector<float> Cosine(int n, int cycles, double shift) {
    std::vector<float> x(n);
    for (int j = 0; j < n; ++j) {
        x[j] = static_cast<float>(std::cos(2.0 * std::numbers::pi * cycles * j / n - shift));
    }
    return x;
}

TEST(RealFft, ACosineLandsInItsOwnBin) {
    std::vector<float> data = Cosine(256, 5, 0.0);
    RealFft(data.data(), 256);
    EXPECT_NEAR(data[10], 128.0, 1e-3);
    EXPECT_NEAR(data[11], 0.0, 1e-3);
    for (int i = 0; i < 256; ++i) {
        if (i != 10) {
            EXPECT_NEAR(data[i], 0.0, 1e-3) << i;
        }
    }
}

TEST(RealFftPowerPhase, PhaseOfADelayedCosineIsPositive) {
    constexpr double shift = 0.7;
    std::vector<float> data = Cosine(256, 5, shift);
    std::vector<float> power(128);
    std::vector<float> phase(128);
    RealFftPowerPhase(data.data(), power.data(), phase.data(), 256);
    EXPECT_NEAR(phase[5], shift, 1e-5);
    EXPECT_NEAR(power[5], 128.0 * 128.0, 0.1);
}

TEST(RealFftPowerPhase, BinZeroOfAConstantHoldsItsWholePower) {
    std::vector<float> data(256, 0.5F);
    std::vector<float> power(128);
    std::vector<float> phase(128);
    RealFftPowerPhase(data.data(), power.data(), phase.data(), 256);
    EXPECT_FLOAT_EQ(power[0], 256.0F * 256.0F * 0.25F);
    EXPECT_FLOAT_EQ(phase[0], 0.0F);
}

// The windowed two-segment estimate written out from its definition.
std::vector<double> PlainPowerSpectrum(const std::vector<float>& frame, int m) {
    auto segment = [&](int first) {
        std::vector<Complex> x(std::size_t{2} * m);
        for (int j = 0; j < 2 * m; ++j) {
            x[j] = frame[first + j] * (1.0 - std::abs((j - m) / double(m)));
        }
        return PlainDft(x);
    };
    const std::vector<Complex> a = segment(0);
    const std::vector<Complex> b = segment(2 * m);
    double sumw = 0.0;
    for (int j = 0; j < 2 * m; ++j) {
        sumw += std::pow(1.0 - std::abs((j - m) / double(m)), 2);
    }
    const double den = sumw * 4 * m;
    std::vector<double> p(m);
    p[0] = std::norm(a[0] + Complex(0, 1) * b[0]) / den;
    for (int i = 1; i < m; ++i) {
        p[i] = 2.0 * (std::norm(a[i]) + std::norm(b[i])) / den;
    }
    return p;
}

TEST(PowerSpectrum, MatchesTheWindowedTransformOfBothSegments) {
    const std::vector<float> frame = RandomSamples(256, 7);
    std::vector<float> p(64, -1.0F);
    PowerSpectrum(frame.data(), p.data(), 64, 1);
    const std::vector<double> expected = PlainPowerSpectrum(frame, 64);
    for (int i = 0; i < 64; ++i) {
        EXPECT_NEAR(p[i], expected[i], 1e-6 + 1e-4 * expected[i]) << i;
    }
}

TEST(PowerSpectrum, SilenceAndAFirstSampleAloneHaveNoPower) {
    std::vector<float> frame(256, 0.0F);
    std::vector<float> p(64, -1.0F);
    PowerSpectrum(frame.data(), p.data(), 64, 1);
    EXPECT_THAT(p, testing::Each(0.0F));
    frame[0] = 100.0F;
    PowerSpectrum(frame.data(), p.data(), 64, 1);
    EXPECT_THAT(p, testing::Each(0.0F));
}

TEST(PowerSpectrum, AveragesOverSegmentPairs) {
    const std::vector<float> pair = RandomSamples(256, 3);
    std::vector<float> twice(pair);
    twice.insert(twice.end(), pair.begin(), pair.end());
    std::vector<float> once(64);
    std::vector<float> averaged(64);
    PowerSpectrum(pair.data(), once.data(), 64, 1);
    PowerSpectrum(twice.data(), averaged.data(), 64, 2);
    for (int i = 0; i < 64; ++i) {
        EXPECT_FLOAT_EQ(averaged[i], once[i]) << i;
    }
}

TEST(Vector, CoversItsWholeIndexRange) {
    float* v = vector(1, 64);
    v[1] = 1.0F;
    v[64] = 64.0F;
    EXPECT_FLOAT_EQ(v[1] + v[64], 65.0F);
    release_vector(v, 1, 64);
}

TEST(NumericErrorDeathTest, WritesThreeLinesAndExitsWithOne) {
    EXPECT_EXIT(numeric_error("allocation failure in vector()"), testing::ExitedWithCode(1),
                "^Numerical Recipes run-time error\\.\\.\\.\nallocation failure in vector\\(\\)\n"
                "\\.\\.\\.now exiting to system\\.\\.\\.\n$");
}

}  // namespace
