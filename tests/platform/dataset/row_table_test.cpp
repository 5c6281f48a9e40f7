#include "platform/dataset/row_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/packed_rows.h"

namespace dataset {
namespace {

constexpr int kSzoveg = subtitle_field::kSzoveg;

using Log = std::vector<std::string>;

// Records the form's handlers of a table as short texts, with the current row number:
// "change@2", "change:Szoveg@2", "update:<Szoveg being posted>", "before-insert@2:<Szoveg>",
// "before-edit@2".
class NotificationLog {
 public:
  explicit NotificationLog(RowTable& table) : table_(table) {
    table.OnDataChange = [this](int field) {
      const std::string which = field == kWholeRow ? "" : ":" + table_.Field(field).name;
      entries_.push_back("change" + which + At());
    };
    table.OnUpdateData = [this] { entries_.push_back("update:" + table_.Value(kSzoveg)); };
    table.OnBeforeInsert = [this] {
      entries_.push_back("before-insert" + At() + ":" + table_.Value(kSzoveg));
    };
    table.OnBeforeEdit = [this] { entries_.push_back("before-edit" + At()); };
  }
  ~NotificationLog() {
    table_.OnDataChange = nullptr;
    table_.OnUpdateData = nullptr;
    table_.OnBeforeInsert = nullptr;
    table_.OnBeforeEdit = nullptr;
  }
  NotificationLog(const NotificationLog&) = delete;
  NotificationLog& operator=(const NotificationLog&) = delete;

  void Mark(std::string text) { entries_.push_back(std::move(text)); }
  const Log& Entries() const { return entries_; }

 private:
  std::string At() const { return "@" + std::to_string(table_.RecNo()); }

