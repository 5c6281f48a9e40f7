// The editor window's three layouts, with and without the film area, and the menu
// "Felbontás" that switches between them.
#include "editor/layouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/felirat.h"
#include "platform/ui/headless/driver.h"
#include "shell/kiszoveg.h"
#include "shell/program.h"

namespace {

using editor::Layout;
using editor::LayoutShow;

constexpr Layout kLayouts[] = {Layout::k1280, Layout::k1024, Layout::k800};

using Controls = std::initializer_list<ui::Control*>;

std::string NameOf(Layout layout) {
  return std::string(editor::LayoutWord(layout));
}

struct Editor {
  explicit Editor(int screen_width = 1600, int screen_height = 1200, bool film_player = true)
      : drv(screen_width, screen_height),
        program(drv.App(), Options(drv, film_player)),
        f(*program.Felirat) {}

  static shell::ProgramOptions Options(ui::headless::Driver& drv, bool film_player) {
    drv.SetFailureHandler([](const std::string& failure) { ADD_FAILURE() << failure; });
    return {.film_player = film_player, .arguments = {}};
  }

  // The user answers the next message window with `button` of the message window.
  void Answer(ui::BitBtn shell::TKiszoveg::*button) {
    drv.OnModal("Kiszoveg", [this, button] { drv.Click((*program.Kiszoveg).*button); });
  }

  void FillRows(int count) {
    program.state.InternalUpdate = true;
    f.cds.CreateDataSet();
    for (int i = 0; i < count; ++i) {
      f.cds.Append();
      f.cds.FieldByName("Szoveg").SetAsString("sor");
      f.cds.Post();
    }
    f.cds.First();
  }

  ui::headless::Driver drv;
  shell::Program program;
  editor::TFelirat& f;
};

// Everything the switch may change, one line per control, for comparing before and after.
std::vector<std::string> Snapshot(const Editor& ed) {
  const editor::TFelirat& f = ed.f;
  std::vector<std::string> lines;
  auto rect = [](const ui::Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) +
           "," + std::to_string(r.height);
  };
  lines.push_back("window " + rect(f.Bounds()) + " state " +
                  std::to_string(static_cast<int>(f.GetWindowState())) + " visible " +
                  std::to_string(f.Visible()));
  lines.push_back("ScreenLayout " + ed.program.state.ScreenLayout);
  lines.push_back("menus " + std::to_string(f.Felbonts1.Enabled()) +
                  std::to_string(f.Felbonts2.Enabled()) + std::to_string(f.Felbonts3.Enabled()));
  lines.push_back("Timer2 " + std::to_string(f.Timer2.Enabled()));
  for (const ui::Control* c : f.AllControls()) {
    lines.push_back(c->Name() + " " + rect(c->Bounds()) + " font " +
                    std::to_string(c->GetFont().size) + " visible " + std::to_string(c->Visible()) +
                    " enabled " + std::to_string(c->Enabled()));
  }
  return lines;
}

// ---- The tables ---------------------------------------------------------------------------

TEST(Layouts, LayoutWordsAndTheirLayouts) {
  const std::pair<std::string_view, Layout> cases[] = {
      {"1280x1024", Layout::k1280}, {"1024x768", Layout::k1024}, {"800x600", Layout::k800},
      {"", Layout::k800},           {"kicsi", Layout::k800},     {"1280X1024", Layout::k800},
  };
  for (const auto& [word, layout] : cases) {
    SCOPED_TRACE(std::string(word));
    EXPECT_EQ(editor::LayoutOf(word), layout);
  }
  for (Layout layout : kLayouts)
    EXPECT_EQ(editor::LayoutOf(editor::LayoutWord(layout)), layout);
}

TEST(Layouts, FontSizesInPointsBecomePixels) {
  EXPECT_EQ(editor::PointsToPixels(8), 11);
  EXPECT_EQ(editor::PointsToPixels(10), 13);
  EXPECT_EQ(editor::PointsToPixels(12), 16);
}

TEST(Layouts, EveryRowNamesAControlOfTheEditor) {
  Editor ed;
  for (Layout layout : kLayouts) {
    SCOPED_TRACE(NameOf(layout));
    std::vector<editor::Placement> rows = editor::LayoutPlacements(layout);
    for (bool shown : {true, false}) {
      for (const editor::Placement& row : editor::FilmAreaPlacements(layout, shown))
        rows.push_back(row);
    }
    for (const editor::Placement& row : editor::OverlayPlacements(layout))
      rows.push_back(row);
    for (const editor::Placement& row : rows)
      EXPECT_NE(ed.f.FindControl(row.control), nullptr) << row.control;
  }
}

TEST(Layouts, ApplyingARowSetsOnlyWhatItNames) {
  ui::headless::Driver drv;
  struct Window : ui::Form {
    explicit Window(ui::Application& app) : Form(app, "Window") { Created(); }
    ui::Button b{*this, "b", {1, 2, 3, 4}};
    ui::Label l{*this, "l", {5, 6, 0, 0}};
  } window(drv.App());
  window.l.SetCaption("abc");

  const editor::Placement rows[] = {
      {.control = "b", .top = 20, .visible = false},
      {.control = "l", .left = 50, .font_points = 12},
      {.control = "nincs", .left = 1},
  };
  EXPECT_EQ(editor::ApplyPlacements(window, rows), std::vector<std::string>{"nincs"});
  EXPECT_EQ(window.b.Bounds(), (ui::Rect{1, 20, 3, 4}));
  EXPECT_FALSE(window.b.Visible());
  EXPECT_EQ(window.l.Left(), 50);
  EXPECT_EQ(window.l.Top(), 6);
  EXPECT_EQ(window.l.GetFont().size, 16);
  EXPECT_EQ(window.l.Width(), 3 * 8);  // the label fits its text in the larger font
  EXPECT_TRUE(window.l.Visible());
}

