#include "platform/ui/text_controls.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/text/text.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace ui {

namespace {
int Len(const std::string& s) {
  return static_cast<int>(s.size());
}
}  // namespace

TextBox::TextBox(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {
  SetColor(colors::kWindow);
}

void TextBox::SetText(std::string_view text) {
  if (text == Text())
    return;
  StoreText(text);
  sel_start_ = sel_length_ = anchor_ = 0;
  Changed(Prop::kText);
  if (OnChange)
    OnChange();
}

void TextBox::SetSelStart(int pos) {
  pos = std::clamp(pos, 0, Len(Text()));
  sel_start_ = anchor_ = pos;
  sel_length_ = 0;
  Changed(Prop::kSelection);
}

void TextBox::SetSelLength(int length) {
  sel_length_ = std::clamp(length, 0, Len(Text()) - sel_start_);
  anchor_ = sel_start_;
  Changed(Prop::kSelection);
}

std::string TextBox::SelText() const {
  return Text().substr(sel_start_, sel_length_);
}

void TextBox::SetSelText(std::string_view text) {
  ReplaceSelection(text);
}

void TextBox::SelectAll() {
  sel_start_ = anchor_ = 0;
  sel_length_ = Len(Text());
  Changed(Prop::kSelection);
}

void TextBox::SetMaxLength(int length) {
  max_length_ = std::max(0, length);
  Changed(Prop::kOptions);
}

void TextBox::SetReadOnly(bool on) {
  read_only_ = on;
  Changed(Prop::kOptions);
}

void TextBox::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Changed(Prop::kOptions);
}

void TextBox::ReplaceSelection(std::string_view insert) {
  std::string s = Text();
  s.replace(sel_start_, sel_length_, insert);
  int caret = sel_start_ + static_cast<int>(insert.size());
  StoreText(s);
  sel_start_ = anchor_ = caret;
  sel_length_ = 0;
  modified_ = true;
  Changed(Prop::kText);
  if (OnChange)
    OnChange();
}

void TextBox::TypeText(std::string_view insert) {
  if (read_only_)
    return;
  if (max_length_ > 0) {
    int room = max_length_ - (Len(Text()) - sel_length_);
    if (room <= 0)
      return;
    if (static_cast<int>(insert.size()) > room)
      insert = insert.substr(0, room);
  }
  ReplaceSelection(insert);
}

bool TextBox::AcceptsChar(char ch) const {
  return static_cast<unsigned char>(ch) >= 32;
}

void TextBox::SetCaret(int pos, bool extend) {
  pos = std::clamp(pos, 0, Len(Text()));
  if (!extend)
    anchor_ = pos;
  sel_start_ = std::min(anchor_, pos);
  sel_length_ = std::abs(pos - anchor_);
  Changed(Prop::kSelection);
}

int TextBox::StepLeft(int pos) const {
  const std::string& s = Text();
  if (pos <= 0)
    return 0;
  if (pos >= 2 && s[pos - 1] == '\n' && s[pos - 2] == '\r')
    return pos - 2;
  return pos - 1;
}

int TextBox::StepRight(int pos) const {
  const std::string& s = Text();
  if (pos >= Len(s))
    return Len(s);
  if (s[pos] == '\r' && pos + 1 < Len(s) && s[pos + 1] == '\n')
    return pos + 2;
  return pos + 1;
}

int TextBox::LineStart(int) const {
  return 0;
}
int TextBox::LineEnd(int) const {
  return Len(Text());
}
int TextBox::LineMove(int pos, int) const {
  return pos;
}

void TextBox::CopyToClipboard() {
  if (sel_length_ > 0)
    GetBackend().SetClipboardText(SelText());
}

void TextBox::CutToClipboard() {
  if (sel_length_ == 0)
    return;
  GetBackend().SetClipboardText(SelText());
  if (!read_only_)
    ReplaceSelection("");
}

void TextBox::PasteFromClipboard() {
  if (read_only_)
    return;
  App().Paste(OwnerForm(), GetBackend().ClipboardText());
}

void TextBox::DefaultKeyDown(Key key, ShiftState shift) {
  const bool extend = shift.Has(ShiftState::kShift);
  const int caret = anchor_ == sel_start_ ? sel_start_ + sel_length_ : sel_start_;
  switch (key) {
    case keys::kLeft:
      SetCaret(!extend && sel_length_ > 0 ? sel_start_ : StepLeft(caret), extend);
      break;
    case keys::kRight:
      SetCaret(!extend && sel_length_ > 0 ? sel_start_ + sel_length_ : StepRight(caret), extend);
      break;
    case keys::kHome:
      SetCaret(shift.Has(ShiftState::kCtrl) ? 0 : LineStart(caret), extend);
      break;
    case keys::kEnd:
      SetCaret(shift.Has(ShiftState::kCtrl) ? Len(Text()) : LineEnd(caret), extend);
      break;
    case keys::kUp:
      SetCaret(LineMove(caret, -1), extend);
      break;
    case keys::kDown:
      SetCaret(LineMove(caret, +1), extend);
      break;
    case keys::kDelete:
      if (shift.Has(ShiftState::kShift)) {
        CutToClipboard();
      } else if (!read_only_) {
        if (sel_length_ == 0) {
          int next = StepRight(sel_start_);
          if (next == sel_start_)
            return;
          sel_length_ = next - sel_start_;
        }
        ReplaceSelection("");
      }
      break;
    case keys::kInsert:
      if (shift.Has(ShiftState::kCtrl))
        CopyToClipboard();
      if (shift.Has(ShiftState::kShift))
        PasteFromClipboard();
      break;
    default:
      break;
  }
}