  RowTable& table_;
  Log entries_;
};

// The Szoveg of every shown row joined by ","; a blank value shows as "_".
std::string ShownRows(const RowTable& table) {
  std::string out;
  for (int row = 1; row <= table.ShownRowCount(); ++row) {
    if (row > 1) {
      out += ',';
    }
    const std::string_view value = table.Cell(row, kSzoveg);
    out += value.empty() ? std::string_view("_") : value;
  }
  return out;
}

// An open subtitle table holding one row per text, the cursor on `current` (0: stays where
// the load left it, on the last row).
void Load(RowTable& table, const std::vector<std::string>& texts, int current) {
  table.CreateDataSet();
  for (const std::string& text : texts) {
    table.Append();
    table.SetValue(kSzoveg, text);
    table.Post();
  }
  if (current > 0) {
    table.SetRecNo(current);
  }
}

std::string StateName(TableState state) {
  switch (state) {
    case TableState::kInactive:
      return "inactive";
    case TableState::kBrowse:
      return "browse";
    case TableState::kEdit:
      return "edit";
    case TableState::kInsert:
      return "insert";
  }
  return "?";
}

struct SequenceCase {
  std::string name;
  std::vector<std::string> rows;  // loaded before the log starts
  int current;                    // row made current before the log starts
  std::function<void(RowTable&, NotificationLog&)> ops;
  std::string shown;  // ShownRows afterwards
  int record_count;
  int rec_no;
  std::string state;
  Log log;
};

const std::string k230(230, 'x');

// Appends rows with these texts and nothing else, packed away from the table, in one batch;
// the row-number field is given a value, which must be ignored.
void AppendPackedTexts(RowTable& table, const std::vector<std::string>& texts) {
  PackedRows rows(SubtitleRowFields());
  for (const std::string& text : texts) {
    std::vector<std::string_view> values(SubtitleRowFields().size());
    values[subtitle_field::kSorszam] = "9";
    values[kSzoveg] = text;
    rows.Add(values);
  }
  EXPECT_EQ(table.AppendPackedRows(std::move(rows)), !texts.empty() && table.Active());
}

std::vector<SequenceCase> SequenceCases() {
  return {
      {"InsertAtRowOne",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.Insert();
         t.SetValue(kSzoveg, "x");
         t.Post();
       },
       "x,a,b",
       3,
       1,
       "browse",
       {"before-insert@1:a", "change@1", "change:Szoveg@1", "update:x", "change@1"}},
      {"InsertInTheMiddle",
       {"a", "b", "c"},
       2,
       [](RowTable& t, NotificationLog&) {
         t.Insert();
         t.SetValue(kSzoveg, "x");
         t.Post();
         t.Next();
       },
       "a,x,b,c",
       4,
       3,
       "browse",
       {"before-insert@2:b", "change@2", "change:Szoveg@2", "update:x", "change@2", "change@3"}},
      {"InsertOnEmptyTable",
       {},
       0,
       [](RowTable& t, NotificationLog&) {
         t.Insert();
         t.SetValue(kSzoveg, "x");
         t.Post();
       },
       "x",
       1,
       1,
       "browse",
       {"before-insert@0:", "change@1", "change:Szoveg@1", "update:x", "change@1"}},
      {"AppendAfterLastRow",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.Append();
         t.SetValue(kSzoveg, "x");
         t.Post();
       },
       "a,b,x",
       3,
       3,
       "browse",
       {"before-insert@1:a", "change@3", "change:Szoveg@3", "update:x", "change@3"}},
      {"InsertWrittenThenMovingPostsIt",
       {"a", "b"},
       2,
       [](RowTable& t, NotificationLog&) {
         t.Insert();
         t.SetValue(kSzoveg, "x");
         t.Next();
       },
       "a,x,b",
       3,
       3,
       "browse",
       {"before-insert@2:b", "change@2", "change:Szoveg@2", "update:x", "change@2", "change@3"}},
      {"AppendNothingWrittenThenMovingDiscardsIt",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.Append();
         t.Prior();
       },
       "a,b",
       2,
       1,
       "browse",
       {"before-insert@1:a", "change@3", "change@2", "change@1"}},
      {"InsertNothingWrittenThenAppendDiscardsIt",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.Insert();
         t.Append();
       },
       "a,b,_",
       2,
       3,
       "insert",
       {"before-insert@1:a", "change@1", "change@1", "before-insert@1:a", "change@3"}},
      {"DeleteLastRow",
       {"a", "b", "c"},
       3,
       [](RowTable& t, NotificationLog&) { t.Delete(); },
       "a,b",
       2,
       2,
       "browse",
       {"change@2"}},
      {"DeleteMiddleRowMovesToNext",
       {"a", "b", "c"},
       2,
       [](RowTable& t, NotificationLog&) { t.Delete(); },
       "a,c",
       2,
       2,
       "browse",
       {"change@2"}},
      {"DeleteOnlyRow",
       {"a"},
       1,
       [](RowTable& t, NotificationLog&) { t.Delete(); },
       "",
       0,
       0,
       "browse",
       {"change@0"}},
      {"DeleteOnEmptyTableDoesNothing",
       {},
       0,
       [](RowTable& t, NotificationLog&) { t.Delete(); },
       "",
       0,
       0,
       "browse",
       {}},
      {"DeleteInInsertStateCancelsThePendingRow",
       {"a", "b"},
       2,
       [](RowTable& t, NotificationLog&) {
         t.Insert();
         t.SetValue(kSzoveg, "x");
         t.Delete();
       },
       "a,b",
       2,
       2,
       "browse",
       {"before-insert@2:b", "change@2", "change:Szoveg@2", "change@2"}},
      {"DeleteInEditStateRemovesTheRow",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.Edit();
         t.SetValue(kSzoveg, "x");
         t.Delete();
       },
       "b",
       1,
       1,
       "browse",
       {"before-edit@1", "change:Szoveg@1", "change@1"}},
      {"EditOnEmptyTableStartsARow",
       {},
       0,
       [](RowTable& t, NotificationLog&) { t.Edit(); },
       "_",
       0,
       1,
       "insert",
       {"before-insert@0:", "change@1"}},
      {"EditTwiceRaisesBeforeEditOnce",
       {"a"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.Edit();
         t.Edit();
         t.SetValue(kSzoveg, "x");
         t.Post();
       },
       "x",
       1,
       1,
       "browse",
       {"before-edit@1", "change:Szoveg@1", "update:x", "change@1"}},
      {"PostInBrowseDoesNothing",
       {"a"},
       1,
       [](RowTable& t, NotificationLog&) { t.Post(); },
       "a",
       1,
       1,
       "browse",
       {}},
      {"NextAtLastRowSetsEofSilently",
       {"a", "b"},
       2,
       [](RowTable& t, NotificationLog& log) {
         t.Next();
         log.Mark(t.Eof() ? "eof" : "not eof");
       },
       "a,b",
       2,
       2,
       "browse",
       {"eof"}},
      {"PriorAtFirstRowSetsBofSilently",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog& log) {
         t.Next();
         t.Prior();
         log.Mark(t.Bof() ? "bof" : "not bof");
         t.Prior();
         log.Mark(t.Bof() ? "bof" : "not bof");
       },
       "a,b",
       2,
       1,
       "browse",
       {"change@2", "change@1", "not bof", "bof"}},
      {"RecNoIsClampedAndSilentWhenUnchanged",
       {"a", "b", "c"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.SetRecNo(10);
         t.SetRecNo(3);
         t.SetRecNo(-4);
       },
       "a,b,c",
       3,
       1,
       "browse",
       {"change@3", "change@1"}},
      {"NestedDisableGivesOneDataChange",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog& log) {
         t.DisableControls();
         t.DisableControls();
         t.Next();
         t.SetValue(kSzoveg, "x");
         t.Post();
         t.EnableControls();
         log.Mark("inner enable");
         t.EnableControls();
         t.EnableControls();
       },
       "a,x",
       2,
       2,
       "browse",
       {"before-edit@2", "inner enable", "change@2"}},
      {"BeforeInsertWhileDisabled",
       {"a"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.DisableControls();
         t.Append();
         t.SetValue(kSzoveg, "b");
         t.Post();
         t.EnableControls();
       },
       "a,b",
       2,
       2,
       "browse",
       {"before-insert@1:a", "change@2"}},
      {"EnableAtZeroDoesNothing",
       {"a"},
       1,
       [](RowTable& t, NotificationLog&) { t.EnableControls(); },
       "a",
       1,
       1,
       "browse",
       {}},
      {"WriteInBrowseStartsEdit",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.SetValue(kSzoveg, "x");
         t.Next();
       },
       "x,b",
       2,
       2,
       "browse",
       {"before-edit@1", "change:Szoveg@1", "update:x", "change@1", "change@2"}},
      {"WriteInBrowseOnEmptyTableIsIgnored",
       {},
       0,
       [](RowTable& t, NotificationLog&) { t.SetValue(kSzoveg, "x"); },
       "",
       0,
       0,
       "browse",
       {}},
      {"EditNothingWrittenThenMovingDropsIt",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.Edit();
         t.Next();
       },
       "a,b",
       2,
       2,
       "browse",
       {"before-edit@1", "change@2"}},
      {"CancelRestoresTheRow",
       {"a"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.Edit();
         t.SetValue(kSzoveg, "x");
         t.Cancel();
       },
       "a",
       1,
       1,
       "browse",
       {"before-edit@1", "change:Szoveg@1", "change@1"}},
      {"LongTextIsCutBeforePost",
       {},
       0,
       [](RowTable& t, NotificationLog& log) {
         t.DisableControls();
         t.Append();
         t.SetValue(kSzoveg, k230);
         log.Mark(std::to_string(t.Value(kSzoveg).size()));
         t.SetValue(subtitle_field::kKezdes, "00:00:01,5000");
         t.SetValue(subtitle_field::kSor3, "tt");
         t.Post();
         log.Mark(std::to_string(t.Value(kSzoveg).size()) + " " + t.Value(subtitle_field::kKezdes) +
                  " " + t.Value(subtitle_field::kSor3));
         t.EnableControls();
       },
       std::string(220, 'x'),
       1,
       1,
       "browse",
       {"before-insert@0:", "220", "220 00:00:01,500 t", "change@1"}},
      {"EmptyDataSetDropsPendingEdit",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.SetValue(kSzoveg, "x");
         t.EmptyDataSet();
       },
       "",
       0,
       0,
       "browse",
       {"before-edit@1", "change:Szoveg@1", "change@0"}},
      {"CloseDropsRowsSilently",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog& log) {
         t.Insert();
         t.Close();
         log.Mark(t.Value(kSzoveg).empty() && !t.Active() ? "closed" : "open");
         t.Next();
         t.Append();
         t.SetValue(kSzoveg, "x");
       },
       "",
       0,
       0,
       "inactive",
       {"before-insert@1:a", "change@1", "closed"}},
      {"FirstAndLastRefreshTheRow",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.First();
         t.Last();
         t.Last();
       },
       "a,b",
       2,
       2,
       "browse",
       {"change@1", "change@2", "change@2"}},
      {"AppendPackedRowsIntoAnEmptyTable",
       {},
       0,
       [](RowTable& t, NotificationLog&) { AppendPackedTexts(t, {"x"}); },
       "x",
       1,
       1,
       "browse",
       {"before-insert@0:", "change@1"}},
      {"AppendPackedRowsAfterTheLastRowCutToWidth",
       {"a", "b"},
       1,
       [](RowTable& t, NotificationLog&) {
         AppendPackedTexts(t, {"x", k230});
       },
       "a,b,x," + k230.substr(0, 220),
       4,
       4,
       "browse",
       {"before-insert@1:a", "change@4"}},
      {"AppendPackedRowsPostsAPendingRowFirst",
       {"a"},
       1,
       [](RowTable& t, NotificationLog&) {
         t.Edit();
         t.SetValue(kSzoveg, "e");
         AppendPackedTexts(t, {"x"});
       },
       "e,x",
       2,
       2,
       "browse",
       {"before-edit@1", "change:Szoveg@1", "update:e", "change@1", "before-insert@1:e",
        "change@2"}},
      {"AppendPackedRowsOfNoRowsDoNothing",
       {"a"},
       1,
       [](RowTable& t, NotificationLog&) { AppendPackedTexts(t, {}); },
       "a",
       1,
       1,
       "browse",
       {}},
      {"AppendPackedRowsWithControlsDisabledNotifyOnceEnabled",
       {},
       0,
       [](RowTable& t, NotificationLog&) {
         t.DisableControls();
         AppendPackedTexts(t, {"x", "y"});
         t.EnableControls();
       },
       "x,y",
       2,
       2,
       "browse",
       {"before-insert@0:", "change@2"}},
  };
}

