#include "UnitClock.h"

#include <ctime>
#include <optional>

#include "TextFields.h"

namespace kvt::sim {

using namespace std::chrono;

namespace {

struct SixDigits {
    int first;
    int second;
    int third;
};

std::optional<SixDigits> ParseSixDigits(std::string_view text) {
    if (text.size() != 6 || !ParseDecimal(text, 6)) {
        return std::nullopt;
    }
    const auto pair = [&](size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); };
    return SixDigits{pair(0), pair(2), pair(4)};
}

std::string TwoDigitFields(int a, int b, int c) {
    std::string text(6, '0');
    const int values[] = {a, b, c};
    for (size_t i = 0; i < 3; ++i) {
        text[2 * i] = static_cast<char>('0' + values[i] / 10 % 10);
        text[2 * i + 1] = static_cast<char>('0' + values[i] % 10);
    }
    return text;
}

}  // namespace

UnitClock::UnitClock() : source_([] { return system_clock::now(); }) {}

UnitClock::UnitClock(Source source) : source_(std::move(source)) {}

sys_seconds UnitClock::HostLocalTime() const {
    const std::time_t now = system_clock::to_time_t(source_());
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return floor<seconds>(source_());
    }
    const year_month_day date{year{local.tm_year + 1900},
                              month{static_cast<unsigned>(local.tm_mon + 1)},
                              day{static_cast<unsigned>(local.tm_mday)}};
    return sys_days{date} + hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec};
}

sys_seconds UnitClock::Now() const {
    return HostLocalTime() + offset_;
}

std::string UnitClock::DateText() const {
    const year_month_day date{floor<days>(Now())};
    return TwoDigitFields(static_cast<int>(date.year()) % 100,
                          static_cast<int>(static_cast<unsigned>(date.month())),
                          static_cast<int>(static_cast<unsigned>(date.day())));
}

std::string UnitClock::TimeText() const {
    const sys_seconds now = Now();
    const hh_mm_ss time{now - floor<days>(now)};
    return TwoDigitFields(static_cast<int>(time.hours().count()),
                          static_cast<int>(time.minutes().count()),
                          static_cast<int>(time.seconds().count()));
}

bool UnitClock::SetDate(std::string_view yymmdd) {
    const auto fields = ParseSixDigits(yymmdd);
    if (!fields) {
        return false;
    }
    const year_month_day date{year{2000 + fields->first},
                              month{static_cast<unsigned>(fields->second)},
                              day{static_cast<unsigned>(fields->third)}};
    if (!date.ok()) {
        return false;
    }
    const sys_seconds now = Now();
    const sys_seconds wanted = sys_days{date} + (now - floor<days>(now));
    offset_ += wanted - now;
    return true;
}

bool UnitClock::SetTime(std::string_view hhmmss) {
    const auto fields = ParseSixDigits(hhmmss);
    if (!fields || fields->first > 23 || fields->second > 59 || fields->third > 59) {
        return false;
    }
    const sys_seconds now = Now();
    const sys_seconds wanted =
        floor<days>(now) + hours{fields->first} + minutes{fields->second} + seconds{fields->third};
    offset_ += wanted - now;
    return true;
}

}  // namespace kvt::sim
