// The translation window's loaders and its pair dialog on files written for each case: the
// rows of both tables, the side's boxes and the controls left enabled.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/kereses.h"
#include "platform/desktop/temp_folder.h"
#include "shell/fo_form.h"
#include "shell/hibaki.h"
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
  void AnswerList() {
    driver.OnModal("Hibaki", [this] { driver.Click(program.Hibaki->Button1); });
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
  // The result list shows how the file was read.
  bool list = false;
};

TEST(TranslationLoaders, HowAReadEndsDecidesTheSideControlsModeAndPathBoxes) {
  using translation::TForditas;
  const std::vector<OutcomeCase> cases = {
      {"source complete, after a UTF-8 byte-order mark", &TForditas::LoadSourceSubtitle,
       "\xEF\xBB\xBF" + std::string(kSubRip), 4, "Time", true, true, false, false, true},
      {"source stopped", &TForditas::LoadSourceSubtitle, std::string(kStopped), 1, "Time", true,
       true, true, true},
      {"source UTF-16", &TForditas::LoadSourceSubtitle, Utf16Le(kSubRip), 4, "Time", true, true,
       false, false, true},
      {"source of no kind", &TForditas::LoadSourceSubtitle, std::string(kNoKind), 0, "", false,
       false, false, true},
      {"translation complete", &TForditas::LoadTranslated, std::string(kFrames), 2, "Frame", true,
       true, false, false},
      {"translation stopped", &TForditas::LoadTranslated, std::string(kStopped), 1, "Time", true,
       true, true, true},
      {"translation UTF-16", &TForditas::LoadTranslated, Utf16Le(kSubRip), 4, "Time", true, true,
       false, false, true},
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
    if (c.list)
      w.driver.OnModal("Hibaki", [&w] { w.driver.Click(w.program.Hibaki->Button1); });
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
    EXPECT_EQ(w.driver.LogLines("list: ").size(), c.list ? 1u : 0u);
  }
}

