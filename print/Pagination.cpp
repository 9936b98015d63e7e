#include "Pagination.h"

#include <algorithm>
#include <limits>

namespace print {

Pagination::Pagination(const PageMetrics& metrics) : metrics_(metrics), used_(metrics.headHeight) {}

Placement Pagination::placeBlock(std::size_t columns) {
    const double width = static_cast<double>(columns) * metrics_.charWidth;
    const double height = kBlockLines * metrics_.lineHeight;
    double scale = 1;
    if (width > metrics_.width)
        scale = metrics_.width / width;
    if (height * scale > metrics_.height)
        scale = metrics_.height / height;
    const Placement at = place(height * scale, scale);
    gapAbove_ = metrics_.blockGap;
    return at;
}

Placement Pagination::placeFooter() {
    return place(metrics_.footerHeight, 1);
}

Placement Pagination::place(double height, double scale) {
    // A page that holds nothing yet takes the item whatever its size: a new page would not
    // hold it better.
    if (used_ > 0 && used_ + gapAbove_ + height > metrics_.height) {
        // Past two thousand million pages the rest shares the last one instead of wrapping.
        page_ = std::min(page_ + 1, std::numeric_limits<int>::max() - 1);
        used_ = 0;
        gapAbove_ = 0;
    }
    const double top = used_ == 0 ? 0 : used_ + gapAbove_;
    used_ = top + height;
    return {page_, top, scale};
}

} // namespace print
