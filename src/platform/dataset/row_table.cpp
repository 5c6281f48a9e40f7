#include "platform/dataset/row_table.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/dataset/packed_rows.h"
#include "platform/dataset/row_store.h"
#include "platform/text/text.h"

namespace dataset {

std::vector<FieldDef> SubtitleRowFields() {
  return {
      {"Sorszam", 0, FieldKind::kRowNumber}, {"Kezdes", 12, FieldKind::kString},
      {"Befejezes", 12, FieldKind::kString}, {"Szoveg", 220, FieldKind::kString},
      {"Szoveg2", 220, FieldKind::kString},  {"sor3", 1, FieldKind::kString},
      {"betu38", 1, FieldKind::kString},
  };
}

std::vector<FieldDef> TranslationRowFields() {
  return {
      {"Kezdes", 12, FieldKind::kString},
      {"Befejezes", 12, FieldKind::kString},
      {"Szoveg", 220, FieldKind::kString},
  };
}

namespace {

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

bool IsGatedByDisable(TableEvent event) {
  return event == TableEvent::kDataChange || event == TableEvent::kUpdateData ||
         event == TableEvent::kStateChange;
}

}  // namespace

struct RowTable::Impl {
  struct Listener {
    SubscriptionId id;
    std::function<void(const TableNotification&)> fn;
    bool alive = true;
  };

  // Counts nested deliveries, so that unsubscribed listeners are removed only when no
  // delivery is walking the list.
  class DeliveryScope {
   public:
    explicit DeliveryScope(Impl& impl) : impl_(impl) { ++impl_.delivery_depth; }
    ~DeliveryScope() {
      if (--impl_.delivery_depth == 0 && impl_.has_dead_listeners) {
        std::erase_if(impl_.listeners, [](const auto& l) { return !l->alive; });
        impl_.has_dead_listeners = false;
      }
    }
    DeliveryScope(const DeliveryScope&) = delete;
    DeliveryScope& operator=(const DeliveryScope&) = delete;

   private:
    Impl& impl_;
  };

  Impl(RowTable& owner_table, std::vector<FieldDef> field_defs)
      : owner(owner_table), fields(std::move(field_defs)) {}

  int Count() const { return static_cast<int>(rows.Size()); }
  bool Pending() const { return state == TableState::kEdit || state == TableState::kInsert; }

  void CheckField(int field) const {
    if (field < 0 || field >= static_cast<int>(fields.size())) {
      throw std::out_of_range("Field index " + text::IntToStr(field) + " out of range");
    }
  }

  void StartBuffer() {
    buffer.assign(fields.size(), std::string());
    modified = false;
  }

  void DropBuffer() {
    buffer.clear();
    modified = false;
  }

  void SetEdges() {
    const bool empty = Count() == 0;
    bof = empty;
    eof = empty;
  }

  void SetState(TableState next) {
    if (next != state) {
      state = next;
      Notify(TableEvent::kStateChange);
    }
  }

  void Notify(TableEvent event, int field = kWholeRow) {
    if (disable_count > 0 && IsGatedByDisable(event)) {
      return;
    }
    const TableNotification notification{event, field};
    {
      DeliveryScope scope(*this);
      const std::size_t count = listeners.size();
      for (std::size_t i = 0; i < count; ++i) {
        const std::shared_ptr<Listener> listener = listeners[i];
        if (listener->alive) {
          listener->fn(notification);
        }
      }
    }
    switch (event) {
      case TableEvent::kDataChange:
        if (auto handler = owner.OnDataChange) {
          handler(field);
        }
        break;
      case TableEvent::kUpdateData:
        if (auto handler = owner.OnUpdateData) {
          handler();
        }
        break;
      case TableEvent::kBeforeInsert:
        if (auto handler = owner.OnBeforeInsert) {
          handler();
        }
        break;
      case TableEvent::kBeforeEdit:
        if (auto handler = owner.OnBeforeEdit) {
          handler();
        }
        break;
      case TableEvent::kStateChange:
        break;
    }
  }

