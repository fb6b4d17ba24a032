// Time as the game sees it. Everything that asks for the time goes through a Clock, so
// tests can hold time still or move it by hand.
#pragma once

namespace quill::platform {

class Clock {
  public:
    virtual ~Clock() = default;
    // The current local time in days (whole days since 30 December 1899, the fraction the
    // time of day). The tick governor compares these values.
    virtual double now_days() const = 0;
    // The minute of the current hour, 0..59.
    int minute_of_hour() const;
    // Month 1..12, day 1..31, hour 0..23 of the current local time.
    int month() const;
    int day() const;
    int hour() const;
};

class SystemClock final : public Clock {
  public:
    double now_days() const override;
};

// A clock that stands still until moved; for tests.
class ManualClock final : public Clock {
  public:
    explicit ManualClock(double days = 45000.0) : days_(days) {}
    double now_days() const override { return days_; }
    void set_days(double days) { days_ = days; }
    void advance_seconds(double seconds) { days_ += seconds / 86400.0; }

  private:
    double days_;
};

// The clock of the running program.
Clock& system_clock();

// One second, in days.
constexpr double kOneSecondInDays = 1.0 / 86400.0;

}  // namespace quill::platform
