// What the translation window and its pair dialog are made of, as the program creates them.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "editor/rules/window_rules.h"
#include "platform/ui/headless/driver.h"
#include "shell/program.h"
#include "support/expect_controls.h"
#include "translation/ford_elott.h"
#include "translation/forditas.h"
#include "translation/forditas_layouts.h"

namespace {

using ui::ControlKind;

using test_support::ExpectControls;

const ui::MenuItem* FindItem(const std::vector<ui::MenuItem*>& items, std::string_view name) {
  for (const ui::MenuItem* item : items) {
    if (item->Name() == name)
      return item;
    if (const ui::MenuItem* found = FindItem(item->Items(), name))
      return found;
  }
  return nullptr;
}

struct Windows {
  ui::headless::Driver drv;
  shell::Program program{drv.App(), shell::ProgramOptions{}};
};

TEST(ForditasWindow, HasTheWindowOptionsOfTheTranslationWorkspace) {
  Windows w;
  const translation::TForditas& form = *w.program.Forditas;
  EXPECT_EQ(form.Caption(), "Forditás");
  EXPECT_EQ(form.GetBorderStyle(), ui::BorderStyle::kSingle);
  EXPECT_EQ(form.GetBorderIcons(),
            (ui::BorderIcons{.system_menu = true, .minimize = false, .maximize = false}));
  EXPECT_EQ(form.Position(), ui::FormPosition::kScreenCenter);
  EXPECT_EQ(form.GetColor(), ui::Bgr(31, 106, 152));
  EXPECT_FALSE(form.AlphaBlend());
  EXPECT_EQ(form.AlphaBlendValue(), 210);
  EXPECT_FALSE(form.Visible());
  ASSERT_EQ(form.Timers().size(), 1u);
  EXPECT_EQ(form.Timers()[0]->Name(), "Timer1");
  EXPECT_EQ(form.Timers()[0]->Interval(), 1000);
  EXPECT_TRUE(form.Timers()[0]->Enabled());
}

TEST(ForditasWindow, StartsWithSaveRowAndSearchControlsOffAndLineEditorsHidden) {
  Windows w;
  ExpectControls(*w.program.Forditas,
                 {
                     {"Efe", ControlKind::kEdit, "", true, true},
                     {"cb1", ControlKind::kCheckBox, "Egyidejűség", true, true},
                     {"BitBtn2", ControlKind::kBitBtn, "", true, true},
                     {"Esave", ControlKind::kBitBtn, "", false, true},
                     {"Button8", ControlKind::kButton, "|", true, false},
                     {"Esorbe", ControlKind::kBitBtn, "", false, true},
                     {"EsorDel", ControlKind::kBitBtn, "", false, true},
                     {"BEell", ControlKind::kButton, "E", false, true},
                     {"EkerE", ControlKind::kEdit, "", false, true},
                     {"BkerE", ControlKind::kBitBtn, "", false, true},
                     {"EEszazalek", ControlKind::kGauge, "", true, false},
                     {"EEfm", ControlKind::kEdit, "", true, false},
                     {"Button1", ControlKind::kButton, "Első sor", true, false},
                     {"Racsef", ControlKind::kDbGrid, "", true, true},
                     {"Edit0", ControlKind::kEdit, "", true, false},
                     {"Edit2", ControlKind::kEdit, "", true, false},
                     {"Eff", ControlKind::kEdit, "", true, true},
                     {"atlatszo2", ControlKind::kCheckBox, "Átlátszódás", true, true},
                     {"Fsave", ControlKind::kBitBtn, "", false, true},
                     {"Button9", ControlKind::kButton, "|", true, false},
                     {"Fsorbe", ControlKind::kBitBtn, "", false, true},
                     {"FsorDel", ControlKind::kBitBtn, "", false, true},
                     {"EkerF", ControlKind::kEdit, "", false, true},
                     {"BkerF", ControlKind::kBitBtn, "", false, true},
                     {"EFfm", ControlKind::kEdit, "", true, false},
                     {"Button5", ControlKind::kButton, "Utolsó sor", true, false},
                     {"Racsff", ControlKind::kDbGrid, "", true, true},
                     {"Edit4", ControlKind::kEdit, "", true, false},
                     {"Edit5", ControlKind::kEdit, "", true, false},
                     {"Edit6", ControlKind::kEdit, "", true, false},
                     {"EFszazalek", ControlKind::kGauge, "", true, false},
                     {"Bfvissza", ControlKind::kButton, "<<< Vissza", true, true},
                     {"BfKilepes", ControlKind::kButton, "Kilépés", true, true},
                     {"ido1", ControlKind::kLabel, "ido", true, true},
                 });
}

TEST(ForditasWindow, ControlsHaveTheirDetails) {
  Windows w;
  const translation::TForditas& f = *w.program.Forditas;
  EXPECT_TRUE(f.cb1.Checked());
  EXPECT_FALSE(f.atlatszo2.Checked());
  EXPECT_EQ(f.cb1.GetFont().color, ui::Bgr(0, 255, 0));
  EXPECT_EQ(f.Esave.Hint(), "Mentés");
  EXPECT_EQ(f.BEell.Hint(), "Felirat ellenőrzése");
  EXPECT_EQ(f.Edit0.MaxLength(), 12);
  EXPECT_EQ(f.Edit1.MaxLength(), 12);
  EXPECT_EQ(f.Edit4.MaxLength(), 0);
  EXPECT_FALSE(f.Efe.TabStop());
  EXPECT_FALSE(f.Eff.TabStop());
}

// The window's size (where it stands on the screen is the screen's business) and the bounds of
// every control.
std::vector<ui::Rect> BoundsOfEveryControl(const translation::TForditas& f) {
  std::vector<ui::Rect> bounds = {{0, 0, f.Width(), f.Height()}};
  for (const ui::Control* control : f.AllControls())
    bounds.push_back(control->Bounds());
  return bounds;
}

// The window stands as its table says: its size fixed, and every control at its place (an
// auto-sized label keeps the size its text gives it).
void ExpectLayout(const translation::TForditas& f, const translation::WindowLayout& layout) {
  EXPECT_EQ(f.Width(), layout.width);
  EXPECT_EQ(f.Height(), layout.height);
  EXPECT_EQ(f.Constraints().min_width, layout.width);
  EXPECT_EQ(f.Constraints().max_width, layout.width);
  EXPECT_EQ(f.Constraints().min_height, layout.height);
  EXPECT_EQ(f.Constraints().max_height, layout.height);
  for (const translation::ControlPlace& place : layout.places) {
    SCOPED_TRACE(std::string(place.control));
    const ui::Control* control = f.FindControl(place.control);
    ASSERT_NE(control, nullptr);
    const auto* label = dynamic_cast<const ui::Label*>(control);
    if (label != nullptr && label->AutoSize()) {
      EXPECT_EQ(control->Left(), place.bounds.left);
      EXPECT_EQ(control->Top(), place.bounds.top);
      EXPECT_GT(control->Width(), 0);
    } else {
      EXPECT_EQ(control->Bounds(), place.bounds);
    }
  }
}

// Each table places every control of the window, so that a switch leaves none where the other
// layout put it.
TEST(ForditasWindow, EachLayoutTablePlacesEveryControlOfTheWindow) {
  Windows w;
  const translation::TForditas& f = *w.program.Forditas;
  for (const translation::WindowLayout* layout :
       {&translation::TranslationLayout1024(), &translation::TranslationLayout800()}) {
    std::vector<std::string_view> placed;
    for (const translation::ControlPlace& place : layout->places)
      placed.push_back(place.control);
    for (const ui::Control* control : f.AllControls()) {
      EXPECT_EQ(std::count(placed.begin(), placed.end(), control->Name()), 1)
          << control->Name() << " in the " << layout->width << " wide layout";
    }
    EXPECT_EQ(placed.size(), f.AllControls().size());
  }
}

// The window starts in the 1024x768 layout; each switch places it by its table, and a switch
// back gives the window exactly as it started. A window created in the 800x600 layout looks as
// one switched to it.
TEST(ForditasWindow, EverySwitchPlacesTheWindowAsItsLayoutTableSays) {
  Windows w;
  translation::TForditas& f = *w.program.Forditas;
  {
    SCOPED_TRACE("created");
    ExpectLayout(f, translation::TranslationLayout1024());
  }
  const std::vector<ui::Rect> created = BoundsOfEveryControl(f);
  f.LayoutTranslation800(translation::TForditas::LayoutShow::kIgen);
  {
    SCOPED_TRACE("800x600");
    ExpectLayout(f, translation::TranslationLayout800());
    EXPECT_TRUE(f.Visible());
  }
  const std::vector<ui::Rect> switched_to_800 = BoundsOfEveryControl(f);
  f.LayoutTranslation1024(translation::TForditas::LayoutShow::kIgen);
  {
    SCOPED_TRACE("back to 1024x768");
    ExpectLayout(f, translation::TranslationLayout1024());
    EXPECT_EQ(BoundsOfEveryControl(f), created);
  }

  Windows small;
  small.program.state.ScreenLayout = shell::kLayout800;
  translation::TForditas& created_small = *small.program.Forditas;
  created_small.FormCreate();
  SCOPED_TRACE("created in 800x600");
  EXPECT_FALSE(created_small.Visible());
  EXPECT_EQ(BoundsOfEveryControl(created_small), switched_to_800);
}

int Overlap(int a, int a_size, int b, int b_size) {
  return std::min(a + a_size, b + b_size) - std::max(a, b);
}

// In each layout, with every control the window shows in use (both sides loaded, a gauge
// running, the clock), each shown control lies inside the client area, which is no larger
// than the window less a thin frame and a title bar, and no two of them cover each other.
TEST(ForditasWindow, EveryShownControlOfEachLayoutLiesInsideTheClientAreaAndNoneCoversAnother) {
  using Layout = void (translation::TForditas::*)(translation::TForditas::LayoutShow);
  struct Case {
    std::string_view name;
    Layout layout;
    const translation::WindowLayout& table;
  };
  const Case cases[] = {
      {"1024x768", &translation::TForditas::LayoutTranslation1024,
       translation::TranslationLayout1024()},
      {"800x600", &translation::TForditas::LayoutTranslation800,
       translation::TranslationLayout800()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name));
    Windows w;
    translation::TForditas& f = *w.program.Forditas;
    for (ui::Control* shown : std::initializer_list<ui::Control*>{
             &f.Button1, &f.Button2, &f.Button4, &f.Button5, &f.Button8, &f.Button9, &f.Edit0,
             &f.Edit1, &f.Edit2, &f.Edit4, &f.Edit5, &f.Edit6, &f.EEszazalek, &f.EFszazalek})
      shown->Show();
    std::tm late{};
    late.tm_year = 2026 - 1900;
    late.tm_mon = 11;
    late.tm_mday = 28;
    late.tm_hour = 23;
    late.tm_min = 58;
    late.tm_sec = 58;
    f.ido1.SetCaption(editor::ClockText(late));
    (f.*c.layout)(translation::TForditas::LayoutShow::kNem);
    ASSERT_EQ(f.Width(), c.table.width);
    ASSERT_EQ(f.Height(), c.table.height);
    const int client_width = f.ClientWidth();
    const int client_height = f.ClientHeight();
    EXPECT_LE(client_width, f.Width() - 1 - 1);
    EXPECT_LE(client_height, f.Height() - 20 - 1);

    std::vector<const ui::Control*> shown;
    for (const ui::Control* control : f.Children()) {
      if (control->Visible())
        shown.push_back(control);
    }
    for (const ui::Control* control : shown) {
      EXPECT_GE(control->Left(), 0) << control->Name();
      EXPECT_GE(control->Top(), 0) << control->Name();
      EXPECT_LE(control->Left() + control->Width(), client_width) << control->Name();
      EXPECT_LE(control->Top() + control->Height(), client_height) << control->Name();
    }
    for (size_t i = 0; i < shown.size(); ++i) {
      for (size_t j = i + 1; j < shown.size(); ++j) {
        const ui::Control& a = *shown[i];
        const ui::Control& b = *shown[j];
        const int dx = Overlap(a.Left(), a.Width(), b.Left(), b.Width());
        const int dy = Overlap(a.Top(), a.Height(), b.Top(), b.Height());
        if (dx > 0 && dy > 0)
          ADD_FAILURE() << a.Name() << " and " << b.Name() << " overlap by " << dx << " x " << dy;
      }
    }
  }
}

