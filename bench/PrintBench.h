#pragma once

#include <cstddef>
#include <cstdint>

// The printed page's cost on a long tab: the time to lay it out as a PDF, and how far the
// process's peak memory rises meanwhile (which, beside the PDF's own size, shows whether the
// pages pile up in memory). Needs a QGuiApplication.
struct PrintFigures {
    double pdfMs;         // median wall time of print::pdfOf
    long peakRssGrowthKb; // peak resident memory during one run, above what was resident before
    int pages;
    std::size_t bytes; // of the PDF
};

PrintFigures measurePrint(int columns, std::int32_t wrapWidth);
