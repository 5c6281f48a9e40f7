// The editor's windows and the corrections' dialogs as the program creates them: every
// control in its place with its caption and starting state, the menus with their
// shortcuts, the grid over the row table.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corrections/atfedes.h"
#include "editor/avi_ki.h"
#include "editor/felirat.h"
#include "editor/fps_valtas.h"
#include "editor/kereses_csere.h"
#include "editor/reszletes.h"
#include "editor/reszletes_k.h"
#include "editor/torles_tobb.h"
#include "platform/ui/headless/driver.h"
#include "shell/program.h"
#include "support/expect_controls.h"

namespace {

using ui::ControlKind;

struct Editor {
  explicit Editor(bool film_player = true)
      : program(drv.App(), shell::ProgramOptions{.film_player = film_player, .arguments = {}}) {}
  ui::headless::Driver drv;
  shell::Program program;
  editor::TFelirat& felirat() { return *program.Felirat; }
};

ui::Form* WindowNamed(ui::Application& app, std::string_view name) {
  for (ui::Form* form : app.Forms()) {
    if (form->Name() == name)
      return form;
  }
  return nullptr;
}

ui::MenuItem* FindItem(const std::vector<ui::MenuItem*>& items, std::string_view name) {
  for (ui::MenuItem* item : items) {
    if (item->Name() == name)
      return item;
    if (ui::MenuItem* found = FindItem(item->Items(), name))
      return found;
  }
  return nullptr;
}

// A menu item of the form's main menu or of one of its popup menus.
ui::MenuItem* FindMenuItem(const ui::Form& form, std::string_view name) {
  if (form.Menu() != nullptr) {
    if (ui::MenuItem* found = FindItem(form.Menu()->Items(), name))
      return found;
  }
  for (const ui::PopupMenu* popup : form.PopupMenus()) {
    if (ui::MenuItem* found = FindItem(popup->Items(), name))
      return found;
  }
  return nullptr;
}

struct ControlCase {
  std::string_view window;
  std::string_view name;
  ControlKind kind;
  std::string_view caption;
  std::string_view parent;  // "" for the window itself
  bool enabled;
  bool visible;
};

const ControlCase kControls[] = {
    // The editor: top, settings, activities, left column.
    {"Felirat", "Efilenev", ControlKind::kEdit, "", "", true, true},
    {"Felirat", "Btallozas", ControlKind::kButton, "Tallózás", "", true, true},
    {"Felirat", "Fszazalek", ControlKind::kGauge, "", "", true, false},
    {"Felirat", "GbBeallitas", ControlKind::kGroupBox, "Beállítások", "", true, true},
    {"Felirat", "beosztas", ControlKind::kComboBox, "Frame", "GbBeallitas", false, true},
    {"Felirat", "cbFps", ControlKind::kComboBox, "23,976", "GbBeallitas", true, true},
    {"Felirat", "Batvaltas", ControlKind::kButton, "Átváltás", "GbBeallitas", false, true},
    {"Felirat", "BFPS", ControlKind::kButton, "FPS érték AVI-ból", "GbBeallitas", false, true},
    {"Felirat", "Emodositas", ControlKind::kEdit, "0", "GbTevekenyseg", true, true},
    {"Felirat", "CbPM", ControlKind::kComboBox, "+", "GbTevekenyseg", true, true},
    {"Felirat", "Bmodok", ControlKind::kSpeedButton, "Ok", "GbTevekenyseg", true, true},
    {"Felirat", "Bkeresok", ControlKind::kSpeedButton, "Ok", "GbTevekenyseg", true, true},
    {"Felirat", "CBsortores", ControlKind::kCheckBox, "Sortörés figyelmen kívül hagyása",
     "GbTevekenyseg", true, true},
    {"Felirat", "Valto", ControlKind::kSpinEdit, "70", "", false, true},
    {"Felirat", "Bki", ControlKind::kButton, "Kilépés", "", true, true},
    {"Felirat", "Bvissza", ControlKind::kButton, "Vissza a főmenübe", "", true, true},
    // Grid and the buttons beside it.
    {"Felirat", "racs", ControlKind::kDbGrid, "", "", true, true},
    {"Felirat", "Belso", ControlKind::kButton, "Első sor", "", true, false},
    {"Felirat", "Bovm", ControlKind::kButton, "ÖV-", "", true, true},
    {"Felirat", "movm", ControlKind::kButton, "MÖV-", "", true, false},
    {"Felirat", "mpm", ControlKind::kButton, "-|-", "", false, true},
    {"Felirat", "RB1", ControlKind::kRadioButton, "Sor módosítása és felvitele", "", false, true},
    {"Felirat", "RB12", ControlKind::kRadioButton, "X CD -> X CD", "", true, true},
    // Row panel.
    {"Felirat", "GB1", ControlKind::kGroupBox, "", "", true, true},
    {"Felirat", "Esorszam", ControlKind::kDbEdit, "", "GB1", false, true},
    {"Felirat", "kezdes", ControlKind::kEdit, "", "GB1", false, true},
    {"Felirat", "Lkulonbseg", ControlKind::kLabel, "Különbség:", "GB1", true, true},
    {"Felirat", "szoveg", ControlKind::kMemo, "", "GB1", false, true},
    {"Felirat", "sordarab", ControlKind::kLabel, "0=0 betű", "GB1", true, true},
    {"Felirat", "szoveg2", ControlKind::kMemo, "", "GB1", true, false},
    {"Felirat", "Bertek", ControlKind::kButton, "Értékek beállítása", "GB1", false, true},
    {"Felirat", "BMMN", ControlKind::kButton, "Mentés Más Néven", "GB1", false, true},
    {"Felirat", "Boh", ControlKind::kButton, "öh", "GB1", true, true},
    {"Felirat", "BTobbCheck", ControlKind::kButton, "»", "GB1", false, true},
    {"Felirat", "Cbtobb", ControlKind::kCheckBox, "Színezés             betű felett", "GB1", true,
     true},
    {"Felirat", "SEbetu", ControlKind::kSpinEdit, "37", "GB1", false, true},
    {"Felirat", "Lsor", ControlKind::kLabel, "(0)", "GB1", true, false},
    {"Felirat", "SBNonSub", ControlKind::kSpeedButton, "F+", "GB1", true, false},
    // Split/join panel.
    {"Felirat", "GB12", ControlKind::kGroupBox, "", "", true, false},
    {"Felirat", "RB12cd2", ControlKind::kRadioButton, "2 CD -> 1 CD", "GB12", true, true},
    {"Felirat", "E4kezdo", ControlKind::kEdit, "", "GB12", false, true},
    {"Felirat", "DBEdit1", ControlKind::kDbEdit, "", "GB12", true, false},
    {"Felirat", "Bvegre21", ControlKind::kButton, "Végrehajtás", "GB12", false, true},
    // Film area.
    {"Felirat", "wmp1", ControlKind::kMediaHost, "", "", true, false},
    {"Felirat", "SBkezdbefejez", ControlKind::kSpeedButton, "][", "", true, false},
    {"Felirat", "IdoFrame", ControlKind::kLabel, "00:00:00,000 / 00:00:00,000", "GBAdatok", true,
     true},
    {"Felirat", "stsegit", ControlKind::kLabel, "", "", true, false},
    // The dialogs.
    {"Reszletes", "Emodositas2", ControlKind::kEdit, "0", "", true, true},
    {"Reszletes", "Felfele", ControlKind::kRadioButton, "Felfele (pl.10-0)", "GBirany", true, true},
    {"Reszletes", "Edit2", ControlKind::kEdit, "", "GBmeddig", false, true},
    {"Reszletes", "cbBefejezo", ControlKind::kCheckBox, "Befejező érték", "GBertek", true, true},
    {"Reszletes", "Edit3", ControlKind::kEdit, "", "", true, false},
    {"FpsValtas", "Button1", ControlKind::kButton, "Végrehajt", "", true, true},
    {"ReszletesK", "cbteljes", ControlKind::kCheckBox, "Csak teljes szó", "", true, true},
    {"KeresesCsere", "Bosszes", ControlKind::kButton, "Összes találat cseréje", "", true, true},
    {"KeresesCsere", "merce", ControlKind::kGauge, "", "", true, false},
    {"TorlesTobb", "SPutso", ControlKind::kSpinEdit, "0", "", true, true},
    {"TorlesTobb", "Label3", ControlKind::kLabel, "Utolsó törlendő sor:", "", true, true},
    {"AviKi", "filelistbox2", ControlKind::kFileListBox, "", "", true, true},
    {"AviKi", "Bmegnyitas", ControlKind::kButton, "FPS kinyerése", "", false, true},
    {"AviKi", "BopenFilm", ControlKind::kButton, "Film megnyitása", "", true, false},
    {"Atfedes", "Label1", ControlKind::kLabel, "/átfedés esetén 0,001 mp hozzáadása /", "", true,
     true},
    {"Atfedes", "Stat", ControlKind::kButton, "Statisztika", "", false, true},
    {"Atfedes", "FszazalekAF", ControlKind::kGauge, "", "", true, false},
};

TEST(EditorWindows, ControlsHaveTheirKindCaptionParentAndState) {
  Editor ed;
  for (const ControlCase& c : kControls) {
    const ui::Form* form = WindowNamed(ed.drv.App(), c.window);
    ASSERT_NE(form, nullptr) << c.window;
    test_support::ExpectControl(*form, {c.name, c.kind, c.caption, c.enabled, c.visible, c.parent});
  }
}

TEST(EditorWindows, DialogWindowsHaveTheirCaptionAndCloseBox) {
  struct Case {
    std::string_view window;
    std::string_view caption;
    bool close_box;
  };
  const Case cases[] = {
      {"Felirat", "Felirat megnyitása", true},
      {"Reszletes", "Részletes módosítás", false},
      {"FpsValtas", "Fps átváltása", true},
      {"ReszletesK", "Részletes keresés", false},
      {"KeresesCsere", "Keresés és csere", false},
      {"TorlesTobb", "Több sor törlése", true},
      {"AviKi", "Fps érték kinyerése Avi file-ból", true},
      {"Atfedes", "Felirat átfedésének vizsgálata", false},
  };
  Editor ed;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.window));
    ui::Form* form = WindowNamed(ed.drv.App(), c.window);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Caption(), c.caption);
    EXPECT_EQ(form->HasCloseBox(), c.close_box);
  }
}

