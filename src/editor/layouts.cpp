#include "editor/layouts.h"

#include "editor/felirat_form.h"
#include "platform/ui/ui.h"
#include "shell/program.h"
#include "shell/start.h"

namespace editor {

namespace {

// ---- Window sizes ----------------------------------------------------------------------

struct LayoutSizes {
  int screen_width;
  int screen_height;
  int window_width;
  int window_height;
};

constexpr LayoutSizes SizesOf(Layout layout) {
  switch (layout) {
    case Layout::k1280:
      return {1280, 1024, 1038, 970};
    case Layout::k1024:
      return {1024, 768, 1020, 750};
    case Layout::k800:
      break;
  }
  return {800, 600, 808, 574};
}

// ---- The placements of each layout -----------------------------------------------------
//
// Field order: control, left, top, width, height, font size (points), visible.
// The groups' labels are larger in the two large layouts; the boxes keep 8 points.

using P = Placement;
constexpr std::optional<int> kKeep;

// The settings and activities groups and their contents, 1280x1024 and 1024x768.
constexpr P kGroupsLarge[] = {
    {"GbBeallitas", 8, 48, 193, 153},
    {"Lbeosztas", 8, 20, kKeep, kKeep, 12},
    {"beosztas", 88, 18, 96, 21, 8},
    {"LFps", 8, 48, kKeep, kKeep, 12},
    {"cbFps", 88, 46, 96, 21, 8},
    {"Batvaltas", 8, 76, 177, 25},
    {"BFPS", 8, 110, 177, 25},

    {"GbTevekenyseg", 8, 200, 193, 193},
    {"Lmodositas", 8, 14, kKeep, kKeep, 12},
    {"CbPM", 8, 34, 40, 21, 8},
    {"Emodositas", 52, 34, 100, 21, 8},
    {"Bmodok", 156, 33, 25, 23},
    {"Breszletes", 8, 60, 175, 23},
    {"Lkereses", 8, 86, kKeep, kKeep, 12},
    {"Ekereses", 8, 106, 144, 21, 8},
    {"Bkeresok", 156, 105, 25, 23},
    {"BKreszletes", 8, 132, 175, 23},
    {"CBugras", 8, 158, 175, 15},
    {"CBsortores", 8, 174, 175, 15, 7},  // the long caption fits the group in 7 points
};

// The same for 800x600: lower groups, 10-point labels.
constexpr P kGroupsSmall[] = {
    {"GbBeallitas", 0, 48, 193, 113},
    {"Lbeosztas", 8, 17, kKeep, kKeep, 10},
    {"beosztas", 80, 14, 100, 21, 8},
    {"LFps", 8, 40, kKeep, kKeep, 10},
    {"cbFps", 80, 38, 100, 21, 8},
    {"Batvaltas", 8, 63, 177, 22},
    {"BFPS", 8, 87, 177, 22},

    {"GbTevekenyseg", 0, 160, 193, 161},
    {"Lmodositas", 8, 12, kKeep, kKeep, 10},
    {"CbPM", 8, 28, 40, 21, 8},
    {"Emodositas", 52, 28, 100, 21, 8},
    {"Bmodok", 156, 27, 25, 23},
    {"Breszletes", 8, 52, 175, 20},
    {"Lkereses", 8, 73, kKeep, kKeep, 10},
    {"Ekereses", 8, 90, 144, 21, 8},
    {"Bkeresok", 156, 89, 25, 23},
    {"BKreszletes", 8, 113, 175, 20},
    {"CBugras", 8, 133, 175, 14},
    {"CBsortores", 8, 147, 175, 14, 7},
};

// The row panel, the same in every layout: the time boxes clear of their captions, the
// buttons below them and wide enough for their captions, the check boxes for theirs. The letter
// limit `SEbetu` goes into the blanks of the caption of `Cbtobb` once the fonts are known (see
// PlaceInBlankRun).
constexpr P kRowPanel[] = {
    {"Esorszam", 74, 16, 60, 21},     {"kezdes", 74, 42, 90, 21},
    {"befejezes", 74, 68, 90, 21},    {"kulonbseg", 74, 94, 90, 21},

    {"Bmentes", 8, 116, 70, 20},      {"BMMN", 82, 116, 118, 20},
    {"Btorles", 204, 116, 25, 20},    {"Bbeszuras", 232, 116, 25, 20},
    {"Belemoge", 260, 116, 28, 20},   {"BTorlesTobb", 291, 116, 28, 20},
    {"Bvonal", 322, 116, 28, 20},     {"Boh", 353, 116, 28, 20},
    {"BOsszes", 384, 116, 28, 20},    {"Blista", 415, 116, 45, 20},
    {"L05", 463, 116, 50, 20},        {"BTobbGomb", 516, 116, 20, 20},
    {"BTobbCheck", 539, 116, 20, 20}, {"SBSub", 565, 116, 25, 20},
    {"SBNonSub", 565, 116, 25, 20},

    {"cburessor", 8, 140, 140, 17},   {"CBdelete", 150, 140, 184, 17},
    {"Cbtobb", 336, 140, 180, 17},    {"Lbetu", 518, 141},
    {"CB3sor", 556, 140, 132, 17},    {"Lsor", 692, 141},
};

// The top bar and the left column, 1280x1024 and 1024x768.
constexpr P kSidesLarge[] = {
    {"Lfeliratnev", 8, 6},
    {"Efilenev", 8, 22, 140, 21},
    {"Btallozas", 150, 21, 66, 23},
    {"Bfilm", 390, 10, 100, 22},
    {"Fszazalek", 500, 12, 250, 18},
    {"ido", 780, 14},

    {"Lugras", 8, 400},
    {"Eugras", 8, 416, 80, 21},
    {"Bugras", 92, 415, 40, 23},
    {"Cbki", 8, 446, 190, 17},
    {"atlatszo", 8, 472, 100, 17, kKeep, true},
    {"Valto", 110, 470, 60, 21, kKeep, true},
    {"Bvissza", 56, 560, 120, 25},
    {"Bki", 72, 640, 90, 25},
};

// The film's speed buttons side by side from `left` at `top`; "Lejátszás" and "Szünet"
// share one place (one of them is shown).
struct SpeedRow {
  P buttons[8];
};
constexpr SpeedRow SpeedButtonsAt(int left, int top) {
  constexpr int kStep = 28;
  return {{
      {"SBvissza1mp", left, top, 25, 24},
      {"SBvissza", left + kStep, top, 25, 24},
      {"SBelore", left + 2 * kStep, top, 25, 24},
      {"SBplay", left + 3 * kStep, top, 25, 24},
      {"SBpause", left + 3 * kStep, top, 25, 24},
      {"SBkezdo", left + 4 * kStep, top, 25, 24},
      {"SBbefejezes", left + 5 * kStep, top, 25, 24},
      {"SBkezdbefejez", left + 6 * kStep, top, 25, 24},
  }};
}
constexpr SpeedRow kSpeed1280 = SpeedButtonsAt(224, 480);
constexpr SpeedRow kSpeed1024 = SpeedButtonsAt(224, 264);
// 800x600 keeps them where the window is made with them, over the picture's lower edge.
constexpr SpeedRow kSpeed800 = SpeedButtonsAt(224, 264);

constexpr P kWindow1280[] = {
    {"racs", 224, kKeep, 745},     {"GBAdatok", 720, 474, 249, 30},
    {"RB1", 224, 731, 180, 17},    {"CBracs", 420, 731, 250, 17},
    {"RB12", 784, 731, 120, 17},   {"GB1", 224, 748, 745, 157},
    {"GB12", 224, 748, 745, 157},  {"mpm", kKeep, kKeep, kKeep, kKeep, kKeep, true},
    {"szoveg", kKeep, kKeep, 360}, {"szoveg2", kKeep, kKeep, 360},
};

constexpr P kWindow1024[] = {
    {"racs", 224, kKeep, 745},     {"GBAdatok", 720, 258, 249, 30},
    {"RB1", 224, 520, 180, 16},    {"CBracs", 420, 520, 250, 16},
    {"RB12", 784, 520, 120, 16},   {"GB1", 224, 536, 745, 157},
    {"GB12", 224, 536, 745, 157},  {"mpm", kKeep, kKeep, kKeep, kKeep, kKeep, true},
    {"szoveg", kKeep, kKeep, 360}, {"szoveg2", kKeep, kKeep, 360},
};

// 800x600: the grid's left and width come with the film area; the buttons that sit
// beside the grid in the large layouts go into the row under it. The grid and the row panel
// end by 792, so that they fit inside the borders of a window filling an 800-wide screen.
constexpr P kWindow800[] = {
    {"Lfeliratnev", 8, 6},
    {"Efilenev", 8, 22, 140, 21},
    {"Btallozas", 150, 21, 66, 23},
    {"Bfilm", 390, 5, 100, 22},
    {"Fszazalek", 500, 9, 150, 18},
    {"ido", 660, 12},

    {"racs", kKeep, 48, kKeep, 273},
    {"GBAdatok", 201, 290, 249, 30},

    {"Lugras", 0, 327},
    {"Eugras", 118, 324, 60, 21},
    {"Bugras", 182, 323, 40, 23},
    {"B12", 228, 325, 32, 20},
    {"B22", 262, 325, 32, 20},
    {"B21", 296, 325, 32, 20},
    {"Bki", 366, 322, 70, 25},
    {"Bvissza", 439, 322, 120, 25},
    {"Bvegelso", 563, 325, 32, 20},
    {"Mov", 597, 325, 32, 20},
    {"movm", 631, 325, 32, 20},
    {"Bov", 665, 325, 32, 20},
    {"Bovm", 699, 325, 32, 20},
    {"mpm", 733, 325, 32, 20, kKeep, false},

    {"RB1", 56, 350, 180, 17},
    {"CBracs", 240, 350, 236, 17},
    {"Cbki", 480, 350, 188, 17},
    {"RB12", 672, 350, 120, 17},
    {"GB1", 56, 367, 736, 157},
    {"GB12", 56, 367, 736, 157},
    {"szoveg", kKeep, kKeep, 352},
    {"szoveg2", kKeep, kKeep, 352},

    {"atlatszo", kKeep, kKeep, kKeep, kKeep, kKeep, false},
    {"Valto", kKeep, kKeep, kKeep, kKeep, kKeep, false},
};

// ---- The film area: shown above the grid, or hidden with the grid in its place ----------

constexpr P kFilmShown1280[] = {
    {"wmp1", 224, 36, 745, 446},   {"racs", kKeep, 504, kKeep, 225}, {"Belso", 430, 486, 75, 18},
    {"Butolso", 509, 486, 75, 18}, {"mpm", 972, 504, 38, 18},        {"B12", 972, 530, 38, 18},
    {"B22", 972, 550, 38, 18},     {"B21", 972, 570, 38, 18},        {"Bvegelso", 972, 640, 38, 18},
    {"Mov", 972, 660, 38, 16},     {"movm", 972, 677, 38, 16},       {"Bov", 972, 696, 38, 16},
    {"Bovm", 972, 712, 38, 16},
};

constexpr P kFilmHidden1280[] = {
    {"racs", kKeep, 33, kKeep, 696}, {"Belso", 224, 15, 75, 18}, {"Butolso", 303, 15, 75, 18},
    {"B12", 972, 100, 38, 18},       {"B22", 972, 120, 38, 18},  {"B21", 972, 140, 38, 18},
    {"Mov", 972, 250, 38, 16},       {"movm", 972, 268, 38, 16}, {"mpm", 972, 314, 38, 18},
    {"Bvegelso", 972, 376, 38, 18},  {"Bov", 972, 448, 38, 16},  {"Bovm", 972, 464, 38, 16},
};

constexpr P kFilmShown1024[] = {
    {"wmp1", 224, 36, 745, 227},   {"racs", kKeep, 290, kKeep, 228}, {"Belso", 430, 272, 75, 18},
    {"Butolso", 509, 272, 75, 18}, {"B12", 972, 300, 38, 18},        {"B22", 972, 320, 38, 18},
    {"B21", 972, 340, 38, 18},     {"Bvegelso", 972, 380, 38, 18},   {"Bov", 972, 412, 38, 16},
    {"Bovm", 972, 428, 38, 16},    {"Mov", 972, 450, 38, 16},        {"movm", 972, 468, 38, 16},
    {"mpm", 972, 494, 38, 18},
};

constexpr P kFilmHidden1024[] = {
    {"racs", kKeep, 33, kKeep, 485}, {"Belso", 224, 15, 75, 18}, {"Butolso", 303, 15, 75, 18},
    {"B12", 972, 100, 38, 18},       {"B22", 972, 120, 38, 18},  {"B21", 972, 140, 38, 18},
    {"Bvegelso", 972, 260, 38, 18},  {"Mov", 972, 340, 38, 16},  {"movm", 972, 358, 38, 16},
    {"Bov", 972, 412, 38, 16},       {"Bovm", 972, 428, 38, 16}, {"mpm", 972, 480, 38, 18},
};

constexpr P kFilmShown800[] = {
    {"wmp1", 194, 36, 263, 286},
    {"racs", 456, kKeep, 336},
    {"Belso", 460, 29, 75, 18},
    {"Butolso", 539, 29, 75, 18},
};

constexpr P kFilmHidden800[] = {
    {"racs", 192, kKeep, 600},
    {"Belso", 230, 29, 75, 18},
    {"Butolso", 309, 29, 75, 18},
};

// ---- The overlay texts ------------------------------------------------------------------

constexpr P kOverlay1280[] = {
    {"st1", kKeep, 352, kKeep, kKeep, 10},
    {"st2", kKeep, 373, kKeep, kKeep, 10},
    {"st3", kKeep, 395, kKeep, kKeep, 10},
    {"stsegit", kKeep, kKeep, kKeep, kKeep, 10},
};

constexpr P kOverlay1024[] = {
    {"st1", kKeep, 176, kKeep, kKeep, 8},
    {"st2", kKeep, 189, kKeep, kKeep, 8},
    {"st3", kKeep, 203, kKeep, kKeep, 8},
    {"stsegit", kKeep, kKeep, kKeep, kKeep, 8},
};

constexpr P kOverlay800[] = {
    {"st1", kKeep, 200, kKeep, kKeep, 8},
    {"st2", kKeep, 213, kKeep, kKeep, 8},
    {"st3", kKeep, 227, kKeep, kKeep, 8},
    {"stsegit", kKeep, kKeep, kKeep, kKeep, 8},
};

void Append(std::vector<Placement>& to, std::span<const Placement> rows) {
  to.insert(to.end(), rows.begin(), rows.end());
}

// The window-wide step of the film area that hides the overlay texts.
void HideFilmOverlay(FeliratForm& f) {
  for (ui::Label* overlay : {&f.st1, &f.st2, &f.st3})
    overlay->Hide();
}

void PlaceWindow(ui::Form& window, Layout layout) {
  ui::Screen& screen = window.App().GetScreen();
  const WindowRule rule = WindowRuleFor(layout, screen.Width(), screen.Height());
  switch (rule.fit) {
    case WindowFit::kMaximised:
      window.SetWindowState(ui::WindowState::kMaximized);
      break;
    case WindowFit::kCentred:
      window.SetWindowState(ui::WindowState::kNormal);
      window.SetBounds(window.Left(), window.Top(), rule.width, rule.height);
      window.CenterOnScreen();
      break;
    case WindowFit::kUnchanged:
      break;
  }
}

}  // namespace

// ---- Free functions ----------------------------------------------------------------------

Layout LayoutOf(std::string_view screen_layout) {
  if (screen_layout == shell::kLayout1280)
    return Layout::k1280;
  if (screen_layout == shell::kLayout1024)
    return Layout::k1024;
  return Layout::k800;
}

std::string_view LayoutWord(Layout layout) {
  switch (layout) {
    case Layout::k1280:
      return shell::kLayout1280;
    case Layout::k1024:
      return shell::kLayout1024;
    case Layout::k800:
      break;
  }
  return shell::kLayout800;
}

int LayoutScreenWidth(Layout layout) {
  return SizesOf(layout).screen_width;
}

int LayoutScreenHeight(Layout layout) {
  return SizesOf(layout).screen_height;
}

int LayoutWindowWidth(Layout layout) {
  return SizesOf(layout).window_width;
}

int LayoutWindowHeight(Layout layout) {
  return SizesOf(layout).window_height;
}

WindowRule WindowRuleFor(Layout layout, int screen_width, int screen_height) {
  const LayoutSizes sizes = SizesOf(layout);
  const WindowRule centred{WindowFit::kCentred, sizes.window_width, sizes.window_height};
  if (layout == Layout::k1280)
    return centred;
  if (screen_width == sizes.screen_width && screen_height == sizes.screen_height)
    return {WindowFit::kMaximised};
  if (screen_width > sizes.screen_width)
    return centred;
  return {WindowFit::kUnchanged};
}

std::vector<Placement> LayoutPlacements(Layout layout) {
  std::vector<Placement> rows;
  switch (layout) {
    case Layout::k1280:
      Append(rows, kGroupsLarge);
      Append(rows, kSidesLarge);
      Append(rows, kSpeed1280.buttons);
      Append(rows, kWindow1280);
      Append(rows, kRowPanel);
      break;
    case Layout::k1024:
      Append(rows, kGroupsLarge);
      Append(rows, kSidesLarge);
      Append(rows, kSpeed1024.buttons);
      Append(rows, kWindow1024);
      Append(rows, kRowPanel);
      break;
    case Layout::k800:
      Append(rows, kGroupsSmall);
      Append(rows, kSpeed800.buttons);
      Append(rows, kWindow800);
      Append(rows, kRowPanel);
      break;
  }
  return rows;
}

std::span<const Placement> FilmAreaPlacements(Layout layout, bool shown) {
  switch (layout) {
    case Layout::k1280:
      return shown ? std::span<const Placement>(kFilmShown1280) : kFilmHidden1280;
    case Layout::k1024:
      return shown ? std::span<const Placement>(kFilmShown1024) : kFilmHidden1024;
    case Layout::k800:
      break;
  }
  return shown ? std::span<const Placement>(kFilmShown800) : kFilmHidden800;
}

std::span<const Placement> OverlayPlacements(Layout layout) {
  switch (layout) {
    case Layout::k1280:
      return kOverlay1280;
    case Layout::k1024:
      return kOverlay1024;
    case Layout::k800:
      break;
  }
  return kOverlay800;
}

void PlaceRightOf(const ui::Control& caption, ui::Control& value) {
  constexpr int kGap = 4;
  value.SetLeft(caption.Left() + caption.Width() + kGap);
  value.SetTop(caption.Top());
}

void PlaceInBlankRun(const ui::CheckBox& box, ui::Control& inside) {
  const std::string& caption = box.Caption();
  size_t run_start = caption.size();
  size_t run_length = 0;
  for (size_t i = 0; i < caption.size();) {
    if (caption[i] != ' ') {
      ++i;
      continue;
    }
    const size_t start = i;
    while (i < caption.size() && caption[i] == ' ')
      ++i;
    if (i - start > run_length) {
      run_start = start;
      run_length = i - start;
    }
  }
  if (run_length == 0)
    return;
  const ui::Application& app = box.App();
  const std::string_view text = caption;
  const int run_left =
      box.Left() + kCheckBoxTextOffset + app.TextWidth(box.GetFont(), text.substr(0, run_start));
  const int run_width = app.TextWidth(box.GetFont(), text.substr(run_start, run_length));
  inside.SetLeft(run_left + (run_width - inside.Width()) / 2);
}

int PointsToPixels(int points) {
  return (points * 96 + 36) / 72;
}

std::vector<std::string> ApplyPlacements(ui::Form& form, std::span<const Placement> rows) {
  std::vector<std::string> missing;
  for (const Placement& row : rows) {
    ui::Control* control = form.FindControl(row.control);
    if (control == nullptr) {
      missing.emplace_back(row.control);
      continue;
    }
    const ui::Rect& now = control->Bounds();
    control->SetBounds(row.left.value_or(now.left), row.top.value_or(now.top),
                       row.width.value_or(now.width), row.height.value_or(now.height));
    if (row.font_points) {
      ui::Font font = control->GetFont();
      font.size = PointsToPixels(*row.font_points);
      control->SetFont(font);
    }
    if (row.visible)
      control->SetVisible(*row.visible);
  }
  return missing;
}

// ---- The editor's layout routines ------------------------------------------------------

void FeliratForm::LayoutFor(Layout layout, LayoutShow show, bool film) {
  const bool film_player = program_.FilmPlayer();
  // The window is hidden while its controls move.
  Hide();
  PlaceWindow(*this, layout);

  if (film && film_player)
    ShowFilmArea(layout);
  else
    HideFilmArea(layout);

  ApplyPlacements(*this, OverlayPlacements(layout));
  if (film_player && layout != Layout::k800 && layout_film != nullptr && cds.Active() &&
      Timer2.Enabled()) {
    layout_film->ShowOverlayRow(cds.RecNo());
  }

  ApplyPlacements(*this, LayoutPlacements(layout));
  PlaceRightOf(Lkarakter, sordarab);
  PlaceRightOf(Lkarakter2, sordarab2);
  PlaceInBlankRun(Cbtobb, SEbetu);

  if (show == LayoutShow::kIgen) {
    const int rows_without_scroll_bar = layout == Layout::k800 ? 10 : 15;
    if (cds.RecordCount() > rows_without_scroll_bar)
      racs.ShowVerticalScrollBar(true);
    Show();
  }
}

void FeliratForm::LayoutFor1280(LayoutShow show, bool film) {
  LayoutFor(Layout::k1280, show, film);
}

void FeliratForm::LayoutFor1024(LayoutShow show, bool film) {
  LayoutFor(Layout::k1024, show, film);
}

void FeliratForm::LayoutFor800(LayoutShow show, bool film) {
  LayoutFor(Layout::k800, show, film);
}

void FeliratForm::ShowFilmArea(Layout layout) {
  if (!program_.FilmPlayer()) {
    HideFilmArea(layout);
    return;
  }
  GBAdatok.Show();
  wmp1.Show();
  // The player lies behind every other control: it is the window's first control.
  ApplyPlacements(*this, FilmAreaPlacements(layout, true));
  if (!cds.IsEmpty()) {
    BeKeEr.SetEnabled(true);
    BeBeEr.SetEnabled(true);
  }
}

void FeliratForm::HideFilmArea(Layout layout) {
  const bool film_player = program_.FilmPlayer();
  if (film_player) {
    wmp1.Hide();
    GBAdatok.Hide();
    Timer2.SetEnabled(false);
  }
  BeKeEr.SetEnabled(false);
  BeBeEr.SetEnabled(false);
  if (film_player) {
    HideFilmOverlay(*this);
    program_.film->FilmAreaHidden();
    SBSub.Hide();
    SBNonSub.Hide();
  }
  ApplyPlacements(*this, FilmAreaPlacements(layout, false));
}

void FeliratForm::ShowFilmArea1280() {
  ShowFilmArea(Layout::k1280);
}
void FeliratForm::ShowFilmArea1024() {
  ShowFilmArea(Layout::k1024);
}
void FeliratForm::ShowFilmArea800() {
  ShowFilmArea(Layout::k800);
}
void FeliratForm::HideFilmArea1280() {
  HideFilmArea(Layout::k1280);
}
void FeliratForm::HideFilmArea1024() {
  HideFilmArea(Layout::k1024);
}
void FeliratForm::HideFilmArea800() {
  HideFilmArea(Layout::k800);
}

}  // namespace editor
