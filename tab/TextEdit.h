#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tab {

// What one step did to one text: at byte `at`, `removed` gave way to `inserted`. Only the
// bytes that really changed are kept, removed and inserted side by side in one buffer.
class TextEdit {
public:
    TextEdit(std::size_t at, std::string_view removed, std::string_view inserted);

    std::size_t at() const { return at_; }
    std::string_view removed() const { return std::string_view(bytes_).substr(0, removedSize_); }
    std::string_view inserted() const { return std::string_view(bytes_).substr(removedSize_); }

    // The later changes of the step undid this one.
    bool empty() const { return bytes_.empty(); }
    // What the edit takes in memory: while a step grows, room reserved ahead counts too.
    std::size_t bytes() const { return bytes_.capacity(); }

    // Folds a later change of the same text into this edit. `current` is the text as it stands
    // between the two; the later change replaces `removed` at `at` in it with `inserted`. Either
    // the edit takes the change whole or, if memory runs out, stays as it was.
    void absorb(std::string_view current, std::size_t at, std::string_view removed,
                std::string_view inserted);

    // Gives back what growing one byte at a time reserved.
    void shrink() { bytes_.shrink_to_fit(); }

private:
    void trim();

    std::size_t at_;
    std::size_t removedSize_;
    std::string bytes_;
};

} // namespace tab
