#include "dropdowns/column_scaling.h"

#include <cmath>

std::vector<int> Scaled_Column_Widths(const std::vector<int>& widths, int available, THalfRounding rounding) {
    int total = 1;
    for (int width : widths) total += width;
    const double factor = static_cast<double>(available) / total;
    std::vector<int> scaled;
    scaled.reserve(widths.size());
    double remainder = 0;
    for (int declared : widths) {
        const double exact = factor * declared;
        int width = static_cast<int>(rounding == THalfRounding::ToEven ? std::nearbyint(exact) : std::lround(exact));
        remainder += exact - width;
        if (remainder > 1) {
            remainder -= 1;
            ++width;
        }
        scaled.push_back(width);
    }
    return scaled;
}