// ---- The telling rows -----------------------------------------------------------------------

constexpr int kAny = -1;
constexpr std::optional<bool> kBoth;

struct Row {
  Layout layout;
  std::optional<bool> film;  // kBoth: with and without the film area
  std::string_view control;
  int left;
  int top;
  int width = kAny;
  int height = kAny;
};

const Row kTellingRows[] = {
    {Layout::k1280, kBoth, "GbBeallitas", 8, 48, 193, 153},
    {Layout::k1024, kBoth, "GbBeallitas", 8, 48, 193, 153},
    {Layout::k800, kBoth, "GbBeallitas", 0, 48, 193, 113},
    {Layout::k1280, kBoth, "GbTevekenyseg", 8, 200, 193, 193},
    {Layout::k1024, kBoth, "GbTevekenyseg", 8, 200, 193, 193},
    {Layout::k800, kBoth, "GbTevekenyseg", 0, 160, 193, 161},

    {Layout::k1280, false, "racs", 224, 33, 745, 696},
    {Layout::k1280, true, "racs", 224, 504, 745, 225},
    {Layout::k1024, false, "racs", 224, 33, 745, 485},
    {Layout::k1024, true, "racs", 224, 290, 745, 228},
    {Layout::k800, false, "racs", 192, 48, 600, 273},
    {Layout::k800, true, "racs", 456, 48, 336, 273},

    {Layout::k1280, kBoth, "RB1", 224, 731},
    {Layout::k1280, kBoth, "RB12", 784, 731},
    {Layout::k1024, kBoth, "RB1", 224, 520},
    {Layout::k1024, kBoth, "RB12", 784, 520},
    {Layout::k800, kBoth, "RB1", 56, 350},
    {Layout::k800, kBoth, "RB12", 672, 350},
    {Layout::k1280, kBoth, "GB1", 224, 748},
    {Layout::k1280, kBoth, "GB12", 224, 748},
    {Layout::k1024, kBoth, "GB1", 224, 536},
    {Layout::k1024, kBoth, "GB12", 224, 536},
    {Layout::k800, kBoth, "GB1", 56, 367},
    {Layout::k800, kBoth, "GB12", 56, 367},

    {Layout::k1280, kBoth, "Bki", 72, 640},
    {Layout::k1024, kBoth, "Bki", 72, 640},
    {Layout::k800, kBoth, "Bki", 366, 322},
    {Layout::k1280, kBoth, "Bvissza", 56, 560},
    {Layout::k1024, kBoth, "Bvissza", 56, 560},
    {Layout::k800, kBoth, "Bvissza", 439, 322},

    {Layout::k1280, kBoth, "SBvissza1mp", kAny, 480},
    {Layout::k1280, kBoth, "SBkezdbefejez", kAny, 480},
    {Layout::k1024, kBoth, "SBvissza1mp", kAny, 264},
    {Layout::k1024, kBoth, "SBkezdbefejez", kAny, 264},

    {Layout::k1280, true, "wmp1", 224, 36, 745, 446},
    {Layout::k1024, true, "wmp1", 224, 36, 745, 227},
    {Layout::k800, true, "wmp1", 194, 36, 263, 286},

    {Layout::k1280, true, "Bvegelso", kAny, 640},
    {Layout::k1280, true, "Bov", kAny, 696},
    {Layout::k1280, true, "Bovm", kAny, 712},
    {Layout::k1280, true, "mpm", kAny, 504},
    {Layout::k1280, true, "Belso", kAny, 486},
    {Layout::k1280, false, "Bvegelso", kAny, 376},
    {Layout::k1280, false, "Bov", kAny, 448},
    {Layout::k1280, false, "Bovm", kAny, 464},
    {Layout::k1280, false, "mpm", kAny, 314},
    {Layout::k1280, false, "Belso", kAny, 15},
    {Layout::k1024, true, "Bvegelso", kAny, 380},
    {Layout::k1024, true, "Bov", kAny, 412},
    {Layout::k1024, true, "Bovm", kAny, 428},
    {Layout::k1024, true, "mpm", kAny, 494},
    {Layout::k1024, true, "Belso", kAny, 272},
    {Layout::k1024, false, "Bvegelso", kAny, 260},
    {Layout::k1024, false, "Bov", kAny, 412},
    {Layout::k1024, false, "Bovm", kAny, 428},
    {Layout::k1024, false, "mpm", kAny, 480},
    {Layout::k1024, false, "Belso", kAny, 15},

    {Layout::k1280, kBoth, "st1", kAny, 352},
    {Layout::k1280, kBoth, "st2", kAny, 373},
    {Layout::k1280, kBoth, "st3", kAny, 395},
    {Layout::k1024, kBoth, "st1", kAny, 176},
    {Layout::k1024, kBoth, "st2", kAny, 189},
    {Layout::k1024, kBoth, "st3", kAny, 203},
    {Layout::k800, kBoth, "st1", kAny, 200},
    {Layout::k800, kBoth, "st2", kAny, 213},
    {Layout::k800, kBoth, "st3", kAny, 227},
};

