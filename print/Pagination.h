#pragma once

#include <cstddef>

// Which block of the printed tab goes on which page, and how small: plain arithmetic on sizes
// measured once from the fonts, so the pages can be counted before any is painted.
namespace print {

// Every block has the eight rows, each one line of the fixed-pitch font.
inline constexpr int kBlockLines = 8;

// Sizes in the device's units.
struct PageMetrics {
    double width = 0;        // of the printable area
    double height = 0;       // of the printable area above the page number
    double headHeight = 0;   // title and author, with the space under them
    double charWidth = 0;    // one column of the fixed-pitch font
    double lineHeight = 0;   // one line of it
    double blockGap = 0;     // between two blocks, and before the footer
    double footerHeight = 0; // the three footer lines
};

struct Placement {
    int page = 0;     // counted from 0
    double top = 0;   // from the top of the printable area
    double scale = 1; // below 1 when the block would not fit the page otherwise

    bool operator==(const Placement&) const = default;
};

// Places the head, then the blocks one below another, then the footer. What does not fit below
// what a page already holds starts the next page, so nothing is split between two pages.
class Pagination {
public:
    explicit Pagination(const PageMetrics& metrics);

    // The next block, `columns` characters wide with its labels. A block wider or taller than a
    // page is scaled down to fit it whole.
    Placement placeBlock(std::size_t columns);
    Placement placeFooter();

    // The pages used so far.
    int pageCount() const { return page_ + 1; }

private:
    Placement place(double height, double scale);

    PageMetrics metrics_;
    int page_ = 0;
    double used_ = 0;     // height taken on the current page
    double gapAbove_ = 0; // what the next item keeps from the one above it
};

} // namespace print
