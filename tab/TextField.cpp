#include "TextField.h"

#include <algorithm>

namespace tab {

bool TextField::write(std::size_t keep, std::string_view tail) {
    keep = std::min(keep, text_.size());
    const std::string_view old = std::string_view(text_).substr(keep);
    const auto front = std::mismatch(old.begin(), old.end(), tail.begin(), tail.end());
    const auto same = static_cast<std::size_t>(front.first - old.begin());
    if (same == old.size() && same == tail.size())
        return false;
    const std::string_view oldRest = old.substr(same);
    const std::string_view newRest = tail.substr(same);
    const auto back =
        std::mismatch(oldRest.rbegin(), oldRest.rend(), newRest.rbegin(), newRest.rend());
    const auto sameEnd = static_cast<std::size_t>(back.first - oldRest.rbegin());
    replace(keep + same, oldRest.substr(0, oldRest.size() - sameEnd),
            newRest.substr(0, newRest.size() - sameEnd));
    ++revision_;
    return true;
}

void TextField::replace(std::size_t at, std::string_view removed, std::string_view inserted) {
    const std::size_t size = text_.size() - removed.size() + inserted.size();
    if (size <= text_.capacity()) {
        // Within the capacity the replacement cannot fail once the observer has heard of it.
        // replace() copes with bytes taken from this very text.
        if (observer_)
            observer_->changing(number_, text_, at, removed, inserted);
        text_.replace(at, removed.size(), inserted.data(), inserted.size());
        return;
    }
    // Built aside, so that running out of memory leaves the text as the observer knows it.
    // Growing by half again keeps a row written one filler at a time cheap.
    std::string grown;
    grown.reserve(std::max(size, text_.capacity() + text_.capacity() / 2));
    grown.append(text_, 0, at).append(inserted).append(text_, at + removed.size());
    if (observer_)
        observer_->changing(number_, text_, at, removed, inserted);
    text_.swap(grown);
}

} // namespace tab
