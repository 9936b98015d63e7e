#include "TextField.h"

#include <algorithm>

namespace tab {

bool TextField::write(std::size_t keep, std::string_view tail) {
    keep = std::min(keep, text_.size());
    if (keep + tail.size() == text_.size() && std::string_view(text_).substr(keep) == tail)
        return false;
    // replace() copes with a tail taken from this very text; at the end it is an append.
    text_.replace(keep, text_.size() - keep, tail.data(), tail.size());
    ++revision_;
    return true;
}

} // namespace tab
