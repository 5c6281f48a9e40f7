// Data-aware controls over a dataset::RowTable: the data source, the grid and the
// data-aware edit.
//
//   ui::DataSource ds{*this, "ds"};
//   ui::DbGrid racs{*this, "racs", {8, 120, 700, 400}};
//   ...
//   ds.SetDataSet(&cds);
//   ds.OnDataChange = [this](int field) { dsDataChange(field); };
//   racs.SetDataSource(&ds);
//   racs.AddColumn({.field = "Sorszam", .title = "Sorszám", .width = 44,
//                   .alignment = ui::Alignment::kCenter});
//
// The grid's current row is the table's cursor: moving in the grid moves the cursor, and
// a cursor move repaints the grid. While the table's controls are disabled nothing
// reaches the grid or the data-aware edit; the last EnableControls repaints them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/row_table.h"
#include "platform/ui/control.h"

namespace ui {

class Form;

class DataSource {
 public:
  DataSource(Form& owner, std::string name);
  ~DataSource();
  DataSource(const DataSource&) = delete;
  DataSource& operator=(const DataSource&) = delete;

  const std::string& Name() const { return name_; }
  dataset::RowTable* DataSet() const { return table_; }
  // The table must outlive the data source (or be unset first).
  void SetDataSet(dataset::RowTable* table);

  // The form's handlers; bound controls hear each notification first.
  std::function<void(int field)> OnDataChange;
  std::function<void()> OnUpdateData;
  std::function<void()> OnStateChange;

  // For the data-aware controls.
  using Listener = std::function<void(const dataset::TableNotification&)>;
  // `gone` runs when the data source is destroyed before the listener is removed.
  int AddListener(Listener listener, std::function<void()> gone);
  void RemoveListener(int id);

 private:
  void Notify(const dataset::TableNotification& n);

  std::string name_;
  dataset::RowTable* table_ = nullptr;
  std::unique_ptr<dataset::ScopedSubscription> subscription_;
  struct Entry {
    int id;
    Listener listener;
    std::function<void()> gone;
  };
  std::vector<Entry> listeners_;
  int next_id_ = 1;
};

struct GridColumn {
  std::string field;  // name in the table (letter case ignored)
  std::string title;
  int width = 64;
  Alignment alignment = Alignment::kLeft;
  Alignment title_alignment = Alignment::kLeft;
  bool visible = true;
};

// What the grid paints in one cell; OnDrawColumnCell may change it.
struct CellCanvas {
  Rect rect;
  Color brush = colors::kWindow;
  Font font;
  std::string text;
  Alignment alignment = Alignment::kLeft;
};

struct GridCellState {
  bool selected = false;  // the current row (with row select) or the current cell
  bool focused = false;
};

struct GridCoord {
  int column = -1;  // index into Columns(), -1 outside the columns (the indicator: -1)
  int row = -1;     // 0 the title row, 1.. the visible rows; -1 outside
  bool operator==(const GridCoord&) const = default;
};

class DbGrid : public Control {
 public:
  DbGrid(Control& parent, std::string name, Rect bounds = {});
  ~DbGrid() override;
  ControlKind Kind() const override { return ControlKind::kDbGrid; }
  bool Focusable() const override { return true; }

  DataSource* GetDataSource() const { return source_; }
  void SetDataSource(DataSource* source);
  dataset::RowTable* Table() const;

  // ---- Columns -----------------------------------------------------------------------
  const std::vector<GridColumn>& Columns() const { return columns_; }
  int AddColumn(GridColumn column);
  const GridColumn& Column(int index) const { return columns_.at(index); }
  void SetColumnVisible(int index, bool visible);
  void SetColumnWidth(int index, int width);
  void SetColumnTitle(int index, std::string_view title);
  // Index of the column showing this field (letter case ignored); -1 when none.
  int ColumnOfField(std::string_view field) const;
  // The current column (index into Columns()).
  int SelectedIndex() const { return selected_index_; }
  void SetSelectedIndex(int index);
  // Field name of the current column ("" when none).
  std::string SelectedField() const;