TEST(Layouts, TellingRowsOfEveryLayoutWithAndWithoutTheFilmArea) {
  for (Layout layout : kLayouts) {
    for (bool film : {false, true}) {
      SCOPED_TRACE(NameOf(layout) + (film ? " with the film" : " without the film"));
      Editor ed;
      ed.f.LayoutFor(layout, LayoutShow::kNem, film);
      for (const Row& row : kTellingRows) {
        if (row.layout != layout || (row.film && *row.film != film))
          continue;
        SCOPED_TRACE(std::string(row.control));
        const ui::Control* c = ed.f.FindControl(row.control);
        ASSERT_NE(c, nullptr);
        const int expected[] = {row.left, row.top, row.width, row.height};
        const int actual[] = {c->Left(), c->Top(), c->Width(), c->Height()};
        for (int i = 0; i < 4; ++i) {
          if (expected[i] != kAny) {
            EXPECT_EQ(actual[i], expected[i]) << "field " << i;
          }
        }
      }
    }
  }
}

TEST(Layouts, FontSizesOfTheGroupsAndTheOverlay) {
  struct Case {
    Layout layout;
    int label_px;    // the groups' labels
    int overlay_px;  // st1-st3 and the measuring text
  };
  const Case cases[] = {{Layout::k1280, 16, 13}, {Layout::k1024, 16, 11}, {Layout::k800, 13, 11}};
  for (const Case& c : cases) {
    SCOPED_TRACE(NameOf(c.layout));
    Editor ed;
    editor::TFelirat& f = ed.f;
    f.LayoutFor(c.layout, LayoutShow::kNem, false);
    for (ui::Control* label : Controls{&f.Lbeosztas, &f.LFps, &f.Lmodositas, &f.Lkereses})
      EXPECT_EQ(label->GetFont().size, c.label_px) << label->Name();
    for (ui::Control* box : Controls{&f.beosztas, &f.cbFps, &f.CbPM, &f.Emodositas, &f.Ekereses})
      EXPECT_EQ(box->GetFont().size, 11) << box->Name();
    for (ui::Control* overlay : {&f.st1, &f.st2, &f.st3, &f.stsegit})
      EXPECT_EQ(overlay->GetFont().size, c.overlay_px) << overlay->Name();
  }
}

// ---- The window ---------------------------------------------------------------------------

TEST(Layouts, WindowSizeRulePerScreenSize) {
  using ui::WindowState;
  constexpr ui::Rect kBefore{10, 20, 500, 400};
  struct Case {
    Layout layout;
    int screen_width;
    int screen_height;
    WindowState before;
    WindowState state;
    int width;  // 0: the size is kept
    int height;
  };
  const Case cases[] = {
      {Layout::k1280, 1280, 1024, WindowState::kNormal, WindowState::kNormal, 1038, 970},
      {Layout::k1280, 1600, 1200, WindowState::kMaximized, WindowState::kNormal, 1038, 970},
      {Layout::k1280, 1024, 768, WindowState::kNormal, WindowState::kNormal, 1038, 970},
      {Layout::k1024, 1024, 768, WindowState::kNormal, WindowState::kMaximized, 0, 0},
      {Layout::k1024, 1280, 1024, WindowState::kMaximized, WindowState::kNormal, 1020, 750},
      {Layout::k1024, 1024, 900, WindowState::kNormal, WindowState::kNormal, 0, 0},
      {Layout::k1024, 1024, 900, WindowState::kMaximized, WindowState::kMaximized, 0, 0},
      {Layout::k800, 800, 600, WindowState::kNormal, WindowState::kMaximized, 0, 0},
      {Layout::k800, 1024, 768, WindowState::kMaximized, WindowState::kNormal, 808, 574},
      {Layout::k800, 800, 700, WindowState::kNormal, WindowState::kNormal, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(NameOf(c.layout) + " on " + std::to_string(c.screen_width) + "x" +
                 std::to_string(c.screen_height));
    Editor ed(c.screen_width, c.screen_height);
    editor::TFelirat& f = ed.f;
    f.SetWindowState(c.before);
    f.SetBounds(kBefore.left, kBefore.top, kBefore.width, kBefore.height);
    f.LayoutFor(c.layout, LayoutShow::kNem, false);
    EXPECT_EQ(f.GetWindowState(), c.state);
    if (c.width == 0) {
      EXPECT_EQ(f.Bounds(), kBefore);
    } else {
      EXPECT_EQ(f.Bounds(), (ui::Rect{(c.screen_width - c.width) / 2,
                                      (c.screen_height - c.height) / 2, c.width, c.height}));
    }
  }
}

TEST(Layouts, TheWindowIsShownAgainOnlyAfterASwitch) {
  Editor ed;
  ed.f.Show();
  ed.f.LayoutFor1024(LayoutShow::kNem, false);
  EXPECT_FALSE(ed.f.Visible());
  ed.f.LayoutFor800(LayoutShow::kIgen, false);
  EXPECT_TRUE(ed.f.Visible());
}

TEST(Layouts, TheWindowIsMadeInTheLayoutOfTheScreen) {
  struct Case {
    int screen_width;
    int screen_height;
    int settings_top_left;  // GbBeallitas' left tells the 800x600 layout from the others
    int grid_height;
    ui::WindowState state;
  };
  const Case cases[] = {
      {1280, 1024, 8, 696, ui::WindowState::kNormal},
      {1024, 768, 8, 485, ui::WindowState::kMaximized},
      {800, 600, 0, 273, ui::WindowState::kMaximized},
      {900, 599, 0, 273, ui::WindowState::kNormal},  // no layout word: laid out as 800x600
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.screen_width) + "x" + std::to_string(c.screen_height));
    Editor ed(c.screen_width, c.screen_height);
    EXPECT_EQ(ed.f.GbBeallitas.Left(), c.settings_top_left);
    EXPECT_EQ(ed.f.racs.Height(), c.grid_height);
    EXPECT_EQ(ed.f.GetWindowState(), c.state);
    EXPECT_FALSE(ed.f.Visible());
    EXPECT_FALSE(ed.f.wmp1.Visible());
  }
}

