// Timer: runs OnTimer every Interval milliseconds while enabled, also inside modal
// sessions. The clock is the backend's (a virtual clock in the headless backend).
//
//   ui::Timer Timer1{*this, "Timer1"};   // interval 1000, enabled
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace ui {

class Application;
class Form;

class Timer {
 public:
  Timer(Form& owner, std::string name);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& Name() const { return name_; }
  Form& Owner() const { return *owner_; }
  std::int64_t Interval() const { return interval_; }
  void SetInterval(std::int64_t ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void()> OnTimer;

 private:
  Form* owner_;
  std::string name_;
  std::int64_t interval_ = 1000;
  bool enabled_ = true;
};

}  // namespace ui
