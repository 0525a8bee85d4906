#include <cmath>
#include <cstddef>
#include <vector>

#include "beat/NumericKernels.h"

namespace {

// Bartlett window over the 2m points of a segment, 1-based: 0 at j = 1, 1 at j = m + 1.
float BartlettWeight(int j, float facm, float facp) {
    return static_cast<float>(1.0 - std::fabs(((j - 1) - double{facm}) * facp));
}

double Square(double x) {
    return x * x;
}

struct Window {
    int m = 0;
    std::vector<double> weight;  // [j - 1] for j = 1 ... 2m
    double sumw = 0.0;
};

// The window of one segment length and the sum of its squares depend on m alone: they are made
// once per length and thread, each value exactly as a call would make it.
const Window& WindowFor(int m) {
    thread_local Window window;
    if (window.m != m) {
        const auto facm = static_cast<float>(m);
        const auto facp = static_cast<float>(1.0 / m);
        window.weight.clear();
        window.sumw = 0.0;
        for (int j = 1; j <= 2 * m; ++j) {
            window.weight.push_back(BartlettWeight(j, facm, facp));
            window.sumw += Square(BartlettWeight(j, facm, facp));
        }
        window.m = m;
    }
    return window;
}

}  // namespace

// Two real segments travel as the real and imaginary parts of one complex transform; the power
// of each is recovered from the positive and the negative frequency together.
void PowerSpectrum(const float* data, float* p, int m, int k) {
    const int mm = 2 * m;
    const int m4 = 4 * m;
    float* const w = vector(1, m4);
    const Window& window = WindowFor(m);
    for (int i = 0; i < m; ++i) {
        p[i] = 0.0F;
    }
    double den = 0.0;
    const float* next = data;
    for (int pair = 0; pair < k; ++pair) {
        for (std::ptrdiff_t j = 1; j <= mm; ++j) {
            const double weight = window.weight[static_cast<std::size_t>(j - 1)];
            w[2 * j - 1] = static_cast<float>(next[j - 1] * weight);
            w[2 * j] = static_cast<float>(next[mm + j - 1] * weight);
        }
        next += m4;
        ComplexFft(w, mm);
        p[0] = static_cast<float>(p[0] + (Square(w[1]) + Square(w[2])));
        for (std::ptrdiff_t j = 2; j <= m; ++j) {
            p[j - 1] = static_cast<float>(p[j - 1] +
                                          (Square(w[2 * j]) + Square(w[2 * j - 1]) +
                                           Square(w[m4 + 4 - 2 * j]) + Square(w[m4 + 3 - 2 * j])));
        }
        den += window.sumw;
    }
    den *= m4;
    for (int i = 0; i < m; ++i) {
        p[i] = static_cast<float>(p[i] / den);
    }
    release_vector(w, 1, m4);
}
