#pragma once

#include "TabDocument.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

// One block of the printed tab: the export's pieces of the eight rows behind the export's
// labels. Unlike the text file, every piece starts in the same column, so a chord stands over
// the column it was written for.
namespace print {

// The columns the labels take ("e |  "), before every row's piece.
std::size_t labelColumns();

// How wide block `block` is in characters: the labels and its longest piece.
std::size_t blockColumns(const io::TabDocument& doc, std::size_t block, std::int32_t wrapWidth);

// Its eight lines as they are printed, chords first.
std::array<QString, 8> blockLines(const io::TabDocument& doc, std::size_t block,
                                  std::int32_t wrapWidth);

} // namespace print