TEST(Layouts, ALongTableGetsTheScrollBarAfterASwitch) {
  struct Case {
    Layout layout;
    int rows;
    LayoutShow show;
    bool scroll_bar;
  };
  const Case cases[] = {
      {Layout::k1280, 16, LayoutShow::kIgen, true}, {Layout::k1280, 15, LayoutShow::kIgen, false},
      {Layout::k1024, 16, LayoutShow::kIgen, true}, {Layout::k1024, 15, LayoutShow::kIgen, false},
      {Layout::k800, 11, LayoutShow::kIgen, true},  {Layout::k800, 10, LayoutShow::kIgen, false},
      {Layout::k1280, 16, LayoutShow::kNem, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(NameOf(c.layout) + " " + std::to_string(c.rows) + " rows");
    Editor ed;
    ed.FillRows(c.rows);
    ed.f.racs.ShowVerticalScrollBar(false);
    ed.f.LayoutFor(c.layout, c.show, false);
    EXPECT_EQ(ed.f.racs.VerticalScrollBar(), c.scroll_bar);
  }
}

// ---- The film area --------------------------------------------------------------------------

TEST(Layouts, ShowingTheFilmAreaShowsThePlayerAndItsInformation) {
  for (int rows : {0, 3}) {
    SCOPED_TRACE(std::to_string(rows) + " rows");
    Editor ed;
    editor::TFelirat& f = ed.f;
    ed.FillRows(rows);
    f.LayoutFor1280(LayoutShow::kNem, false);
    const ui::Rect settings = f.GbBeallitas.Bounds();

    f.ShowFilmArea1280();
    EXPECT_TRUE(f.wmp1.Visible());
    EXPECT_TRUE(f.GBAdatok.Visible());
    EXPECT_EQ(f.wmp1.Bounds(), (ui::Rect{224, 36, 745, 446}));
    EXPECT_EQ(f.racs.Top(), 504);
    EXPECT_EQ(f.BeKeEr.Enabled(), rows > 0);
    EXPECT_EQ(f.BeBeEr.Enabled(), rows > 0);
    EXPECT_EQ(f.GbBeallitas.Bounds(), settings);  // only the film area moves
  }
}

TEST(Layouts, HidingTheFilmAreaStopsTheFilmAndHidesTheOverlay) {
  Editor ed;
  editor::TFelirat& f = ed.f;
  ed.FillRows(3);
  f.LayoutFor1024(LayoutShow::kNem, true);
  f.Timer2.SetEnabled(true);
  for (ui::Control* c : Controls{&f.st1, &f.st2, &f.st3, &f.SBSub})
    c->Show();

  f.HideFilmArea1024();
  for (const ui::Control* c :
       Controls{&f.wmp1, &f.GBAdatok, &f.st1, &f.st2, &f.st3, &f.SBSub, &f.SBNonSub})
    EXPECT_FALSE(c->Visible()) << c->Name();
  EXPECT_FALSE(f.Timer2.Enabled());
  EXPECT_FALSE(f.BeKeEr.Enabled());
  EXPECT_FALSE(f.BeBeEr.Enabled());
  EXPECT_EQ(f.racs.Bounds(), (ui::Rect{224, 33, 745, 485}));
}

TEST(Layouts, WithoutTheFilmPlayerTheFilmAreaStaysHidden) {
  Editor ed(1600, 1200, false);
  editor::TFelirat& f = ed.f;
  for (Layout layout : kLayouts) {
    SCOPED_TRACE(NameOf(layout));
    f.LayoutFor(layout, LayoutShow::kNem, true);
    EXPECT_FALSE(f.wmp1.Visible());
    EXPECT_FALSE(f.GBAdatok.Visible());
    const editor::Placement& grid = editor::FilmAreaPlacements(layout, false)[0];
    ASSERT_EQ(grid.control, "racs");
    EXPECT_EQ(f.racs.Left(), grid.left.value_or(224));
    EXPECT_EQ(f.racs.Top(), grid.top.value_or(48));
  }
}

// ---- Placement invariants -------------------------------------------------------------------

// The layouts' own one-pixel contacts: the two groups share a frame line, and in 800x600
// the grid touches the groups.
bool SharesOneLine(Layout layout, bool film, std::string_view a, std::string_view b) {
  auto pair = [&](std::string_view x, std::string_view y) {
    return (a == x && b == y) || (a == y && b == x);
  };
  if (pair("GbBeallitas", "GbTevekenyseg"))
    return true;
  return layout == Layout::k800 && !film &&
         (pair("GbBeallitas", "racs") || pair("GbTevekenyseg", "racs"));
}

// The letter limit lies on its check box on purpose, over the blanks of the box's caption.
bool CoversOnPurpose(std::string_view a, std::string_view b) {
  return (a == "Cbtobb" && b == "SEbetu") || (a == "SEbetu" && b == "Cbtobb");
}

int Overlap(int a, int a_size, int b, int b_size) {
  return std::min(a + a_size, b + b_size) - std::max(a, b);
}

// Every control the window shows in use: the row buttons, the second-text moves, the flag
// counters, the gauge, a clock text; with the film, the film buttons and the overlay switch.
void ShowEverythingInUse(editor::TFelirat& f, bool film) {
  for (ui::Control* c :
       Controls{&f.Belso, &f.Butolso, &f.Mov, &f.movm, &f.Lbetu, &f.Lsor, &f.Fszazalek})
    c->Show();
  f.ido.SetCaption("2024. 01. 15. 10:20:30");
  if (film) {
    for (ui::Control* c : Controls{&f.SBvissza1mp, &f.SBvissza, &f.SBelore, &f.SBpause, &f.SBkezdo,
                                   &f.SBbefejezes, &f.SBkezdbefejez, &f.SBSub})
      c->Show();
  }
}

bool ShownInWindow(const ui::Control& c) {
  for (const ui::Control* p = &c; p != nullptr && p->Kind() != ui::ControlKind::kForm;
       p = p->Parent()) {
    if (!p->Visible())
      return false;
  }
  return true;
}

TEST(Layouts, EveryShownControlFitsItsParentAndNoneCoversAnother) {
  for (Layout layout : kLayouts) {
    for (bool film : {false, true}) {
      SCOPED_TRACE(NameOf(layout) + (film ? " with the film" : " without the film"));
      Editor ed;
      editor::TFelirat& f = ed.f;
      ShowEverythingInUse(f, film);
      f.LayoutFor(layout, LayoutShow::kNem, film);
      ASSERT_EQ(f.GetWindowState(), ui::WindowState::kNormal);

      for (const ui::Control* c : f.AllControls()) {
        if (!ShownInWindow(*c))
          continue;
        const ui::Control& parent = *c->Parent();
        EXPECT_GE(c->Left(), 0) << c->Name();
        EXPECT_GE(c->Top(), 0) << c->Name();
        EXPECT_LE(c->Left() + c->Width(), parent.ClientWidth()) << c->Name();
        EXPECT_LE(c->Top() + c->Height(), parent.ClientHeight()) << c->Name();
        // Maximised on a screen of the layout's size, the window's client area is the screen
        // less the frame.
        if (&parent == &f && layout != Layout::k1280) {
          const int width = editor::LayoutScreenWidth(layout) - (f.Width() - f.ClientWidth());
          const int height = editor::LayoutScreenHeight(layout) - (f.Height() - f.ClientHeight());
          EXPECT_LE(c->Left() + c->Width(), width) << c->Name() << " maximised";
          EXPECT_LE(c->Top() + c->Height(), height) << c->Name() << " maximised";
        }
      }
      EXPECT_LE(f.ClientWidth(), f.Width() - 1 - 1);
      EXPECT_LE(f.ClientHeight(), f.Height() - 20 - 1);

      // The row panel as laid out here shows one text; its two-text arrangement has its own test.
      for (const ui::Control* parent : Controls{&f, &f.GbBeallitas, &f.GbTevekenyseg, &f.GB1}) {
        const std::vector<ui::Control*>& kids = parent->Children();
        for (size_t i = 0; i < kids.size(); ++i) {
          for (size_t j = i + 1; j < kids.size(); ++j) {
            const ui::Control& a = *kids[i];
            const ui::Control& b = *kids[j];
            if (!a.Visible() || !b.Visible() || &a == &f.wmp1 || &b == &f.wmp1)
              continue;
            const int dx = Overlap(a.Left(), a.Width(), b.Left(), b.Width());
            const int dy = Overlap(a.Top(), a.Height(), b.Top(), b.Height());
            if (dx <= 0 || dy <= 0)
              continue;
            if (std::min(dx, dy) == 1 && SharesOneLine(layout, film, a.Name(), b.Name()))
              continue;
            if (CoversOnPurpose(a.Name(), b.Name()))
              continue;
            ADD_FAILURE() << a.Name() << " and " << b.Name() << " overlap by " << dx << " x " << dy;
          }
        }
      }
    }
  }
}

TEST(Layouts, EveryShownButtonHasACaption) {
  for (Layout layout : kLayouts) {
    for (bool film : {false, true}) {
      SCOPED_TRACE(NameOf(layout) + (film ? " with the film" : " without the film"));
      Editor ed;
      editor::TFelirat& f = ed.f;
      ShowEverythingInUse(f, film);
      f.SBNonSub.Show();
      f.LayoutFor(layout, LayoutShow::kNem, film);
      for (const ui::Control* c : f.AllControls()) {
        const ui::ControlKind kind = c->Kind();
        const bool button = kind == ui::ControlKind::kButton || kind == ui::ControlKind::kBitBtn ||
                            kind == ui::ControlKind::kSpeedButton;
        if (button && ShownInWindow(*c)) {
          EXPECT_NE(c->Caption(), "") << c->Name();
        }
      }
    }
  }
}

// The letter limit stands in the blanks between "Színezés" and "betű felett", with the
// font's widths; the letter counts stand right of their captions' text.
TEST(Layouts, TheLetterLimitStandsInTheBlanksOfItsCaption) {
  const std::string_view caption = "Színezés             betű felett";
  const size_t run_start = caption.find(' ');
  const size_t run_end = caption.find_first_not_of(' ', run_start);
  for (Layout layout : kLayouts) {
    SCOPED_TRACE(NameOf(layout));
    Editor ed;
    editor::TFelirat& f = ed.f;
    f.LayoutFor(layout, LayoutShow::kNem, false);
    ASSERT_EQ(f.Cbtobb.Caption(), caption);
    const ui::Font& font = f.Cbtobb.GetFont();
    auto width = [&](std::string_view text) { return ed.drv.App().TextWidth(font, text); };
    const int text_left = f.Cbtobb.Left() + editor::kCheckBoxTextOffset;
    const int blanks_left = text_left + width(caption.substr(0, run_start));
    const int blanks_right = text_left + width(caption.substr(0, run_end));
    EXPECT_GE(f.SEbetu.Left(), blanks_left);
    EXPECT_LE(f.SEbetu.Left() + f.SEbetu.Width(), blanks_right);
    EXPECT_GT(f.sordarab.Left(), f.Lkarakter.Left() + f.Lkarakter.Width());
    EXPECT_GT(f.sordarab2.Left(), f.Lkarakter2.Left() + f.Lkarakter2.Width());
  }
}

// ---- The menu "Felbontás" -------------------------------------------------------------------

TEST(ResolutionMenu, ALayoutLargerThanTheScreenIsRefusedAndChangesNothing) {
  struct Case {
    int screen_width;
    int screen_height;
    Layout target;
  };
  const Case cases[] = {
      {1024, 768, Layout::k1280}, {1279, 1024, Layout::k1280}, {1600, 1000, Layout::k1280},
      {800, 600, Layout::k1024},  {1023, 768, Layout::k1024},  {1280, 767, Layout::k1024},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(NameOf(c.target) + " on " + std::to_string(c.screen_width) + "x" +
                 std::to_string(c.screen_height));
    Editor ed(c.screen_width, c.screen_height);
    ed.f.Show();
    const std::vector<std::string> before = Snapshot(ed);
    ed.Answer(&shell::TKiszoveg::Bok);
    ASSERT_TRUE(ed.drv.ChooseMenuItem(c.target == Layout::k1280 ? ed.f.Felbonts3 : ed.f.Felbonts2));
    EXPECT_EQ(ed.drv.Verify(), "");
    EXPECT_EQ(ed.drv.LogLines("message:"),
              std::vector<std::string>{
                  "message: Felbontás átállítása! | Túl kicsi a képernyő felbontása ahhoz, | "
                  "hogy átállítsam a program felbontását!"});
    EXPECT_EQ(Snapshot(ed), before);
    EXPECT_EQ(ed.program.state.DialogReply, "felbontas");
  }
}

TEST(ResolutionMenu, The800x600LayoutIsAlwaysOffered) {
  Editor ed(800, 599);
  ed.f.Show();
  ed.Answer(&shell::TKiszoveg::Bigen);
  ASSERT_TRUE(ed.drv.ChooseMenuItem(ed.f.Felbonts1));
  EXPECT_EQ(ed.drv.Verify(), "");
  EXPECT_EQ(ed.program.state.ScreenLayout, "800x600");
}

TEST(ResolutionMenu, NemOrMegsemChangesNothing) {
  for (Layout target : kLayouts) {
    for (auto button : {&shell::TKiszoveg::Bnem, &shell::TKiszoveg::Bmegsem}) {
      SCOPED_TRACE(NameOf(target) + (button == &shell::TKiszoveg::Bnem ? " Nem" : " Mégsem"));
      Editor ed;
      ed.f.Show();
      const std::vector<std::string> before = Snapshot(ed);
      ed.Answer(button);
      ui::MenuItem& item = target == Layout::k800    ? ed.f.Felbonts1
                           : target == Layout::k1024 ? ed.f.Felbonts2
                                                     : ed.f.Felbonts3;
      ASSERT_TRUE(ed.drv.ChooseMenuItem(item));
      EXPECT_EQ(ed.drv.Verify(), "");
      EXPECT_EQ(Snapshot(ed), before);
      EXPECT_EQ(ed.program.state.DialogReply, "nem");
    }
  }
}

TEST(ResolutionMenu, ASwitchAsksThenSetsTheLayoutAndTheMenus) {
  struct Step {
    ui::MenuItem editor::TFelirat::*item;
    std::string_view question;
    std::string_view layout;
    bool e800, e1024, e1280;  // the three items enabled afterwards
    bool transparency;        // "Átlátszódás", its spin edit and "-|-" shown
    int settings_left;        // where the settings group went
  };
  const Step steps[] = {
      {&editor::TFelirat::Felbonts1, "Biztos át akar térni a 800x600-as programbéli felbontásra?",
       "800x600", false, true, true, false, 0},
      {&editor::TFelirat::Felbonts2, "Biztos át akar térni a 1024x768-as programbéli felbontásra?",
       "1024x768", true, false, true, true, 8},
      {&editor::TFelirat::Felbonts3, "Biztos át akar térni a 1280x1024-as programbéli felbontásra?",
       "1280x1024", true, true, false, true, 8},
      {&editor::TFelirat::Felbonts1, "Biztos át akar térni a 800x600-as programbéli felbontásra?",
       "800x600", false, true, true, false, 0},
  };
  Editor ed;
  editor::TFelirat& f = ed.f;
  f.Show();
  for (const Step& step : steps) {
    SCOPED_TRACE(std::string(step.layout));
    ed.drv.ClearLog();
    ed.Answer(&shell::TKiszoveg::Bigen);
    ASSERT_TRUE(ed.drv.ChooseMenuItem(f.*step.item));
    EXPECT_EQ(ed.drv.Verify(), "");
    EXPECT_EQ(ed.drv.LogLines("message:"),
              std::vector<std::string>{"message: Felbontás átállítása! | " +
                                       std::string(step.question) + " |"});
    EXPECT_EQ(ed.program.state.ScreenLayout, step.layout);
    EXPECT_EQ(f.Felbonts1.Enabled(), step.e800);
    EXPECT_EQ(f.Felbonts2.Enabled(), step.e1024);
    EXPECT_EQ(f.Felbonts3.Enabled(), step.e1280);
    EXPECT_EQ(f.atlatszo.Visible(), step.transparency);
    EXPECT_EQ(f.Valto.Visible(), step.transparency);
    EXPECT_EQ(f.mpm.Visible(), step.transparency);
    EXPECT_EQ(f.GbBeallitas.Left(), step.settings_left);
    EXPECT_TRUE(f.Visible());
    // The greyed item of the layout in use does nothing, by menu or by its key.
    EXPECT_FALSE(ed.drv.ChooseMenuItem(f.*step.item));
    EXPECT_TRUE(ed.drv.Press(static_cast<ui::Key>((f.*step.item).ShortCut())));
    EXPECT_EQ(ed.drv.Verify(), "");
  }
}

// After a switch the grid is painted whole in its new size: every line it has room for shows
// its row (none is left empty until the cursor moves), and the current row is in view.
TEST(ResolutionMenu, TheGridIsPaintedWholeAfterASwitch) {
  struct Step {
    ui::MenuItem editor::TFelirat::*item;
    int current;
  };
  const Step steps[] = {
      {&editor::TFelirat::Felbonts1, 30},
      {&editor::TFelirat::Felbonts3, 30},
      {&editor::TFelirat::Felbonts2, 38},
      {&editor::TFelirat::Felbonts3, 5},
  };
  Editor ed;
  editor::TFelirat& f = ed.f;
  ed.FillRows(40);
  ed.program.state.InternalUpdate = false;
  for (int row = 1; row <= 40; ++row) {
    f.cds.SetRecNo(row);
    f.cds.Edit();
    f.cds.FieldByName("Szoveg").SetAsString("sor " + std::to_string(row));
    f.cds.Post();
  }
  f.Show();
  const int text_column = f.racs.ColumnOfField("Szoveg");
  for (const Step& step : steps) {
    SCOPED_TRACE(std::to_string(step.current));
    f.cds.SetRecNo(step.current);
    // What the grid shows now, before the switch.
    for (int line = 1; line <= f.racs.VisibleRowCount(); ++line)
      f.racs.PaintedCell(line, text_column);
    ed.Answer(&shell::TKiszoveg::Bigen);
    ASSERT_TRUE(ed.drv.ChooseMenuItem(f.*step.item));
    ASSERT_EQ(ed.drv.Verify(), "");
    const int top = f.racs.TopRow();
    const int lines = std::min(f.racs.VisibleRowCount(), 40 - top + 1);
    EXPECT_GE(step.current, top);
    EXPECT_LT(step.current, top + f.racs.VisibleRowCount());
    for (int line = 1; line <= lines; ++line)
      EXPECT_EQ(f.racs.PaintedCell(line, text_column).text, "sor " + std::to_string(top + line - 1))
          << "line " << line;
    EXPECT_EQ(f.cds.RecNo(), step.current);
  }
}

TEST(ResolutionMenu, TheKeysF1F2F6AskForTheirLayouts) {
  const std::pair<ui::Key, std::string_view> cases[] = {
      {ui::keys::kF1, "800x600"}, {ui::keys::kF2, "1024x768"}, {ui::keys::kF6, "1280x1024"}};
  Editor ed;
  ed.f.Show();
  for (const auto& [key, layout] : cases) {
    SCOPED_TRACE(std::string(layout));
    ed.Answer(&shell::TKiszoveg::Bigen);
    ASSERT_TRUE(ed.drv.Press(key));
    EXPECT_EQ(ed.drv.Verify(), "");
    EXPECT_EQ(ed.program.state.ScreenLayout, layout);
  }
}

TEST(ResolutionMenu, The1024LayoutIsMaximisedOnlyOnAScreenOfItsSize) {
  struct Case {
    int screen_width;
    int screen_height;
    ui::WindowState state;
    ui::Rect bounds;  // checked in the normal state
  };
  const Case cases[] = {
      {1024, 768, ui::WindowState::kMaximized, {}},
      {1280, 1024, ui::WindowState::kNormal, {130, 137, 1020, 750}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.screen_width));
    Editor ed(c.screen_width, c.screen_height);
    ed.f.Show();
    ed.Answer(&shell::TKiszoveg::Bigen);  // first to 800x600, so that 1024x768 is a switch
    ASSERT_TRUE(ed.drv.ChooseMenuItem(ed.f.Felbonts1));
    ed.Answer(&shell::TKiszoveg::Bigen);
    ASSERT_TRUE(ed.drv.ChooseMenuItem(ed.f.Felbonts2));
    EXPECT_EQ(ed.drv.Verify(), "");
    EXPECT_EQ(ed.f.GetWindowState(), c.state);
    if (c.state == ui::WindowState::kNormal) {
      EXPECT_EQ(ed.f.Bounds(), c.bounds);
    }
  }
}