// Rows packed for other fields are refused and leave the table as it was.
TEST(RowTable, RefusesRowsPackedForOtherFields) {
  RowTable table(SubtitleRowFields());
  table.CreateDataSet();
  PackedRows rows(TranslationRowFields());
  const std::string_view values[] = {"a", "b", "c"};
  rows.Add(values);
  EXPECT_THROW(table.AppendPackedRows(std::move(rows)), std::invalid_argument);
  EXPECT_EQ(table.RecordCount(), 0);
}

TEST(RowTableSequences, GiveRowsRecNoStateAndNotifications) {
  for (const SequenceCase& c : SequenceCases()) {
    SCOPED_TRACE(c.name);
    RowTable table(SubtitleRowFields());
    Load(table, c.rows, c.current);
    NotificationLog log(table);
    c.ops(table, log);
    EXPECT_EQ(ShownRows(table), c.shown);
    EXPECT_EQ(table.RecordCount(), c.record_count);
    EXPECT_EQ(table.IsEmpty(), c.record_count == 0);
    EXPECT_EQ(table.RecNo(), c.rec_no);
    EXPECT_EQ(StateName(table.State()), c.state);
    EXPECT_EQ(log.Entries(), c.log);
  }
}

TEST(RowTable, CreateDataSetOpensEmptyAndNotifies) {
  RowTable table(SubtitleRowFields());
  NotificationLog log(table);
  EXPECT_FALSE(table.Active());
  table.CreateDataSet();
  EXPECT_TRUE(table.Active());
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_TRUE(table.Bof());
  EXPECT_TRUE(table.Eof());
  EXPECT_EQ(table.RecNo(), 0);
  EXPECT_EQ(table.Value(kSzoveg), "");
  EXPECT_EQ(log.Entries(), Log({"change@0"}));
}

