#include "TextField.h"

#include <algorithm>
#include <functional>

namespace tab {

namespace {

bool pointsInto(std::string_view view, const std::string& text) {
    const std::less_equal<const char*> le;
    return !view.empty() && le(text.data(), view.data()) &&
           le(view.data(), text.data() + text.size());
}

} // namespace

bool TextField::write(std::size_t keep, std::string_view tail) {
    keep = std::min(keep, text_.size());
    if (keep + tail.size() == text_.size() && std::string_view(text_).substr(keep) == tail)
        return false;
    if (pointsInto(tail, text_)) {
        const std::string copy(tail);
        return write(keep, copy);
    }
    text_.resize(keep);
    text_.append(tail);
    ++revision_;
    return true;
}

} // namespace tab
