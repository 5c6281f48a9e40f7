#include "platform/ui/data_controls.h"

#include <algorithm>

#include "platform/text/text.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace ui {

using dataset::TableEvent;
using dataset::TableNotification;

// ---- Data source ------------------------------------------------------------------------------

DataSource::DataSource(Form&, std::string name) : name_(std::move(name)) {}

DataSource::~DataSource() {
  subscription_.reset();
  std::vector<Entry> entries = std::move(listeners_);
  for (Entry& e : entries) {
    if (e.gone)
      e.gone();
  }
}

void DataSource::SetDataSet(dataset::RowTable* table) {
  subscription_.reset();
  table_ = table;
  if (table_ != nullptr) {
    subscription_ = std::make_unique<dataset::ScopedSubscription>(
        *table_, [this](const TableNotification& n) { Notify(n); });
  }
  // The bound controls show the new table at once.
  TableNotification refresh{TableEvent::kDataChange, dataset::kWholeRow};
  std::vector<int> ids;
  for (const Entry& e : listeners_)
    ids.push_back(e.id);
  for (int id : ids) {
    auto it = std::find_if(listeners_.begin(), listeners_.end(),
                           [id](const Entry& e) { return e.id == id; });
    if (it != listeners_.end())
      it->listener(refresh);
  }
}

int DataSource::AddListener(Listener listener, std::function<void()> gone) {
  int id = next_id_++;
  listeners_.push_back({id, std::move(listener), std::move(gone)});
  return id;
}

void DataSource::RemoveListener(int id) {
  std::erase_if(listeners_, [id](const Entry& e) { return e.id == id; });
}

void DataSource::Notify(const TableNotification& n) {
  // Listeners are kept in the order of their ids; one added during the delivery is not told,
  // one removed during it is skipped. No allocation: this runs for every row a load appends.
  const int last_id = next_id_;
  for (int done = -1;;) {
    auto it = std::find_if(listeners_.begin(), listeners_.end(),
                           [done](const Entry& e) { return e.id > done; });
    if (it == listeners_.end() || it->id >= last_id)
      break;
    done = it->id;
    Listener listener = it->listener;  // the listener may remove itself
    listener(n);
  }
  switch (n.event) {
    case TableEvent::kDataChange:
      if (OnDataChange)
        OnDataChange(n.field);
      break;
    case TableEvent::kUpdateData:
      if (OnUpdateData)
        OnUpdateData();
      break;
    case TableEvent::kStateChange:
      if (OnStateChange)
        OnStateChange();
      break;
    default:
      break;
  }
}

// ---- Grid ---------------------------------------------------------------------------------------

DbGrid::DbGrid(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {
  SetColor(colors::kWindow);
}

DbGrid::~DbGrid() {
  if (source_ != nullptr)
    source_->RemoveListener(listener_);
}

void DbGrid::SetDataSource(DataSource* source) {
  if (source_ != nullptr)
    source_->RemoveListener(listener_);
  source_ = source;
  listener_ = 0;
  if (source_ != nullptr) {
    listener_ = source_->AddListener([this](const TableNotification& n) { DataEvent(n); },
                                     [this] { source_ = nullptr; });
  }
  KeepCurrentVisible();
  Paint();
}

dataset::RowTable* DbGrid::Table() const {
  return source_ != nullptr ? source_->DataSet() : nullptr;
}

void DbGrid::DataEvent(const TableNotification& n) {
  if (n.event != TableEvent::kDataChange && n.event != TableEvent::kStateChange)
    return;
  KeepCurrentVisible();
  Paint();
}

int DbGrid::AddColumn(GridColumn column) {
  columns_.push_back(std::move(column));
  Paint();
  return static_cast<int>(columns_.size()) - 1;
}

void DbGrid::SetColumnVisible(int index, bool visible) {
  columns_.at(index).visible = visible;
  Paint();
}

void DbGrid::SetColumnWidth(int index, int width) {
  columns_.at(index).width = std::max(0, width);
  Paint();
}

void DbGrid::SetColumnTitle(int index, std::string_view title) {
  columns_.at(index).title = std::string(title);
  Paint();
}

int DbGrid::ColumnOfField(std::string_view field) const {
  std::string wanted = text::LowerCase(field);
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (text::LowerCase(columns_[i].field) == wanted)
      return static_cast<int>(i);
  }
  return -1;
}

void DbGrid::SetSelectedIndex(int index) {
  if (index < 0 || index >= static_cast<int>(columns_.size()) || index == selected_index_)
    return;
  selected_index_ = index;
  if (OnColEnter)
    OnColEnter();
  Paint();
}

std::string DbGrid::SelectedField() const {
  if (selected_index_ < 0 || selected_index_ >= static_cast<int>(columns_.size()))
    return "";
  return columns_[selected_index_].field;
}