  // Before a move, an append or an insert: a pending row with a written field is posted,
  // any other pending row is dropped.
  void Settle() {
    if (!Pending()) {
      return;
    }
    if (modified) {
      Post();
    } else {
      Cancel();
    }
  }

  void Post() {
    if (!Pending()) {
      return;
    }
    Notify(TableEvent::kUpdateData);
    if (!Pending()) {  // the handler settled the row itself
      return;
    }
    const std::size_t index = static_cast<std::size_t>(cur - 1);
    Row row = Row::Pack(buffer.data(), buffer.size());
    if (state == TableState::kEdit) {
      rows.Replace(index, std::move(row));
    } else {
      rows.InsertAt(index, std::move(row));
    }
    DropBuffer();
    bof = false;
    eof = false;
    SetState(TableState::kBrowse);
    Notify(TableEvent::kDataChange);
  }

  void Cancel() {
    if (state == TableState::kEdit) {
      const bool shown_changed = modified;
      DropBuffer();
      SetState(TableState::kBrowse);
      if (shown_changed) {
        Notify(TableEvent::kDataChange);
      }
    } else if (state == TableState::kInsert) {
      DropBuffer();
      cur = std::min(cur, Count());
      SetEdges();
      SetState(TableState::kBrowse);
      Notify(TableEvent::kDataChange);
    }
  }

  void StartInsert(bool at_end) {
    if (state == TableState::kInactive) {
      return;
    }
    Settle();
    if (state != TableState::kBrowse) {
      return;
    }
    Notify(TableEvent::kBeforeInsert);
    if (state != TableState::kBrowse) {  // the handler closed the table or started a row
      return;
    }
    StartBuffer();
    cur = at_end ? Count() + 1 : std::max(cur, 1);
    bof = false;
    eof = false;
    SetState(TableState::kInsert);
    Notify(TableEvent::kDataChange);
  }

  void Edit() {
    if (state != TableState::kBrowse) {
      return;
    }
    if (Count() == 0) {
      StartInsert(false);
      return;
    }
    Notify(TableEvent::kBeforeEdit);
    if (state != TableState::kBrowse || cur == 0) {
      return;
    }
    const Row& row = rows.At(static_cast<std::size_t>(cur - 1));
    buffer.resize(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      buffer[i].assign(row.Value(i));
    }
    modified = false;
    SetState(TableState::kEdit);
  }

  // Moves the cursor to `target` (1..Count()) after settling a pending row.
  void MoveTo(int target, bool notify_when_same) {
    if (target == cur && !notify_when_same) {
      return;
    }
    cur = target;
    Notify(TableEvent::kDataChange);
  }

  // Before `count` rows are appended in one step: settles a pending row and raises before
  // insert; false when nothing is to be appended (closed table, no rows, or a handler left
  // no browsed table).
  bool StartBatch(std::size_t count) {
    if (state == TableState::kInactive || count == 0) {
      return false;
    }
    Settle();
    if (state != TableState::kBrowse) {
      return false;
    }
    Notify(TableEvent::kBeforeInsert);
    return state == TableState::kBrowse;  // the handler may close the table or start a row
  }

  // Settles a pending row; false when there is no browsed row to move from.
  bool PrepareMove() {
    if (state == TableState::kInactive) {
      return false;
    }
    Settle();
    if (state != TableState::kBrowse) {
      return false;
    }
    if (Count() == 0) {
      SetEdges();
      return false;
    }
    return true;
  }

  // A value of the shown row `row` (1-based): from the pending buffer or a stored row; "" for a
  // row that is not shown.
  std::string_view ShownValue(int row, int field) const {
    const int shown = Count() + (state == TableState::kInsert ? 1 : 0);
    if (row < 1 || row > shown) {
      return {};
    }
    if (Pending() && row == cur) {
      return buffer[static_cast<std::size_t>(field)];
    }
    const int stored = (state == TableState::kInsert && row > cur) ? row - 1 : row;
    return rows.At(static_cast<std::size_t>(stored - 1)).Value(static_cast<std::size_t>(field));
  }