TEST(RowTable, FieldNamesIgnoreAsciiCase) {
  RowTable table(SubtitleRowFields());
  for (const char* name : {"Szoveg", "SZOVEG", "szoveg", "sZoVeG"}) {
    EXPECT_EQ(table.FindField(name), kSzoveg) << name;
  }
  EXPECT_EQ(table.FindField("BETU38"), subtitle_field::kBetu38);
  EXPECT_EQ(table.FindField("Szoveg3"), -1);
  EXPECT_EQ(table.FindField(""), -1);
  EXPECT_THROW(table.FieldByName("Nincs"), std::out_of_range);
  EXPECT_THROW(table.Value(7), std::out_of_range);
  EXPECT_THROW(table.SetValue(-1, "x"), std::out_of_range);
}

TEST(RowTable, FieldByNameReadsAndWritesTheCurrentRow) {
  RowTable table(SubtitleRowFields());
  Load(table, {"a", "b"}, 2);
  table.FieldByName("KEZDES").SetAsString("00:00:01,000");
  EXPECT_EQ(table.State(), TableState::kEdit);
  table.Post();
  table.First();
  EXPECT_EQ(table.FieldByName("kezdes").AsString(), "");
  table.Next();
  EXPECT_EQ(table.FieldByName("Kezdes").AsString(), "00:00:01,000");
  EXPECT_EQ(table.FieldByName("Szoveg").AsString(), "b");
}

