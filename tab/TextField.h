#pragma once

#include "TextObserver.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tab {

// One single-line text of the document, held as Windows-1250 bytes. The editing operations only
// ever touch the end of a text or replace it whole, so a write is "keep the first n bytes, then
// add these": appending one filler to a long row costs one byte, not a copy of the row. Only
// the bytes that really differ are replaced, so undoing an edit in the middle of a row is cheap
// too.
class TextField {
public:
    const std::string& text() const { return text_; }

    // Counts changes so a view can tell whether it still shows the current text.
    std::uint64_t revision() const { return revision_; }

    // Keeps the first `keep` bytes (all of them if fewer), then appends `tail`.
    // Returns false, and changes nothing, when the result equals the current text.
    bool write(std::size_t keep, std::string_view tail);

    bool set(std::string_view text) { return write(0, text); }

    // From now on every change is told to `observer` (none if null) under `number`.
    void observe(TextObserver* observer, std::size_t number) {
        observer_ = observer;
        number_ = number;
    }

private:
    void replace(std::size_t at, std::string_view removed, std::string_view inserted);

    std::string text_;
    std::uint64_t revision_ = 0;
    TextObserver* observer_ = nullptr;
    std::size_t number_ = 0;
};

} // namespace tab