  RowTable& owner;
  std::vector<FieldDef> fields;
  RowStore rows;
  TableState state = TableState::kInactive;
  // The current row, 1-based; 0 with none. In insert state: the pending row's position.
  int cur = 0;
  std::vector<std::string> buffer;  // the pending row, or the current row being edited
  bool modified = false;            // a field was written since Edit/Append/Insert
  bool bof = true;
  bool eof = true;
  int disable_count = 0;
  TableState state_at_disable = TableState::kInactive;
  std::vector<std::shared_ptr<Listener>> listeners;
  int delivery_depth = 0;
  bool has_dead_listeners = false;
  SubscriptionId next_id = 1;
};

// ---- FieldRef ----------------------------------------------------------------------------

const FieldDef& FieldRef::Def() const {
  return table_->Field(index_);
}
std::string FieldRef::AsString() const {
  return table_->Value(index_);
}
void FieldRef::SetAsString(std::string_view value) const {
  table_->SetValue(index_, value);
}
std::string FieldRef::DisplayText() const {
  return table_->DisplayText(index_);
}

// ---- RowTable ----------------------------------------------------------------------------

RowTable::RowTable(std::vector<FieldDef> fields)
    : impl_(std::make_unique<Impl>(*this, std::move(fields))) {}

RowTable::~RowTable() = default;

int RowTable::FieldCount() const {
  return static_cast<int>(impl_->fields.size());
}

const std::vector<FieldDef>& RowTable::Fields() const {
  return impl_->fields;
}

const FieldDef& RowTable::Field(int index) const {
  impl_->CheckField(index);
  return impl_->fields[static_cast<std::size_t>(index)];
}

int RowTable::FindField(std::string_view name) const {
  for (std::size_t i = 0; i < impl_->fields.size(); ++i) {
    if (SameNameIgnoringCase(impl_->fields[i].name, name)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

FieldRef RowTable::FieldByName(std::string_view name) {
  const int index = FindField(name);
  if (index < 0) {
    throw std::out_of_range("Field '" + std::string(name) + "' not found");
  }
  return FieldRef(*this, index);
}

void RowTable::CreateDataSet() {
  if (impl_->state != TableState::kInactive) {
    return;
  }
  impl_->cur = 0;
  impl_->SetEdges();
  impl_->SetState(TableState::kBrowse);
  impl_->Notify(TableEvent::kDataChange);
}

void RowTable::Close() {
  if (impl_->state == TableState::kInactive) {
    return;
  }
  impl_->DropBuffer();
  impl_->rows.Clear();
  impl_->cur = 0;
  impl_->SetEdges();
  impl_->SetState(TableState::kInactive);
}

void RowTable::EmptyDataSet() {
  if (impl_->state == TableState::kInactive) {
    return;
  }
  impl_->DropBuffer();
  impl_->rows.Clear();
  impl_->cur = 0;
  impl_->SetEdges();
  impl_->SetState(TableState::kBrowse);
  impl_->Notify(TableEvent::kDataChange);
}

bool RowTable::Active() const {
  return impl_->state != TableState::kInactive;
}
TableState RowTable::State() const {
  return impl_->state;
}
bool RowTable::IsEmpty() const {
  return impl_->Count() == 0;
}

void RowTable::Append() {
  impl_->StartInsert(true);
}
bool RowTable::AppendPackedRows(PackedRows rows) {
  Impl& t = *impl_;
  if (rows.fields_ != t.fields) {
    throw std::invalid_argument("Rows packed for other fields");
  }
  if (!t.StartBatch(rows.size())) {
    return false;
  }
  // What can fail to allocate comes first: the table keeps its rows if it does.
  t.rows.ReserveAtEnd(rows.size());
  t.rows.Adopt(std::move(rows.blocks_));
  for (const char* at : rows.rows_) {
    t.rows.InsertAt(t.rows.Size(), Row::InStore(at));
  }
  t.cur = t.Count();
  t.bof = false;
  t.eof = false;
  t.Notify(TableEvent::kDataChange);
  return true;
}

void RowTable::Insert() {
  impl_->StartInsert(false);
}
void RowTable::Edit() {
  impl_->Edit();
}
void RowTable::Post() {
  impl_->Post();
}
void RowTable::Cancel() {
  impl_->Cancel();
}

void RowTable::Delete() {
  Impl& t = *impl_;
  if (t.state == TableState::kInsert) {
    t.Cancel();
    return;
  }
  if (t.state == TableState::kInactive || t.Count() == 0) {
    return;
  }
  t.DropBuffer();
  t.rows.EraseAt(static_cast<std::size_t>(t.cur - 1));
  t.cur = std::min(t.cur, t.Count());
  t.SetEdges();
  t.SetState(TableState::kBrowse);
  t.Notify(TableEvent::kDataChange);
}

void RowTable::First() {
  if (!impl_->PrepareMove()) {
    return;
  }
  impl_->bof = true;
  impl_->eof = false;
  impl_->MoveTo(1, true);
}

void RowTable::Last() {
  if (!impl_->PrepareMove()) {
    return;
  }
  impl_->bof = false;
  impl_->eof = true;
  impl_->MoveTo(impl_->Count(), true);
}

void RowTable::Next() {
  if (!impl_->PrepareMove()) {
    return;
  }
  if (impl_->cur >= impl_->Count()) {
    impl_->eof = true;
    return;
  }
  impl_->bof = false;
  impl_->eof = false;
  impl_->MoveTo(impl_->cur + 1, false);
}

void RowTable::Prior() {
  if (!impl_->PrepareMove()) {
    return;
  }
  if (impl_->cur <= 1) {
    impl_->bof = true;
    return;
  }
  impl_->bof = false;
  impl_->eof = false;
  impl_->MoveTo(impl_->cur - 1, false);
}

bool RowTable::Bof() const {
  return impl_->bof;
}
bool RowTable::Eof() const {
  return impl_->eof;
}
int RowTable::RecNo() const {
  return impl_->cur;
}

void RowTable::SetRecNo(int rec_no) {
  if (!impl_->PrepareMove()) {
    return;
  }
  const int target = std::clamp(rec_no, 1, impl_->Count());
  if (target == impl_->cur) {
    return;
  }
  impl_->bof = false;
  impl_->eof = false;
  impl_->MoveTo(target, false);
}

int RowTable::RecordCount() const {
  return impl_->Count();
}

std::string RowTable::Value(int field) const {
  impl_->CheckField(field);
  const Impl& t = *impl_;
  if (t.fields[static_cast<std::size_t>(field)].kind != FieldKind::kString) {
    return std::string();
  }
  return std::string(t.ShownValue(t.cur, field));
}

void RowTable::SetValue(int field, std::string_view value) {
  impl_->CheckField(field);
  Impl& t = *impl_;
  const FieldDef& def = t.fields[static_cast<std::size_t>(field)];
  if (def.kind != FieldKind::kString) {
    return;
  }
  if (t.state == TableState::kBrowse) {
    if (t.Count() == 0) {
      return;
    }
    t.Edit();
  }
  if (!t.Pending()) {
    return;
  }
  if (def.width > 0 && value.size() > static_cast<std::size_t>(def.width)) {
    value = value.substr(0, static_cast<std::size_t>(def.width));
  }
  t.buffer[static_cast<std::size_t>(field)].assign(value);
  t.modified = true;
  t.Notify(TableEvent::kDataChange, field);
}

void RowTable::WriteCurrentRow(std::initializer_list<FieldValue> values) {
  Impl& t = *impl_;
  for (const FieldValue& v : values)
    t.CheckField(v.field);
  const auto write_each_and_post = [this, values] {
    for (const FieldValue& v : values)
      SetValue(v.field, v.value);
    Post();
  };
  if (t.disable_count == 0 || t.state != TableState::kBrowse || t.cur == 0) {
    Edit();
    write_each_and_post();
    return;
  }
  t.Notify(TableEvent::kBeforeEdit);
  if (t.state != TableState::kBrowse || t.cur == 0) {
    // The handler moved the table on: the writes go as they would after such an Edit.
    write_each_and_post();
    return;
  }
  const std::size_t index = static_cast<std::size_t>(t.cur - 1);
  constexpr std::size_t kMostFields = 16;
  const std::size_t count = t.fields.size();
  if (count > kMostFields) {
    Edit();
    write_each_and_post();
    return;
  }
  std::string_view row[kMostFields];
  const Row& stored = t.rows.At(index);
  for (std::size_t i = 0; i < count; ++i)
    row[i] = stored.Value(i);
  for (const FieldValue& v : values) {
    const FieldDef& def = t.fields[static_cast<std::size_t>(v.field)];
    if (def.kind != FieldKind::kString)
      continue;
    std::string_view value = v.value;
    if (def.width > 0 && value.size() > static_cast<std::size_t>(def.width))
      value = value.substr(0, static_cast<std::size_t>(def.width));
    row[static_cast<std::size_t>(v.field)] = value;
  }
  // The new row is packed before the old one goes: the views may point into it.
  t.rows.Replace(index, Row::Pack(row, count));
  t.bof = false;
  t.eof = false;
}

std::string RowTable::DisplayText(int field) const {
  impl_->CheckField(field);
  return CellText(impl_->cur, field);
}

int RowTable::ShownRowCount() const {
  return impl_->Count() + (impl_->state == TableState::kInsert ? 1 : 0);
}

std::string_view RowTable::Cell(int row, int field) const {
  const Impl& t = *impl_;
  if (field < 0 || field >= FieldCount() ||
      t.fields[static_cast<std::size_t>(field)].kind != FieldKind::kString) {
    return {};
  }
  return t.ShownValue(row, field);
}

std::string_view RowTable::Cell(int row, std::string_view field_name) const {
  return Cell(row, FindField(field_name));
}

std::string RowTable::CellText(int row, int field) const {
  if (field < 0 || field >= FieldCount()) {
    return std::string();
  }
  if (impl_->fields[static_cast<std::size_t>(field)].kind == FieldKind::kRowNumber) {
    if (impl_->Count() == 0 || row < 1 || row > ShownRowCount()) {
      return std::string();
    }
    return text::IntToStr(row);
  }
  return std::string(Cell(row, field));
}

std::string RowTable::CellText(int row, std::string_view field_name) const {
  return CellText(row, FindField(field_name));
}

void RowTable::DisableControls() {
  if (impl_->disable_count == 0) {
    impl_->state_at_disable = impl_->state;
  }
  ++impl_->disable_count;
}

void RowTable::EnableControls() {
  Impl& t = *impl_;
  if (t.disable_count == 0) {
    return;
  }
  if (--t.disable_count > 0) {
    return;
  }
  if (t.state != t.state_at_disable) {
    t.Notify(TableEvent::kStateChange);
  }
  if (t.state != TableState::kInactive) {
    t.Notify(TableEvent::kDataChange);
  }
}

bool RowTable::ControlsDisabled() const {
  return impl_->disable_count > 0;
}

SubscriptionId RowTable::Subscribe(std::function<void(const TableNotification&)> listener) {
  const SubscriptionId id = impl_->next_id++;
  impl_->listeners.push_back(
      std::make_shared<Impl::Listener>(Impl::Listener{id, std::move(listener), true}));
  return id;
}

void RowTable::Unsubscribe(SubscriptionId id) {
  Impl& t = *impl_;
  for (const auto& listener : t.listeners) {
    if (listener->id == id) {
      listener->alive = false;
      t.has_dead_listeners = true;
    }
  }
  if (t.delivery_depth == 0 && t.has_dead_listeners) {
    std::erase_if(t.listeners, [](const auto& l) { return !l->alive; });
    t.has_dead_listeners = false;
  }
}

}  // namespace dataset
