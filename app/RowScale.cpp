#include "RowScale.h"

#include "RowView.h"

#include <algorithm>
#include <cmath>

namespace {
// The largest size a widget accepts.
constexpr double kMaxPixels = 16777215.0;
} // namespace

int RowScale::toPixels(std::int32_t units) const {
    const double pixels = std::round(units * pixelsPerChar_ / RowView::kUnitsPerChar);
    return static_cast<int>(std::clamp(pixels, 0.0, kMaxPixels));
}