TEST(TranslationLoaders, ASubViewerFileInUtf16IsDecodedAndRead) {
  Workspace w;
  w.AnswerList();
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

// ---- What a read changed, and files that cannot be read ---------------------------------------

TEST(TranslationLoaders, UnreadableFilesAreNamedWithTheReasonAndTheSideStaysAsItWas) {
  struct Case {
    const char* name;
    void (translation::TForditas::*loader)();
    bool folder;
    std::string message;
  };
  using translation::TForditas;
  const std::vector<Case> cases = {
      {"a missing source", &TForditas::LoadSourceSubtitle, false,
       "message: Hiba | Nem tudtam beolvasni a következő file-t: nincs.srt | A file nem létezik!"},
      {"a missing translation", &TForditas::LoadTranslated, false,
       "message: Hiba | Nem tudtam beolvasni a következő file-t: nincs.srt | A file nem létezik!"},
      {"a folder as the source", &TForditas::LoadSourceSubtitle, true,
       "message: Hiba | Nem tudtam beolvasni a következő file-t: mappa | Ez nem file, hanem mappa "
       "vagy eszköz!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    TForditas& f = w.window();
    const bool source = c.loader == &TForditas::LoadSourceSubtitle;
    const std::filesystem::path earlier = w.Write("earlier.sub", kFrames);
    w.Load(c.loader, earlier);
    std::filesystem::create_directory(w.folder / "mappa");
    w.driver.ClearLog();
    w.AnswerOk();
    w.Load(c.loader, c.folder ? w.folder / "mappa" : w.folder / "nincs.srt");
    EXPECT_EQ(w.driver.LogLines("message: "), (std::vector<std::string>{c.message}));
    EXPECT_EQ(Workspace::Rows(source ? f.cdsE : f.cdsF),
              (std::vector<std::string>{"100|250|Hello|World", "300|400|Bye"}));
    EXPECT_EQ((source ? f.Efe : f.Eff).Text(), files::ShownPath(earlier).Text());
    EXPECT_TRUE((source ? f.Esave : f.Fsave).Enabled());
    EXPECT_TRUE((source ? f.Edit2 : f.Edit6).Visible());
    EXPECT_FALSE(w.program.state.InternalUpdate);
    EXPECT_FALSE((source ? f.cdsE : f.cdsF).ControlsDisabled());
  }
}

TEST(TranslationLoaders, AUtf8FileIsReadAsTheTextItHoldsWithTheEditorsNotice) {
  Workspace w;
  translation::TForditas& f = w.window();
  // "Árvíztűrő tükörfúrógép" in UTF-8, without a byte-order mark.
  const std::string utf8_text =
      "\xC3\x81rv\xC3\xADzt\xC5\xB1r\xC5\x91 t\xC3\xBCk\xC3\xB6rf\xC3\xBAr\xC3\xB3g\xC3\xA9p";
  const std::filesystem::path file =
      w.Write("utf8.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\n" + utf8_text + "\r\n");
  w.AnswerList();
  w.Load(&translation::TForditas::LoadSourceSubtitle, file);
  EXPECT_EQ(Workspace::Rows(f.cdsE),
            (std::vector<std::string>{"00:00:01,000|00:00:02,000|Árvíztűrő tükörfúrógép"}));
  EXPECT_EQ(w.driver.LogLines("list: "), (std::vector<std::string>{"list: Hibák észelelése"}));
  const std::vector<std::string> lines = w.driver.LogLines("| ");
  EXPECT_NE(
      std::find(lines.begin(), lines.end(), "| Ez a felirat UTF-8-as file-ból lett betöltve!!!"),
      lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "| Mentéskor Windows-1250-es kódolású lesz!"),
            lines.end());
  EXPECT_FALSE(f.SourcePartial);

  // Saved as Windows-1250, as the notice says.
  w.AnswerOk();
  f.EsaveClick();
  EXPECT_EQ(desktop_test::ReadBytes(file),
            "1\r\n00:00:01,000 --> 00:00:02,000\r\nÁrvíztűrő tükörfúrógép\r\n");
}

TEST(TranslationLoaders, CutTextsAreNamedAndTheSideAsksBeforeItIsSavedOverItsFile) {
  using translation::TForditas;
  const std::string long_text = std::string(220, 'a') + "LEVAGOTT01";
  struct Case {
    const char* name;
    void (TForditas::*loader)();
    std::string bytes;
    int row;
  };
  const std::vector<Case> cases = {
      {"SubRip source, second entry", &TForditas::LoadSourceSubtitle,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n2\r\n00:00:03,000 --> 00:00:04,000\r\n" +
           long_text + "\r\n",
       3},
      {"frame-based translation", &TForditas::LoadTranslated, "{1}{2}" + long_text + "\r\n", 1},
      {"SubViewer source", &TForditas::LoadSourceSubtitle,
       "00:00:01.00,00:00:02.00\r\n" + long_text + "\r\n", 1},
  };
  for (const Case& c : cases) {
    for (bool yes : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (yes ? ", Igen" : ", Nem"));
      Workspace w;
      TForditas& f = w.window();
      const bool source = c.loader == &TForditas::LoadSourceSubtitle;
      const std::filesystem::path file = w.Write("long.txt", c.bytes);
      w.AnswerList();
      w.Load(c.loader, file);
      EXPECT_EQ(
          w.driver.LogLines("| "),
          (std::vector<std::string>{"| Hiba oka: a szöveg 220 karakternél hosszabb volt -> levágva",
                                    "| Ebben a sorban fordult elő a hiba: " + std::to_string(c.row),
                                    "| A levágott rész: LEVAGOTT01"}));
      EXPECT_TRUE(source ? f.SourcePartial : f.TranslationPartial);
      EXPECT_TRUE(source ? f.SourceTextsCut : f.TranslationTextsCut);
      EXPECT_TRUE(w.driver.LogLines("message: ").empty());

      w.driver.ClearLog();
      w.driver.OnModal("Kiszoveg", [&w, yes] {
        w.driver.Click(yes ? static_cast<ui::Control&>(w.program.Kiszoveg->Bigen)
                           : w.program.Kiszoveg->Bnem);
      });
      if (yes)
        w.AnswerOk();
      (f.*(source ? &TForditas::EsaveClick : &TForditas::FsaveClick))();
      std::vector<std::string> messages = {
          "message: Mentés | A felirat néhány szövege betöltéskor le lett vágva! | Elmenti?"};
      if (yes)
        messages.push_back("message: Mentés | A Feliratot elmentettem |");
      EXPECT_EQ(w.driver.LogLines("message: "), messages);
      EXPECT_EQ(desktop_test::ReadBytes(file) == c.bytes, !yes);
    }
  }
}

