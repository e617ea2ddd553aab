#include "core/show_rounding.h"

#include <cmath>
#include <cstdint>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define SELVARIS_WIDE_ROUNDING 1
#endif

namespace selvaris {

namespace {

constexpr double kSnapMargin = 0.0002;

// Decimals shown for a matrix whose largest component (real and imaginary
// parts taken separately) is m. Every value of 10000 or more shows none.
int DecimalCount(double m) {
    if (m >= 10000) return 0;
    if (m >= 1000) return 1;
    if (m >= 100) return 2;
    if (m >= 10) return 3;
    return 4;
}

double LargestComponent(const ComplexMatrix& m) {
    double largest = 0.0;
    for (const auto& row : m.v)
        for (const auto& element : row)
            for (double part : element)
                if (std::fabs(part) > largest) largest = std::fabs(part);  // NaN never wins
    return largest;
}

// The imaginary part goes through a 32-bit integer once scaled; a value that
// does not fit one (NaN, infinite or beyond +-2^31) keeps its floored Double.
double FloorImaginary(double scaledFloor) {
    constexpr double kLow = static_cast<double>(std::numeric_limits<std::int32_t>::min());
    constexpr double kHigh = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    if (scaledFloor >= kLow && scaledFloor <= kHigh) return static_cast<double>(static_cast<std::int32_t>(scaledFloor));
    return scaledFloor;
}

// floor(y) for |y| < 2^31 by way of a 32-bit integer: a few instructions where
// std::floor is a long sequence on a plain x86-64 target. Minus zero gives +0.
double FloorSmall(double y) {
    const double truncated = static_cast<double>(static_cast<std::int32_t>(y));
    return truncated > y ? truncated - 1.0 : truncated;
}

// One component floored to the decimals of scale (10 to 10000), then moved
// onto a whole number within the margin: a small fraction is dropped, one just
// short of the next whole number is lifted. Only for |x| < 10000, which every
// component but NaN is once the matrix shows decimals, so the integer floor
// applies; the sign of a floored zero is lost, as the snap makes +0 of any zero.
double FloorAndSnap(double x, double scale) {
    const double floored = FloorSmall(x * scale) / scale;
    const double a = std::fabs(floored);
    const double whole = FloorSmall(a);
    // What is left after taking away 10000s, 1000s, 100s, 10s and 1s while more
    // than each remains: each of those subtractions is exact, so it is the
    // fraction a - floor(a). (A whole number above zero would leave 1 instead
    // of 0, but it stays where it is either way.)
    const double fraction = a - whole;
    double v = a;
    if (fraction <= kSnapMargin)
        v = whole;
    else if (fraction + kSnapMargin >= 1)
        v = FloorSmall(a + kSnapMargin);
    return floored >= 0 ? v : -v;
}

#if defined(__SSE2__)
// FloorSmall on both lanes.
__m128d FloorSmallPair(__m128d y) {
    const __m128d truncated = _mm_cvtepi32_pd(_mm_cvttpd_epi32(y));
    return _mm_sub_pd(truncated, _mm_and_pd(_mm_cmpgt_pd(truncated, y), _mm_set1_pd(1.0)));
}

__m128d Select(__m128d mask, __m128d ifSet, __m128d otherwise) {
    return _mm_or_pd(_mm_and_pd(mask, ifSet), _mm_andnot_pd(mask, otherwise));
}

// FloorAndSnap of an element's real and imaginary parts side by side, each
// lane doing exactly its operations: the same bits, with no branch to guess.
void FloorAndSnapPair(const double* x, double scale, double* out) {
    const __m128d scales = _mm_set1_pd(scale);
    const __m128d margin = _mm_set1_pd(kSnapMargin);
    const __m128d sign = _mm_set1_pd(-0.0);
    const __m128d floored = _mm_div_pd(FloorSmallPair(_mm_mul_pd(_mm_loadu_pd(x), scales)), scales);
    const __m128d a = _mm_andnot_pd(sign, floored);
    const __m128d whole = FloorSmallPair(a);
    const __m128d fraction = _mm_sub_pd(a, whole);
    const __m128d lifted = FloorSmallPair(_mm_add_pd(a, margin));
    const __m128d dropped = _mm_cmple_pd(fraction, margin);
    const __m128d lift = _mm_andnot_pd(dropped, _mm_cmpge_pd(_mm_add_pd(fraction, margin), _mm_set1_pd(1.0)));
    const __m128d v = Select(dropped, whole, Select(lift, lifted, a));
    const __m128d notNegative = _mm_cmpge_pd(floored, _mm_setzero_pd());
    _mm_storeu_pd(out, Select(notNegative, v, _mm_xor_pd(v, sign)));
}
#endif

// One element's parts rounded to the decimals of scale, each part below 10000
// or NaN once the matrix shows decimals.
void RoundElement(const double* x, double scale, double* out) {
#if defined(__SSE2__)
    if (std::fabs(x[0]) < 10000 && std::fabs(x[1]) < 10000) {
        FloorAndSnapPair(x, scale, out);
        return;
    }
#endif
    for (int part = 0; part < 2; ++part)
        out[part] = std::fabs(x[part]) < 10000 ? FloorAndSnap(x[part], scale) : std::floor(x[part] * scale) / scale;
}

#if defined(SELVARIS_WIDE_ROUNDING)
bool WideRoundingAvailable() {
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
}

// The pair's operations on four lanes (two elements) at once, for processors
// that have them: lane for lane the same operations, so the same bits.
__attribute__((target("avx2"))) __m256d FloorSmallQuad(__m256d y) {
    const __m256d truncated = _mm256_cvtepi32_pd(_mm256_cvttpd_epi32(y));
    return _mm256_sub_pd(truncated, _mm256_and_pd(_mm256_cmp_pd(truncated, y, _CMP_GT_OS), _mm256_set1_pd(1.0)));
}

__attribute__((target("avx2"))) void FloorAndSnapQuad(__m256d x, __m256d scales, double* out) {
    const __m256d margin = _mm256_set1_pd(kSnapMargin);
    const __m256d sign = _mm256_set1_pd(-0.0);
    const __m256d floored = _mm256_div_pd(FloorSmallQuad(_mm256_mul_pd(x, scales)), scales);
    const __m256d a = _mm256_andnot_pd(sign, floored);
    const __m256d whole = FloorSmallQuad(a);
    const __m256d fraction = _mm256_sub_pd(a, whole);
    const __m256d lifted = FloorSmallQuad(_mm256_add_pd(a, margin));
    const __m256d dropped = _mm256_cmp_pd(fraction, margin, _CMP_LE_OS);
    const __m256d lift =
        _mm256_andnot_pd(dropped, _mm256_cmp_pd(_mm256_add_pd(fraction, margin), _mm256_set1_pd(1.0), _CMP_GE_OS));
    const __m256d v = _mm256_blendv_pd(_mm256_blendv_pd(a, lifted, lift), whole, dropped);
    const __m256d notNegative = _mm256_cmp_pd(floored, _mm256_setzero_pd(), _CMP_GE_OS);
    _mm256_storeu_pd(out, _mm256_blendv_pd(_mm256_xor_pd(v, sign), v, notNegative));
}

__attribute__((target("avx2"))) void RoundDecimalsWide(const ComplexMatrix& source, double scale,
                                                       ComplexMatrix& rounded) {
    const __m256d scales = _mm256_set1_pd(scale);
    const __m256d limit = _mm256_set1_pd(10000.0);
    const __m256d sign = _mm256_set1_pd(-0.0);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; c += 2) {
            const __m256d x = _mm256_loadu_pd(source.v[r][c]);
            // Two elements whose parts are all below 10000; NaN, or anything
            // larger, takes the element-at-a-time path.
            if (_mm256_movemask_pd(_mm256_cmp_pd(_mm256_andnot_pd(sign, x), limit, _CMP_LT_OQ)) == 0xF) {
                FloorAndSnapQuad(x, scales, rounded.v[r][c]);
                continue;
            }
            for (int k = c; k < c + 2; ++k) RoundElement(source.v[r][k], scale, rounded.v[r][k]);
        }
}

#endif

void RoundDecimalsOneByOne(const ComplexMatrix& source, double scale, ComplexMatrix& rounded) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) RoundElement(source.v[r][c], scale, rounded.v[r][c]);
}

}  // namespace

void RoundForShow(const ComplexMatrix& source, ComplexMatrix& rounded, RoundingWidth width) {
    static constexpr double kScale[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
    const int d = DecimalCount(LargestComponent(source));

    // With no decimals every value is already whole and the snap changes nothing.
    if (d == 0) {
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c) {
                rounded.re(r, c) = std::floor(source.re(r, c));
                rounded.im(r, c) = FloorImaginary(std::floor(source.im(r, c)));
            }
        }
        return;
    }
    // Every component is now below 10000 or NaN (which stays NaN), and a scaled
    // imaginary part below 10^8 passes through the 32-bit integer unchanged.
    const double scale = kScale[d];
#if !defined(SELVARIS_WIDE_ROUNDING)
    (void)width;
#else
    if (width == RoundingWidth::Widest && WideRoundingAvailable()) {
        RoundDecimalsWide(source, scale, rounded);
        return;
    }
#endif
    RoundDecimalsOneByOne(source, scale, rounded);
}

}  // namespace selvaris
