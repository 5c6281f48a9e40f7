#include "platform/ui/timer.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace ui {

Timer::Timer(Form& owner, std::string name) : owner_(&owner), name_(std::move(name)) {
  owner.timers_.push_back(this);
  owner.App().GetBackend().TimerChanged(*this);
}

Timer::~Timer() {
  std::erase(owner_->timers_, this);
  owner_->App().GetBackend().TimerDestroyed(*this);
}

void Timer::SetInterval(std::int64_t ms) {
  if (ms < 0)
    ms = 0;
  if (interval_ == ms)
    return;
  interval_ = ms;
  owner_->App().GetBackend().TimerChanged(*this);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled_ == enabled)
    return;
  enabled_ = enabled;
  owner_->App().GetBackend().TimerChanged(*this);
}

}  // namespace ui