TEST(EditorWindows, EditorWindowHasItsLooks) {
  Editor ed;
  const editor::TFelirat& f = ed.felirat();
  EXPECT_EQ(f.GetBorderStyle(), ui::BorderStyle::kSingle);
  EXPECT_EQ(f.GetBorderIcons(),
            (ui::BorderIcons{.system_menu = true, .minimize = true, .maximize = false}));
  EXPECT_EQ(f.GetColor(), ui::Bgr(31, 106, 152));
  EXPECT_FALSE(f.AlphaBlend());
  EXPECT_EQ(f.AlphaBlendValue(), 110);
  EXPECT_EQ(f.Timer1.Interval(), 100);
  EXPECT_TRUE(f.Timer1.Enabled());
  EXPECT_EQ(f.Timer2.Interval(), 100);
  EXPECT_FALSE(f.Timer2.Enabled());
}

struct MenuCase {
  std::string_view name;
  std::string_view caption;
  ui::ShortCut shortcut;
  bool enabled;
  bool checked;
};

constexpr ui::ShortCut Ctrl(ui::Key key) {
  return ui::MakeShortCut(key, ui::kCtrl);
}

const MenuCase kMenuItems[] = {
    {"Kilps2", "Kilépés", ui::MakeShortCut(ui::keys::kEscape), true, false},
    {"Mentes1", "Felirat mentése", Ctrl('S'), false, false},
    {"Feliratmentsemsknt1", "Felirat konvertálása",
     ui::MakeShortCut('S', ui::ShiftState::kCtrl | ui::ShiftState::kShift), true, false},
    {"MentM1", "Felirat mentése más néven",
     ui::MakeShortCut('M', ui::ShiftState::kCtrl | ui::ShiftState::kShift), false, false},
    {"Mkercsere", "Keresés és csere", Ctrl('Y'), false, false},
    {"Felbonts3", "1280x1024", ui::MakeShortCut(ui::keys::kF6), true, false},
    {"N05mpessorkibvtse1", "0,5mp-es sor kibővítése", Ctrl('0'), true, false},
    {"N6", "1. sor utolsó szava", Ctrl(ui::keys::kOem102), true, false},
    {"Utolsktsz1", "2. sor első szava", Ctrl('X'), true, false},
    {"Filminfo", "Információ", 0, false, false},
    {"Sznet1", "Szünet", 0, true, false},
    {"N2", "--------------------------", 0, false, false},
    // Popup menus.
    {"Tobbsortorlese", "Több sor törlése", 0, false, false},
    {"Beillesztes", "Beillesztés", 0, false, false},
    {"doltSz2", "Dőlt", 0, true, false},
    {"N10sorbeszrsaazaktulissormg1", "20 sor beszúrása az aktuális sor mögé", 0, true, false},
    {"FeliratTeljesM", "Felirat teljes formázása - mentéssel", 0, true, false},
    {"MentAt", "Mentéskor átfedés ellenőrzése", 0, true, true},
    {"UresNe", "Üres sort ne mentsen ki", 0, true, false},
    {"BeBeEr", "Beállítás Befejező Értékként", 0, false, false},
};