void DbGrid::SetRowSelect(bool on) {
  row_select_ = on;
  Changed(Prop::kOptions);
  Paint();
}

void DbGrid::SetTitles(bool on) {
  titles_ = on;
  Changed(Prop::kOptions);
  KeepCurrentVisible();
  Paint();
}

void DbGrid::SetIndicator(bool on) {
  indicator_ = on;
  Changed(Prop::kOptions);
  Paint();
}

void DbGrid::ShowVerticalScrollBar(bool show) {
  vertical_scroll_bar_ = show;
  Changed(Prop::kOptions);
}

int DbGrid::DefaultRowHeight() const {
  return App().TextHeight(GetFont()) + 3;
}

int DbGrid::VisibleRowCount() const {
  int height = ClientHeight() - (titles_ ? DefaultRowHeight() : 0);
  return std::max(0, height / DefaultRowHeight());
}

void DbGrid::KeepCurrentVisible() {
  dataset::RowTable* t = Table();
  if (t == nullptr || !t->Active() || t->ShownRowCount() == 0) {
    top_row_ = 1;
    return;
  }
  int visible = std::max(1, VisibleRowCount());
  int rec = std::max(1, t->RecNo());
  if (rec < top_row_)
    top_row_ = rec;
  if (rec >= top_row_ + visible)
    top_row_ = rec - visible + 1;
  top_row_ = std::clamp(top_row_, 1, std::max(1, t->ShownRowCount() - visible + 1));
}

int DbGrid::ColumnLeft(int index) const {
  int x = indicator_ ? kIndicatorWidth + 1 : 0;
  for (int i = 0; i < index; ++i) {
    if (columns_[i].visible)
      x += columns_[i].width + 1;
  }
  return x;
}

GridCoord DbGrid::MouseCoord(int x, int y) const {
  GridCoord coord;
  if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight())
    return coord;
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (!columns_[i].visible)
      continue;
    int left = ColumnLeft(static_cast<int>(i));
    if (x >= left && x < left + columns_[i].width + 1)
      coord.column = static_cast<int>(i);
  }
  const int row_height = DefaultRowHeight();
  int row = 0;
  if (titles_) {
    if (y < row_height) {
      coord.row = 0;
      return coord;
    }
    row = (y - row_height) / row_height + 1;
  } else {
    row = y / row_height + 1;
  }
  dataset::RowTable* t = Table();
  int shown = (t != nullptr && t->Active()) ? t->ShownRowCount() - top_row_ + 1 : 0;
  if (row > std::min(VisibleRowCount(), shown))
    return {coord.column, -1};
  coord.row = row;
  return coord;
}

const CellCanvas& DbGrid::PaintedCell(int visible_row, int column) const {
  static const CellCanvas kEmpty;
  if (paint_pending_)
    PaintCells();
  if (visible_row < 1 || visible_row > static_cast<int>(painted_.size()))
    return kEmpty;
  const std::vector<CellCanvas>& row = painted_[visible_row - 1];
  if (column < 0 || column >= static_cast<int>(row.size()))
    return kEmpty;
  return row[column];
}

void DbGrid::Paint() {
  ++paint_count_;
  paint_pending_ = true;
  Changed(Prop::kContents);
  Repaint();
}

void DbGrid::PaintCells() const {
  paint_pending_ = false;
  painted_.clear();
  dataset::RowTable* t = Table();
  if (t != nullptr && t->Active()) {
    const int row_height = DefaultRowHeight();
    const int lines = std::min(VisibleRowCount(), std::max(0, t->ShownRowCount() - top_row_ + 1));
    const int current = t->RecNo();
    std::vector<int> field_index;
    for (const GridColumn& c : columns_)
      field_index.push_back(t->FindField(c.field));
    for (int line = 1; line <= lines; ++line) {
      const int row = top_row_ + line - 1;
      std::vector<CellCanvas> cells(columns_.size());
      for (size_t i = 0; i < columns_.size(); ++i) {
        const GridColumn& col = columns_[i];
        if (!col.visible)
          continue;
        CellCanvas& cell = cells[i];
        cell.rect = {ColumnLeft(static_cast<int>(i)),
                     (titles_ ? row_height : 0) + (line - 1) * row_height, col.width, row_height};
        cell.font = GetFont();
        cell.brush = GetColor();
        cell.alignment = col.alignment;
        if (field_index[i] >= 0)
          cell.text = t->CellText(row, field_index[i]);
        GridCellState state;
        state.selected = row == current && (row_select_ || static_cast<int>(i) == selected_index_);
        state.focused = state.selected && Focused();
        if (state.selected) {
          cell.brush = colors::kNavy;
          cell.font.color = colors::kWhite;
        }
        if (OnDrawColumnCell)
          OnDrawColumnCell(cell.rect, static_cast<int>(i), col, state, cell);
      }
      painted_.push_back(std::move(cells));
    }
  }
}