// ---- A film over a switch -------------------------------------------------------------------

class FakeFilm : public editor::LayoutFilmPlayer {
 public:
  bool HoldsFilm() const override { return holds; }
  editor::HeldFilm PauseAndHold() override {
    calls.push_back("pause");
    return {"film.avi", 2500};
  }
  void Reopen(const editor::HeldFilm& film) override {
    calls.push_back("reopen " + film.url + " " + std::to_string(film.position_ms));
  }
  void ShowOverlayRow(int row) override { calls.push_back("overlay " + std::to_string(row)); }

  bool holds = true;
  std::vector<std::string> calls;
};

TEST(ResolutionMenu, AFilmIsKeptPausedAtItsPlaceOverASwitch) {
  struct Case {
    bool subtitles_hidden;  // the user had hidden the subtitles (SBNonSub shown)
    Layout target;
  };
  const Case cases[] = {{false, Layout::k800}, {true, Layout::k800}, {true, Layout::k1280}};
  for (const Case& c : cases) {
    SCOPED_TRACE(NameOf(c.target) + (c.subtitles_hidden ? " hidden" : " shown"));
    Editor ed;
    editor::TFelirat& f = ed.f;
    FakeFilm film;
    f.layout_film = &film;
    ed.FillRows(3);
    f.LayoutFor1024(LayoutShow::kIgen, true);
    f.Timer2.SetEnabled(true);
    (c.subtitles_hidden ? f.SBNonSub : f.SBSub).Show();
    f.st1.Show();
    film.calls.clear();

    ed.Answer(&shell::TKiszoveg::Bigen);
    ASSERT_TRUE(ed.drv.ChooseMenuItem(c.target == Layout::k800 ? f.Felbonts1 : f.Felbonts3));
    EXPECT_EQ(ed.drv.Verify(), "");
    EXPECT_EQ(film.calls, (std::vector<std::string>{"pause", "reopen film.avi 2500"}));
    EXPECT_TRUE(f.Timer2.Enabled());
    EXPECT_EQ(f.SBNonSub.Visible(), c.subtitles_hidden);
    EXPECT_EQ(f.SBSub.Visible(), !c.subtitles_hidden);
    EXPECT_FALSE(f.st1.Visible());
    EXPECT_TRUE(f.wmp1.Visible());  // the film area stays shown, in the new layout
    EXPECT_EQ(f.wmp1.Bounds(), c.target == Layout::k800 ? (ui::Rect{194, 36, 263, 286})
                                                        : (ui::Rect{224, 36, 745, 446}));
  }
}

