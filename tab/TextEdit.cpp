#include "TextEdit.h"

#include <algorithm>

namespace tab {

TextEdit::TextEdit(std::size_t at, std::string_view removed, std::string_view inserted)
    : at_(at), removedSize_(removed.size()) {
    bytes_.reserve(removed.size() + inserted.size());
    bytes_.append(removed).append(inserted);
    trim();
}

void TextEdit::absorb(std::string_view current, std::size_t at, std::string_view removed,
                      std::string_view inserted) {
    // Widen this edit over the unchanged bytes between it and the new change, so that both
    // cover one stretch of `current`; then the new change lands inside the inserted bytes.
    const std::size_t end = at_ + (bytes_.size() - removedSize_);
    const std::size_t start = std::min(at_, at);
    const std::string_view before = current.substr(start, at_ - start);
    const std::size_t stop = std::max(end, at + removed.size());
    const std::string_view after = current.substr(end, stop - end);

    // Nothing below allocates once this has succeeded.
    bytes_.reserve(bytes_.size() + 2 * (before.size() + after.size()) + inserted.size());
    bytes_.insert(0, before);
    bytes_.insert(before.size() + removedSize_, after);
    removedSize_ += before.size() + after.size();
    bytes_.insert(removedSize_, before);
    bytes_.append(after);
    at_ = start;
    bytes_.replace(removedSize_ + (at - start), removed.size(), inserted);
    trim();
}

void TextEdit::trim() {
    const std::string_view removed = this->removed();
    const std::string_view inserted = this->inserted();
    const auto front =
        std::mismatch(removed.begin(), removed.end(), inserted.begin(), inserted.end());
    const auto same = static_cast<std::size_t>(front.first - removed.begin());
    const auto back = std::mismatch(removed.rbegin(), removed.rend() - same, inserted.rbegin(),
                                    inserted.rend() - same);
    const auto sameEnd = static_cast<std::size_t>(back.first - removed.rbegin());
    if (same + sameEnd == 0)
        return;
    bytes_.resize(bytes_.size() - sameEnd);
    bytes_.erase(removedSize_ - sameEnd, same + sameEnd);
    bytes_.erase(0, same);
    removedSize_ -= same + sameEnd;
    at_ += same;
}

} // namespace tab
