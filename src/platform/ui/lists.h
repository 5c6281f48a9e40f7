// Lists: combo box, list box and list view.
//
// Setting ItemIndex by code runs nothing. A user's choice (mouse, arrow keys) runs
// OnClick and OnChange (combo box) or OnClick (list box). A list box keeps empty lines.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/line_list.h"
#include "platform/ui/control.h"

namespace ui {

enum class ComboStyle { kDropDown, kDropDownList };

class ComboBox : public Control {
 public:
  ComboBox(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kComboBox; }
  bool Focusable() const override { return true; }

  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);  // the index goes to -1
  void AddItem(std::string_view item);
  void ClearItems();
  int IndexOf(std::string_view item) const;  // exact; -1 when absent
  int ItemIndex() const { return item_index_; }
  // Runs nothing; the text becomes the item's (empty for -1).
  void SetItemIndex(int index);
  // Runs nothing; in the drop-down list style it selects the item with this text (or -1).
  void SetText(std::string_view text) override;
  ComboStyle Style() const { return style_; }
  void SetStyle(ComboStyle style);
  int DropDownCount() const { return drop_down_count_; }
  void SetDropDownCount(int count) { drop_down_count_ = count; }

  // Whether the list is open below the box. A left click opens it (in the drop-down style
  // only at the arrow) and a second click closes it; F4, Alt+Down and Alt+Up open and close
  // it from the keys. Runs nothing.
  bool DroppedDown() const { return dropped_down_; }
  void SetDroppedDown(bool dropped);
  // The width of the arrow at the right edge.
  static constexpr int kArrowWidth = 20;

  // The user chose an item from the list: the list closes; OnClick, then OnChange, when it
  // changed.
  void UserSelect(int index);

  std::function<void()> OnChange;

  void DefaultKeyDown(Key key, ShiftState shift) override;
  void DefaultChar(char ch) override;
  bool WantsKey(Key key, ShiftState shift) const override;
  // A click opens the list; only a choice from it runs OnClick.
  void DefaultMouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void DefaultMouseUp(MouseButton, ShiftState, int, int) override {}

 protected:
  virtual void SelectionChanged() {}

 private:
  std::vector<std::string> items_;
  int item_index_ = -1;
  ComboStyle style_ = ComboStyle::kDropDown;
  int drop_down_count_ = 8;
  bool dropped_down_ = false;
};

class ListBox : public Control {
 public:
  ListBox(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kListBox; }
  bool Focusable() const override { return true; }

  // The lines are kept in one buffer: a list of hundreds of thousands of lines is cheap.
  const text::LineList& Items() const { return items_; }
  void SetItems(text::LineList items);  // the index goes to -1
  // The lines, taken out with their memory; the list box is left empty (the index goes to -1).
  text::LineList TakeItems();
  void AddItem(std::string_view item);
  // Adds every line of `items` after the present ones, with one notification.
  void AddItems(const text::LineList& items);
  void ClearItems();
  int Count() const { return static_cast<int>(items_.size()); }
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);  // runs nothing; -1 for none
  int TopIndex() const { return top_index_; }
  void SetTopIndex(int index);
  int ItemHeight() const;
  int VisibleItemCount() const;
  // The item under a point of the client area; -1 when none.
  int ItemAtPos(int x, int y) const;

  // The user selected an item (mouse or keys): OnClick.
  void UserSelect(int index);

  void DefaultKeyDown(Key key, ShiftState shift) override;
  bool WantsKey(Key key, ShiftState shift) const override;
  void DefaultMouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void DefaultMouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  void DefaultWheel(int steps) override;

 protected:
  // A selection by the user is done (after ItemIndex changed): runs OnClick by default.
  virtual void UserSelected();
  void ScrollIntoView();

 private:
  text::LineList items_;
  int item_index_ = -1;
  int top_index_ = 0;
};

// A list of large icons with captions, in rows of cells. When the rows do not fit, a
// vertical scroll bar at the right edge takes kScrollBarWidth of the width; the first row
// shown is TopRow, and the selected item is kept in view.
class ListView : public Control {
 public:
  struct Item {
    std::string caption;
    int image_index = -1;
  };
  ListView(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kListView; }
  bool Focusable() const override { return true; }

  const std::vector<Item>& Items() const { return items_; }
  void AddItem(std::string_view caption, int image_index = -1);
  void ClearItems();
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);  // runs nothing
  // Caption of the selected item; "" when none.
  std::string SelectedCaption() const;
  // Item cells are laid out in rows of this size.
  static constexpr int kCellWidth = 80;
  static constexpr int kCellHeight = 78;  // an icon and three lines of caption
  static constexpr int kScrollBarWidth = 16;
  // The item under a point of the client area (TopRow counted); -1 when none.
  int ItemAtPos(int x, int y) const;

  // Layout: cells per row, rows of items, the rows that fit whole in the height.
  int Columns() const;
  int RowCount() const;
  int VisibleRows() const;
  bool ScrollBarShown() const;
  int TopRow() const { return top_row_; }
  int MaxTopRow() const;
  // Runs nothing; clamped to 0..MaxTopRow.
  void SetTopRow(int row);

  // The user selected an item: OnSelectItem, then OnClick.
  void UserSelect(int index);

  std::function<void(int index)> OnSelectItem;

  void DefaultKeyDown(Key key, ShiftState shift) override;
  bool WantsKey(Key key, ShiftState shift) const override;
  void DefaultMouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void DefaultWheel(int steps) override;

 private:
  void ScrollIntoView();

  std::vector<Item> items_;
  int item_index_ = -1;
  int top_row_ = 0;
};

}  // namespace ui