TEST(ForditasWindow, GridsShowTheirOwnTranslationTables) {
  Windows w;
  const translation::TForditas& f = *w.program.Forditas;
  struct Side {
    const ui::DbGrid& grid;
    const dataset::RowTable& table;
    const ui::PopupMenu& popup;
  };
  for (const Side& side : {Side{f.Racsef, f.cdsE, f.Pef}, Side{f.Racsff, f.cdsF, f.Pff}}) {
    SCOPED_TRACE(side.grid.Name());
    EXPECT_EQ(side.grid.Table(), &side.table);
    EXPECT_EQ(side.grid.GetPopupMenu(), &side.popup);
    ASSERT_EQ(side.grid.Columns().size(), 3u);
    const std::vector<std::pair<std::string, std::string>> columns = {
        {"Kezdes", "Kezdés"}, {"Befejezes", "Befejezés"}, {"Szoveg", "Szöveg"}};
    for (size_t i = 0; i < columns.size(); ++i) {
      EXPECT_EQ(side.grid.Columns()[i].field, columns[i].first);
      EXPECT_EQ(side.grid.Columns()[i].title, columns[i].second);
    }
    ASSERT_EQ(side.table.FieldCount(), 3);
    EXPECT_EQ(side.table.Field(2).name, "Szoveg");
    EXPECT_EQ(side.table.Field(2).width, 220);
    EXPECT_FALSE(side.table.Active());  // created when the window is entered
  }
}

