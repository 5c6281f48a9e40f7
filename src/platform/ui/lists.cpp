#include "platform/ui/lists.h"

#include <algorithm>

#include "platform/ui/application.h"

namespace ui {

namespace {
template <typename List>
int SizeOf(const List& list) {
  return static_cast<int>(list.size());
}
}  // namespace

// ---- Combo box ------------------------------------------------------------------------------

ComboBox::ComboBox(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {
  SetColor(colors::kWindow);
}

void ComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  item_index_ = -1;
  StoreText("");
  Changed(Prop::kItems);
}

void ComboBox::AddItem(std::string_view item) {
  items_.emplace_back(item);
  Changed(Prop::kItems);
}

void ComboBox::ClearItems() {
  SetItems({});
}

int ComboBox::IndexOf(std::string_view item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void ComboBox::SetItemIndex(int index) {
  if (index < 0 || index >= SizeOf(items_))
    index = -1;
  item_index_ = index;
  StoreText(index >= 0 ? items_[index] : std::string());
  Changed(Prop::kItemIndex);
}

void ComboBox::SetText(std::string_view text) {
  if (style_ == ComboStyle::kDropDownList) {
    SetItemIndex(IndexOf(text));
    return;
  }
  item_index_ = IndexOf(text);
  StoreText(text);
  Changed(Prop::kText);
}

void ComboBox::SetStyle(ComboStyle style) {
  style_ = style;
  if (style == ComboStyle::kDropDownList)
    SetItemIndex(item_index_);
  Changed(Prop::kOptions);
}

void ComboBox::SetDroppedDown(bool dropped) {
  if (dropped_down_ == dropped)
    return;
  dropped_down_ = dropped;
  Changed(Prop::kDroppedDown);
}

void ComboBox::DefaultMouseDown(MouseButton button, ShiftState, int x, int) {
  if (button != MouseButton::kLeft)
    return;
  if (dropped_down_) {
    SetDroppedDown(false);
  } else if (style_ == ComboStyle::kDropDownList || x >= Width() - kArrowWidth) {
    SetDroppedDown(true);
  }
}

void ComboBox::UserSelect(int index) {
  SetDroppedDown(false);
  if (index < 0 || index >= SizeOf(items_) || index == item_index_)
    return;
  SetItemIndex(index);
  SelectionChanged();
  RunOnClick();
  if (OnChange)
    OnChange();
}

bool ComboBox::WantsKey(Key, ShiftState) const {
  return false;
}

void ComboBox::DefaultKeyDown(Key key, ShiftState shift) {
  const bool alt_arrow = (key == keys::kDown || key == keys::kUp) && shift.Has(ShiftState::kAlt);
  if ((key == keys::kF4 && shift.Modifiers().Empty()) || alt_arrow) {
    SetDroppedDown(!dropped_down_);
    return;
  }
  if (items_.empty())
    return;
  const int last = SizeOf(items_) - 1;
  switch (key) {
    case keys::kUp:
      UserSelect(std::max(0, item_index_ - 1));
      break;
    case keys::kDown:
      UserSelect(std::min(last, item_index_ + 1));
      break;
    case keys::kLeft:
      if (style_ == ComboStyle::kDropDownList)
        UserSelect(std::max(0, item_index_ - 1));
      break;
    case keys::kRight:
      if (style_ == ComboStyle::kDropDownList)
        UserSelect(std::min(last, item_index_ + 1));
      break;
    case keys::kHome:
      if (style_ == ComboStyle::kDropDownList)
        UserSelect(0);
      break;
    case keys::kEnd:
      if (style_ == ComboStyle::kDropDownList)
        UserSelect(last);
      break;
    default:
      break;
  }
}

void ComboBox::DefaultChar(char ch) {
  // The drop-down list style takes no typing.
  if (style_ == ComboStyle::kDropDownList)
    return;
  std::string s = Text();
  if (ch == 8) {
    if (s.empty())
      return;
    s.pop_back();
  } else if (static_cast<unsigned char>(ch) >= 32) {
    s.push_back(ch);
  } else {
    return;
  }
  item_index_ = IndexOf(s);
  StoreText(s);
  Changed(Prop::kText);
  if (OnChange)
    OnChange();
}

// ---- List box -------------------------------------------------------------------------------

ListBox::ListBox(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {
  SetColor(colors::kWindow);
}

void ListBox::SetItems(text::LineList items) {
  items_ = std::move(items);
  item_index_ = -1;
  top_index_ = 0;
  Changed(Prop::kItems);
}

text::LineList ListBox::TakeItems() {
  text::LineList items = std::move(items_);
  SetItems(text::LineList());
  return items;
}

void ListBox::AddItem(std::string_view item) {
  items_.push_back(item);
  Changed(Prop::kItems);
}

void ListBox::AddItems(const text::LineList& items) {
  items_.append(items);
  Changed(Prop::kItems);
}

void ListBox::ClearItems() {
  SetItems(text::LineList());
}

void ListBox::SetItemIndex(int index) {
  if (index < 0 || index >= SizeOf(items_))
    index = -1;
  item_index_ = index;
  ScrollIntoView();
  Changed(Prop::kItemIndex);
}

void ListBox::SetTopIndex(int index) {
  int max_top = std::max(0, SizeOf(items_) - VisibleItemCount());
  top_index_ = std::clamp(index, 0, max_top);
  Changed(Prop::kOptions);
}

int ListBox::ItemHeight() const {
  return std::max(1, App().TextHeight(GetFont()));
}

int ListBox::VisibleItemCount() const {
  return std::max(1, ClientHeight() / ItemHeight());
}

int ListBox::ItemAtPos(int x, int y) const {
  if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight())
    return -1;
  int index = top_index_ + y / ItemHeight();
  return index < SizeOf(items_) ? index : -1;
}

void ListBox::ScrollIntoView() {
  if (item_index_ < 0)
    return;
  if (item_index_ < top_index_)
    top_index_ = item_index_;
  int visible = VisibleItemCount();
  if (item_index_ >= top_index_ + visible)
    top_index_ = item_index_ - visible + 1;
}

void ListBox::UserSelect(int index) {
  if (index < 0 || index >= SizeOf(items_))
    return;
  SetItemIndex(index);
  UserSelected();
}

void ListBox::UserSelected() {
  RunOnClick();
}

bool ListBox::WantsKey(Key, ShiftState) const {
  return false;
}

void ListBox::DefaultKeyDown(Key key, ShiftState) {
  if (items_.empty())
    return;
  const int last = SizeOf(items_) - 1;
  int target = item_index_;
  switch (key) {
    case keys::kUp:
      target = item_index_ < 0 ? 0 : std::max(0, item_index_ - 1);
      break;
    case keys::kDown:
      target = std::min(last, item_index_ + 1);
      break;
    case keys::kHome:
      target = 0;
      break;
    case keys::kEnd:
      target = last;
      break;
    case keys::kPrior:
      target = std::max(0, item_index_ - VisibleItemCount());
      break;
    case keys::kNext:
      target = std::min(last, std::max(0, item_index_) + VisibleItemCount());
      break;
    default:
      return;
  }
  if (target != item_index_)
    UserSelect(target);
}

void ListBox::DefaultMouseDown(MouseButton button, ShiftState, int x, int y) {
  if (button != MouseButton::kLeft)
    return;
  // A press on an item selects it and tells the form at once, as the list's own
  // selection notice does; the release and the second press of a double click do not.
  int index = ItemAtPos(x, y);
  if (index >= 0)
    UserSelect(index);
}

void ListBox::DefaultMouseUp(MouseButton, ShiftState, int, int) {}

void ListBox::DefaultWheel(int steps) {
  SetTopIndex(top_index_ - steps * 3);
}

// ---- List view ------------------------------------------------------------------------------

ListView::ListView(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {
  SetColor(colors::kWindow);
}

void ListView::AddItem(std::string_view caption, int image_index) {
  items_.push_back({std::string(caption), image_index});
  Changed(Prop::kItems);
}

void ListView::ClearItems() {
  items_.clear();
  item_index_ = -1;
  top_row_ = 0;
  Changed(Prop::kItems);
}

void ListView::SetItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size()))
    index = -1;
  item_index_ = index;
  ScrollIntoView();
  Changed(Prop::kItemIndex);
}

