#pragma once

#include <QString>

#include <utility>

// Where Ctrl+arrows and a double click go in a row. A step crosses a run of like characters
// (letters and digits, spaces, or anything else) and the spaces after it, and looks at nothing
// more of the row. A run of dashes is a word of its own, so the steps stop at every fret number.
namespace word_steps {

int right(const QString& text, int position);
int left(const QString& text, int position);

// The run of like characters that holds the character at `index`, as [first, last).
std::pair<int, int> around(const QString& text, int index);

} // namespace word_steps