TEST(RowTable, SchemasHaveTheirFieldsAndWidths) {
  struct Expected {
    std::string name;
    int width;
    FieldKind kind;
  };
  const std::vector<Expected> subtitle = {
      {"Sorszam", 0, FieldKind::kRowNumber}, {"Kezdes", 12, FieldKind::kString},
      {"Befejezes", 12, FieldKind::kString}, {"Szoveg", 220, FieldKind::kString},
      {"Szoveg2", 220, FieldKind::kString},  {"sor3", 1, FieldKind::kString},
      {"betu38", 1, FieldKind::kString}};
  const std::vector<Expected> translation = {{"Kezdes", 12, FieldKind::kString},
                                             {"Befejezes", 12, FieldKind::kString},
                                             {"Szoveg", 220, FieldKind::kString}};
  for (const auto& [fields, expected] :
       {std::pair{SubtitleRowFields(), subtitle}, std::pair{TranslationRowFields(), translation}}) {
    ASSERT_EQ(fields.size(), expected.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      EXPECT_EQ(fields[i].name, expected[i].name);
      EXPECT_EQ(fields[i].width, expected[i].width);
      EXPECT_EQ(fields[i].kind, expected[i].kind);
    }
  }
  RowTable cdse(TranslationRowFields());
  cdse.CreateDataSet();
  cdse.Append();
  cdse.SetValue(translation_field::kSzoveg, std::string(230, 'y'));
  cdse.Post();
  EXPECT_EQ(cdse.Value(translation_field::kSzoveg), std::string(220, 'y'));
}

