#pragma once

#include "TabDocument.h"

#include <string>
#include <string_view>

// The editable tab file: nine lines, each a text with its terminator (";" after the title,
// ";;" after the chords, ";" after each string, ";;;" after the lyrics) and CR LF, then the
// author with nothing after it.
namespace io {

std::string writeTabFile(const TabDocument& doc);

// Any bytes are accepted: the records are the first nine lines, each without its own
// terminator, and the author is everything after the ninth line break. Missing lines read as
// empty texts, so a short or foreign file never fails.
TabDocument readTabFile(std::string_view bytes);

} // namespace io
