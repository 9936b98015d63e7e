#pragma once

#include <cstdint>
#include <optional>
#include <string>

// How long the program has been running, counted by a one-second tick. The seconds start at 1,
// so the display runs one second ahead of the time since the window was created.
class RunningTime {
public:
    RunningTime() = default;
    // Resumes a count, as after a run of years.
    RunningTime(std::int32_t seconds, std::int32_t minutes, std::int32_t hours)
        : seconds_(seconds), minutes_(minutes), hours_(hours) {}

    void tick();

    std::int32_t seconds() const { return seconds_; }
    std::int32_t minutes() const { return minutes_; }
    std::int32_t hours() const { return hours_; }

    std::string secondsText() const;
    // Shown once a minute or an hour has passed, and from then on.
    std::optional<std::string> minutesText() const;
    std::optional<std::string> hoursText() const;

private:
    std::int32_t seconds_ = 1;
    std::int32_t minutes_ = 0;
    std::int32_t hours_ = 0;
};