TEST(RowTable, RowNumberFieldIsCalculatedAndReadOnly) {
  RowTable table(SubtitleRowFields());
  const int sorszam = subtitle_field::kSorszam;
  table.CreateDataSet();
  EXPECT_EQ(table.DisplayText(sorszam), "");
  Load(table, {"a", "b", "c"}, 2);
  EXPECT_EQ(table.DisplayText(sorszam), "2");
  EXPECT_EQ(table.FieldByName("sorszam").DisplayText(), "2");
  EXPECT_EQ(table.Value(sorszam), "");
  NotificationLog log(table);
  table.SetValue(sorszam, "99");
  EXPECT_EQ(table.State(), TableState::kBrowse);
  EXPECT_TRUE(log.Entries().empty());
  EXPECT_EQ(table.CellText(1, sorszam), "1");
  EXPECT_EQ(table.CellText(3, "SORSZAM"), "3");
  EXPECT_EQ(table.CellText(4, sorszam), "");
  table.EmptyDataSet();
  table.Append();  // a pending row on an empty table: no posted rows yet
  EXPECT_EQ(table.CellText(1, sorszam), "");
}

TEST(RowTable, PaintingViewShowsPendingRowsWithoutNotifying) {
  RowTable table(SubtitleRowFields());
  Load(table, {"a", "b"}, 2);
  table.Insert();
  table.SetValue(kSzoveg, "x");
  NotificationLog log(table);
  EXPECT_EQ(table.ShownRowCount(), 3);
  EXPECT_EQ(table.RecordCount(), 2);
  EXPECT_EQ(table.Cell(1, kSzoveg), "a");
  EXPECT_EQ(table.Cell(2, "szoveg"), "x");
  EXPECT_EQ(table.Cell(3, kSzoveg), "b");
  EXPECT_EQ(table.CellText(2, subtitle_field::kSorszam), "2");
  EXPECT_EQ(table.Cell(0, kSzoveg), "");
  EXPECT_EQ(table.Cell(4, kSzoveg), "");
  EXPECT_EQ(table.Cell(1, 42), "");
  EXPECT_EQ(table.Cell(1, "nincs"), "");
  table.Post();
  table.First();
  table.Edit();
  table.SetValue(kSzoveg, "y");
  log.Mark("painted");
  EXPECT_EQ(table.Cell(1, kSzoveg), "y");
  EXPECT_EQ(table.RecNo(), 1);
  EXPECT_EQ(table.State(), TableState::kEdit);
  EXPECT_EQ(log.Entries(), Log({"update:x", "change@2", "change@1", "before-edit@1",
                                "change:Szoveg@1", "painted"}));
}

TEST(RowTable, ControlsHearFirstAndOnlyWhileEnabled) {
  RowTable table(SubtitleRowFields());
  Load(table, {"a"}, 1);
  Log log;
  table.OnDataChange = [&](int) { log.push_back("form change"); };
  table.OnBeforeInsert = [&] { log.push_back("form before-insert"); };
  table.OnUpdateData = [&] { log.push_back("form update"); };
  auto names = [](const TableNotification& n) -> std::string {
    switch (n.event) {
      case TableEvent::kDataChange:
        return n.field == kWholeRow ? "change" : "change " + std::to_string(n.field);
      case TableEvent::kUpdateData:
        return "update";
      case TableEvent::kBeforeInsert:
        return "before-insert";
      case TableEvent::kBeforeEdit:
        return "before-edit";
      case TableEvent::kStateChange:
        return "state";
    }
    return "?";
  };
  {
    ScopedSubscription control(
        table, [&](const TableNotification& n) { log.push_back("control " + names(n)); });
    table.Append();
    table.SetValue(kSzoveg, "b");
    table.Post();
    log.push_back("--");
    table.DisableControls();
    table.Append();
    table.Post();
    table.Edit();
    table.EnableControls();
  }
  log.push_back("--");
  table.Next();
  table.Prior();
  EXPECT_EQ(log, Log({"control before-insert",
                      "form before-insert",
                      "control state",
                      "control change",
                      "form change",
                      "control change 3",
                      "form change",
                      "control update",
                      "form update",
                      "control state",
                      "control change",
                      "form change",
                      "--",
                      "control before-insert",
                      "form before-insert",
                      "control before-edit",
                      "control state",
                      "control change",
                      "form change",
                      "--",
                      "form change"}));
}

