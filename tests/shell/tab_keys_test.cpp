// Tab and Shift+Tab leave every box of the program that filters its keys: the focus moves
// before the box's key handlers see the key.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "shell/rig.h"
#include "shell/state.h"

namespace shell {
namespace {

using testing::Rig;

bool IsTextBox(const ui::Control& c) {
  switch (c.Kind()) {
    case ui::ControlKind::kEdit:
    case ui::ControlKind::kMemo:
    case ui::ControlKind::kSpinEdit:
    case ui::ControlKind::kComboBox:
    case ui::ControlKind::kDbEdit:
      return true;
    default:
      return false;
  }
}

bool HasKeyFilter(const ui::Control& c) {
  return static_cast<bool>(c.OnKeyDown) || static_cast<bool>(c.OnKeyPress);
}

ui::Form* FindForm(Program& program, const std::string& name) {
  for (ui::Form* form : program.app.Forms()) {
    if (form->Name() == name)
      return form;
  }
  return nullptr;
}

// The control and its parents showing and enabled, so that it can have the focus.
void MakeReachable(ui::Control& control) {
  for (ui::Control* c = &control; c != nullptr && c->Kind() != ui::ControlKind::kForm;
       c = c->Parent()) {
    c->SetVisible(true);
    c->SetEnabled(true);
  }
}

// The tab stop after (or before) `control` in the form's whole order, around the end.
ui::Control* Neighbour(const ui::Form& form, const ui::Control& control, bool forward) {
  const std::vector<ui::Control*> order = form.TabOrderList(false);
  auto it = std::find(order.begin(), order.end(), &control);
  if (it == order.end())
    return nullptr;
  const int n = static_cast<int>(order.size());
  const int i = static_cast<int>(it - order.begin());
  for (int step = 1; step <= n; ++step) {
    ui::Control* c = order[((forward ? i + step : i - step) % n + n) % n];
    if (c->TabStop())
      return c;
  }
  return nullptr;
}

struct Box {
  std::string form;
  std::string control;
};

// Every text box with a key handler of its own, by window.
const std::vector<Box>& FilteredBoxes() {
  static const std::vector<Box> boxes = {
      {"Felirat", "Efilenev"},      {"Felirat", "Ekereses"},   {"Felirat", "Eugras"},
      {"Felirat", "kezdes"},        {"Felirat", "befejezes"},  {"Felirat", "szoveg"},
      {"Felirat", "szoveg2"},       {"Felirat", "beosztas"},   {"Felirat", "cbFps"},
      {"Felirat", "CbPM"},          {"Felirat", "Emodositas"}, {"Felirat", "E4kezdouj"},
      {"Reszletes", "Emodositas2"}, {"Reszletes", "Edit2"},    {"KeresesCsere", "Emit"},
      {"KeresesCsere", "Emire"},    {"Forditas", "EkerE"},     {"Forditas", "EkerF"},
      {"Forditas", "Edit0"},        {"Forditas", "Edit1"},     {"Forditas", "Edit2"},
      {"Forditas", "Edit4"},        {"Forditas", "Edit5"},     {"Forditas", "Edit6"},
      {"Forditas", "Efe"},          {"Forditas", "Eff"},       {"FordElott", "Eef"},
      {"Fileneve", "e1"},           {"Ertek2cd", "Edit2"},     {"Leiras", "Memo1"},
      {"Verzioinfo", "Memo1"},      {"Kereses", "e1"},         {"ReszletesK", "ERkereses"},
  };
  return boxes;
}

// Tab and Shift+Tab from `control` reach its neighbours in tab order; its own key handlers
// never see the key and its text stays.
void TabOutOf(Rig& rig, ui::Form& form, ui::Control& control) {
  MakeReachable(control);
  const std::string text = control.Text();
  std::vector<std::string> seen;
  auto key_down = control.OnKeyDown;
  auto key_press = control.OnKeyPress;
  control.OnKeyDown = [&](ui::Key& key, ui::ShiftState shift) {
    if (key == ui::keys::kTab)
      seen.push_back("down");
    if (key_down)
      key_down(key, shift);
  };
  control.OnKeyPress = [&](char& ch) {
    if (ch == '\t')
      seen.push_back("press");
    if (key_press)
      key_press(ch);
  };
  for (bool forward : {true, false}) {
    const char* what = forward ? "Tab" : "Shift+Tab";
    if (!rig.driver.Focus(control)) {
      ADD_FAILURE() << "cannot focus the box";
      break;
    }
    ui::Control* next = Neighbour(form, control, forward);
    EXPECT_NE(next, nullptr) << what;
    rig.driver.KeyDown(ui::keys::kTab, forward ? ui::ShiftState{} : ui::kShift);
    EXPECT_EQ(form.ActiveControl(), next) << what;
  }
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(control.Text(), text);
  control.OnKeyDown = key_down;
  control.OnKeyPress = key_press;
}

TEST(TabKeys, TheTableNamesEveryBoxWithAKeyFilter) {
  Rig rig;
  std::set<std::string> found;
  for (ui::Form* form : rig.program.app.Forms()) {
    for (ui::Control* c : form->AllControls()) {
      if (IsTextBox(*c) && HasKeyFilter(*c) && c->Focusable())
        found.insert(form->Name() + "." + c->Name());
    }
  }
  for (const Box& box : FilteredBoxes())
    EXPECT_EQ(found.erase(box.form + "." + box.control), 1U) << box.form << "." << box.control;
  for (const std::string& name : found)
    ADD_FAILURE() << "not in the table: " << name;
}

TEST(TabKeys, TabAndShiftTabLeaveEveryFilteredBox) {
  for (const Box& box : FilteredBoxes()) {
    SCOPED_TRACE(box.form + "." + box.control);
    Rig rig;
    rig.program.state.OpenMode = "mas";
    ui::Form* form = FindForm(rig.program, box.form);
    ASSERT_NE(form, nullptr);
    ui::Control* control = form->FindControl(box.control);
    ASSERT_NE(control, nullptr);
    rig.driver.OnModal(box.form, [&] {
      TabOutOf(rig, *form, *control);
      form->Close();
    });
    form->ShowModal();
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

}  // namespace
}  // namespace shell
