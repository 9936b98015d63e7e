#pragma once

#include <cstddef>
#include <cstdint>

// The common width of the eight rows, in units of seven per character. The rows widen together
// one step at a time as their text outgrows them, and the user can widen or narrow them by hand.
class RowView {
public:
    static constexpr std::int32_t kStep = 60;
    static constexpr std::int32_t kUnitsPerChar = 7;
    // The view shift's step when the program starts.
    static constexpr std::int32_t kStartShiftStep = 50;

    // The rows start at the width the window's design gives them, and go back to it when cleared.
    explicit RowView(std::int32_t designWidth) : designWidth_(designWidth), width_(designWidth) {}

    std::int32_t width() const { return width_; }

    // A row now holds `length` characters: widens by one step, however far the text outgrew
    // the rows, and says whether it did. Removing text never narrows.
    bool grow(std::size_t length);

    // "Doprava" adds the step, "Doleva" takes it away while the rows are wider than designed.
    // Widths stay within 0 and the largest 32-bit value.
    void shiftRight(std::int32_t step);
    void shiftLeft(std::int32_t step);

    void reset() { width_ = designWidth_; }

private:
    void setWidth(std::int32_t width);

    std::int32_t designWidth_;
    std::int32_t width_;
};
