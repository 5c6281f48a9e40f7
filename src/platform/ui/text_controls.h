// Text boxes: edit, memo and spin edit.
//
// Positions (SelStart, SelLength) count characters of Text(); in a memo a line break is
// CR LF and counts as two. Setting Text by code runs OnChange when the text changes, as
// does typing. MaxLength limits typing and pasting only. Pasting goes through the
// OnKeyPress filter character by character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

class TextBox : public Control {
 public:
  TextBox(Control& parent, std::string name, Rect bounds);
  bool Focusable() const override { return true; }

  // Stores the text (caret to the start, no selection) and runs OnChange when it changed.
  void SetText(std::string_view text) override;

  int SelStart() const { return sel_start_; }
  void SetSelStart(int pos);  // clamped; clears the selection
  int SelLength() const { return sel_length_; }
  void SetSelLength(int length);  // clamped to the text after SelStart
  std::string SelText() const;
  // Replaces the selection (by code: MaxLength does not apply); runs OnChange.
  void SetSelText(std::string_view text);
  void SelectAll();
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int length);  // 0: no limit
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool on);
  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  bool Modified() const { return modified_; }
  void SetModified(bool on) { modified_ = on; }

  void CopyToClipboard();
  void CutToClipboard();
  // Pastes the clipboard as typed text (through OnKeyPress).
  void PasteFromClipboard();

  std::function<void()> OnChange;

  void DefaultKeyDown(Key key, ShiftState shift) override;
  void DefaultChar(char ch) override;

 protected:
  // Whether a typed printable character is taken (a spin edit takes digits and signs).
  virtual bool AcceptsChar(char ch) const;
  // Replaces the selection with typed text, honouring ReadOnly and MaxLength.
  void TypeText(std::string_view text);
  void ReplaceSelection(std::string_view text);
  void SetCaret(int pos, bool extend);
  virtual int LineStart(int pos) const;
  virtual int LineEnd(int pos) const;
  // The caret position one line up (-1) or down (+1); the same position when none.
  virtual int LineMove(int pos, int direction) const;
  // A step left or right that never stops between CR and LF.
  int StepLeft(int pos) const;
  int StepRight(int pos) const;

 private:
  int sel_start_ = 0;
  int sel_length_ = 0;
  int anchor_ = 0;
  int max_length_ = 0;
  bool read_only_ = false;
  Alignment alignment_ = Alignment::kLeft;
  bool modified_ = false;
};

class Edit : public TextBox {
 public:
  Edit(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kEdit; }
};

// A multi-line text box; no word wrap. Lines are separated by CR LF.
class Memo : public TextBox {
 public:
  Memo(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kMemo; }

  // The lines; a text ending in CR LF has no empty last line.
  std::vector<std::string> Lines() const;
  int LineCount() const;
  std::string Line(int index) const;  // "" outside 0..LineCount()-1
  // As the classic Lines.Add: appends a line (the text then ends with CR LF, unless the
  // text did not end with a line break before, when the break goes in front).
  void AddLine(std::string_view line);
  void ClearLines() { SetText(""); }
  void SetLines(const std::vector<std::string>& lines);
  // Line and column of the caret.
  Point CaretPos() const;
  bool WantReturns() const { return want_returns_; }
  void SetWantReturns(bool on) { want_returns_ = on; }
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on);

  bool WantsKey(Key key, ShiftState shift) const override;
  void DefaultChar(char ch) override;

 protected:
  int LineStart(int pos) const override;
  int LineEnd(int pos) const override;
  int LineMove(int pos, int direction) const override;

 private:
  bool want_returns_ = true;
  bool word_wrap_ = false;
};

// A number box. Value set by code is clamped to MinValue..MaxValue unless they are equal;
// a typed value is read as typed; a text that is not a number reads as MinValue.
// Up and Down step the value by Increment.
class SpinEdit : public TextBox {
 public:
  SpinEdit(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kSpinEdit; }

  int MinValue() const { return min_; }
  void SetMinValue(int value) { min_ = value; }
  int MaxValue() const { return max_; }
  void SetMaxValue(int value) { max_ = value; }
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }
  int Value() const;
  // Clamped (unless min = max); sets the text, so OnChange runs when it changes.
  void SetValue(int value);
  // One Increment up or down, as the arrow keys and the arrow buttons do; the sum stops at the
  // int extremes.
  void Step(bool up);

  void DefaultKeyDown(Key key, ShiftState shift) override;
  bool WantsKey(Key key, ShiftState shift) const override;

 protected:
  bool AcceptsChar(char ch) const override;

 private:
  int Clamp(int value) const;
  int min_ = 0;
  int max_ = 0;
  int increment_ = 1;
};

}  // namespace ui
