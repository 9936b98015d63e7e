#pragma once

#include <cstdint>

// The row arithmetic counts in units per character of the row font (RowView::kUnitsPerChar);
// the screen has the real character width of the font in use. This maps one onto the other.
class RowScale {
public:
    explicit RowScale(double pixelsPerChar) : pixelsPerChar_(pixelsPerChar) {}

    // Widths below zero are shown as zero; widths beyond what a widget can take are held there.
    int toPixels(std::int32_t units) const;

private:
    double pixelsPerChar_;
};
