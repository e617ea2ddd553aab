#include "export/reconstruction.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace selvaris {

ComplexMatrix ProductOfFactors(const std::vector<ComplexMatrix>& factors) {
    if (factors.empty()) return ComplexMatrix::Identity();
    ComplexMatrix product = factors.back();
    for (std::size_t k = factors.size() - 1; k-- > 0;) product = ComplexProduct(factors[k], product);
    return product;
}

double LargestDifference(const ComplexMatrix& a, const ComplexMatrix& b) {
    double largest = 0.0;
    for (int r = 0; r < ComplexMatrix::kSize; ++r)
        for (int c = 0; c < ComplexMatrix::kSize; ++c)
            for (int part = 0; part < 2; ++part) {
                const double difference = std::abs(a.v[r][c][part] - b.v[r][c][part]);
                if (std::isnan(difference)) return std::numeric_limits<double>::quiet_NaN();
                if (difference > largest) largest = difference;
            }
    return largest;
}

double ReconstructionError(const Decomposition& decomposition) {
    return LargestDifference(ProductOfFactors(decomposition.factors), decomposition.target);
}

std::string ShortScientific(double value) {
    if (value == 0.0) return "0";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 1);
    return std::string(buffer, result.ptr);
}

std::string ReconstructionErrorLine(double error) { return "再構成誤差 " + ShortScientific(error); }

}  // namespace selvaris