TEST(ForditasWindow, MenuItemsStartWithTheirCaptionsAndStates) {
  Windows w;
  const translation::TForditas& f = *w.program.Forditas;
  std::vector<ui::MenuItem*> roots = f.MainMenu1.Items();
  for (const ui::PopupMenu* popup : {&f.Pef, &f.Pff, &f.PopupMenu1, &f.PopupMenu2}) {
    roots.insert(roots.end(), popup->Items().begin(), popup->Items().end());
  }
  struct ExpectedItem {
    std::string_view name;
    std::string_view caption;
    bool enabled;
  };
  const std::vector<ExpectedItem> table = {
      {"jprojectmegnyits1", "Új project megnyitás", true},
      {"Pem", "Eredeti felirat mentése", false},
      {"Pfm", "Fordított felirat mentése", false},
      {"Pmm", "Mindkettő mentése", false},
      {"Kef", "Eredeti feliratban", false},
      {"kff", "Fordított feliratban", false},
      {"felbonts11", "800x600", true},
      {"felbonts22", "1024x768", true},
      {"DoltE", "Dőlt", false},
      {"MindenE", "Minden formázás eltávolítása", false},
      {"N1", std::string_view("-----------------------------------------------", 47), false},
      {"MogeE", "Egy sor beszúrása az aktuális sor mögé", false},
      {"BeillesztesE", "Beillesztés", false},
      {"EleF", "Egy sor beszúrása az aktuális sor elé", false},
      {"MasolasF", "Másolás", false},
      {"Sortrlse1", "Sor törlése", true},
      {"Epmu", "Sor beillesztése az aktuális sor után", true},
      {"Fpme", "Sor beillesztése az aktuális sor elé", true},
  };
  for (const ExpectedItem& want : table) {
    SCOPED_TRACE(std::string(want.name));
    const ui::MenuItem* item = FindItem(roots, want.name);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Caption(), want.caption);
    EXPECT_EQ(item->Enabled(), want.enabled);
  }
  ASSERT_EQ(f.Pff.Items().size(), f.Pef.Items().size() + 2);
  EXPECT_EQ(f.Pff.Items().back(), &f.Sortrlse1);
  EXPECT_EQ(f.Menu(), &f.MainMenu1);
}