TEST(EditorWindows, MenuItemsHaveTheirCaptionShortcutAndState) {
  Editor ed;
  for (const MenuCase& c : kMenuItems) {
    SCOPED_TRACE(std::string(c.name));
    ui::MenuItem* item = FindMenuItem(ed.felirat(), c.name);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Caption(), c.caption);
    EXPECT_EQ(item->ShortCut(), c.shortcut);
    EXPECT_EQ(item->Enabled(), c.enabled);
    EXPECT_EQ(item->Checked(), c.checked);
  }
}

TEST(EditorWindows, ShortcutsAreUniqueWithinTheEditor) {
  Editor ed;
  std::vector<ui::ShortCut> seen;
  std::vector<const ui::Menu*> menus = {ed.felirat().Menu()};
  for (const ui::PopupMenu* popup : ed.felirat().PopupMenus())
    menus.push_back(popup);
  std::vector<const ui::MenuItem*> pending;
  for (const ui::Menu* menu : menus) {
    for (const ui::MenuItem* item : menu->Items())
      pending.push_back(item);
  }
  while (!pending.empty()) {
    const ui::MenuItem* item = pending.back();
    pending.pop_back();
    for (const ui::MenuItem* sub : item->Items())
      pending.push_back(sub);
    if (item->ShortCut() == 0)
      continue;
    for (ui::ShortCut other : seen)
      EXPECT_NE(other, item->ShortCut()) << item->Name();
    seen.push_back(item->ShortCut());
  }
  EXPECT_EQ(seen.size(), 23u);
}