int ListView::Columns() const {
  const int all = std::max(1, ClientWidth() / kCellWidth);
  const int count = static_cast<int>(items_.size());
  if ((count + all - 1) / all * kCellHeight <= ClientHeight())
    return all;
  return std::max(1, (ClientWidth() - kScrollBarWidth) / kCellWidth);
}

int ListView::RowCount() const {
  const int columns = Columns();
  return (static_cast<int>(items_.size()) + columns - 1) / columns;
}

int ListView::VisibleRows() const {
  return std::max(1, ClientHeight() / kCellHeight);
}

bool ListView::ScrollBarShown() const {
  return RowCount() * kCellHeight > ClientHeight();
}

int ListView::MaxTopRow() const {
  return std::max(0, RowCount() - VisibleRows());
}

void ListView::SetTopRow(int row) {
  const int top = std::clamp(row, 0, MaxTopRow());
  if (top == top_row_)
    return;
  top_row_ = top;
  Changed(Prop::kOptions);
}

void ListView::ScrollIntoView() {
  if (item_index_ < 0)
    return;
  const int row = item_index_ / Columns();
  if (row < top_row_) {
    top_row_ = row;
  } else if (row >= top_row_ + VisibleRows()) {
    top_row_ = row - VisibleRows() + 1;
  }
  top_row_ = std::clamp(top_row_, 0, MaxTopRow());
}

