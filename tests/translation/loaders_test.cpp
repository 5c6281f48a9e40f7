// The translation window's loaders and its pair dialog on files written for each case: the
// rows of both tables, the side's boxes and the controls left enabled.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/temp_folder.h"
#include "shell/fo_form.h"
#include "shell/kiszoveg.h"
#include "shell/rig.h"
#include "translation/ford_elott.h"
#include "translation/forditas.h"

namespace {

using desktop_test::TempFolder;
using desktop_test::WriteBytes;
namespace field = dataset::translation_field;

constexpr std::string_view kSubRip =
    "1\r\n00:00:01,000 --> 00:00:02,500\r\nHello\r\nWorld\r\n\r\n2\r\n"
    "00:00:03,000 --> 00:00:04,000\r\nBye\r\n\r\n";
constexpr std::string_view kStopped = "1\n00:00:01,000 --> 00:00:02,000\nA\n\n12a\n3\n";
constexpr std::string_view kFrames = "{100}{250}Hello|World\n{300}{400}Bye\n";
constexpr std::string_view kNoKind = "hello\nworld\n";

std::string Utf16Le(std::string_view ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

struct Workspace : shell::testing::Rig {
  Workspace() {
    program.state.StartState = "For";
    shell::ResetTranslationWindow(program);
    window().Show();
    driver.ClearLog();
  }
  translation::TForditas& window() { return *program.Forditas; }
  translation::TFordElott& dialog() { return *program.FordElott; }

  std::filesystem::path Write(std::string_view name, std::string_view bytes) {
    WriteBytes(folder / name, bytes);
    return folder / name;
  }
  void AnswerOk() {
    driver.OnModal("Kiszoveg", [this] { driver.Click(program.Kiszoveg->Bok); });
  }
  void Load(void (translation::TForditas::*loader)(), const std::filesystem::path& file) {
    program.state.CurrentFilePath = files::ShownPath(file);
    (window().*loader)();
  }

  static std::vector<std::string> Rows(const dataset::RowTable& table) {
    std::vector<std::string> rows;
    for (int row = 1; row <= table.RecordCount(); ++row) {
      rows.push_back(std::string(table.Cell(row, field::kKezdes)) + "|" +
                     std::string(table.Cell(row, field::kBefejezes)) + "|" +
                     std::string(table.Cell(row, field::kSzoveg)));
    }
    return rows;
  }

  TempFolder folder;
};

TEST(TranslationLoaders, TheSourceWithAnEmptyTranslationFillsBothTablesRowForRow) {
  Workspace w;
  w.program.state.BuildEmptyTranslation = true;
  w.Load(&translation::TForditas::LoadSourceWithTranslation, w.Write("a.srt", kSubRip));
  EXPECT_EQ(Workspace::Rows(w.window().cdsE),
            (std::vector<std::string>{"00:00:01,000|00:00:02,500|Hello", "||World", "||",
                                      "00:00:03,000|00:00:04,000|Bye"}));
  EXPECT_EQ(Workspace::Rows(w.window().cdsF),
            (std::vector<std::string>{"00:00:01,000|00:00:02,500|", "||", "||",
                                      "00:00:03,000|00:00:04,000|"}));
  EXPECT_EQ(w.window().EEfm.Text(), "Time");
  EXPECT_EQ(w.window().EFfm.Text(), "Time");
  EXPECT_EQ(w.window().cdsE.RecNo(), 1);
  EXPECT_EQ(w.window().cdsF.RecNo(), 1);
  for (const ui::MenuItem* item : {&w.window().Pem, &w.window().Pfm, &w.window().Pmm})
    EXPECT_TRUE(item->Enabled()) << item->Name();
  EXPECT_FALSE(w.program.state.InternalUpdate);
  EXPECT_FALSE(w.window().cdsE.ControlsDisabled());
  EXPECT_FALSE(w.window().EEszazalek.Visible());
}

struct OutcomeCase {
  const char* name;
  void (translation::TForditas::*loader)();
  std::string bytes;
  std::size_t rows;
  std::string mode;
  bool path_shown;
  bool save_enabled;
  bool partial;
  bool message;
};

TEST(TranslationLoaders, HowAReadEndsDecidesTheSideControlsModeAndPathBoxes) {
  using translation::TForditas;
  const std::vector<OutcomeCase> cases = {
      {"source complete, after a UTF-8 byte-order mark", &TForditas::LoadSourceSubtitle,
       "\xEF\xBB\xBF" + std::string(kSubRip), 4, "Time", true, true, false, false},
      {"source stopped", &TForditas::LoadSourceSubtitle, std::string(kStopped), 1, "Time", true,
       true, true, true},
      {"source UTF-16", &TForditas::LoadSourceSubtitle, Utf16Le("1\r\n"), 0, "", false, false,
       false, true},
      {"source of no kind", &TForditas::LoadSourceSubtitle, std::string(kNoKind), 0, "", false,
       false, false, true},
      {"translation complete", &TForditas::LoadTranslated, std::string(kFrames), 2, "Frame", true,
       true, false, false},
      {"translation stopped", &TForditas::LoadTranslated, std::string(kStopped), 1, "Time", true,
       true, true, true},
      {"translation UTF-16", &TForditas::LoadTranslated, Utf16Le("1\r\n"), 0, "", false, false,
       false, true},
      {"translation of no kind", &TForditas::LoadTranslated, std::string(kNoKind), 0, "", false,
       false, false, true},
  };
  for (const OutcomeCase& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    const bool source = c.loader == &TForditas::LoadSourceSubtitle;
    TForditas& f = w.window();
    // An earlier load of the side, which a refused file must not leave behind.
    w.Load(c.loader, w.Write("earlier.sub", kFrames));
    ASSERT_EQ((source ? f.EEfm : f.EFfm).Text(), "Frame");
    w.driver.ClearLog();
    if (c.message)
      w.AnswerOk();
    const std::filesystem::path file = w.Write("file.srt", c.bytes);
    w.Load(c.loader, file);

    EXPECT_EQ((source ? f.cdsE : f.cdsF).RecordCount(), static_cast<int>(c.rows));
    EXPECT_EQ((source ? f.EEfm : f.EFfm).Text(), c.mode);
    EXPECT_EQ((source ? f.Efe : f.Eff).Text(),
              files::ShownPath(c.path_shown ? file : w.folder / "earlier.sub").Text());
    EXPECT_EQ((source ? f.Esave : f.Fsave).Enabled(), c.save_enabled);
    EXPECT_EQ((source ? f.Pem : f.Pfm).Enabled(), c.save_enabled);
    EXPECT_EQ((source ? f.Button8 : f.Button9).Visible(), c.mode == "Frame");
    EXPECT_EQ(source ? f.SourcePartial : f.TranslationPartial, c.partial);
    EXPECT_EQ(w.driver.LogLines("message: ").size(), c.message ? 1u : 0u);
  }
}

TEST(TranslationLoaders, ASubViewerFileInUtf16IsDecodedAndRead) {
  Workspace w;
  w.Load(&translation::TForditas::LoadTranslated,
         w.Write("t.txt", Utf16Le("00:00:01.50,00:00:03.00\r\nOne[br]Two\r\n\r\n\r\n")));
  EXPECT_EQ(Workspace::Rows(w.window().cdsF),
            (std::vector<std::string>{"00:00:01,500|00:00:03,000|One|Two"}));
}

TEST(TranslationLoaders, LoadingTheTranslationAgainReplacesItAndLeavesTheSource) {
  Workspace w;
  w.Load(&translation::TForditas::LoadSourceSubtitle, w.Write("a.srt", kSubRip));
  w.Load(&translation::TForditas::LoadTranslated, w.Write("b.sub", kFrames));
  w.Load(&translation::TForditas::LoadTranslated, w.Write("c.sub", "{1}{2}Only\n"));
  EXPECT_EQ(Workspace::Rows(w.window().cdsF), (std::vector<std::string>{"1|2|Only"}));
  EXPECT_EQ(w.window().cdsE.RecordCount(), 4);
}

TEST(TranslationLoaders, AFolderIsRefusedWithoutBlocking) {
  Workspace w;
  w.AnswerOk();
  w.Load(&translation::TForditas::LoadSourceSubtitle, w.folder.path());
  EXPECT_TRUE(w.window().cdsE.IsEmpty());
  EXPECT_FALSE(w.window().Esave.Enabled());
}

TEST(TranslationLoaders, APartialSideIsSavedOnlyAfterIgen) {
  using Side = translation::TForditas::Side;
  Workspace w;
  w.Load(&translation::TForditas::LoadSourceSubtitle, w.Write("a.srt", kSubRip));
  EXPECT_TRUE(w.window().ConfirmSaveOfSide(Side::kSource));
  EXPECT_TRUE(w.driver.LogLines("message: ").empty());

  w.AnswerOk();
  w.Load(&translation::TForditas::LoadTranslated, w.Write("b.srt", kStopped));
  for (auto [button, saves] :
       {std::pair{&shell::TKiszoveg::Bigen, true}, std::pair{&shell::TKiszoveg::Bnem, false}}) {
    w.driver.OnModal("Kiszoveg",
                     [&w, button = button] { w.driver.Click(w.program.Kiszoveg.get()->*button); });
    EXPECT_EQ(w.window().ConfirmSaveOfSide(Side::kTranslation), saves);
  }
}

// ---- The pair dialog --------------------------------------------------------------------

TEST(TranslationPairDialog, LoadIsEnabledOnlyWithASourceAndATranslationOrTheEmptyOne) {
  Workspace w;
  translation::TFordElott& d = w.dialog();
  d.Show();
  EXPECT_FALSE(d.BFetovabb.Enabled());
  d.Eef.SetText("a.srt");
  EXPECT_FALSE(d.BFetovabb.Enabled());
  w.driver.Click(d.Ferb2);
  EXPECT_TRUE(d.BFetovabb.Enabled());
  EXPECT_FALSE(d.Eff.Enabled());
  EXPECT_FALSE(d.K2.Enabled());
  EXPECT_EQ(d.Eff.GetColor(), ui::Bgr(192, 192, 192));
  w.driver.Click(d.Ferb1);
  EXPECT_FALSE(d.BFetovabb.Enabled());
  EXPECT_TRUE(d.Eff.Enabled());
  EXPECT_TRUE(d.K2.Enabled());
  d.Eff.SetText("b.srt");
  EXPECT_TRUE(d.BFetovabb.Enabled());
}

TEST(TranslationPairDialog, LoadReadsBothFilesFromTheRealPathsBesideTheBoxes) {
  Workspace w;
  translation::TFordElott& d = w.dialog();
  w.driver.OnModal("FordElott", [&] {
    d.SourcePath = files::ShownPath(w.Write("a.srt", kSubRip));
    d.Eef.SetText(d.SourcePath.Text());
    d.TranslationPath = files::ShownPath(w.Write("b.sub", kFrames));
    d.Eff.SetText(d.TranslationPath.Text());
    EXPECT_TRUE(w.driver.Click(d.BFetovabb));
  });
  w.driver.ChooseMenuItem(w.window().jprojectmegnyits1);
  EXPECT_FALSE(d.Visible());
  EXPECT_EQ(w.window().cdsE.RecordCount(), 4);
  EXPECT_EQ(Workspace::Rows(w.window().cdsF),
            (std::vector<std::string>{"100|250|Hello|World", "300|400|Bye"}));
  EXPECT_EQ(w.window().EFfm.Text(), "Frame");
  EXPECT_TRUE(w.window().Button9.Visible());
  EXPECT_FALSE(w.program.state.BuildEmptyTranslation);
}

TEST(TranslationPairDialog, ProjectOpeningEmptiesTheSourceBoxAndSelectsATranslationFile) {
  Workspace w;
  translation::TFordElott& d = w.dialog();
  d.Eef.SetText("old.srt");
  d.Ferb2.SetChecked(true);
  w.driver.OnModal("FordElott", [&] {
    EXPECT_EQ(d.Eef.Text(), "");
    EXPECT_TRUE(d.Ferb1.Checked());
    EXPECT_FALSE(d.BFetovabb.Enabled());
    w.driver.Click(d.Button1);
  });
  w.driver.Click(w.window().BitBtn3);
  EXPECT_TRUE(w.window().cdsE.IsEmpty());
}

// ---- Exits and the entry reset ----------------------------------------------------------

struct ExitCase {
  const char* name;
  ui::Control* (*button)(translation::TForditas&);
  std::string state_after;
  // The start window, shown again, stays; on "ki" it ends the program at once.
  bool start_window_stays;
};

TEST(TranslationWindow, EveryExitShowsTheStartWindowWithItsStateWord) {
  const std::vector<ExitCase> cases = {
      {"Vissza", [](translation::TForditas& f) -> ui::Control* { return &f.Bfvissza; }, "vissza",
       true},
      {"Kilépés", [](translation::TForditas& f) -> ui::Control* { return &f.BfKilepes; }, "ki",
       false},
      {"close box", nullptr, "ki", false},
  };
  for (const ExitCase& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    w.program.FoForm->Hide();
    if (c.button != nullptr)
      w.driver.Click(*c.button(w.window()));
    else
      w.window().Close();
    EXPECT_FALSE(w.window().Visible());
    EXPECT_EQ(w.program.state.StartState, c.state_after);
    EXPECT_FALSE(w.window().cdsE.Active());
    EXPECT_FALSE(w.window().cdsF.Active());
    EXPECT_EQ(w.program.FoForm->Visible(), c.start_window_stays);
    EXPECT_EQ(w.driver.LogLines("show: FoForm").size(), 1u);
  }
}

TEST(TranslationWindow, EnteringAgainDisablesWhatTheLastLoadEnabled) {
  Workspace w;
  w.Load(&translation::TForditas::LoadSourceSubtitle, w.Write("a.sub", kFrames));
  EXPECT_TRUE(w.window().DoltE.Enabled());
  EXPECT_TRUE(w.window().Button8.Visible());
  w.program.state.TextClipboard = "x";
  w.driver.Click(w.window().Bfvissza);
  ASSERT_TRUE(w.program.FoForm->Visible());
  w.window().Show();
  EXPECT_FALSE(w.window().DoltE.Enabled());
  EXPECT_FALSE(w.window().Button8.Visible());
  EXPECT_EQ(w.program.state.TextClipboard, "");
}

TEST(TranslationWindow, ALayoutSwitchKeepsWhatTheLoadEnabled) {
  Workspace w;
  w.Load(&translation::TForditas::LoadSourceSubtitle, w.Write("a.sub", kFrames));
  w.program.state.TextClipboard = "x";
  w.driver.OnModal("Kiszoveg", [&] { w.driver.Click(w.program.Kiszoveg->Bigen); });
  w.driver.ChooseMenuItem(w.window().felbonts11);
  EXPECT_EQ(w.window().Height(), 565);
  EXPECT_TRUE(w.window().DoltE.Enabled());
  EXPECT_TRUE(w.window().Button8.Visible());
  EXPECT_EQ(w.program.state.TextClipboard, "x");
}

TEST(TranslationWindow, TheSmallLayoutIsRefusedOnASmallScreenAndTakenOtherwise) {
  shell::testing::Rig small(1024, 600);
  small.driver.OnModal("Kiszoveg", [&] { small.driver.Click(small.program.Kiszoveg->Bok); });
  const int height = small.program.Forditas->Height();
  const std::string layout = small.program.state.ScreenLayout;
  small.program.Forditas->felbonts22Click();
  EXPECT_EQ(small.program.Forditas->Height(), height);
  EXPECT_EQ(small.program.state.ScreenLayout, layout);
  EXPECT_EQ(small.driver.LogLines("message: ").size(), 1u);

  Workspace w;
  w.driver.OnModal("Kiszoveg", [&] { w.driver.Click(w.program.Kiszoveg->Bigen); });
  w.window().felbonts11Click();
  EXPECT_EQ(w.program.state.ScreenLayout, "800x600");
  EXPECT_EQ(w.window().Width(), 681);
  EXPECT_EQ(w.window().Height(), 565);
  EXPECT_EQ(w.window().Racsff.Bounds(), (ui::Rect{0, 288, 673, 159}));
  EXPECT_TRUE(w.window().Visible());
}

}  // namespace