TEST(FordElottWindow, OffersTheSourceAndATranslationFileByDefault) {
  Windows w;
  const translation::TFordElott& d = *w.program.FordElott;
  EXPECT_EQ(d.Caption(), "Feliratok bekérése");
  EXPECT_EQ(d.Width(), 364);
  EXPECT_EQ(d.Height(), 200);
  EXPECT_FALSE(d.HasCloseBox());
  EXPECT_EQ(d.Position(), ui::FormPosition::kScreenCenter);
  EXPECT_EQ(d.GetColor(), ui::Bgr(31, 106, 152));
  ExpectControls(d, {
                        {"Label1", ControlKind::kLabel, "Eredeti felirat:", true, true},
                        {"Eef", ControlKind::kEdit, "", true, true},
                        {"K1", ControlKind::kBitBtn, "", true, true},
                        {"Ferb1", ControlKind::kRadioButton, "Fordított felirat:", true, true},
                        {"Ferb2", ControlKind::kRadioButton, "Üres felirat", true, true},
                        {"Eff", ControlKind::kEdit, "", true, true},
                        {"K2", ControlKind::kBitBtn, "", true, true},
                        {"BFetovabb", ControlKind::kButton, "Betöltés", false, true},
                        {"Button1", ControlKind::kButton, "<<< Vissza", true, true},
                    });
  EXPECT_TRUE(d.Ferb1.Checked());
  EXPECT_FALSE(d.Ferb2.Checked());
  EXPECT_EQ(d.Eef.GetColor(), ui::colors::kWhite);
  EXPECT_FALSE(d.Eef.TabStop());
  EXPECT_EQ(d.Ferb2.GetFont().color, ui::Bgr(0, 255, 0));
}

}  // namespace