std::string ListView::SelectedCaption() const {
  return item_index_ >= 0 ? items_[item_index_].caption : std::string();
}

int ListView::ItemAtPos(int x, int y) const {
  if (x < 0 || y < 0 || x >= ClientWidth())
    return -1;
  const int columns = Columns();
  if (x / kCellWidth >= columns)
    return -1;
  const int index = (top_row_ + y / kCellHeight) * columns + x / kCellWidth;
  return index < static_cast<int>(items_.size()) ? index : -1;
}

void ListView::UserSelect(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size()) || index == item_index_)
    return;
  SetItemIndex(index);
  if (OnSelectItem)
    OnSelectItem(index);
}

bool ListView::WantsKey(Key, ShiftState) const {
  return false;
}

void ListView::DefaultKeyDown(Key key, ShiftState) {
  if (items_.empty())
    return;
  const int columns = Columns();
  const int last = static_cast<int>(items_.size()) - 1;
  const int current = std::max(0, item_index_);
  const int page = VisibleRows() * columns;
  switch (key) {
    case keys::kLeft:
      UserSelect(std::max(0, current - 1));
      break;
    case keys::kRight:
      UserSelect(item_index_ < 0 ? 0 : std::min(last, current + 1));
      break;
    case keys::kUp:
      UserSelect(current - columns >= 0 ? current - columns : current);
      break;
    case keys::kDown:
      UserSelect(item_index_ < 0 ? 0 : (current + columns <= last ? current + columns : current));
      break;
    case keys::kHome:
      UserSelect(0);
      break;
    case keys::kEnd:
      UserSelect(last);
      break;
    case keys::kPrior:
      UserSelect(current % columns + std::max(0, current / columns - VisibleRows()) * columns);
      break;
    case keys::kNext:
      UserSelect(item_index_ < 0 ? 0 : std::min(last, current + page));
      break;
    default:
      break;
  }
}

void ListView::DefaultWheel(int steps) {
  SetTopRow(top_row_ - steps);
}

void ListView::DefaultMouseDown(MouseButton button, ShiftState, int x, int y) {
  if (button != MouseButton::kLeft)
    return;
  int index = ItemAtPos(x, y);
  if (index >= 0)
    UserSelect(index);
}

}  // namespace ui
