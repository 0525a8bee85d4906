#include <cmath>

#include "beat/NumericKernels.h"

namespace {

// Bartlett window over the 2m points of a segment, 1-based: 0 at j = 1, 1 at j = m + 1.
float BartlettWeight(int j, float facm, float facp) {
    return static_cast<float>(1.0 - std::fabs(((j - 1) - double{facm}) * facp));
}

double Square(double x) {
    return x * x;
}

}  // namespace

// Two real segments travel as the real and imaginary parts of one complex transform; the power
// of each is recovered from the positive and the negative frequency together.
void PowerSpectrum(const float* data, float* p, int m, int k) {
    const int mm = 2 * m;
    const int m4 = 4 * m;
    float* const w = vector(1, m4);
    const auto facm = static_cast<float>(m);
    const auto facp = static_cast<float>(1.0 / m);
    double sumw = 0.0;
    for (int j = 1; j <= mm; ++j) {
        sumw += Square(BartlettWeight(j, facm, facp));
    }
    for (int i = 0; i < m; ++i) {
        p[i] = 0.0F;
    }
    double den = 0.0;
    const float* next = data;
    for (int pair = 0; pair < k; ++pair) {
        for (int j = 1; j <= mm; ++j) {
            w[2 * j - 1] = next[j - 1];
            w[2 * j] = next[mm + j - 1];
        }
        next += m4;
        for (int j = 1; j <= mm; ++j) {
            const double weight = BartlettWeight(j, facm, facp);
            w[2 * j - 1] = static_cast<float>(w[2 * j - 1] * weight);
            w[2 * j] = static_cast<float>(w[2 * j] * weight);
        }
        ComplexFft(w, mm);
        p[0] = static_cast<float>(p[0] + (Square(w[1]) + Square(w[2])));
        for (int j = 2; j <= m; ++j) {
            p[j - 1] = static_cast<float>(p[j - 1] +
                                          (Square(w[2 * j]) + Square(w[2 * j - 1]) +
                                           Square(w[m4 + 4 - 2 * j]) + Square(w[m4 + 3 - 2 * j])));
        }
        den += sumw;
    }
    den *= m4;
    for (int i = 0; i < m; ++i) {
        p[i] = static_cast<float>(p[i] / den);
    }
    release_vector(w, 1, m4);
}
