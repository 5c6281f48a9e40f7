// What setters fire, radio groups, spin-edit clamping, memo positions, labels, gauges.
#include <functional>

#include <gtest/gtest.h>

#include "platform/dataset/row_table.h"
#include "test_forms.h"

namespace ui_test {
namespace {

class EventForm : public ui::Form {
 public:
  explicit EventForm(ui::Application& app) : Form(app, "EventForm") {
    Combo.SetItems({"Frame", "Time"});
    Combo.SetStyle(ui::ComboStyle::kDropDownList);
    Spin.SetMinValue(10);
    Spin.SetMaxValue(99);
    table.CreateDataSet();
    for (const char* t : {"egy", "ketto"}) {
      table.Append();
      table.SetValue(0, t);
      table.Post();
    }
    ds.SetDataSet(&table);
    DbE.SetDataSource(&ds);
    DbE.SetDataField("SZOVEG");  // letter case ignored
  }
  ui::CheckBox Check{*this, "Check", {8, 8, 100, 17}};
  ui::RadioButton Radio{*this, "Radio", {8, 30, 100, 17}};
  ui::Edit Edit1{*this, "Edit1", {8, 50, 100, 21}};
  ui::Memo Memo1{*this, "Memo1", {8, 80, 100, 60}};
  ui::SpinEdit Spin{*this, "Spin", {8, 150, 60, 21}};
  ui::ComboBox Combo{*this, "Combo", {8, 180, 100, 21}};
  ui::MainMenu Menu{*this, "Menu"};
  ui::MenuItem Item{Menu, "Item", "Item"};
  dataset::RowTable table{{{"Szoveg", 20}}};
  ui::DataSource ds{*this, "ds"};
  ui::DbEdit DbE{*this, "DbE", {8, 210, 100, 21}};
};

struct Counts {
  int clicks = 0;
  int changes = 0;
  bool operator==(const Counts&) const = default;
};

struct EventCase {
  const char* name;
  std::function<void(EventForm&)> act;
  Counts expected;
};

TEST(EventSemantics, Table) {
  const std::vector<EventCase> cases = {
      {"check box Checked by code runs OnClick",
       [](EventForm& f) { f.Check.SetChecked(true); },
       {1, 0}},
      {"check box Checked to the same state runs nothing",
       [](EventForm& f) { f.Check.SetChecked(false); },
       {0, 0}},
      {"radio button Checked by code runs OnClick",
       [](EventForm& f) { f.Radio.SetChecked(true); },
       {1, 0}},
      {"edit Text by code runs OnChange", [](EventForm& f) { f.Edit1.SetText("x"); }, {0, 1}},
      {"edit Text to the same text runs nothing",
       [](EventForm& f) { f.Edit1.SetText(""); },
       {0, 0}},
      {"memo Text by code runs OnChange", [](EventForm& f) { f.Memo1.AddLine("a"); }, {0, 1}},
      {"spin edit Value by code runs OnChange", [](EventForm& f) { f.Spin.SetValue(20); }, {0, 1}},
      {"combo box ItemIndex by code runs nothing",
       [](EventForm& f) { f.Combo.SetItemIndex(1); },
       {0, 0}},
      {"menu item Checked by code runs nothing",
       [](EventForm& f) { f.Item.SetChecked(true); },
       {0, 0}},
      {"data-aware edit: the row under it changes", [](EventForm& f) { f.table.First(); }, {0, 1}},
      {"data-aware edit: nothing while the controls are disabled",
       [](EventForm& f) {
         f.table.DisableControls();
         f.table.First();
       },
       {0, 0}},
  };
  for (const EventCase& c : cases) {
    SCOPED_TRACE(c.name);
    ui::headless::Driver drv;
    EventForm f(drv.App());
    Counts counts;
    auto click = [&counts] { ++counts.clicks; };
    auto change = [&counts] { ++counts.changes; };
    f.Check.OnClick = f.Radio.OnClick = f.Combo.OnClick = f.Item.OnClick = click;
    f.Edit1.OnChange = f.Memo1.OnChange = f.Spin.OnChange = f.Combo.OnChange = f.DbE.OnChange =
        change;
    c.act(f);
    EXPECT_EQ(counts, c.expected);
  }
}

TEST(EventSemantics, TheUsersChoiceInAComboBoxRunsOnClickAndOnChange) {
  ui::headless::Driver drv;
  EventForm f(drv.App());
  Counts counts;
  f.Combo.OnClick = [&] { ++counts.clicks; };
  f.Combo.OnChange = [&] { ++counts.changes; };
  f.Show();
  drv.Choose(f.Combo, 1);
  EXPECT_EQ(f.Combo.Text(), "Time");
  drv.Press(ui::keys::kUp);  // arrows change the item
  EXPECT_EQ(f.Combo.Text(), "Frame");
  drv.Type("T");  // no typing in the drop-down list style
  EXPECT_EQ(f.Combo.Text(), "Frame");
  EXPECT_EQ(counts, (Counts{2, 2}));
}

TEST(EventSemantics, DataAwareEditShowsTheCurrentRowAndIgnoresTyping) {
  ui::headless::Driver drv;
  EventForm f(drv.App());
  EXPECT_EQ(f.DbE.Text(), "ketto");
  f.table.First();
  EXPECT_EQ(f.DbE.Text(), "egy");
  f.Show();
  drv.Focus(f.DbE);
  drv.Type("zz");
  EXPECT_EQ(f.DbE.Text(), "egy");
  EXPECT_EQ(f.table.Value(0), "egy");
  f.table.DisableControls();
  f.table.Last();
  EXPECT_EQ(f.DbE.Text(), "egy");
  f.table.EnableControls();
  EXPECT_EQ(f.DbE.Text(), "ketto");
}

TEST(RadioGroups, SiblingsWithTheSameParentExcludeEachOther) {
  ui::headless::Driver drv;
  ui::Form form(drv.App(), "F");
  ui::GroupBox g1{form, "G1", {0, 0, 200, 100}};
  ui::GroupBox g2{form, "G2", {0, 100, 200, 100}};
  ui::RadioButton a{g1, "a", {8, 8, 80, 17}};
  ui::RadioButton b{g1, "b", {8, 30, 80, 17}};
  ui::RadioButton c{g2, "c", {8, 8, 80, 17}};
  Trace trace;
  for (ui::RadioButton* r : {&a, &b, &c})
    r->OnClick = [&trace, r] { trace.push_back(r->Name()); };
  struct Step {
    std::function<void()> act;
    bool a, b, c;
  };
  form.Show();
  const std::vector<Step> steps = {
      {[&] { a.SetChecked(true); }, true, false, false},
      {[&] { c.SetChecked(true); }, true, false, true},
      {[&] { drv.Click(b); }, false, true, true},
      {[&] { drv.Click(b); }, false, true, true},  // already checked: no OnClick
      {[&] { b.SetChecked(false); }, false, false, true},
  };
  for (const Step& s : steps) {
    s.act();
    EXPECT_EQ(a.Checked(), s.a);
    EXPECT_EQ(b.Checked(), s.b);
    EXPECT_EQ(c.Checked(), s.c);
  }
  EXPECT_EQ(Join(trace), "a c b");
}

TEST(SpinEdit, ValueSetByCodeIsClampedTypedValueIsReadAsTyped) {
  struct Case {
    int min, max;
    std::function<void(ui::SpinEdit&, ui::headless::Driver&)> act;
    int value;
    const char* text;
  };
  const std::vector<Case> cases = {
      {10, 99, [](ui::SpinEdit& s, auto&) { s.SetValue(5); }, 10, "10"},
      {10, 99, [](ui::SpinEdit& s, auto&) { s.SetValue(150); }, 99, "99"},
      {10, 99, [](ui::SpinEdit& s, auto&) { s.SetValue(37); }, 37, "37"},
      {70, 70, [](ui::SpinEdit& s, auto&) { s.SetValue(300); }, 300, "300"},
      {10, 99, [](ui::SpinEdit& s, auto&) { s.SetText("150"); }, 150, "150"},
      {10, 99, [](ui::SpinEdit& s, auto&) { s.SetText("abc"); }, 10, "abc"},
      {10, 99, [](ui::SpinEdit& s, auto&) { s.SetText(""); }, 10, ""},
      {10, 99,
       [](ui::SpinEdit& s, ui::headless::Driver& d) {
         d.Focus(s);
         s.SelectAll();
         d.Type("1x2");  // letters are not taken
       },
       12, "12"},
      {10, 99,
       [](ui::SpinEdit& s, ui::headless::Driver& d) {
         s.SetValue(99);
         d.Focus(s);
         d.Press(ui::keys::kUp);
       },
       99, "99"},
      // Up and Down stop at the int extremes of a typed value.
      {0, 0,
       [](ui::SpinEdit& s, ui::headless::Driver& d) {
         s.SetText("2147483647");
         d.Focus(s);
         d.Press(ui::keys::kUp);
       },
       2147483647, "2147483647"},
      {0, 0,
       [](ui::SpinEdit& s, ui::headless::Driver& d) {
         s.SetText("-2147483648");
         d.Focus(s);
         d.Press(ui::keys::kDown);
       },
       -2147483647 - 1, "-2147483648"},
      {1, 10,
       [](ui::SpinEdit& s, ui::headless::Driver& d) {
         s.SetText("2147483647");
         d.Focus(s);
         d.Press(ui::keys::kUp);
       },
       10, "10"},
  };
  for (const Case& c : cases) {
    ui::headless::Driver drv;
    ui::Form form(drv.App(), "F");
    ui::SpinEdit spin{form, "Spin", {0, 0, 50, 21}};
    spin.SetMinValue(c.min);
    spin.SetMaxValue(c.max);
    form.Show();
    c.act(spin, drv);
    EXPECT_EQ(spin.Value(), c.value) << c.text;
    EXPECT_EQ(spin.Text(), c.text);
  }
}

TEST(Memo, PositionsCountALineBreakAsTwoCharacters) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    int caret;
    std::vector<ui::Key> keys;
    const char* typed;
    const char* text;
    int sel_start;
  };
  const std::vector<Case> cases = {
      {"lines each end in CR LF", {"Hello", "world"}, 0, {}, "", "Hello\r\nworld\r\n", 0},
      {"right steps over the line break",
       {"ab", "cd"},
       2,
       {ui::keys::kRight},
       "",
       "ab\r\ncd\r\n",
       4},
      {"left steps back over it", {"ab", "cd"}, 4, {ui::keys::kLeft}, "", "ab\r\ncd\r\n", 2},
      {"down keeps the column", {"abc", "de"}, 2, {ui::keys::kDown}, "", "abc\r\nde\r\n", 7},
      {"end of line stops before CR", {"abc", "de"}, 5, {ui::keys::kEnd}, "", "abc\r\nde\r\n", 7},
      {"backspace removes the whole break", {"ab", "cd"}, 4, {ui::keys::kBack}, "", "abcd\r\n", 2},
      {"Enter types CR LF", {"ab"}, 1, {ui::keys::kReturn}, "x", "a\r\nxb\r\n", 4},
      {"delete removes the break", {"ab", "cd"}, 2, {ui::keys::kDelete}, "", "abcd\r\n", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::headless::Driver drv;
    ui::Form form(drv.App(), "F");
    ui::Memo memo{form, "Memo", {0, 0, 200, 100}};
    for (const std::string& line : c.lines)
      memo.AddLine(line);
    form.Show();
    drv.Focus(memo);
    memo.SetSelStart(c.caret);
    for (ui::Key k : c.keys)
      drv.Press(k);
    drv.Type(c.typed);
    EXPECT_EQ(memo.Text(), c.text);
    EXPECT_EQ(memo.SelStart(), c.sel_start);
  }
}

TEST(Memo, LinesAddAfterATextWithoutABreak) {
  ui::headless::Driver drv;
  ui::Form form(drv.App(), "F");
  ui::Memo memo{form, "Memo", {0, 0, 200, 100}};
  memo.SetText("abc");
  memo.AddLine("d");
  EXPECT_EQ(memo.Text(), "abc\r\nd");
  EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"abc", "d"}));
  memo.SetSelStart(6);
  EXPECT_EQ(memo.CaretPos(), (ui::Point{1, 1}));
}

