#include "PageStyle.h"

#include <QFontMetricsF>
#include <QPaintDevice>

namespace print {

namespace {

QFont font(const char* family, QFont::StyleHint hint, double points, bool bold = false) {
    QFont result(QString::fromLatin1(family));
    result.setStyleHint(hint);
    result.setPointSizeF(points);
    result.setBold(bold);
    // Kerning would move characters out of their columns.
    result.setKerning(false);
    return result;
}

} // namespace

PageStyle pageStyle() {
    constexpr const char* sans = "DejaVu Sans";
    constexpr const char* mono = "DejaVu Sans Mono";
    return {font(sans, QFont::SansSerif, 16, true),  font(sans, QFont::SansSerif, 11),
            font(mono, QFont::TypeWriter, 10, true), font(mono, QFont::TypeWriter, 10),
            font(sans, QFont::SansSerif, 8),         font(sans, QFont::SansSerif, 8)};
}

PageMetrics measure(const PageStyle& style, QPaintDevice& device) {
    const QFontMetricsF strings(style.strings, &device);
    const double line = strings.lineSpacing();
    const double pageNumberBand = QFontMetricsF(style.pageNumber, &device).lineSpacing() + line;
    PageMetrics metrics;
    metrics.width = device.width();
    metrics.height = device.height() - pageNumberBand;
    metrics.headHeight = QFontMetricsF(style.title, &device).lineSpacing() +
                         QFontMetricsF(style.author, &device).lineSpacing() + line;
    metrics.charWidth = strings.horizontalAdvance(QLatin1Char('0'));
    metrics.lineHeight = line;
    metrics.blockGap = line;
    metrics.footerHeight = 3 * QFontMetricsF(style.footer, &device).lineSpacing();
    return metrics;
}

} // namespace print