void DbGrid::MoveColumn(int direction) {
  int n = static_cast<int>(columns_.size());
  for (int i = selected_index_ + direction; i >= 0 && i < n; i += direction) {
    if (columns_[i].visible) {
      SetSelectedIndex(i);
      return;
    }
  }
}

bool DbGrid::WantsKey(Key key, ShiftState) const {
  return key == keys::kTab && tabs_;
}

void DbGrid::DefaultKeyDown(Key key, ShiftState shift) {
  dataset::RowTable* t = Table();
  if (t == nullptr || !t->Active())
    return;
  const bool ctrl = shift.Has(ShiftState::kCtrl);
  switch (key) {
    case keys::kUp:
      t->Prior();
      break;
    case keys::kDown:
      t->Next();
      break;
    case keys::kPrior:
      t->SetRecNo(t->RecNo() - std::max(1, VisibleRowCount()));
      break;
    case keys::kNext:
      t->SetRecNo(t->RecNo() + std::max(1, VisibleRowCount()));
      break;
    case keys::kHome:
      if (ctrl || row_select_) {
        t->First();
      } else {
        for (size_t i = 0; i < columns_.size(); ++i) {
          if (columns_[i].visible) {
            SetSelectedIndex(static_cast<int>(i));
            break;
          }
        }
      }
      break;
    case keys::kEnd:
      if (ctrl || row_select_) {
        t->Last();
      } else {
        for (size_t i = columns_.size(); i-- > 0;) {
          if (columns_[i].visible) {
            SetSelectedIndex(static_cast<int>(i));
            break;
          }
        }
      }
      break;
    case keys::kLeft:
      MoveColumn(-1);
      break;
    case keys::kRight:
      MoveColumn(+1);
      break;
    default:
      break;
  }
}

void DbGrid::DefaultChar(char ch) {
  if (ch == 9)
    MoveColumn(+1);
}

void DbGrid::DefaultMouseDown(MouseButton button, ShiftState, int x, int y) {
  mouse_column_ = -1;
  if (button != MouseButton::kLeft)
    return;
  GridCoord coord = MouseCoord(x, y);
  if (coord.row < 1)
    return;
  mouse_column_ = coord.column;
  if (coord.column >= 0)
    SetSelectedIndex(coord.column);
  dataset::RowTable* t = Table();
  if (t != nullptr)
    t->SetRecNo(top_row_ + coord.row - 1);
  mouse_moved_cursor_ = true;
}

void DbGrid::DefaultMouseUp(MouseButton button, ShiftState, int, int) {
  if (button != MouseButton::kLeft)
    return;
  bool cell_clicked = mouse_moved_cursor_;
  mouse_moved_cursor_ = false;
  if (cell_clicked && OnCellClick)
    OnCellClick(mouse_column_);
  Click();
}

void DbGrid::DefaultWheel(int steps) {
  dataset::RowTable* t = Table();
  if (t == nullptr || !t->Active())
    return;
  for (int i = 0; i < std::abs(steps); ++i) {
    if (steps > 0) {
      t->Prior();
    } else {
      t->Next();
    }
  }
}

// ---- Data-aware edit ----------------------------------------------------------------------------

DbEdit::DbEdit(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {
  SetColor(colors::kWindow);
}

DbEdit::~DbEdit() {
  if (source_ != nullptr)
    source_->RemoveListener(listener_);
}

void DbEdit::SetDataSource(DataSource* source) {
  if (source_ != nullptr)
    source_->RemoveListener(listener_);
  source_ = source;
  listener_ = 0;
  if (source_ != nullptr) {
    listener_ = source_->AddListener(
        [this](const TableNotification& n) {
          if (n.event == TableEvent::kDataChange || n.event == TableEvent::kStateChange ||
              n.event == TableEvent::kUpdateData) {
            Refresh();
          }
        },
        [this] { source_ = nullptr; });
  }
  Refresh();
}

void DbEdit::SetDataField(std::string_view field) {
  field_ = std::string(field);
  Refresh();
}

void DbEdit::Refresh() {
  std::string shown;
  dataset::RowTable* t = source_ != nullptr ? source_->DataSet() : nullptr;
  if (t != nullptr && t->Active()) {
    int index = t->FindField(field_);
    if (index >= 0 && t->RecNo() > 0)
      shown = t->DisplayText(index);
  }
  if (shown == Text())
    return;
  StoreText(shown);
  Changed(Prop::kText);
  if (OnChange)
    OnChange();
}

}  // namespace ui