// Everything the start window's "Megnyitás" resets must be there to reset.
TEST(EditorWindows, EveryNameTheOpenResetTouchesExists) {
  const std::string_view names[] = {
      "beosztas",     "BFPS",        "Batvaltas",   "Emodositas",
      "Bbeszuras",    "Belemoge",    "BTorlesTobb", "BMKeres",
      "BMReszker",    "Mkercsere",   "Bmodok",      "Ekereses",
      "Bkeresok",     "Breszletes",  "BKreszletes", "RB1",
      "cburessor",    "Bvonal",      "Blista",      "Bov",
      "Bovm",         "BTobbGomb",   "BOsszes",     "L05",
      "Boh",          "Bmentes",     "Mentes1",     "kezdes",
      "befejezes",    "Bertek",      "Btorles",     "kulonbseg",
      "Belso",        "Butolso",     "dolt",        "dolt2",
      "Vastagitott",  "Alahuzott",   "osszesel",    "soreleRacs",
      "sor5mogeRacs", "sormogeRacs", "SorTorlese",  "Tobbsortorlese",
      "Kivagas",      "Masolas",     "Beillesztes",
  };
  Editor ed;
  for (std::string_view name : names) {
    EXPECT_TRUE(ed.felirat().FindControl(name) != nullptr ||
                FindMenuItem(ed.felirat(), name) != nullptr)
        << name;
  }
}

