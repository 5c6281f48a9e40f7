#include "platform/ui/form.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/menus.h"

namespace ui {

Form::Form(Application& app, std::string name) : Control(app, *this, std::move(name)) {
  Control::SetVisible(false);
  SetColor(colors::kBtnFace);
  app.RegisterForm(this);
}

Form::~Form() {
  App().UnregisterForm(this);
}

void Form::Created() {
  if (OnCreate)
    OnCreate();
}

// ---- Showing and hiding ------------------------------------------------------------------

void Form::SetVisible(bool visible) {
  if (visible) {
    Show();
  } else {
    Hide();
  }
}

void Form::Show() {
  if (Visible()) {
    if (AcceptsInput())
      App().SetActive(this, true);
    return;
  }
  DoShow(true);
}

void Form::DoShow(bool activate) {
  if (in_show_)
    return;
  in_show_ = true;
  closed_ = false;
  if (OnShow)
    OnShow();
  in_show_ = false;
  if (Visible())
    return;  // OnShow showed it already
  if (position_ == FormPosition::kScreenCenter)
    CenterOnScreen();
  if (position_ == FormPosition::kOwnerCenter) {
    const Form* owner = App().ActiveForm();
    if (owner != nullptr && owner != this && owner->Visible()) {
      CenterOn(*owner);
    } else {
      CenterOnScreen();
    }
  }
  Control::SetVisible(true);
  GetBackend().ShowForm(*this);
  if (active_control_ != nullptr && !active_control_->CanFocus())
    active_control_ = nullptr;
  if (active_control_ == nullptr)
    FocusFirst();
  if (active_control_ != nullptr) {
    GetBackend().FocusControl(*active_control_);
    if (active_control_->OnEnter)
      active_control_->OnEnter();
  }
  if (activate && AcceptsInput())
    App().SetActive(this, true);
}

void Form::Hide() {
  if (!Visible())
    return;
  DoHide();
}

void Form::DoHide() {
  Control::SetVisible(false);
  GetBackend().HideForm(*this);
  if (OnHide)
    OnHide();
  if (App().ActiveForm() == this)
    App().ActiveFormHidden(*this);
}

bool Form::Active() const {
  return App().ActiveForm() == this;
}

bool Form::AcceptsInput() const {
  return Visible() && Enabled() && modal_disable_count_ == 0;
}

// ---- Closing and modality ----------------------------------------------------------------

CloseAction Form::RunCloseHandlers() {
  bool can_close = true;
  if (OnCloseQuery)
    OnCloseQuery(can_close);
  if (!can_close)
    return CloseAction::kNone;
  CloseAction action = CloseAction::kHide;
  in_close_ = true;
  if (OnClose)
    OnClose(action);
  in_close_ = false;
  return action;
}

void Form::Close() {
  if (in_close_)
    return;
  if (in_session_) {
    // The session ends when control is back in this form's own loop.
    if (modal_result_ == modal::kNone)
      modal_result_ = modal::kCancel;
    return;
  }
  if (closed_)
    return;
  CloseAction action = RunCloseHandlers();
  if (action == CloseAction::kNone)
    return;
  closed_ = true;
  if (App().MainForm() == this)
    App().Terminate();
  if (action == CloseAction::kMinimize) {
    SetWindowState(WindowState::kMinimized);
  } else {
    Hide();
  }
}

void Form::SetModalResult(ModalResult result) {
  modal_result_ = result;
}

bool Form::PollModal() {
  if (session_ended_)
    return true;
  if (App().Terminated() && modal_result_ == modal::kNone)
    modal_result_ = modal::kCancel;
  if (modal_result_ == modal::kNone)
    return false;
  CloseAction action = RunCloseHandlers();
  if (action == CloseAction::kNone && !App().Terminated()) {
    modal_result_ = modal::kNone;
    return false;
  }
  session_ended_ = true;
  return true;
}

ModalResult Form::ShowModal() {
  Application& app = App();
  if (in_session_)
    return modal::kCancel;
  Form* saved = app.ActiveForm();
  std::vector<Form*> disabled;
  for (Form* f : app.Forms()) {
    if (f != this && f->Visible()) {
      ++f->modal_disable_count_;
      disabled.push_back(f);
    }
  }
  in_session_ = true;
  session_ended_ = false;
  modal_result_ = modal::kNone;
  closed_ = false;
  app.sessions_.push_back(this);

  if (Visible()) {
    app.SetActive(this, true);
  } else {
    DoShow(true);
  }
  // A form closed while it was being shown (in OnShow or OnActivate) needs no loop.
  if (!PollModal())
    GetBackend().RunModalLoop(*this, [this] { return PollModal(); });
  if (modal_result_ == modal::kNone)
    modal_result_ = modal::kCancel;

  in_session_ = false;
  std::erase(app.sessions_, this);
  for (Form* f : disabled)
    --f->modal_disable_count_;
  bool was_active = app.ActiveForm() == this;
  if (Visible()) {
    Control::SetVisible(false);
    GetBackend().HideForm(*this);
    if (OnHide)
      OnHide();
  }
  closed_ = true;
  if (was_active || app.ActiveForm() == nullptr) {
    if (saved != nullptr && saved != this && saved->AcceptsInput()) {
      app.SetActive(saved, false);  // back to the form under it: no OnActivate
    } else {
      app.ActiveFormHidden(*this);
    }
  }
  return modal_result_;
}

// ---- Geometry and options -------------------------------------------------------------------

void Form::ApplyConstraints(int& width, int& height) const {
  const SizeConstraints& c = constraints_;
  if (c.max_width > 0)
    width = std::min(width, c.max_width);
  if (c.min_width > 0)
    width = std::max(width, c.min_width);
  if (c.max_height > 0)
    height = std::min(height, c.max_height);
  if (c.min_height > 0)
    height = std::max(height, c.min_height);
}

void Form::SetBounds(int left, int top, int width, int height) {
  ApplyConstraints(width, height);
  bool resized = width != Width() || height != Height();
  Control::SetBounds(left, top, width, height);
  if (resized && OnResize)
    OnResize();
}

int Form::ClientWidth() const {
  FrameMetrics m = App().GetBackend().Frame(*this);
  return std::max(0, Width() - m.left - m.right);
}

int Form::ClientHeight() const {
  FrameMetrics m = App().GetBackend().Frame(*this);
  return std::max(0, Height() - m.top - m.bottom - m.menu_bar);
}

void Form::SetClientWidth(int width) {
  FrameMetrics m = App().GetBackend().Frame(*this);
  SetWidth(width + m.left + m.right);
}

void Form::SetClientHeight(int height) {
  FrameMetrics m = App().GetBackend().Frame(*this);
  SetHeight(height + m.top + m.bottom + m.menu_bar);
}

void Form::SetConstraints(const SizeConstraints& constraints) {
  constraints_ = constraints;
  Changed(Prop::kConstraints);
  SetBounds(Left(), Top(), Width(), Height());
}

void Form::CenterOnScreen() {
  Screen& s = App().GetScreen();
  SetBounds((s.Width() - Width()) / 2, (s.Height() - Height()) / 2, Width(), Height());
}

void Form::CenterOn(const Form& owner) {
  Screen& s = App().GetScreen();
  Rect area{owner.Left(), owner.Top(), owner.Width(), owner.Height()};
  if (owner.GetWindowState() == WindowState::kMaximized)
    area = {0, 0, s.Width(), s.Height()};
  const int left = area.left + (area.width - Width()) / 2;
  const int top = area.top + (area.height - Height()) / 2;
  SetBounds(std::clamp(left, 0, std::max(0, s.Width() - Width())),
            std::clamp(top, 0, std::max(0, s.Height() - Height())), Width(), Height());
}

void Form::SetWindowState(WindowState state) {
  if (window_state_ == state)
    return;
  window_state_ = state;
  Changed(Prop::kWindowState);
}

void Form::SetBorderIcons(const ui::BorderIcons& icons) {
  border_icons_ = icons;
  Changed(Prop::kBorder);
}

void Form::SetBorderStyle(ui::BorderStyle style) {
  border_style_ = style;
  Changed(Prop::kBorder);
}

bool Form::HasCloseBox() const {
  return close_box_ && border_icons_.system_menu && border_style_ != ui::BorderStyle::kNone;
}

void Form::SetCloseBox(bool close_box) {
  close_box_ = close_box;
  Changed(Prop::kBorder);
}

void Form::SetOwner(Form* owner) {
  if (owner == this || owner == owner_)
    return;
  owner_ = owner;
  Changed(Prop::kOwner);
}

void Form::SetStayOnTop(bool on_top) {
  stay_on_top_ = on_top;
  Changed(Prop::kStayOnTop);
}

void Form::SetAlphaBlend(bool on) {
  alpha_blend_ = on;
  Changed(Prop::kAlpha);
}

void Form::SetAlphaBlendValue(int value) {
  alpha_value_ = std::clamp(value, 0, 255);
  Changed(Prop::kAlpha);
}

// ---- Focus and menus ---------------------------------------------------------------------------

void Form::SetActiveControl(Control* control) {
  if (control == this)
    control = nullptr;
  if (control == active_control_)
    return;
  if (control != nullptr && Visible() && !control->CanFocus())
    return;
  Control* old = active_control_;
  active_control_ = control;
  if (Visible())
    FocusChanged(old, control);
}

void Form::FocusChanged(Control* old_focus, Control* new_focus) {
  if (old_focus != nullptr && old_focus->OnExit)
    old_focus->OnExit();
  if (new_focus != nullptr) {
    GetBackend().FocusControl(*new_focus);
    if (new_focus->OnEnter)
      new_focus->OnEnter();
  }
  Changed(Prop::kFocus);
}

void Form::FocusFirst() {
  std::vector<Control*> order = TabOrderList(true);
  active_control_ = order.empty() ? nullptr : order.front();
}

void Form::SetMenu(MainMenu* menu) {
  menu_ = menu;
  Changed(Prop::kMenu);
}

void Form::RegisterControl(Control* control) {
  control->creation_index_ = next_creation_index_++;
  control->tab_order_ = static_cast<int>(control->Parent()->Children().size()) - 1;
  all_controls_.push_back(control);
}

void Form::UnregisterControl(Control* control) {
  std::erase(all_controls_, control);
  if (active_control_ == control)
    active_control_ = nullptr;
}

Control* Form::FindControl(std::string_view name) const {
  for (Control* c : all_controls_) {
    if (c->Name() == name)
      return c;
  }
  return nullptr;
}

namespace {

void CollectTabOrder(const Control& parent, bool tab_stops_only, std::vector<Control*>& out) {
  std::vector<Control*> children = parent.Children();
  std::stable_sort(children.begin(), children.end(), [](const Control* a, const Control* b) {
    if (a->TabOrder() != b->TabOrder())
      return a->TabOrder() < b->TabOrder();
    return a->CreationIndex() < b->CreationIndex();
  });
  for (Control* c : children) {
    if (!c->Visible() || !c->Enabled())
      continue;
    if (c->Focusable() && (!tab_stops_only || c->TabStop()))
      out.push_back(c);
    CollectTabOrder(*c, tab_stops_only, out);
  }
}

}  // namespace

std::vector<Control*> Form::TabOrderList(bool tab_stops_only) const {
  std::vector<Control*> out;
  CollectTabOrder(*this, tab_stops_only, out);
  return out;
}

void Form::SelectNext(bool forward) {
  // The search starts where the focused control stands in the whole order, so that a
  // control without a tab stop (focused by a click or by code) hands on to its neighbour.
  std::vector<Control*> order = TabOrderList(false);
  const int n = static_cast<int>(order.size());
  auto it = std::find(order.begin(), order.end(), active_control_);
  int current = it == order.end() ? (forward ? n - 1 : 0) : static_cast<int>(it - order.begin());
  for (int step = 1; step <= n; ++step) {
    Control* c = order[((forward ? current + step : current - step) % n + n) % n];
    if (c->TabStop()) {
      SetActiveControl(c);
      return;
    }
  }
}

}  // namespace ui
