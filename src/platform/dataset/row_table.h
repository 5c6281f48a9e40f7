// RowTable: the program's in-memory client table.
//
// A table has an ordered list of fields; every stored value is a Windows-1250 string cut to
// its field's width, and an empty string means "missing" (there is no null). A field of kind
// kRowNumber is calculated: it stores nothing, is read-only, reads as "" and displays the
// position of its row.
//
// States: inactive (closed), browse, edit (the current row is copied into a pending buffer)
// and insert (a blank pending row that is not yet part of the table). Only posted rows count:
// RecordCount() and IsEmpty() ignore a pending inserted row, while RecNo() of a pending row is
// the position it will take.
//
// Pending rows. Moving (First, Last, Next, Prior, SetRecNo), Append and Insert first settle a
// pending row: it is posted when a field was written since Edit/Append/Insert, else it is
// discarded. An explicit Post always stores, even a blank inserted row.
//
// Writes in browse state: writing a field of a browsed table that has a current row starts
// Edit implicitly (before-edit is raised as for an explicit Edit); on an empty or closed table
// the write is ignored. Writing a calculated field is always ignored.
//
// Notifications are synchronous. Bound controls (Subscribe) hear each one first, then the
// form's handler of the same name (OnDataChange, ...). While controls are disabled
// (DisableControls above 0), data change, update data and state change reach nobody; the last
// EnableControls on an open table sends one data change (and before it, to the controls, a
// state change when the state differs from that at the first DisableControls). Before insert
// and before edit are raised even while controls are disabled.
//
//   data change   after the cursor moves to another row; after First and Last on a table with
//                 rows; after a field of the current row is written (with that field's index,
//                 else kWholeRow); after a post, an insert, an append, a delete, an emptying
//                 and an opening; after a cancel that drops a pending row or written values
//   update data   when a row in edit or insert state is posted, before it is stored
//   before insert before Insert or Append starts its pending row, with the old row current
//   before edit   before the table enters edit state (Edit, or a write in browse state)
//   state change  to bound controls only, whenever State() changes
//
// Cursor. The current row is 1..RecordCount(), none on an empty table. Next at the last row
// and Prior at the first row do not move; they set Eof()/Bof() and notify nobody.
//
// The table is single-threaded. Notification handlers may call back into the table; a
// handler may subscribe or unsubscribe controls while a notification is being delivered.
//
// Storage keeps the rows in a gap buffer positioned where the last insert or delete
// happened, so a pass that inserts or deletes at the cursor while walking the table is linear.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dataset {

enum class FieldKind {
  kString,     // a stored string of at most `width` bytes (width 0: unlimited)
  kRowNumber,  // calculated, read-only: displays the row's position
};

struct FieldDef {
  std::string name;
  int width = 0;
  FieldKind kind = FieldKind::kString;
  friend bool operator==(const FieldDef&, const FieldDef&) = default;
};

// The editor's table `cds`: Sorszam (calculated row number), Kezdes 12, Befejezes 12,
// Szoveg 220, Szoveg2 220, sor3 1, betu38 1.
std::vector<FieldDef> SubtitleRowFields();
namespace subtitle_field {
inline constexpr int kSorszam = 0;
inline constexpr int kKezdes = 1;
inline constexpr int kBefejezes = 2;
inline constexpr int kSzoveg = 3;
inline constexpr int kSzoveg2 = 4;
inline constexpr int kSor3 = 5;
inline constexpr int kBetu38 = 6;
}  // namespace subtitle_field

// The translation workspace's tables `cdsE` and `cdsF`: Kezdes 12, Befejezes 12, Szoveg 220.
std::vector<FieldDef> TranslationRowFields();
namespace translation_field {
inline constexpr int kKezdes = 0;
inline constexpr int kBefejezes = 1;
inline constexpr int kSzoveg = 2;
}  // namespace translation_field

enum class TableState { kInactive, kBrowse, kEdit, kInsert };

enum class TableEvent { kDataChange, kUpdateData, kBeforeInsert, kBeforeEdit, kStateChange };

// The field index of a data change that concerns the whole row.
inline constexpr int kWholeRow = -1;

// One field's new value, for WriteCurrentRow.
struct FieldValue {
  int field = 0;
  std::string_view value;
};

struct TableNotification {
  TableEvent event = TableEvent::kDataChange;
  int field = kWholeRow;  // data change only: the written field, else kWholeRow
};

using SubscriptionId = std::uint64_t;

class RowTable;
class PackedRows;

// A field of a table, as FieldByName gives it; it always works on the table's current row.
class FieldRef {
 public:
  FieldRef(RowTable& table, int index) : table_(&table), index_(index) {}

  int Index() const { return index_; }
  const FieldDef& Def() const;
  // The current row's value ("" with no current row, and for a calculated field).
  std::string AsString() const;
  // Writes the current row's value (see "Writes in browse state" above).
  void SetAsString(std::string_view value) const;
  // The text shown for the current row: the value, or the position for a row-number field.
  std::string DisplayText() const;

 private:
  RowTable* table_;
  int index_;
};

