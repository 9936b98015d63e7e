#pragma once

#include "TabDocument.h"
#include "TextOutput.h"

#include <QByteArray>

#include <cstdint>

class QPagedPaintDevice;

// The tab on paper: what the text export holds, in the same blocks, with the title large and
// "strana N z M" under every page. The document and the footer are Windows-1250 bytes, as the
// text export takes them. Needs a QGuiApplication for the fonts.
namespace print {

// Lays out and paints the whole tab on a device that has not been painted on yet (a QPrinter
// from the preview dialog, or a QPdfWriter), in the device's page size and margins. Returns the
// number of pages, 0 when the device cannot be painted on.
int paintTab(QPagedPaintDevice& device, const io::TabDocument& doc, std::int32_t wrapWidth,
             const io::Footer& footer);

// The PDF of the tab on A4 portrait, as bytes. Throws, with a Czech message, when it cannot be
// made.
QByteArray pdfOf(const io::TabDocument& doc, std::int32_t wrapWidth, const io::Footer& footer);

} // namespace print
