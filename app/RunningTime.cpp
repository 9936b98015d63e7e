#include "RunningTime.h"

#include "Saturating.h"

void RunningTime::tick() {
    if (++seconds_ == 60) {
        seconds_ = 0;
        ++minutes_;
    }
    if (minutes_ == 60) {
        minutes_ = 0;
        // A quarter of a million years of hours; held there rather than wrapping.
        hours_ = saturatingAdd(hours_, 1);
    }
}

std::string RunningTime::secondsText() const {
    return std::to_string(seconds_) + " s";
}

std::optional<std::string> RunningTime::minutesText() const {
    if (minutes_ == 0 && hours_ == 0)
        return std::nullopt;
    return std::to_string(minutes_) + " min";
}

std::optional<std::string> RunningTime::hoursText() const {
    if (hours_ == 0)
        return std::nullopt;
    return std::to_string(hours_) + " h";
}
