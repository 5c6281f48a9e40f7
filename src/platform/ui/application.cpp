#include "platform/ui/application.h"

#include <algorithm>

#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/timer.h"

namespace ui {

int Screen::Width() const {
  return app_->GetBackend().ScreenWidth();
}
int Screen::Height() const {
  return app_->GetBackend().ScreenHeight();
}

void Screen::SetCursor(ui::Cursor cursor) {
  cursor_ = cursor;
  app_->GetBackend().SetCursor(cursor);
}

HourglassCursor::HourglassCursor(Application& app)
    : screen_(&app.GetScreen()), previous_(screen_->GetCursor()) {
  screen_->SetCursor(ui::Cursor::kHourGlass);
}

HourglassCursor::~HourglassCursor() {
  screen_->SetCursor(previous_);
}

Application::Application(Backend& backend) : backend_(&backend), screen_(*this) {}

Application::~Application() = default;

void Application::RegisterForm(Form* form) {
  forms_.push_back(form);
}

void Application::UnregisterForm(Form* form) {
  std::erase(forms_, form);
  std::erase(activation_order_, form);
  std::erase(sessions_, form);
  for (auto it = keys_down_.begin(); it != keys_down_.end();) {
    it = it->second == form ? keys_down_.erase(it) : std::next(it);
  }
  if (active_ == form)
    active_ = nullptr;
  for (Form* other : forms_) {
    if (other->owner_ == form)
      other->owner_ = nullptr;
  }
}

void Application::Run() {
  if (running_)
    return;
  running_ = true;
  Form* main = MainForm();
  if (!terminated_ && main != nullptr)
    main->Show();
  if (!terminated_)
    backend_->RunMainLoop([this] { return terminated_; });
  running_ = false;
}

void Application::ProcessMessages() {
  backend_->ProcessPendingEvents();
}

void Application::Terminate() {
  terminated_ = true;
}

int Application::TextWidth(const Font& font, std::string_view text) const {
  return backend_->TextWidth(font, text);
}

int Application::TextHeight(const Font& font) const {
  return backend_->TextHeight(font);
}

void Application::Note(std::string_view line) const {
  backend_->Note(line);
}

// ---- Activation ---------------------------------------------------------------------------

void Application::Touch(Form* form) {
  std::erase(activation_order_, form);
  activation_order_.push_back(form);
}

void Application::SetActive(Form* form, bool run_handler) {
  if (form == active_)
    return;
  Form* old = active_;
  active_ = form;
  if (old != nullptr && old->OnDeactivate)
    old->OnDeactivate();
  if (form == nullptr || active_ != form)
    return;
  Touch(form);
  backend_->ActivateForm(*form);
  if (run_handler && form->OnActivate)
    form->OnActivate();
}

void Application::ActiveFormHidden(Form& form) {
  for (auto it = activation_order_.rbegin(); it != activation_order_.rend(); ++it) {
    Form* candidate = *it;
    if (candidate != &form && candidate->AcceptsInput()) {
      SetActive(candidate, true);
      return;
    }
  }
  SetActive(nullptr, false);
}

void Application::UserActivate(Form& form) {
  if (!form.AcceptsInput())
    return;
  SetActive(&form, true);
}

void Application::CloseRequest(Form& form) {
  if (!form.Visible() || !form.HasCloseBox() || form.DisabledByModal() || !form.Enabled())
    return;
  if (form.OnCloseBox) {
    bool can_close = true;
    form.OnCloseBox(can_close);
    if (!can_close)
      return;
  }
  form.Close();
}

void Application::Expose(Form& form) {
  if (form.Visible() && form.OnPaint)
    form.OnPaint();
}

void Application::TimerFired(Timer& timer) {
  if (timer.Enabled() && timer.OnTimer)
    timer.OnTimer();
}

void Application::ControlGone(Control*) {}

}  // namespace ui
