#pragma once

#include <cstddef>
#include <string_view>

namespace tab {

// Told of every change of the texts it follows, just before the change is made, trimmed to the
// bytes that really differ: at byte `at` of `current`, `removed` gives way to `inserted`. If it
// throws, the text stays as it was, so the observer never believes in a change that did not
// happen. `number` is the one the text was given when it was first followed.
class TextObserver {
public:
    virtual void changing(std::size_t number, std::string_view current, std::size_t at,
                          std::string_view removed, std::string_view inserted) = 0;

protected:
    ~TextObserver() = default;
};

} // namespace tab
