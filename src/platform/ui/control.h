// Control: the base of every visual element of a form, the form itself included.
//
// A control is constructed with its parent (a form, a panel or a group box) and a name,
// and optionally its bounds in pixels relative to the parent:
//
//   ui::Button Bok{*this, "Bok", {152, 74, 75, 25}};
//
// It registers itself with its parent and unregisters when destroyed, so controls are
// plain members of the form class (declare a parent before its children).
//
// Every property has a getter and a setter; a setter pushes the change to the backend
// and fires the event the classic library fires for it (see each kind).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/backend.h"
#include "platform/ui/types.h"

namespace ui {

class Application;
class Form;
class PopupMenu;

enum class ControlKind {
  kForm,
  kLabel,
  kButton,
  kBitBtn,
  kSpeedButton,
  kCheckBox,
  kRadioButton,
  kGroupBox,
  kPanel,
  kEdit,
  kMemo,
  kSpinEdit,
  kComboBox,
  kListBox,
  kListView,
  kGauge,
  kImage,
  kMediaHost,
  kDbGrid,
  kDbEdit,
  kDriveComboBox,
  kDirectoryListBox,
  kFileListBox,
  kFilterComboBox,
};

class Control {
 public:
  Control(Control& parent, std::string name, Rect bounds = {});
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  virtual ControlKind Kind() const = 0;

  const std::string& Name() const { return name_; }
  Application& App() const { return *app_; }
  Form& OwnerForm() const { return *form_; }
  Control* Parent() const { return parent_; }
  const std::vector<Control*>& Children() const { return children_; }
  // Index among all controls of the form in creation order (the declared order).
  int CreationIndex() const { return creation_index_; }

  // ---- Geometry (pixels, relative to the parent's client area) ---------------------
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  const Rect& Bounds() const { return bounds_; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetBounds(const Rect& r) { SetBounds(r.left, r.top, r.width, r.height); }
  void SetLeft(int v) { SetBounds(v, bounds_.top, bounds_.width, bounds_.height); }
  void SetTop(int v) { SetBounds(bounds_.left, v, bounds_.width, bounds_.height); }
  void SetWidth(int v) { SetBounds(bounds_.left, bounds_.top, v, bounds_.height); }
  void SetHeight(int v) { SetBounds(bounds_.left, bounds_.top, bounds_.width, v); }
  virtual int ClientWidth() const { return bounds_.width; }
  virtual int ClientHeight() const { return bounds_.height; }
  // A point of this control's client area in screen coordinates, and back.
  Point ClientToScreen(Point p) const;
  Point ScreenToClient(Point p) const;
  // A point of this control's client area in the owner form's client coordinates.
  Point ClientToForm(Point p) const;

  // ---- Visibility and enabling -------------------------------------------------------
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible together with all its parents (for a form: the form is shown).
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  // Enabled together with all its parents.
  bool EnabledWithParents() const;

  // ---- Text and looks ----------------------------------------------------------------
  // Caption and Text are the same string (a label's caption, an edit's text).
  const std::string& Caption() const { return text_; }
  void SetCaption(std::string_view caption) { SetText(caption); }
  const std::string& Text() const { return text_; }
  virtual void SetText(std::string_view text);
  const Font& GetFont() const { return font_; }
  virtual void SetFont(const Font& font);
  Color GetColor() const { return color_; }
  void SetColor(Color color);
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view hint);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // ---- Focus and tab order -----------------------------------------------------------
  int TabOrder() const { return tab_order_; }
  void SetTabOrder(int order) { tab_order_ = order; }
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool tab_stop) { tab_stop_ = tab_stop; }
  // Whether this kind takes the keyboard focus at all (a label does not).
  virtual bool Focusable() const { return false; }
  // Focusable, showing and enabled with its parents.
  bool CanFocus() const;
  // Gives the control the focus. A no-op on a disabled or invisible control; on a hidden
  // form the choice is remembered and applied when the form is shown.
  void SetFocus();
  bool Focused() const;

  PopupMenu* GetPopupMenu() const { return popup_; }
  void SetPopupMenu(PopupMenu* popup) { popup_ = popup; }

  // Repaints the control now (through the backend).
  void Repaint();

  // Runs the click semantics of the kind, as a mouse click would (a check box toggles, a
  // button runs OnClick and then closes a modal form with its result).
  virtual void Click();

  // ---- Events ------------------------------------------------------------------------
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void()> OnEnter;
  std::function<void()> OnExit;
  // Setting the key to 0 cancels it.
  std::function<void(Key& key, ShiftState shift)> OnKeyDown;
  std::function<void(Key& key, ShiftState shift)> OnKeyUp;
  // The character in Windows-1250; a handler may change it; 0 drops it.
  std::function<void(char& ch)> OnKeyPress;
  std::function<void(MouseButton button, ShiftState shift, int x, int y)> OnMouseDown;
  std::function<void(MouseButton button, ShiftState shift, int x, int y)> OnMouseUp;
  std::function<void(ShiftState shift, int x, int y)> OnMouseMove;

  // ---- Default behaviour, run by the dispatch after the handlers -------------------
  // A key without a character (arrows, Delete, Home, ...) that no handler cancelled.
  virtual void DefaultKeyDown(Key key, ShiftState shift);
  // A character that survived the OnKeyPress handlers (Enter, Escape and Tab are handled
  // by the form unless WantsKey says the control takes them).
  virtual void DefaultChar(char ch);
  // Whether the control takes this key itself instead of the form's default handling of
  // Enter, Escape, Tab and the arrows (a memo takes Enter, a grid takes Tab).
  virtual bool WantsKey(Key key, ShiftState shift) const;
  virtual void DefaultMouseDown(MouseButton button, ShiftState shift, int x, int y);
  virtual void DefaultMouseUp(MouseButton button, ShiftState shift, int x, int y);
  virtual void DefaultDblClick(int x, int y);
  // A wheel message that no hook rewrote: `steps` is positive away from the user.
  virtual void DefaultWheel(int steps);

  // Deepest showing child control at a point of this control's client area; this
  // control itself when no child is there.
  Control* ControlAt(int x, int y);

 protected:
  // For Form: a control without a parent.
  Control(Application& app, Form& self, std::string name);
  void Changed(Prop what);
  void RunOnClick() {
    if (OnClick)
      OnClick();
  }
  Backend& GetBackend() const;
  // Stores the text without running any event (for the kinds' own setters).
  void StoreText(std::string_view text);

 private:
  friend class Form;
  void AddChild(Control* child);
  void RemoveChild(Control* child);

  Application* app_;
  Form* form_;
  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  std::string name_;
  int creation_index_ = 0;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
  Font font_;
  Color color_ = colors::kBtnFace;
  std::string hint_;
  int tag_ = 0;
  int tab_order_ = 0;
  bool tab_stop_ = true;
  PopupMenu* popup_ = nullptr;
};

}  // namespace ui