TEST(EditorWindows, ListsStartWithTheirItems) {
  struct Case {
    std::string_view window;
    std::string_view name;
    std::vector<std::string> items;
    int index;
  };
  const std::vector<std::string> rates = {"15", "20", "23,976", "24", "25", "29,976", "30"};
  const Case cases[] = {
      {"Felirat", "cbFps", rates, 2},     {"Felirat", "beosztas", {"Frame", "Time"}, 0},
      {"Felirat", "CbPM", {"+", "-"}, 0}, {"Reszletes", "CbPMR", {"+", "-"}, 0},
      {"FpsValtas", "cb1", rates, -1},    {"FpsValtas", "cb2", {}, -1},
  };
  Editor ed;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.window) + "." + std::string(c.name));
    auto* combo =
        dynamic_cast<ui::ComboBox*>(WindowNamed(ed.drv.App(), c.window)->FindControl(c.name));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->Items(), c.items);
    EXPECT_EQ(combo->ItemIndex(), c.index);
  }
}

TEST(EditorWindows, SpinEditsAndLengthLimits) {
  Editor ed;
  editor::TFelirat& f = ed.felirat();
  EXPECT_EQ(f.SEbetu.MinValue(), 10);
  EXPECT_EQ(f.SEbetu.MaxValue(), 99);
  EXPECT_EQ(f.SEbetu.Value(), 37);
  EXPECT_EQ(f.Valto.MinValue(), 70);
  EXPECT_EQ(f.Valto.MaxValue(), 255);
  EXPECT_EQ(f.Eugras.MaxLength(), 8);
  EXPECT_EQ(f.kulonbseg.MaxLength(), 13);
  EXPECT_FALSE(f.kulonbseg.TabStop());
  EXPECT_TRUE(f.Efilenev.ReadOnly());
  EXPECT_EQ(ed.program.TorlesTobb->SPelso.MaxLength(), 5);
  EXPECT_EQ(ed.program.Reszletes->Edit2.MaxLength(), 5);
}

TEST(EditorWindows, GridShowsTheRowTableThroughTheDataSource) {
  Editor ed;
  editor::TFelirat& f = ed.felirat();
  EXPECT_FALSE(f.cds.Active());
  EXPECT_EQ(f.cds.FieldCount(), 7);
  EXPECT_EQ(f.ds.DataSet(), &f.cds);
  EXPECT_EQ(f.racs.GetDataSource(), &f.ds);
  EXPECT_EQ(f.racs.GetPopupMenu(), &f.RacsPM);
  EXPECT_EQ(f.Esorszam.DataField(), "Sorszam");
  EXPECT_EQ(f.DBEdit1.DataField(), "Kezdes");

  struct Column {
    std::string field;
    std::string title;
    int width;
    bool visible;
  };
  const Column expected[] = {{"Sorszam", "Sorszám", 44, true},
                             {"Kezdes", "Kezdés", 80, true},
                             {"Befejezes", "Befejezés", 80, true},
                             {"Szoveg", "Szöveg", 510, true},
                             {"Szoveg2", "Szöveg2", 254, false}};
  ASSERT_EQ(f.racs.Columns().size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(expected[i].field);
    const ui::GridColumn& col = f.racs.Column(static_cast<int>(i));
    EXPECT_EQ(col.field, expected[i].field);
    EXPECT_EQ(col.title, expected[i].title);
    EXPECT_EQ(col.width, expected[i].width);
    EXPECT_EQ(col.visible, expected[i].visible);
  }
  EXPECT_EQ(f.racs.Column(0).alignment, ui::Alignment::kCenter);
}

TEST(EditorWindows, FilmControlsFollowTheBuild) {
  for (bool film : {true, false}) {
    SCOPED_TRACE(film ? "vemko" : "vemkovn");
    Editor ed(film);
    editor::TFelirat& f = ed.felirat();
    EXPECT_EQ(f.MenuFilm.Visible(), film);
    EXPECT_EQ(f.Bfilm.Visible(), film);
    // The film area starts hidden in both builds.
    EXPECT_FALSE(f.wmp1.Visible());
    EXPECT_FALSE(f.GBAdatok.Visible());
    EXPECT_FALSE(f.SBSub.Visible());
    EXPECT_FALSE(f.Timer2.Enabled());
  }
}

}  // namespace