TEST(Label, AutoSizeFollowsTheTextAtOnce) {
  ui::headless::Driver drv;
  ui::Form form(drv.App(), "F");
  ui::Label label{form, "szoveg", {68, 20, 10, 10}};
  ui::Font font;
  font.size = 13;
  font.color = ui::colors::kWhite;
  label.SetFont(font);
  label.SetCaption("A képernyő felbontása túl kicsi!");
  EXPECT_EQ(label.Width(), 32 * 7);  // 32 characters of 7 pixels
  EXPECT_EQ(label.Left(), 68);
  label.SetCaption("");
  EXPECT_EQ(label.Width(), 0);
}

TEST(Gauge, ClampsAndRepaintsAtOnce) {
  ui::headless::Driver drv;
  ui::Form form(drv.App(), "F");
  ui::Gauge gauge{form, "Fszazalek", {0, 0, 100, 16}};
  gauge.SetProgress(150);
  EXPECT_EQ(gauge.Progress(), 100);
  gauge.SetProgress(-5);
  EXPECT_EQ(gauge.Progress(), 0);
  gauge.SetProgress(40);
  EXPECT_EQ(drv.Backend().RepaintCount(gauge), 3);
}

TEST(Buttons, KindsSetResultsDefaultAndCancel) {
  struct Case {
    ui::ButtonKind kind;
    ui::ModalResult result;
    bool is_default, is_cancel;
  };
  const std::vector<Case> cases = {
      {ui::ButtonKind::kOk, ui::modal::kOk, true, false},
      {ui::ButtonKind::kYes, ui::modal::kYes, true, false},
      {ui::ButtonKind::kNo, ui::modal::kNo, false, true},
      {ui::ButtonKind::kCancel, ui::modal::kCancel, false, true},
  };
  for (const Case& c : cases) {
    ui::headless::Driver drv;
    ui::Form form(drv.App(), "F");
    ui::BitBtn button{form, "B", {0, 0, 75, 25}};
    button.SetKind(c.kind);
    EXPECT_EQ(button.Default(), c.is_default);
    EXPECT_EQ(button.Cancel(), c.is_cancel);
    bool result_set_after_handler = false;
    button.OnClick = [&] { result_set_after_handler = form.GetModalResult() == ui::modal::kNone; };
    drv.OnModal("F", [&] { drv.Click(button); });
    EXPECT_EQ(form.ShowModal(), c.result);
    EXPECT_TRUE(result_set_after_handler);
    EXPECT_EQ(drv.Verify(), "");
  }
}

TEST(SpeedButtons, GroupIsDownOneAtATime) {
  ui::headless::Driver drv;
  ui::Form form(drv.App(), "F");
  ui::SpeedButton sub{form, "SBSub", {0, 0, 20, 20}};
  ui::SpeedButton non{form, "SBNonSub", {20, 0, 20, 20}};
  sub.SetGroupIndex(1);
  non.SetGroupIndex(1);
  form.Show();
  drv.Click(sub);
  EXPECT_TRUE(sub.Down());
  drv.Click(non);
  EXPECT_FALSE(sub.Down());
  EXPECT_TRUE(non.Down());
}

}  // namespace
}  // namespace ui_test