class RowTable {
 public:
  explicit RowTable(std::vector<FieldDef> fields);
  ~RowTable();
  RowTable(const RowTable&) = delete;
  RowTable& operator=(const RowTable&) = delete;

  // ---- Fields ------------------------------------------------------------------------
  int FieldCount() const;
  const std::vector<FieldDef>& Fields() const;
  // Throws std::out_of_range for an index outside 0..FieldCount()-1.
  const FieldDef& Field(int index) const;
  // Index of the field whose name matches ignoring ASCII letter case; -1 when absent.
  int FindField(std::string_view name) const;
  // Throws std::out_of_range naming the field when there is no such field.
  FieldRef FieldByName(std::string_view name);

  // ---- Life cycle --------------------------------------------------------------------
  // Opens a closed table, empty, in browse state; on an open table it does nothing.
  void CreateDataSet();
  // Drops every row and any pending row; the table becomes inactive.
  void Close();
  // Drops any pending row and every row; the table stays open.
  void EmptyDataSet();
  // Kept for the program's calls: the table keeps no change log.
  void MergeChangeLog() {}

  bool Active() const;
  TableState State() const;
  bool IsEmpty() const;  // no posted rows (also when closed)

  // ---- Rows --------------------------------------------------------------------------
  // Start a blank pending row after the last row / in front of the current row (row 1 on
  // an empty table).
  void Append();
  void Insert();
  // Rows packed away from the table (packed_rows.h), after the last row in one step; the
  // table takes them over whole. As Append, it settles a pending row first and raises before
  // insert, once; afterwards the last new row is current in browse state, and one data change
  // is sent. True when the rows were appended (false on a closed table, for no rows, or when a
  // handler of before insert left no browsed table). Throws std::invalid_argument for rows
  // packed for other fields.
  bool AppendPackedRows(PackedRows rows);
  // Browse with rows: edit state. Edit or insert state: nothing. Empty table: as Insert.
  void Edit();
  // Edit or insert state: raises update data, stores the row, browse on that row.
  // Otherwise nothing.
  void Post();
  // Drops the pending row or the pending changes; browse. Otherwise nothing.
  void Cancel();
  // Insert state: Cancel. Otherwise removes the current row (dropping pending changes);
  // the next row becomes current, or the new last row. Empty table: nothing.
  void Delete();

  // ---- Cursor ------------------------------------------------------------------------
  void First();
  void Last();
  void Next();
  void Prior();
  bool Bof() const;
  bool Eof() const;
  // 1..RecordCount() (the pending row's position in insert state); 0 with no current row.
  int RecNo() const;
  // Settles a pending row, then moves to `rec_no` clamped to 1..RecordCount(); nothing on an
  // empty table or when the cursor is already there.
  void SetRecNo(int rec_no);
  int RecordCount() const;

  // ---- Current row -------------------------------------------------------------------
  // Throw std::out_of_range for a bad field index.
  std::string Value(int field) const;
  void SetValue(int field, std::string_view value);
  std::string DisplayText(int field) const;
  // Edit, SetValue for each of `values` in order, then Post, in one store when a pass runs
  // with controls disabled: on a browsed current row, before edit is raised and the row is
  // stored at once, as the three calls would store it (the notifications they would send
  // beyond before edit reach nobody while controls are disabled). In any other case it is
  // the three calls themselves.
  void WriteCurrentRow(std::initializer_list<FieldValue> values);

  // ---- Painting view: never moves the cursor, never notifies -------------------------
  // Rows as shown: the posted rows, with the pending inserted row at its position and the
  // current row's pending changes in edit state. Rows and fields out of range give "".
  int ShownRowCount() const;
  std::string_view Cell(int row, int field) const;
  std::string_view Cell(int row, std::string_view field_name) const;
  // As Cell, but a row-number field shows the row's position ("" while the table holds no
  // posted rows).
  std::string CellText(int row, int field) const;
  std::string CellText(int row, std::string_view field_name) const;

  // ---- Notifications -----------------------------------------------------------------
  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const;

  // Bound controls: told of every notification, before the form's handlers.
  SubscriptionId Subscribe(std::function<void(const TableNotification&)> listener);
  void Unsubscribe(SubscriptionId id);

  // The form's handlers.
  std::function<void(int field)> OnDataChange;  // field: kWholeRow or the written field
  std::function<void()> OnUpdateData;
  std::function<void()> OnBeforeInsert;
  std::function<void()> OnBeforeEdit;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Subscribes a control for its lifetime; the table must outlive it.
class ScopedSubscription {
 public:
  ScopedSubscription(RowTable& table, std::function<void(const TableNotification&)> listener)
      : table_(&table), id_(table.Subscribe(std::move(listener))) {}
  ~ScopedSubscription() { table_->Unsubscribe(id_); }
  ScopedSubscription(const ScopedSubscription&) = delete;
  ScopedSubscription& operator=(const ScopedSubscription&) = delete;

 private:
  RowTable* table_;
  SubscriptionId id_;
};

}  // namespace dataset
