// Time-of-day and elapsed-time texts of the game clock.
#include "game/ClockText.h"

#include <cstdio>
#include <ctime>

namespace kestrelink {

namespace {

std::string hhmmss(long long hours, long long minutes, long long seconds) {
    // Sized for any long long, so the compiler can prove the text is never cut short.
    char text[64];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", hours, minutes, seconds);
    return text;
}

} // namespace

std::string timeOfDayText(Clock::time_point moment) {
    const std::time_t t = Clock::to_time_t(moment);
    std::tm local{};
    localtime_r(&t, &local);
    return hhmmss(local.tm_hour, local.tm_min, local.tm_sec);
}

std::string elapsedText(Clock::duration span) {
    using namespace std::chrono;
    long long total = duration_cast<seconds>(span + milliseconds(500)).count();
    if (span < Clock::duration::zero())
        total = 0;
    return hhmmss((total / 3600) % 24, (total / 60) % 60, total % 60);
}

} // namespace kestrelink