  // ---- Options -----------------------------------------------------------------------
  bool RowSelect() const { return row_select_; }
  void SetRowSelect(bool on);
  bool Titles() const { return titles_; }
  void SetTitles(bool on);
  bool Indicator() const { return indicator_; }
  void SetIndicator(bool on);
  bool TabsBetweenCells() const { return tabs_; }
  void SetTabsBetweenCells(bool on) { tabs_ = on; }
  bool ReadOnly() const { return true; }  // the grid never edits a cell
  bool VerticalScrollBar() const { return vertical_scroll_bar_; }
  void ShowVerticalScrollBar(bool show);
  int DefaultRowHeight() const;
  static constexpr int kIndicatorWidth = 11;

  // ---- Rows as shown -----------------------------------------------------------------
  // Table row shown in the first visible line (1-based; 1 for an empty table).
  int TopRow() const { return top_row_; }
  int VisibleRowCount() const;
  // The cell under a point of the client area.
  GridCoord MouseCoord(int x, int y) const;
  // A visible line (1..VisibleRowCount()) and column as painted, after OnDrawColumnCell;
  // empty canvas outside. Cells are painted when they are read after a paint request, as a
  // window paints after the handler that changed its data has returned.
  const CellCanvas& PaintedCell(int visible_row, int column) const;
  int PaintCount() const { return paint_count_; }
  // Asks for all visible cells to be painted again (default paint, then OnDrawColumnCell).
  void Paint();

  // ---- Events ------------------------------------------------------------------------
  std::function<void(const Rect& rect, int column, const GridColumn& col, GridCellState state,
                     CellCanvas& canvas)>
      OnDrawColumnCell;
  // After a click moved the cursor (the cell's column).
  std::function<void(int column)> OnCellClick;
  std::function<void()> OnColEnter;

  void DefaultKeyDown(Key key, ShiftState shift) override;
  void DefaultChar(char ch) override;
  bool WantsKey(Key key, ShiftState shift) const override;
  void DefaultMouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void DefaultMouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  void DefaultWheel(int steps) override;

 private:
  void DataEvent(const dataset::TableNotification& n);
  void KeepCurrentVisible();
  int ColumnLeft(int index) const;
  void MoveColumn(int direction);

  DataSource* source_ = nullptr;
  int listener_ = 0;
  std::vector<GridColumn> columns_;
  int selected_index_ = 0;
  bool row_select_ = false;
  bool titles_ = true;
  bool indicator_ = true;
  bool tabs_ = true;
  bool vertical_scroll_bar_ = true;
  int top_row_ = 1;
  // Runs the default paint and OnDrawColumnCell for every visible cell.
  void PaintCells() const;

  int paint_count_ = 0;
  mutable bool paint_pending_ = true;
  mutable std::vector<std::vector<CellCanvas>> painted_;
  bool mouse_moved_cursor_ = false;
  int mouse_column_ = -1;
};

// An edit box showing a field of the current row. It refreshes on every data event that
// reaches it and runs OnChange when its text changes; typing never edits the table (the
// box takes no typed characters).
class DbEdit : public Control {
 public:
  DbEdit(Control& parent, std::string name, Rect bounds = {});
  ~DbEdit() override;
  ControlKind Kind() const override { return ControlKind::kDbEdit; }
  bool Focusable() const override { return true; }

  DataSource* GetDataSource() const { return source_; }
  void SetDataSource(DataSource* source);
  const std::string& DataField() const { return field_; }
  void SetDataField(std::string_view field);
  // Reads the field of the current row again.
  void Refresh();

  std::function<void()> OnChange;

 private:
  DataSource* source_ = nullptr;
  int listener_ = 0;
  std::string field_;
};

}  // namespace ui
