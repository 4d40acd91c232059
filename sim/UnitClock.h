// UnitClock: the unit's real-time clock. It runs with the host's local time plus an offset that
// "date YYMMDD" and "time HHMMSS" adjust, so setting it never touches the host.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace kvt::sim {

class UnitClock {
  public:
    using Source = std::function<std::chrono::system_clock::time_point()>;

    UnitClock();  // follows the host clock
    explicit UnitClock(Source source);

    std::string DateText() const;  // "YYMMDD"
    std::string TimeText() const;  // "HHMMSS"

    // Six decimal digits forming a real date (20YY) or time of day; false leaves the clock as it
    // is.
    bool SetDate(std::string_view yymmdd);
    bool SetTime(std::string_view hhmmss);

    // How far the unit's clock is set from the host's local time.
    std::chrono::seconds Offset() const { return offset_; }
    void SetOffset(std::chrono::seconds offset) { offset_ = offset; }

  private:
    // The unit's wall-clock reading, counted as if it were UTC so that no time zone rule applies.
    std::chrono::sys_seconds Now() const;
    std::chrono::sys_seconds HostLocalTime() const;

    Source source_;
    std::chrono::seconds offset_{0};
};

}  // namespace kvt::sim