TEST(TranslationLoaders, ASubViewerEntryWithASecondTextLineStopsTheReadAndAsksBeforeASave) {
  for (const char* between : {"\r\n", ""}) {
    SCOPED_TRACE(*between == 0 ? "no blank line" : "a blank line");
    Workspace w;
    translation::TForditas& f = w.window();
    const std::string bytes = std::string("00:00:01.00,00:00:02.00\r\nOne\r\nTwo\r\n") + between +
                              "00:00:03.00,00:00:04.00\r\nThree\r\n";
    const std::filesystem::path file = w.Write("pairs.txt", bytes);
    w.AnswerOk();
    w.Load(&translation::TForditas::LoadSourceSubtitle, file);
    EXPECT_EQ(w.driver.LogLines("message: "),
              (std::vector<std::string>{
                  "message: Hiba | Hiba a file-ban! | Csak eddig tudtam betölteni a file-t!"}));
    EXPECT_EQ(Workspace::Rows(f.cdsE), (std::vector<std::string>{"00:00:01,000|00:00:02,000|One"}));
    EXPECT_TRUE(f.SourcePartial);
    EXPECT_FALSE(f.SourceTextsCut);

    w.driver.ClearLog();
    w.driver.OnModal("Kiszoveg", [&w] { w.driver.Click(w.program.Kiszoveg->Bmegsem); });
    f.EsaveClick();
    EXPECT_EQ(w.driver.LogLines("message: "),
              (std::vector<std::string>{
                  "message: Mentés | A felirat csak a hibás sorig töltődött be! | Elmenti?"}));
    EXPECT_EQ(desktop_test::ReadBytes(file), bytes);
  }
}

TEST(TranslationLoaders, WhatALoadFromTheOpenWindowHasToSayShowsOnceTheOpenWindowHasClosed) {
  Workspace w;
  translation::TForditas& f = w.window();
  // A cut text in a file that also stops early: the list, then the stop message.
  const std::filesystem::path file =
      w.Write("long.srt",
              "1\r\n00:00:01,000 --> 00:00:02,000\r\n" + std::string(225, 'x') + "\r\n\r\n12a\r\n");
  files::TKereses& open = *w.program.Kereses;
  w.driver.OnModal("Kereses", [&] {
    const text::LineList& items = open.filelistbox.Items();
    const auto it = std::find(items.begin(), items.end(), "long.srt");
    ASSERT_NE(it, items.end());
    w.driver.ClickItem(open.filelistbox, static_cast<int>(it - items.begin()));
    w.driver.Click(open.megnyitas);
  });
  std::vector<std::string> order;
  w.driver.OnModal("Hibaki", [&] {
    order.push_back(open.Visible() ? "list over the open window" : "list");
    w.driver.Click(w.program.Hibaki->Button1);
  });
  w.driver.OnModal("Kiszoveg", [&] {
    order.push_back(open.Visible() ? "message over the open window" : "message");
    w.driver.Click(w.program.Kiszoveg->Bok);
  });
  w.program.state.CurrentDirectory = files::ShownPath(w.folder.path());
  w.driver.Click(f.BitBtn2);
  EXPECT_EQ(order, (std::vector<std::string>{"list", "message"}));
  EXPECT_EQ(f.cdsE.RecordCount(), 1);
  EXPECT_TRUE(f.SourcePartial);
  EXPECT_FALSE(f.SourceTextsCut);
}

}  // namespace
