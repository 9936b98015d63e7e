#include "PrintTab.h"

#include "PageStyle.h"
#include "Pagination.h"
#include "PrintedBlock.h"

#include "Cp1250.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace print {

namespace {

// Walks the tab down the pages: every block, then the footer. Counting the pages and painting
// them are two walks of the same arithmetic, so they agree on every page.
template <class OnBlock, class OnFooter>
int walkPages(const PageMetrics& metrics, const io::TabDocument& doc, std::int32_t wrapWidth,
              OnBlock onBlock, OnFooter onFooter) {
    Pagination pagination(metrics);
    const std::size_t blocks = io::blockCount(doc, wrapWidth);
    for (std::size_t k = 0; k < blocks; ++k)
        onBlock(k, pagination.placeBlock(blockColumns(doc, k, wrapWidth)));
    onFooter(pagination.placeFooter());
    return pagination.pageCount();
}

enum class Align { left, centre };

// One line of text with its top at `top`, scaled down when it is wider than `width`, so none of
// it is cut.
void drawLine(QPainter& painter, const QFont& font, const QString& text, double top, double width,
              Align align = Align::left) {
    const QFontMetricsF metrics(font, painter.device());
    const double natural = metrics.horizontalAdvance(text);
    const double scale = natural > width ? width / natural : 1;
    painter.save();
    painter.setFont(font);
    painter.translate(align == Align::centre ? (width - natural * scale) / 2 : 0, top);
    painter.scale(scale, scale);
    painter.drawText(QPointF(0, metrics.ascent()), text);
    painter.restore();
}

class PagePainter {
public:
    PagePainter(QPagedPaintDevice& device, QPainter& painter, const PageStyle& style,
                const PageMetrics& metrics, int pages)
        : device_(device), painter_(painter), style_(style), metrics_(metrics), pages_(pages) {
        drawPageNumber();
    }

    void head(const io::TabDocument& doc) {
        drawLine(painter_, style_.title, cp1250::decode(doc.title), 0, metrics_.width);
        drawLine(painter_, style_.author, cp1250::decode(doc.author),
                 QFontMetricsF(style_.title, &device_).lineSpacing(), metrics_.width);
    }

    void block(const std::array<QString, 8>& lines, const Placement& at) {
        turnTo(at.page);
        painter_.save();
        painter_.translate(0, at.top);
        painter_.scale(at.scale, at.scale);
        const double ascent = QFontMetricsF(style_.strings, &device_).ascent();
        for (std::size_t r = 0; r < lines.size(); ++r) {
            painter_.setFont(r == 0 ? style_.chords : style_.strings);
            painter_.drawText(QPointF(0, static_cast<double>(r) * metrics_.lineHeight + ascent),
                              lines[r]);
        }
        painter_.restore();
    }

    void footer(const io::Footer& footer, const Placement& at) {
        turnTo(at.page);
        const double line = QFontMetricsF(style_.footer, &device_).lineSpacing();
        double top = at.top;
        for (const std::string* text : {&footer.program, &footer.credit, &footer.web}) {
            drawLine(painter_, style_.footer, cp1250::decode(*text), top, metrics_.width);
            top += line;
        }
    }

private:
    void turnTo(int page) {
        while (page_ < page) {
            device_.newPage();
            ++page_;
            drawPageNumber();
        }
    }

    void drawPageNumber() {
        const QString text = QStringLiteral("strana %1 z %2").arg(page_ + 1).arg(pages_);
        const double top =
            device_.height() - QFontMetricsF(style_.pageNumber, &device_).lineSpacing();
        drawLine(painter_, style_.pageNumber, text, top, metrics_.width, Align::centre);
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    const PageStyle& style_;
    const PageMetrics& metrics_;
    const int pages_;
    int page_ = 0;
};

} // namespace

int paintTab(QPagedPaintDevice& device, const io::TabDocument& doc, std::int32_t wrapWidth,
             const io::Footer& footer) {
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const PageStyle style = pageStyle();
    const PageMetrics metrics = measure(style, device);
    const int pages = walkPages(
        metrics, doc, wrapWidth, [](std::size_t, const Placement&) {}, [](const Placement&) {});

    PagePainter page(device, painter, style, metrics, pages);
    page.head(doc);
    walkPages(
        metrics, doc, wrapWidth,
        [&](std::size_t k, const Placement& at) { page.block(blockLines(doc, k, wrapWidth), at); },
        [&](const Placement& at) { page.footer(footer, at); });
    return pages;
}

} // namespace print