TEST(ResolutionMenu, WithAFilmThe1024LayoutComesBackAsANormalWindowOfItsSize) {
  Editor ed(1024, 768);
  editor::TFelirat& f = ed.f;
  FakeFilm film;
  f.layout_film = &film;
  ed.FillRows(3);
  f.Show();
  ed.Answer(&shell::TKiszoveg::Bigen);
  ASSERT_TRUE(ed.drv.ChooseMenuItem(f.Felbonts1));  // 808 x 574 on this screen
  ed.Answer(&shell::TKiszoveg::Bigen);
  ASSERT_TRUE(ed.drv.ChooseMenuItem(f.Felbonts2));
  EXPECT_EQ(ed.drv.Verify(), "");
  EXPECT_EQ(f.GetWindowState(), ui::WindowState::kNormal);
  EXPECT_EQ(f.Bounds(), (ui::Rect{2, 9, 1020, 750}));
  EXPECT_TRUE(f.Visible());
  EXPECT_TRUE(f.Timer2.Enabled());
  EXPECT_EQ(film.calls.back(), "reopen film.avi 2500");
}

TEST(ResolutionMenu, NoFilmIsTakenWithoutAFilmOrWithoutAnOpenTable) {
  struct Case {
    bool holds;
    bool table_open;
  };
  for (const Case& c : {Case{false, true}, Case{true, false}}) {
    SCOPED_TRACE(std::string(c.holds ? "film" : "no film") + (c.table_open ? " open" : ""));
    Editor ed;
    FakeFilm film;
    film.holds = c.holds;
    ed.f.layout_film = &film;
    if (c.table_open)
      ed.FillRows(1);
    ed.f.Show();
    ed.Answer(&shell::TKiszoveg::Bigen);
    ASSERT_TRUE(ed.drv.ChooseMenuItem(ed.f.Felbonts1));
    EXPECT_EQ(ed.drv.Verify(), "");
    EXPECT_EQ(film.calls, std::vector<std::string>{});
    EXPECT_EQ(ed.program.state.ScreenLayout, "800x600");
  }
}

