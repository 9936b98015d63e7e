#pragma once

#include "Pagination.h"

#include <QFont>

class QPaintDevice;

// The fonts of the printed page, and the sizes they give on a device.
namespace print {

struct PageStyle {
    QFont title;
    QFont author;
    QFont chords;  // fixed pitch, the same advance as the strings
    QFont strings; // fixed pitch, also the labels and lyrics
    QFont footer;
    QFont pageNumber;
};

// DejaVu Sans and DejaVu Sans Mono, which have every letter of Windows-1250; where they are
// missing the font configuration picks the nearest sans-serif and fixed-pitch fonts.
PageStyle pageStyle();

// The sizes of this style in the device's units, within the device's printable area.
PageMetrics measure(const PageStyle& style, QPaintDevice& device);

} // namespace print
