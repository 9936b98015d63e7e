#include "HistoryBench.h"

#include "Chords.h"
#include "ColumnWriter.h"
#include "DocumentFiles.h"
#include "History.h"
#include "LongTab.h"
#include "Measure.h"

#include <string_view>

namespace {

constexpr int kZapisSteps = 1000;
constexpr int kRepeats = 101;
constexpr std::string_view kZapis = "Zapiš";

} // namespace

HistoryFigures measureHistory(int columns) {
    tab::Document doc;
    replaceDocument(doc, longTab(columns));
    tab::History history(doc);
    const auto chords = tab::chordTable();
    for (int i = 0; i < kZapisSteps; ++i) {
        history.begin("Akord");
        tab::fillEntry(doc.entry, chords[static_cast<std::size_t>(i) % chords.size()], true);
        history.commit();
        history.begin(kZapis);
        tab::writeColumn(doc.sheet, doc.entry, false);
        history.commit();
    }

    HistoryFigures figures{history.heldBytes(), 0, 0};
    // Only the "Zapiš" steps are timed; the chord steps between them are taken untimed.
    figures.undoMs = medianMs(
        kRepeats, [&] { history.undo(); },
        [&] {
            while (history.undoLabel() != kZapis)
                history.undo();
        });
    figures.redoMs = medianMs(
        kRepeats, [&] { history.redo(); },
        [&] {
            while (history.redoLabel() != kZapis)
                history.redo();
        });
    return figures;
}
