// Form: a top-level window of the program.
//
// A window is a class deriving from Form, with its controls, menus and timers as members
// and its handlers as member functions:
//
//   class TKiszoveg : public ui::Form {
//    public:
//     explicit TKiszoveg(ui::Application& app) : Form(app, "Kiszoveg") {
//       Bok.SetKind(ui::ButtonKind::kOk);
//       Bok.OnClick = [this] { BokClick(); };
//       OnKeyUp = [this](ui::Key& key, ui::ShiftState shift) { FormKeyUp(key, shift); };
//       Created();  // runs OnCreate
//     }
//     ui::BitBtn Bok{*this, "Bok", {152, 74, 75, 25}};
//    private:
//     void BokClick();
//     void FormKeyUp(ui::Key& key, ui::ShiftState shift);
//   };
//
// Forms are created once, in the program's order (the first is the main form), and never
// destroyed while the application runs; they are hidden and shown.
//
// Modality: ShowModal nests, works before Application::Run and from inside OnActivate,
// disables the forms visible at that moment (a form shown later stays usable) and returns
// the modal result once the form is closed. Close on a modal form ends its session when
// control returns to that form's own loop, then runs OnClose; Hide inside a session does
// not end it. Close on a modeless form runs OnClose, then hides it; Close is idempotent.
// Closing the main form ends Application::Run, also while it is hidden.
//
// Activation: OnActivate runs when the form becomes the program's active form coming from
// another of the program's windows (its Show and ShowModal included), never when one of
// its own modal dialogs closes over it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

class MainMenu;
class PopupMenu;
class Timer;

class Form : public Control {
 public:
  Form(Application& app, std::string name);
  ~Form() override;

  ControlKind Kind() const override { return ControlKind::kForm; }

  // Runs OnCreate; a form class calls it at the end of its constructor.
  void Created();

  // ---- Showing, closing, modality ---------------------------------------------------
  void Show();
  void Hide();
  void SetVisible(bool visible) override;
  void Close();
  ModalResult ShowModal();
  ModalResult GetModalResult() const { return modal_result_; }
  // A non-zero result ends the form's modal session (when it is in one).
  void SetModalResult(ModalResult result);
  // In a modal session (hidden or not).
  bool InModalSession() const { return in_session_; }
  // The program's active form.
  bool Active() const;
  // Takes user input: shown, enabled and not disabled by another form's modal session.
  bool AcceptsInput() const;
  bool DisabledByModal() const { return modal_disable_count_ > 0; }

  // ---- Geometry and window options ---------------------------------------------------
  void SetBounds(int left, int top, int width, int height) override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  const SizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(const SizeConstraints& constraints);
  FormPosition Position() const { return position_; }
  void SetPosition(FormPosition position) { position_ = position; }
  // Centres the form on the screen now.
  void CenterOnScreen();
  // Centres the form on `owner` now (a maximised owner fills the screen), kept on the screen.
  void CenterOn(const Form& owner);
  WindowState GetWindowState() const { return window_state_; }
  void SetWindowState(WindowState state);
  const ui::BorderIcons& GetBorderIcons() const { return border_icons_; }
  void SetBorderIcons(const ui::BorderIcons& icons);
  ui::BorderStyle GetBorderStyle() const { return border_style_; }
  void SetBorderStyle(ui::BorderStyle style);
  // Whether the title bar has a close box; without one the window manager's close request
  // is ignored. False when the system menu is off or the border is none.
  bool HasCloseBox() const;
  void SetCloseBox(bool close_box);
  bool StayOnTop() const { return stay_on_top_; }
  void SetStayOnTop(bool on_top);
  // The window this one belongs to while it is shown: it stays above its owner and goes
  // with it. nullptr (the default): a window of the program's own.
  Form* Owner() const { return owner_; }
  void SetOwner(Form* owner);
  bool AlphaBlend() const { return alpha_blend_; }
  void SetAlphaBlend(bool on);
  int AlphaBlendValue() const { return alpha_value_; }
  void SetAlphaBlendValue(int value);  // clamped to 0..255

  // ---- Focus, keys, menus --------------------------------------------------------------
  // The control that has (or will have, on a hidden form) the focus; nullptr: the form.
  Control* ActiveControl() const { return active_control_; }
  void SetActiveControl(Control* control);
  bool KeyPreview() const { return key_preview_; }
  void SetKeyPreview(bool on) { key_preview_ = on; }
  MainMenu* Menu() const { return menu_; }
  void SetMenu(MainMenu* menu);
  const std::vector<PopupMenu*>& PopupMenus() const { return popups_; }
  const std::vector<Timer*>& Timers() const { return timers_; }
  // Every control of the form in creation order.
  const std::vector<Control*>& AllControls() const { return all_controls_; }
  Control* FindControl(std::string_view name) const;
  // The focusable controls in tab order (TabStop ones only when `tab_stops_only`).
  std::vector<Control*> TabOrderList(bool tab_stops_only) const;
  // Moves the focus to the next (or previous) tab stop.
  void SelectNext(bool forward);

  // ---- Events ----------------------------------------------------------------------------
  std::function<void()> OnCreate;
  std::function<void()> OnShow;
  std::function<void()> OnHide;
  std::function<void()> OnActivate;
  std::function<void()> OnDeactivate;
  std::function<void()> OnPaint;
  std::function<void()> OnResize;
  std::function<void(CloseAction& action)> OnClose;
  std::function<void(bool& can_close)> OnCloseQuery;
  // The user pressed the close box (or the window manager's close key): runs before Close,
  // while the user's press is being handled; clearing `can_close` keeps the form as it is.
  // A Close called by the program does not run it.
  std::function<void(bool& can_close)> OnCloseBox;

 private:
  friend class Application;
  friend class Control;
  friend class MainMenu;
  friend class PopupMenu;
  friend class Timer;

  void ApplyConstraints(int& width, int& height) const;
  void DoShow(bool activate);
  void DoHide();
  // Runs OnCloseQuery and OnClose; the action.
  CloseAction RunCloseHandlers();
  // The modal loop's poll: ends the session when a result is set and OnClose agrees.
  bool PollModal();
  void RegisterControl(Control* control);
  void UnregisterControl(Control* control);
  void FocusFirst();
  void FocusChanged(Control* old_focus, Control* new_focus);

  std::vector<Control*> all_controls_;
  int next_creation_index_ = 0;
  std::vector<PopupMenu*> popups_;
  std::vector<MainMenu*> menus_;
  std::vector<Timer*> timers_;
  MainMenu* menu_ = nullptr;
  Control* active_control_ = nullptr;
  bool key_preview_ = false;

  SizeConstraints constraints_;
  FormPosition position_ = FormPosition::kDesigned;
  WindowState window_state_ = WindowState::kNormal;
  ui::BorderIcons border_icons_;
  ui::BorderStyle border_style_ = ui::BorderStyle::kSizeable;
  bool close_box_ = true;
  bool stay_on_top_ = false;
  Form* owner_ = nullptr;
  bool alpha_blend_ = false;
  int alpha_value_ = 255;

  ModalResult modal_result_ = modal::kNone;
  bool in_session_ = false;
  bool session_ended_ = false;
  int modal_disable_count_ = 0;
  bool closed_ = false;
  bool in_close_ = false;
  bool in_show_ = false;
};

}  // namespace ui
