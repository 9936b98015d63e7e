#include "PrintTab.h"

#include "Cp1250.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

namespace print {

QByteArray pdfOf(const io::TabDocument& doc, std::int32_t wrapWidth, const io::Footer& footer) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        // Each page goes out to the buffer as it is finished; the writer keeps only where.
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        writer.setTitle(cp1250::decode(doc.title));
        writer.setCreator(QString::fromStdString(footer.program));
        paintTab(writer, doc, wrapWidth, footer);
    }
    return bytes;
}

} // namespace print
