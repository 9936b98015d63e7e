#pragma once

#include <cstddef>
#include <cstdint>

// The common width of the eight rows, in units of seven per character. The rows widen together
// one step at a time as their text outgrows them, and the user can widen or narrow them by hand.
class RowView {
public:
    static constexpr std::int32_t kDesignWidth = 517;
    static constexpr std::int32_t kStep = 60;
    static constexpr std::int32_t kUnitsPerChar = 7;

    std::int32_t width() const { return width_; }

    // A row now holds `length` characters: widens by one step, however far the text outgrew
    // the rows, and says whether it did. Removing text never narrows.
    bool grow(std::size_t length);

    // "Doprava" adds the step, "Doleva" takes it away while the rows are wider than designed.
    // Widths stay within 0 and the largest 32-bit value.
    void shiftRight(std::int32_t step);
    void shiftLeft(std::int32_t step);

    void reset() { width_ = kDesignWidth; }

private:
    void setWidth(std::int32_t width);

    std::int32_t width_ = kDesignWidth;
};
