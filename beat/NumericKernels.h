#pragma once
// Numeric kernels of the beat estimator. Arrays are 32-bit floats; several routines index them
// from 1 (element 1 first), as each declaration says. Products and sums are formed in double and
// rounded to float only when stored, so results do not depend on the compiler's choice of width.
#include <cstdint>

// In place forward transform, H(k) = sum x(j) exp(+2 pi i j k / nn), no scaling. data is 1-based
// and interleaved: point j has its real part at data[2j - 1] and its imaginary part at data[2j].
// nn must be a power of two.
void ComplexFft(float* data, int nn);

// In place forward transform of n real samples (0-based, n a power of two, at least 4), packed:
// data[0] = H(0), data[1] = H(n/2), then real and imaginary parts of H(k) for k = 1 ... n/2 - 1.
void RealFft(float* data, int n);

// RealFft, then for k = 0 ... n/2 - 1 the power and phase (radians) of each packed bin. Bin 0's
// power is H(0)^2 + H(n/2)^2. data is left transformed.
void RealFftPowerPhase(float* data, float* power, float* phase, int n);

// Bartlett-windowed power spectrum of 4 m k samples (0-based, read only) into p[0 ... m - 1],
// averaged over k pairs of segments of 2 m samples each; m must be a power of two.
void PowerSpectrum(const float* data, float* p, int m, int k);

// A float array valid for indices nl ... nh; never null (ends the process when out of memory).
float* vector(std::int32_t nl, std::int32_t nh);
void release_vector(float* v, std::int32_t nl, std::int32_t nh);

// Writes the three-line fatal error report to standard error and ends the process with status 1.
[[noreturn]] void numeric_error(const char* text);
