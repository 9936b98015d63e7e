#pragma once

#include <cstddef>

// The undo history at model level, on a tab of `columns` columns after 1,000 chord buttons each
// followed by "Zapiš", every one a step as the window makes it.
struct HistoryFigures {
    std::size_t bytesAfter1000Zapis; // what the history holds then
    double undoMs;                   // median of undoing one "Zapiš"
    double redoMs;                   // median of redoing one
};

HistoryFigures measureHistory(int columns);
