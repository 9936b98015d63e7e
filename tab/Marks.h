#pragma once

#include "EntryColumn.h"

#include <array>
#include <string_view>

namespace tab {

// A playing-technique mark: written alone into an empty mark field, appended in its long form
// to a mark field that already holds something.
struct Mark {
    std::string_view alone;
    std::string_view appended;
};

inline constexpr Mark kPalmMutingMark{"P.M.--", "P.M.--"};
inline constexpr Mark kArtificialHarmonic{"A.H.", "(A.H.)"};
inline constexpr Mark kNaturalHarmonic{"Harm", "(Harm)"};
inline constexpr Mark kHammerOn{"H", "(H)"};
inline constexpr Mark kPullOff{"L", "(L)"};

// A mark button: changes nothing but the mark field.
void addMark(EntryColumn& entry, const Mark& mark);

} // namespace tab
