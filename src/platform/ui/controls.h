// Basic controls: label, buttons, check box, radio button, group box, panel, gauge and
// the media-player host.
//
// Event semantics of the setters: SetChecked of a check box or a radio button runs its
// OnClick (when the state changes; a radio button only when it becomes checked);
// a speed button's SetDown runs nothing.
#pragma once

#include <string>

#include "platform/ui/control.h"
#include "platform/ui/image.h"

namespace ui {

// A text on the form. With AutoSize (the default) its width and height follow the text
// at once, through the backend's text metrics.
class Label : public Control {
 public:
  Label(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kLabel; }

  void SetText(std::string_view text) override;
  void SetFont(const Font& font) override;
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool on);
  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on);

 private:
  void Fit();
  bool auto_size_ = true;
  Alignment alignment_ = Alignment::kLeft;
  bool transparent_ = false;
  bool word_wrap_ = false;
};

// The standard kinds of a button with glyph: each sets the modal result, and OK and Yes
// are default buttons (Enter), Cancel and No cancel buttons (Escape).
enum class ButtonKind { kCustom, kOk, kCancel, kYes, kNo, kClose };

class Button : public Control {
 public:
  Button(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kButton; }
  bool Focusable() const override { return true; }

  // Enter clicks the default button unless another button has the focus.
  bool Default() const { return default_; }
  void SetDefault(bool on);
  // Escape clicks the first showing, enabled cancel button in declared order.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  // After the click handler, a non-zero result closes the modal form it is on.
  ModalResult GetModalResult() const { return modal_result_; }
  void SetModalResult(ModalResult result) { modal_result_ = result; }

  void Click() override;
  void DefaultChar(char ch) override;
  void DefaultMouseUp(MouseButton button, ShiftState shift, int x, int y) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  ModalResult modal_result_ = modal::kNone;
};

// A button with a glyph and a standard kind.
class BitBtn : public Button {
 public:
  BitBtn(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kBitBtn; }

  ButtonKind GetKind() const { return kind_; }
  // Sets the modal result, and Default or Cancel, of the kind.
  void SetKind(ButtonKind kind);
  const Picture& Glyph() const { return glyph_; }
  void SetGlyph(Picture glyph);
  // The close kind closes the form after the click handler.
  void Click() override;

 private:
  ButtonKind kind_ = ButtonKind::kCustom;
  Picture glyph_;
};

// A flat button that never takes the focus. With a group index, the buttons of the same
// parent and group are down one at a time.
class SpeedButton : public Control {
 public:
  SpeedButton(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kSpeedButton; }

  bool Down() const { return down_; }
  void SetDown(bool down);  // runs nothing; releases the group's other buttons
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index) { group_index_ = index; }
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool on) { allow_all_up_ = on; }
  bool Flat() const { return flat_; }
  void SetFlat(bool on);
  const Picture& Glyph() const { return glyph_; }
  void SetGlyph(Picture glyph);

  void Click() override;
  void DefaultMouseUp(MouseButton button, ShiftState shift, int x, int y) override;

 private:
  bool down_ = false;
  int group_index_ = 0;
  bool allow_all_up_ = false;
  bool flat_ = false;
  Picture glyph_;
};

class CheckBox : public Control {
 public:
  CheckBox(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kCheckBox; }
  bool Focusable() const override { return true; }

  bool Checked() const { return checked_; }
  // Runs OnClick when the state changes.
  void SetChecked(bool checked);
  void Click() override;  // toggles
  void DefaultChar(char ch) override;
  void DefaultMouseUp(MouseButton button, ShiftState shift, int x, int y) override;

 private:
  bool checked_ = false;
};

// Radio buttons with the same parent exclude each other.
class RadioButton : public Control {
 public:
  RadioButton(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kRadioButton; }
  bool Focusable() const override { return true; }

  bool Checked() const { return checked_; }
  // Checking unchecks the siblings (they run nothing) and runs OnClick; unchecking runs
  // nothing. Nothing happens when the state does not change.
  void SetChecked(bool checked);
  void Click() override;  // checks
  void DefaultChar(char ch) override;
  void DefaultMouseUp(MouseButton button, ShiftState shift, int x, int y) override;

 private:
  bool checked_ = false;
};

class GroupBox : public Control {
 public:
  GroupBox(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kGroupBox; }
};

class Panel : public Control {
 public:
  Panel(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kPanel; }
};

// A percent gauge: progress clamped to MinValue..MaxValue (0..100), repainted at once on
// every change, so it moves inside a long pass.
class Gauge : public Control {
 public:
  Gauge(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kGauge; }

  int Progress() const { return progress_; }
  void SetProgress(int progress);
  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  void SetRange(int min_value, int max_value);
  int RepaintCount() const { return repaints_; }

 private:
  int progress_ = 0;
  int min_ = 0;
  int max_ = 100;
  int repaints_ = 0;
};

// The area the film player fills (the media module draws into it).
class MediaHost : public Control {
 public:
  MediaHost(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kMediaHost; }
};

}  // namespace ui