TEST(RowTable, ListenersMayUnsubscribeDuringDelivery) {
  RowTable table(SubtitleRowFields());
  Load(table, {"a", "b"}, 1);
  int first_calls = 0;
  int second_calls = 0;
  SubscriptionId second = 0;
  SubscriptionId first = table.Subscribe([&](const TableNotification&) {
    ++first_calls;
    table.Unsubscribe(first);
    table.Unsubscribe(second);
    table.Subscribe([](const TableNotification&) {});
  });
  second = table.Subscribe([&](const TableNotification&) { ++second_calls; });
  table.Next();
  table.Prior();
  EXPECT_EQ(first_calls, 1);
  EXPECT_EQ(second_calls, 0);
}

TEST(RowTable, HandlersMayMoveTheCursorDuringANotification) {
  RowTable table(SubtitleRowFields());
  Load(table, {"a", "b", "c"}, 1);
  table.OnBeforeInsert = [&] { table.Last(); };
  table.Insert();
  table.OnBeforeInsert = nullptr;
  EXPECT_EQ(table.State(), TableState::kInsert);
  EXPECT_EQ(table.RecNo(), 3);
  table.SetValue(kSzoveg, "x");
  table.OnUpdateData = [&] { table.Cancel(); };
  table.Post();
  table.OnUpdateData = nullptr;
  EXPECT_EQ(ShownRows(table), "a,b,c");
  EXPECT_EQ(table.State(), TableState::kBrowse);
}

// A pass as the editor runs it: First, then RecordCount times (work on the current row; Next).
TEST(RowTable, PassesThatInsertAndDeleteKeepTheOrder) {
  constexpr int kRows = 1000;
  RowTable table(TranslationRowFields());
  const int szoveg = translation_field::kSzoveg;
  table.CreateDataSet();
  table.DisableControls();
  for (int i = 0; i < kRows; ++i) {
    table.Append();
    table.SetValue(szoveg, std::to_string(i));
    table.Post();
  }
  // Split: a new row after every row.
  table.First();
  for (int i = 0, n = table.RecordCount(); i < n; ++i) {
    const std::string text = table.Value(szoveg);
    table.Next();
    if (table.Eof()) {
      table.Append();
    } else {
      table.Insert();
    }
    table.SetValue(szoveg, text + "b");
    table.Post();
    table.Next();
  }
  ASSERT_EQ(table.RecordCount(), 2 * kRows);
  for (int row = 1; row <= 2 * kRows; ++row) {
    const std::string expected = std::to_string((row - 1) / 2) + (row % 2 == 0 ? "b" : "");
    ASSERT_EQ(table.Cell(row, szoveg), expected) << row;
  }
  // Delete every original row again.
  table.First();
  for (int i = 0, n = table.RecordCount(); i < n; ++i) {
    if (table.Value(szoveg).back() != 'b') {
      table.Delete();
    } else {
      table.Next();
    }
  }
  table.EnableControls();
  ASSERT_EQ(table.RecordCount(), kRows);
  for (int row = 1; row <= kRows; ++row) {
    ASSERT_EQ(table.Cell(row, szoveg), std::to_string(row - 1) + "b") << row;
  }
}

// WriteCurrentRow leaves a table as Edit, SetValue for each value and Post leave it, and is
// heard the same, whatever state the table is in.
struct RowWriteCase {
  std::string name;
  std::vector<std::string> rows;
  int current;
  std::function<void(RowTable&)> before;  // after the load, before the log starts
  std::function<void(RowTable&)> on_before_edit;
};