void TextBox::DefaultChar(char ch) {
  switch (ch) {
    case 3:  // Ctrl+C
      CopyToClipboard();
      return;
    case 22:  // Ctrl+V
      PasteFromClipboard();
      return;
    case 24:  // Ctrl+X
      CutToClipboard();
      return;
    case 8:  // Backspace
      if (read_only_)
        return;
      if (sel_length_ == 0) {
        int prev = StepLeft(sel_start_);
        if (prev == sel_start_)
          return;
        sel_length_ = sel_start_ - prev;
        sel_start_ = anchor_ = prev;
      }
      ReplaceSelection("");
      return;
    default:
      break;
  }
  if (AcceptsChar(ch))
    TypeText(std::string(1, ch));
}

// ---- Edit ---------------------------------------------------------------------------------

Edit::Edit(Control& parent, std::string name, Rect bounds)
    : TextBox(parent, std::move(name), bounds) {}

// ---- Memo ---------------------------------------------------------------------------------

Memo::Memo(Control& parent, std::string name, Rect bounds)
    : TextBox(parent, std::move(name), bounds) {}

std::vector<std::string> Memo::Lines() const {
  std::vector<std::string> lines;
  const std::string& s = Text();
  size_t start = 0;
  while (start < s.size()) {
    size_t end = s.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(s.substr(start));
      break;
    }
    lines.push_back(s.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

int Memo::LineCount() const {
  return static_cast<int>(Lines().size());
}

std::string Memo::Line(int index) const {
  std::vector<std::string> lines = Lines();
  if (index < 0 || index >= static_cast<int>(lines.size()))
    return "";
  return lines[index];
}

void Memo::AddLine(std::string_view line) {
  std::string s = Text();
  if (s.empty() || s.back() == '\n') {
    s.append(line);
    s.append("\r\n");
  } else {
    s.append("\r\n");
    s.append(line);
  }
  SetText(s);
}

void Memo::SetLines(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& line : lines) {
    s += line;
    s += "\r\n";
  }
  SetText(s);
}

Point Memo::CaretPos() const {
  const std::string& s = Text();
  int caret = SelStart();
  int line = static_cast<int>(std::count(s.begin(), s.begin() + caret, '\n'));
  return {caret - LineStart(caret), line};
}

void Memo::SetWordWrap(bool on) {
  word_wrap_ = on;
  Changed(Prop::kOptions);
}

bool Memo::WantsKey(Key key, ShiftState) const {
  return key == keys::kReturn && want_returns_;
}

void Memo::DefaultChar(char ch) {
  if (ch == '\r') {
    if (want_returns_)
      TypeText("\r\n");
    return;
  }
  if (ch == '\n')
    return;
  TextBox::DefaultChar(ch);
}

int Memo::LineStart(int pos) const {
  const std::string& s = Text();
  pos = std::clamp(pos, 0, Len(s));
  while (pos > 0 && s[pos - 1] != '\n')
    --pos;
  return pos;
}

int Memo::LineEnd(int pos) const {
  const std::string& s = Text();
  pos = std::clamp(pos, 0, Len(s));
  while (pos < Len(s) && s[pos] != '\r' && s[pos] != '\n')
    ++pos;
  return pos;
}

int Memo::LineMove(int pos, int direction) const {
  const std::string& s = Text();
  int start = LineStart(pos);
  int column = pos - start;
  int target_start = 0;
  if (direction < 0) {
    if (start == 0)
      return pos;
    target_start = LineStart(StepLeft(start));
  } else {
    int end = LineEnd(pos);
    if (end >= Len(s))
      return pos;
    target_start = StepRight(end);
  }
  return std::min(target_start + column, LineEnd(target_start));
}

// ---- Spin edit -----------------------------------------------------------------------------

SpinEdit::SpinEdit(Control& parent, std::string name, Rect bounds)
    : TextBox(parent, std::move(name), bounds) {
  StoreText("0");
}

int SpinEdit::Clamp(int value) const {
  if (max_ == min_)
    return value;
  return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

int SpinEdit::Value() const {
  std::optional<int32_t> v = text::TryStrToInt(Text());
  return v ? *v : min_;
}

void SpinEdit::SetValue(int value) {
  SetText(text::IntToStr(Clamp(value)));
}

void SpinEdit::Step(bool up) {
  const int64_t sum = int64_t{Value()} + (up ? int64_t{increment_} : -int64_t{increment_});
  SetValue(static_cast<int>(
      std::clamp<int64_t>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

bool SpinEdit::AcceptsChar(char ch) const {
  return (ch >= '0' && ch <= '9') || ch == '-' || ch == '+';
}

bool SpinEdit::WantsKey(Key, ShiftState) const {
  return false;
}

void SpinEdit::DefaultKeyDown(Key key, ShiftState shift) {
  if (key == keys::kUp || key == keys::kDown) {
    if (!ReadOnly())
      Step(key == keys::kUp);
    return;
  }
  TextBox::DefaultKeyDown(key, shift);
}

}  // namespace ui
