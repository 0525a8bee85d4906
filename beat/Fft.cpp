#include <cmath>
#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#include "beat/NumericKernels.h"

namespace {

// Indexes an array from 1 without forming a pointer before its first element.
class OneBased {
  public:
    explicit OneBased(float* first) : first_(first) {}
    float& operator[](int i) const { return first_[i - 1]; }

  private:
    float* first_;
};

// The twiddle factor advances by a recurrence in double, one sine pair per stage, instead of
// fresh sines per step.
struct Twiddle {
    double wpr;
    double wpi;
    double wr = 1.0;
    double wi = 0.0;

    explicit Twiddle(double theta)
        : wpr(-2.0 * std::sin(0.5 * theta) * std::sin(0.5 * theta)), wpi(std::sin(theta)) {}
    void Advance() {
        const double wtemp = wr;
        wr = wr * wpr - wi * wpi + wr;
        wi = wi * wpr + wtemp * wpi + wi;
    }
};

// The pairs of points that bit reversal swaps for one length, in the order it swaps them; made
// once per length and thread.
const std::vector<std::pair<int, int>>& ReversalSwaps(int n) {
    thread_local int length = 0;
    thread_local std::vector<std::pair<int, int>> swaps;
    if (length != n) {
        swaps.clear();
        int j = 1;
        for (int i = 1; i < n; i += 2) {
            if (j > i) {
                swaps.emplace_back(i, j);
            }
            int m = n / 2;
            while (m >= 2 && j > m) {
                j -= m;
                m /= 2;
            }
            j += m;
        }
        length = n;
    }
    return swaps;
}

void ReverseBits(OneBased d, int n) {
    for (const auto& [i, j] : ReversalSwaps(n)) {
        std::swap(d[j], d[i]);
        std::swap(d[j + 1], d[i + 1]);
    }
}

struct Factor {
    double wr;
    double wi;
};

// Every stage's twiddle factors for one length, stage after stage, made by the very recurrence a
// stage would run: the same values, computed once per length and thread instead of per call.
const std::vector<Factor>& StageFactors(int n) {
    thread_local int length = 0;
    thread_local std::vector<Factor> factors;
    if (length != n) {
        factors.clear();
        for (int mmax = 2; n > mmax; mmax *= 2) {
            Twiddle w(6.28318530717959 / mmax);
            for (int m = 1; m < mmax; m += 2) {
                factors.push_back({w.wr, w.wi});
                w.Advance();
            }
        }
        length = n;
    }
    return factors;
}

// A complex point's real and imaginary parts side by side, in double as the arithmetic wants;
// each lane does exactly the operations of the plain formulas.
using Pair = double __attribute__((vector_size(16)));
using FloatPair = float __attribute__((vector_size(8)));

Pair Load(const float& first) {
    FloatPair point;
    std::memcpy(&point, &first, sizeof point);
    return __builtin_convertvector(point, Pair);
}

void Store(float& first, Pair value) {
    const FloatPair point = __builtin_convertvector(value, FloatPair);
    std::memcpy(&first, &point, sizeof point);
}

// The butterflies of a stage are independent of each other, so they run block by block with the
// twiddle factor varying fastest; each one computes exactly what it would in any order:
// temp = (wr re - wi im, wr im + wi re), the subtraction as the addition of the negated product.
void Butterflies(OneBased d, int n) {
    const Factor* stage = StageFactors(n).data();
    for (int mmax = 2; n > mmax; mmax *= 2) {
        const int istep = 2 * mmax;
        for (int block = 0; block < n; block += istep) {
            for (int m = 1; m < mmax; m += 2) {
                const Factor w = stage[m / 2];
                const int i = block + m;
                const int j = i + mmax;
                const Pair point = Load(d[j]);
                const Pair crossed = __builtin_shufflevector(point, point, 1, 0);
                const Pair temp = w.wr * point + (w.wi * crossed) * Pair{-1.0, 1.0};
                const Pair top = Load(d[i]);
                Store(d[j], top - temp);
                Store(d[i], top + temp);
            }
        }
        stage += mmax / 2;
    }
}

// Separates the half-length complex transform of interleaved real samples into the transform of
// the real sequence.
void SeparateRealTransform(OneBased d, int n) {
    constexpr double c1 = 0.5;
    constexpr double c2 = -0.5;
    const int points = n / 2;  // complex points of the half-length transform
    Twiddle w(3.141592653589793 / points);
    w.wr = 1.0 + w.wpr;
    w.wi = w.wpi;
    for (int i = 2; i <= n / 4; ++i) {
        const int i1 = 2 * i - 1;
        const int i2 = i1 + 1;
        const int i3 = n + 3 - i2;
        const int i4 = i3 + 1;
        const double h1r = c1 * (double{d[i1]} + d[i3]);
        const double h1i = c1 * (double{d[i2]} - d[i4]);
        const double h2r = -c2 * (double{d[i2]} + d[i4]);
        const double h2i = c2 * (double{d[i1]} - d[i3]);
        d[i1] = static_cast<float>(h1r + w.wr * h2r - w.wi * h2i);
        d[i2] = static_cast<float>(h1i + w.wr * h2i + w.wi * h2r);
        d[i3] = static_cast<float>(h1r - w.wr * h2r + w.wi * h2i);
        d[i4] = static_cast<float>(-h1i + w.wr * h2i + w.wi * h2r);
        w.Advance();
    }
    const double h1r = d[1];
    d[1] = static_cast<float>(h1r + d[2]);
    d[2] = static_cast<float>(h1r - d[2]);
}

}  // namespace

namespace {

void TransformComplex(OneBased d, int nn) {
    ReverseBits(d, 2 * nn);
    Butterflies(d, 2 * nn);
}

}  // namespace

void ComplexFft(float* data, int nn) {
    TransformComplex(OneBased(data + 1), nn);
}

// The even and odd samples are the real and imaginary parts of n/2 complex points.
void RealFft(float* data, int n) {
    const OneBased d(data);
    TransformComplex(d, n / 2);
    SeparateRealTransform(d, n);
}

void RealFftPowerPhase(float* data, float* power, float* phase, int n) {
    RealFft(data, n);
    for (std::ptrdiff_t k = 0; k < n / 2; ++k) {
        const double re = data[2 * k];
        const double im = data[2 * k + 1];
        power[k] = static_cast<float>(re * re + im * im);
        phase[k] = static_cast<float>(std::atan2(im, re));
    }
}
