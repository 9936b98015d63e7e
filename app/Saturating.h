#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// Sums of program values held at the ends of the 32-bit range instead of overflowing.
inline std::int32_t saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

inline std::int32_t saturatingAdd(std::int32_t a, std::int32_t b) {
    return saturate(std::int64_t{a} + b);
}

inline std::int32_t saturatingSub(std::int32_t a, std::int32_t b) {
    return saturate(std::int64_t{a} - b);
}
