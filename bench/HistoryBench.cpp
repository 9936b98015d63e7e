#include "HistoryBench.h"

#include "Chords.h"
#include "ColumnWriter.h"
#include "History.h"
#include "Measure.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kZapisSteps = 1000;
constexpr int kRepeats = 101;
constexpr std::string_view kZapis = "Zapiš";

// Aligned rows `columns` long, an "A" chord every four columns, there before the history is.
void fillSheet(tab::Document& doc, int columns) {
    const auto length = static_cast<std::size_t>(std::max(columns, 0));
    const char* pattern[] = {"A   ", "0---", "2---", "2---", "2---", "0---", "----"};
    for (std::size_t r = 0; r < tab::kAlignedRows.size(); ++r) {
        std::string text;
        while (text.size() < length)
            text += pattern[r];
        text.resize(length);
        doc.sheet.setText(tab::kAlignedRows[r], text);
    }
}

} // namespace

HistoryFigures measureHistory(int columns) {
    tab::Document doc;
    fillSheet(doc, columns);
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
