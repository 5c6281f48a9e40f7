// The deterministic backend the tests run on: fixed text metrics, a virtual clock, a
// session log, and modal sessions that run the steps a test queued.
//
// Text metrics: a character is (size + 1) / 2 pixels wide, a line size + 3 pixels high.
// Frame: 4 pixels around, 26 at the top (title bar), 20 more for a main menu; none for a
// form without border.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/backend.h"

namespace ui {
class Application;
}

namespace ui::headless {

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;

  void SetApplication(Application* app) { app_ = app; }
  void SetScreenSize(int width, int height);
  void SetPlaces(std::vector<desktop::Place> places) { places_ = std::move(places); }

  // ---- Modal script --------------------------------------------------------------------
  void QueueModalStep(std::string form_name, std::function<void()> step);
  // Names of the queued steps still waiting.
  std::vector<std::string> PendingSteps() const;
  void DropPendingSteps() { steps_.clear(); }
  // Steps run by the main loop (Application::Run), in order; Run returns after them.
  void QueueMainStep(std::function<void()> step) { main_steps_.push_back(std::move(step)); }

  // ---- Failures and log ------------------------------------------------------------------
  void Fail(std::string failure);
  const std::vector<std::string>& Failures() const { return failures_; }
  void ClearFailures() { failures_.clear(); }
  std::function<void(const std::string&)> OnFailure;  // also told at once
  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

  // ---- Clock -------------------------------------------------------------------------------
  // Advances the virtual clock; due timers fire in time order.
  void Advance(std::int64_t ms);

  // ---- Counters for tests ------------------------------------------------------------------
  int RepaintCount(const Control& control) const;
  Cursor CurrentCursor() const { return cursor_; }
  MenuItem* QueuedPopupChoice() const { return popup_choice_; }
  void SetPopupChoice(MenuItem* item) { popup_choice_ = item; }
  PopupMenu* LastPopup() const { return last_popup_; }
  Point LastPopupPoint() const { return last_popup_point_; }

  // ---- Backend -------------------------------------------------------------------------------
  int ScreenWidth() override { return screen_width_; }
  int ScreenHeight() override { return screen_height_; }
  void SetCursor(Cursor cursor) override { cursor_ = cursor; }
  int TextWidth(const Font& font, std::string_view text) override;
  int TextHeight(const Font& font) override;
  FrameMetrics Frame(const Form& form) override;
  std::vector<desktop::Place> Places() override { return places_; }
  void ControlChanged(Control& control, Prop what) override;
  void ControlDestroyed(Control& control) override;
  void MenuChanged(MenuItem&) override {}
  void MenuDestroyed(MenuItem& item) override;
  void Repaint(Control& control) override;
  void ShowForm(Form& form) override;
  void HideForm(Form& form) override;
  void ActivateForm(Form&) override {}
  void FocusControl(Control&) override {}
  void RunModalLoop(Form& form, const std::function<bool()>& done) override;
  void RunMainLoop(const std::function<bool()>& done) override;
  void ProcessPendingEvents() override {}
  MenuItem* TrackPopup(PopupMenu& menu, int screen_x, int screen_y) override;
  std::int64_t NowMs() override { return now_; }
  void TimerChanged(Timer& timer) override;
  void TimerDestroyed(Timer& timer) override;
  std::string ClipboardText() override { return clipboard_; }
  void SetClipboardText(std::string_view text) override { clipboard_ = std::string(text); }
  void Note(std::string_view line) override { log_.emplace_back(line); }

 private:
  struct Step {
    std::string form;
    std::function<void()> run;
  };
  struct TimerEntry {
    std::int64_t due = 0;
    std::uint64_t order = 0;
  };

  Application* app_ = nullptr;
  int screen_width_ = 1280;
  int screen_height_ = 1024;
  Cursor cursor_ = Cursor::kDefault;
  std::vector<desktop::Place> places_;
  std::deque<Step> steps_;
  std::deque<std::function<void()>> main_steps_;
  std::vector<std::string> failures_;
  std::vector<std::string> log_;
  std::int64_t now_ = 0;
  std::uint64_t timer_order_ = 0;
  std::map<Timer*, TimerEntry> timers_;
  std::map<const Control*, int> repaints_;
  std::string clipboard_;
  MenuItem* popup_choice_ = nullptr;
  PopupMenu* last_popup_ = nullptr;
  Point last_popup_point_;
};

}  // namespace ui::headless