std::vector<RowWriteCase> RowWriteCases() {
  const auto disable = [](RowTable& t) { t.DisableControls(); };
  return {
      {"ControlsDisabledOnABrowsedRow", {"a", "b", "c"}, 2, disable, nullptr},
      {"ControlsEnabled", {"a", "b"}, 2, nullptr, nullptr},
      {"RightAfterFirst",
       {"a", "b"},
       2,
       [](RowTable& t) {
         t.First();
         t.DisableControls();
       },
       nullptr},
      {"RowInEditState",
       {"a", "b"},
       1,
       [](RowTable& t) {
         t.DisableControls();
         t.Edit();
         t.SetValue(subtitle_field::kKezdes, "1");
       },
       nullptr},
      {"RowInInsertState",
       {"a", "b"},
       2,
       [](RowTable& t) {
         t.DisableControls();
         t.Insert();
       },
       nullptr},
      {"EmptyTable", {}, 0, disable, nullptr},
      {"BeforeEditHandlerMovesTheCursor",
       {"a", "b", "c"},
       1,
       disable,
       [](RowTable& t) {
         t.OnBeforeEdit = nullptr;
         t.Last();
       }},
  };
}

struct TableTrace {
  Log log;
  std::string cells;
  int rec_no = 0;
  std::string state;
  bool bof = false;
  bool eof = false;
};

TableTrace WriteRow(const RowWriteCase& c, bool at_once) {
  RowTable table(SubtitleRowFields());
  Load(table, c.rows, c.current);
  if (c.before)
    c.before(table);
  TableTrace trace;
  ScopedSubscription control(table, [&](const TableNotification& n) {
    trace.log.push_back("control " + std::to_string(static_cast<int>(n.event)) + " " +
                        std::to_string(n.field));
  });
  NotificationLog form(table);
  if (c.on_before_edit)
    table.OnBeforeEdit = [&] { c.on_before_edit(table); };
  const std::string long_text(230, 'y');
  if (at_once) {
    table.WriteCurrentRow(
        {{kSzoveg, long_text}, {subtitle_field::kSorszam, "9"}, {subtitle_field::kBetu38, "t"}});
  } else {
    table.Edit();
    table.SetValue(kSzoveg, long_text);
    table.SetValue(subtitle_field::kSorszam, "9");
    table.SetValue(subtitle_field::kBetu38, "t");
    table.Post();
  }
  if (table.ControlsDisabled())
    table.EnableControls();
  for (const std::string& entry : form.Entries())
    trace.log.push_back(entry);
  for (int row = 1; row <= table.ShownRowCount(); ++row) {
    for (int field = 0; field < table.FieldCount(); ++field)
      trace.cells += table.CellText(row, field) + "|";
    trace.cells += "\n";
  }
  trace.rec_no = table.RecNo();
  trace.state = StateName(table.State());
  trace.bof = table.Bof();
  trace.eof = table.Eof();
  return trace;
}

TEST(RowTable, WriteCurrentRowIsEditSetValueAndPost) {
  for (const RowWriteCase& c : RowWriteCases()) {
    SCOPED_TRACE(c.name);
    const TableTrace expected = WriteRow(c, false);
    const TableTrace written = WriteRow(c, true);
    EXPECT_EQ(written.log, expected.log);
    EXPECT_EQ(written.cells, expected.cells);
    EXPECT_EQ(written.rec_no, expected.rec_no);
    EXPECT_EQ(written.state, expected.state);
    EXPECT_EQ(written.bof, expected.bof);
    EXPECT_EQ(written.eof, expected.eof);
  }
}

TEST(RowTable, WriteCurrentRowRefusesAnUnknownField) {
  RowTable table(SubtitleRowFields());
  Load(table, {"a"}, 1);
  table.DisableControls();
  EXPECT_THROW(table.WriteCurrentRow({{kSzoveg, "b"}, {99, "x"}}), std::out_of_range);
  EXPECT_EQ(table.Cell(1, kSzoveg), "a");
  EXPECT_EQ(table.State(), TableState::kBrowse);
}

}  // namespace
}  // namespace dataset