TEST(Layouts, ThePlayingFilmsRowIsShownAgainInTheLargeLayouts) {
  for (Layout layout : kLayouts) {
    SCOPED_TRACE(NameOf(layout));
    Editor ed;
    FakeFilm film;
    ed.f.layout_film = &film;
    ed.FillRows(5);
    ed.f.cds.SetRecNo(4);
    ed.f.Timer2.SetEnabled(true);
    ed.f.LayoutFor(layout, LayoutShow::kIgen, true);
    EXPECT_EQ(film.calls, layout == Layout::k800 ? std::vector<std::string>{}
                                                 : std::vector<std::string>{"overlay 4"});
  }
}

TEST(ResolutionMenu, WithoutTheFilmPlayerTheSwitchOnlyLaysOut) {
  Editor ed(1600, 1200, false);
  FakeFilm film;
  ed.f.layout_film = &film;
  ed.FillRows(2);
  ed.f.Show();
  ed.Answer(&shell::TKiszoveg::Bigen);
  ASSERT_TRUE(ed.drv.ChooseMenuItem(ed.f.Felbonts2));
  EXPECT_EQ(ed.drv.Verify(), "");
  EXPECT_EQ(ed.program.state.ScreenLayout, "1024x768");
  EXPECT_EQ(ed.f.racs.Bounds(), (ui::Rect{224, 33, 745, 485}));
  EXPECT_EQ(film.calls, std::vector<std::string>{});
}

}  // namespace
