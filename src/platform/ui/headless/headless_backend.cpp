#include "platform/ui/headless/headless_backend.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/menus.h"
#include "platform/ui/timer.h"

namespace ui::headless {

HeadlessBackend::HeadlessBackend() {
  places_.push_back({"/", "/", desktop::PlaceType::kFixed});
}

HeadlessBackend::~HeadlessBackend() = default;

void HeadlessBackend::SetScreenSize(int width, int height) {
  screen_width_ = width;
  screen_height_ = height;
}

void HeadlessBackend::QueueModalStep(std::string form_name, std::function<void()> step) {
  steps_.push_back({std::move(form_name), std::move(step)});
}

std::vector<std::string> HeadlessBackend::PendingSteps() const {
  std::vector<std::string> names;
  for (const Step& s : steps_)
    names.push_back(s.form);
  return names;
}

void HeadlessBackend::Fail(std::string failure) {
  failures_.push_back(failure);
  log_.push_back("failure: " + failure);
  if (OnFailure)
    OnFailure(failure);
}

int HeadlessBackend::TextWidth(const Font& font, std::string_view text) {
  return static_cast<int>(text.size()) * ((font.size + 1) / 2);
}

int HeadlessBackend::TextHeight(const Font& font) {
  return font.size + 3;
}

FrameMetrics HeadlessBackend::Frame(const Form& form) {
  if (form.GetBorderStyle() == BorderStyle::kNone)
    return {};
  FrameMetrics m{4, 26, 4, 4, 0};
  if (const MainMenu* menu = form.Menu()) {
    for (const MenuItem* item : menu->Items()) {
      if (item->Visible()) {
        m.menu_bar = 20;
        break;
      }
    }
  }
  return m;
}

void HeadlessBackend::ControlChanged(Control&, Prop) {}

void HeadlessBackend::ControlDestroyed(Control& control) {
  repaints_.erase(&control);
}

void HeadlessBackend::MenuDestroyed(MenuItem& item) {
  if (popup_choice_ == &item)
    popup_choice_ = nullptr;
}

void HeadlessBackend::Repaint(Control& control) {
  ++repaints_[&control];
}

int HeadlessBackend::RepaintCount(const Control& control) const {
  auto it = repaints_.find(&control);
  return it == repaints_.end() ? 0 : it->second;
}

void HeadlessBackend::ShowForm(Form& form) {
  log_.push_back("show: " + form.Name());
}

void HeadlessBackend::HideForm(Form& form) {
  log_.push_back("hide: " + form.Name());
}

void HeadlessBackend::RunModalLoop(Form& form, const std::function<bool()>& done) {
  log_.push_back("modal: " + form.Name());
  auto it = std::find_if(steps_.begin(), steps_.end(),
                         [&](const Step& s) { return s.form == form.Name(); });
  bool finished = false;
  if (it == steps_.end()) {
    Fail("modal form " + form.Name() + " was shown with nothing queued");
  } else {
    std::function<void()> step = std::move(it->run);
    steps_.erase(it);
    if (step)
      step();
    finished = done();
    if (!finished)
      Fail("modal form " + form.Name() + " was still open after its step");
  }
  if (!finished) {
    // End the session so that the test goes on.
    if (form.GetModalResult() == modal::kNone)
      form.SetModalResult(modal::kCancel);
    done();
  }
  log_.push_back("modal end: " + form.Name());
}

void HeadlessBackend::RunMainLoop(const std::function<bool()>& done) {
  while (!done() && !main_steps_.empty()) {
    std::function<void()> step = std::move(main_steps_.front());
    main_steps_.pop_front();
    if (step)
      step();
  }
}

MenuItem* HeadlessBackend::TrackPopup(PopupMenu& menu, int screen_x, int screen_y) {
  last_popup_ = &menu;
  last_popup_point_ = {screen_x, screen_y};
  log_.push_back("popup: " + menu.Name());
  MenuItem* choice = popup_choice_;
  popup_choice_ = nullptr;
  return choice;
}

void HeadlessBackend::TimerChanged(Timer& timer) {
  timers_.erase(&timer);
  if (timer.Enabled() && timer.Interval() > 0) {
    timers_[&timer] = {now_ + timer.Interval(), ++timer_order_};
  }
}

void HeadlessBackend::TimerDestroyed(Timer& timer) {
  timers_.erase(&timer);
}

void HeadlessBackend::Advance(std::int64_t ms) {
  const std::int64_t target = now_ + std::max<std::int64_t>(0, ms);
  while (true) {
    Timer* next = nullptr;
    TimerEntry best;
    for (const auto& [timer, entry] : timers_) {
      if (entry.due > target)
        continue;
      if (next == nullptr || entry.due < best.due ||
          (entry.due == best.due && entry.order < best.order)) {
        next = timer;
        best = entry;
      }
    }
    if (next == nullptr)
      break;
    now_ = best.due;
    timers_[next].due = best.due + next->Interval();
    if (app_ != nullptr)
      app_->TimerFired(*next);
  }
  now_ = target;
}

}  // namespace ui::headless
