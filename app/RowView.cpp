#include "RowView.h"

#include "Saturating.h"

#include <algorithm>

bool RowView::grow(std::size_t length) {
    if (length <= static_cast<std::size_t>(width_ / kUnitsPerChar))
        return false;
    setWidth(saturatingAdd(width_, kStep));
    return true;
}

void RowView::shiftRight(std::int32_t step) {
    setWidth(saturatingAdd(width_, step));
}

void RowView::shiftLeft(std::int32_t step) {
    if (width_ > designWidth_)
        setWidth(saturatingSub(width_, step));
}

void RowView::setWidth(std::int32_t width) {
    width_ = std::max(width, 0);
}
