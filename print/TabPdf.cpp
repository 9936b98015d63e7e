#include "PrintTab.h"

#include "Cp1250.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

#include <stdexcept>

namespace print {

QByteArray pdfOf(const io::TabDocument& doc, std::int32_t wrapWidth, const io::Footer& footer) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    int pages = 0;
    if (buffer.open(QIODevice::WriteOnly)) {
        // Each page goes out to the buffer as it is finished; the writer keeps only where.
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        writer.setTitle(cp1250::decode(doc.title));
        writer.setCreator(cp1250::decode(footer.program));
        pages = paintTab(writer, doc, wrapWidth, footer);
    }
    // Saved, a PDF without its pages would pass for a finished one.
    if (pages == 0)
        throw std::runtime_error("PDF se nepodařilo vytvořit.");
    return bytes;
}

} // namespace print
