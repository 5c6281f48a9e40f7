// The translation window's checks and saves: what is written where, what is asked and said,
// and that every check and save ends its busy state with the cursor where it began.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/fileneve.h"
#include "platform/desktop/temp_folder.h"
#include "platform/desktop/unprivileged.h"
#include "shell/fo_form.h"
#include "shell/kiszoveg.h"
#include "shell/rig.h"
#include "translation/forditas.h"

namespace {

using desktop_test::ReadBytes;
using desktop_test::TempFolder;
using desktop_test::WriteBytes;
using translation::TForditas;
namespace field = dataset::translation_field;
using Texts = std::vector<std::string>;

constexpr std::string_view kSubRip =
    "1\r\n00:00:01,000 --> 00:00:02,500\r\nHello\r\nWorld\r\n\r\n2\r\n"
    "00:00:03,000 --> 00:00:04,000\r\nBye\r\n\r\n";
// As the workspace writes kSubRip back: its trailing blank line was not kept as a row.
constexpr std::string_view kSubRipWritten =
    "1\r\n00:00:01,000 --> 00:00:02,500\r\nHello\r\nWorld\r\n\r\n2\r\n"
    "00:00:03,000 --> 00:00:04,000\r\nBye\r\n";
constexpr std::string_view kFrames = "{100}{250}Hello|World\n{300}{400}\n";
constexpr std::string_view kFramesWritten = "{100}{250}Hello|World\r\n{300}{400}\r\n";
constexpr std::string_view kSaved = "message: Mentés | A Feliratot elmentettem |";
constexpr std::string_view kAllRight = "message: Ellenőrzés | Mindent rendben találtam! |";
constexpr std::string_view kEmptyField =
    "message: Ellenőrzés | Üres mező! | Kérem töltse fel a sort rendesen!";
constexpr std::string_view kBadTime =
    "message: Hiba! | Hiba az egyik intervallumban! | Helyes megadás pl: 01:10:34,567";

struct Workspace : shell::testing::Rig {
  Workspace() {
    program.state.StartState = "For";
    shell::ResetTranslationWindow(program);
    window().Show();
    driver.ClearLog();
  }
  TForditas& window() { return *program.Forditas; }

  std::filesystem::path Write(std::string_view name, std::string_view bytes) {
    WriteBytes(folder / name, bytes);
    return folder / name;
  }
  void Load(void (TForditas::*loader)(), const std::filesystem::path& file) {
    program.state.CurrentFilePath = files::ShownPath(file);
    (window().*loader)();
  }
  void AnswerOk(int times = 1) {
    for (int i = 0; i < times; ++i)
      driver.OnModal("Kiszoveg", [this] { driver.Click(program.Kiszoveg->Bok); });
  }
  // The file-name window: `name` typed in `where`, then OK; an empty name leaves it by Mégsem.
  void AnswerFileName(const std::filesystem::path& where, std::string_view name) {
    driver.OnModal("Fileneve", [this, where, name = std::string(name)] {
      files::TFileneve& names = *program.Fileneve;
      names.dlb.SetDirectory(where);
      if (name.empty()) {
        driver.Click(names.Button1);
        return;
      }
      driver.Focus(names.e1);
      driver.Type(name);
      driver.Click(names.Bok);
    });
  }
  Texts Messages() const { return driver.LogLines("message: "); }

  static Texts Rows(const dataset::RowTable& table) {
    Texts rows;
    for (int row = 1; row <= table.RecordCount(); ++row) {
      rows.push_back(std::string(table.Cell(row, field::kKezdes)) + "|" +
                     std::string(table.Cell(row, field::kBefejezes)) + "|" +
                     std::string(table.Cell(row, field::kSzoveg)));
    }
    return rows;
  }

  // What every check and save leaves behind.
  void ExpectIdle(int source_row, int translation_row) {
    TForditas& f = window();
    EXPECT_FALSE(program.state.InternalUpdate);
    EXPECT_FALSE(f.cdsE.ControlsDisabled());
    EXPECT_FALSE(f.cdsF.ControlsDisabled());
    EXPECT_FALSE(f.EEszazalek.Visible());
    EXPECT_FALSE(f.EFszazalek.Visible());
    EXPECT_EQ(f.cdsE.RecNo(), source_row);
    EXPECT_EQ(f.cdsF.RecNo(), translation_row);
  }

  TempFolder folder;
};

void SetRow(dataset::RowTable& table, int row, std::string_view start, std::string_view end) {
  table.SetRecNo(row);
  table.Edit();
  table.SetValue(field::kKezdes, start);
  table.SetValue(field::kBefejezes, end);
  table.Post();
}

TEST(TranslationCheck, TheCheckButtonReportsAndLeavesTheCursorWhereItWas) {
  struct Case {
    const char* name;
    std::string_view file;
    bool source;
    // A row made faulty before the check (0: none), and its new times.
    int bad_row;
    const char* start;
    const char* end;
    std::string_view message;
  };
  const std::vector<Case> cases = {
      {"a clean SubRip source", kSubRip, true, 0, "", "", kAllRight},
      {"a clean frame translation", kFrames, false, 0, "", "", kAllRight},
      {"a SubRip source with a start but no end", kSubRip, true, 4, "00:00:03,000", "", kBadTime},
      {"a frame translation with an emptied row", kFrames, false, 1, "", "", kEmptyField},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    TForditas& f = w.window();
    w.Load(c.source ? &TForditas::LoadSourceSubtitle : &TForditas::LoadTranslated,
           w.Write(c.source ? "a.srt" : "b.sub", c.file));
    dataset::RowTable& table = c.source ? f.cdsE : f.cdsF;
    if (c.bad_row > 0)
      SetRow(table, c.bad_row, c.start, c.end);
    table.SetRecNo(2);
    w.driver.ClearLog();
    w.AnswerOk();

    EXPECT_TRUE(w.driver.Click(c.source ? f.BEell : f.BFell));

    EXPECT_EQ(w.driver.Verify(), "");
    EXPECT_EQ(w.Messages(), Texts{std::string(c.message)});
    w.ExpectIdle(c.source ? 2 : 0, c.source ? 0 : 2);
    if (!c.source) {
      for (const ui::Edit* editor : {&f.Edit4, &f.Edit5, &f.Edit6})
        EXPECT_TRUE(editor->Visible()) << editor->Name();
    }
  }
}

TEST(TranslationSave, TheSourceIsWrittenBackToItsFileInTheFormatOfItsMode) {
  struct Case {
    const char* name;
    const char* file_name;
    std::string bytes;
    std::string written;
  };
  const std::vector<Case> cases = {
      {"SubRip", "a.srt", std::string(kSubRip), std::string(kSubRipWritten)},
      {"frame-based", "a.sub", std::string(kFrames), std::string(kFramesWritten)},
      {"SubViewer, written as SubRip with its times in milliseconds", "a.txt",
       "00:00:01.50,00:00:03.00\r\nOne[br]Two\r\n\r\n00:00:04.00,00:00:05.25\r\nThree\r\n",
       "1\r\n00:00:01,500 --> 00:00:03,000\r\nOne|Two\r\n\r\n"
       "2\r\n00:00:04,000 --> 00:00:05,250\r\nThree\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    TForditas& f = w.window();
    const std::filesystem::path file = w.Write(c.file_name, c.bytes);
    w.Load(&TForditas::LoadSourceSubtitle, file);
    f.cdsE.SetRecNo(2);
    w.AnswerOk();

    EXPECT_TRUE(w.driver.Click(f.Esave));

    EXPECT_EQ(w.driver.Verify(), "");
    EXPECT_EQ(w.Messages(), Texts{std::string(kSaved)});
    EXPECT_EQ(ReadBytes(file), c.written);
    EXPECT_EQ(w.folder.Names(), Texts{c.file_name});
    w.ExpectIdle(2, 0);
    EXPECT_TRUE(f.Esave.Enabled());
    EXPECT_TRUE(f.Pem.Enabled());
  }
}

TEST(TranslationSave, ARowStillBeingInsertedIsSavedWithEveryOtherRow) {
  Workspace w;
  TForditas& f = w.window();
  const std::filesystem::path file = w.Write("a.sub", kFrames);
  w.Load(&TForditas::LoadSourceSubtitle, file);
  f.cdsE.SetRecNo(2);
  f.cdsE.Insert();
  f.cdsE.SetValue(field::kKezdes, "260");
  f.cdsE.SetValue(field::kBefejezes, "290");
  f.cdsE.SetValue(field::kSzoveg, "New");
  w.AnswerOk();

  f.EsaveClick();

  EXPECT_EQ(w.driver.Verify(), "");
  EXPECT_EQ(ReadBytes(file), "{100}{250}Hello|World\r\n{260}{290}New\r\n{300}{400}\r\n");
  EXPECT_EQ(f.cdsE.RecordCount(), 3);
  w.ExpectIdle(2, 0);
}

TEST(TranslationSave, LoadSaveLoadGivesTheSameRowsOnBothSides) {
  const std::vector<std::pair<const char*, std::string>> files = {
      {"a.srt", std::string(kSubRip)},
      {"a.sub", std::string(kFrames)},
      {"a.txt", "00:00:01.50,00:00:03.00\r\nOne[br]Two\r\n\r\n00:00:04.00,00:00:05.25\r\nX\r\n"},
  };
  for (const auto& [name, bytes] : files) {
    for (const bool source : {true, false}) {
      SCOPED_TRACE(std::string(name) + (source ? " source" : " translation"));
      Workspace w;
      TForditas& f = w.window();
      const auto loader = source ? &TForditas::LoadSourceSubtitle : &TForditas::LoadTranslated;
      const std::filesystem::path file = w.Write(name, bytes);
      w.Load(loader, file);
      dataset::RowTable& table = source ? f.cdsE : f.cdsF;
      const Texts loaded = Workspace::Rows(table);
      ASSERT_FALSE(loaded.empty());
      w.AnswerOk();
      (f.*(source ? &TForditas::EsaveClick : &TForditas::FsaveClick))();
      w.Load(loader, file);
      EXPECT_EQ(Workspace::Rows(table), loaded);
      EXPECT_EQ(w.driver.Verify(), "");
    }
  }
}

TEST(TranslationSave, ATranslationWithoutAFileAsksForANameAtEverySave) {
  Workspace w;
  TForditas& f = w.window();
  w.program.state.BuildEmptyTranslation = true;
  const std::filesystem::path source = w.Write("a.srt", kSubRip);
  w.Load(&TForditas::LoadSourceWithTranslation, source);
  ASSERT_EQ(f.Eff.Text(), "");

  w.AnswerFileName(w.folder.path(), "forditas");
  w.AnswerOk();
  EXPECT_TRUE(w.driver.Click(f.Fsave));
  EXPECT_EQ(w.driver.Verify(), "");
  EXPECT_EQ(w.Messages(), Texts{std::string(kSaved)});
  EXPECT_EQ(ReadBytes(w.folder / "forditas.srt"),
            "1\r\n00:00:01,000 --> 00:00:02,500\r\n\r\n\r\n\r\n"
            "2\r\n00:00:03,000 --> 00:00:04,000\r\n\r\n");
  EXPECT_EQ(w.program.state.CurrentFilePath.Path(), w.folder / "forditas.srt");
  EXPECT_EQ(f.Eff.Text(), "");
  w.ExpectIdle(1, 1);

  // Asked again; left without a name, nothing is written, not even over the source.
  w.driver.ClearLog();
  w.AnswerFileName(w.folder.path(), "");
  EXPECT_TRUE(w.driver.ChooseMenuItem(f.Pfm));
  EXPECT_EQ(w.driver.Verify(), "");
  EXPECT_TRUE(w.Messages().empty());
  EXPECT_EQ(w.folder.Names(), (Texts{"a.srt", "forditas.srt"}));
  EXPECT_EQ(ReadBytes(source), kSubRip);
  w.ExpectIdle(1, 1);
}

TEST(TranslationSave, AFailingCheckOrAnUnknownModeWritesNothing) {
  struct Case {
    const char* name;
    std::string_view file;
    // The source's first row given these times, or its mode box this text.
    const char* start;
    const char* end;
    const char* mode;
    std::string_view message;
  };
  const std::vector<Case> cases = {
      {"a start without an end", kSubRip, "00:00:01,000", "", nullptr, kBadTime},
      {"a frame row without numbers", kFrames, "", "", nullptr, kEmptyField},
      {"a mode box of neither word", kFrames, "100", "250", "",
       "message: Figyelmeztetés | Ismeretlen típus! Nem mentettem el! |"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    TForditas& f = w.window();
    const std::filesystem::path file = w.Write("a.sub", c.file);
    w.Load(&TForditas::LoadSourceSubtitle, file);
    SetRow(f.cdsE, 1, c.start, c.end);
    if (c.mode != nullptr)
      f.EEfm.SetText(c.mode);
    f.cdsE.SetRecNo(2);
    w.AnswerOk();

    f.EsaveClick();

    EXPECT_EQ(w.driver.Verify(), "");
    EXPECT_EQ(w.Messages(), Texts{std::string(c.message)});
    EXPECT_EQ(ReadBytes(file), c.file);
    EXPECT_EQ(w.folder.Names(), Texts{"a.sub"});
    w.ExpectIdle(2, 0);
  }
}

TEST(TranslationSave, SavingBothSavesTheTranslationAfterAFailedSource) {
  Workspace w;
  TForditas& f = w.window();
  const std::filesystem::path source = w.Write("a.sub", kFrames);
  const std::filesystem::path translation = w.Write("b.srt", kSubRip);
  w.Load(&TForditas::LoadSourceSubtitle, source);
  w.Load(&TForditas::LoadTranslated, translation);
  SetRow(f.cdsE, 2, "", "400");
  w.AnswerOk(2);

  EXPECT_TRUE(w.driver.ChooseMenuItem(f.Pmm));

  EXPECT_EQ(w.driver.Verify(), "");
  EXPECT_EQ(w.Messages(), (Texts{std::string(kEmptyField), std::string(kSaved)}));
  EXPECT_EQ(ReadBytes(source), kFrames);
  EXPECT_EQ(ReadBytes(translation), kSubRipWritten);
  // The translation's cursor followed the source's to row 2 (the tables are coupled).
  w.ExpectIdle(2, 2);
}

TEST(TranslationSave, APartialSideIsWrittenOnlyAfterIgen) {
  constexpr std::string_view kStopped = "1\n00:00:01,000 --> 00:00:02,000\nA\n\n12a\n3\n";
  for (const bool yes : {true, false}) {
    SCOPED_TRACE(yes ? "Igen" : "Nem");
    Workspace w;
    TForditas& f = w.window();
    const std::filesystem::path file = w.Write("a.srt", kStopped);
    w.AnswerOk();
    w.Load(&TForditas::LoadSourceSubtitle, file);
    ASSERT_TRUE(f.SourcePartial);
    w.driver.ClearLog();
    w.driver.OnModal("Kiszoveg", [&w, yes] {
      w.driver.Click(yes ? w.program.Kiszoveg->Bigen : w.program.Kiszoveg->Bnem);
    });
    if (yes)
      w.AnswerOk();

    f.EsaveClick();

    EXPECT_EQ(w.driver.Verify(), "");
    EXPECT_EQ(w.Messages().size(), yes ? 2u : 1u);
    EXPECT_EQ(ReadBytes(file), yes ? "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n" : kStopped);
    w.ExpectIdle(1, 0);
  }
}

// Permission bits stop no write of the superuser: these run as a user without rights.
TEST(TranslationSave, AWriteProtectedTargetSaysSoAndLeavesTheFolderAsItWas) {
  struct Case {
    const char* name;
    bool source;  // the source back to its write-protected file; else a new name in the folder
  };
  for (const Case c : {Case{"a write-protected source file", true},
                       Case{"a new translation in a read-only folder", false}}) {
    SCOPED_TRACE(c.name);
    Workspace w;
    TForditas& f = w.window();
    w.program.state.BuildEmptyTranslation = true;
    const std::filesystem::path source = w.Write("a.srt", kSubRip);
    w.Load(&TForditas::LoadSourceWithTranslation, source);
    desktop_test::OwnForUnprivileged(w.folder.path());
    desktop_test::OwnForUnprivileged(source);
    if (c.source)
      std::filesystem::permissions(source, std::filesystem::perms::owner_read);
    else
      std::filesystem::permissions(
          w.folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (!c.source)
      w.AnswerFileName(w.folder.path(), "t");
    w.AnswerOk();
    const std::optional<std::string> answer = desktop_test::RunUnprivileged([&]() -> std::string {
      (c.source ? f.Esave : f.Fsave).Click();
      std::string wrong = w.driver.Verify();
      const std::string name = c.source ? "a.srt" : "t.srt";
      const Texts expected{"message: Írásvédett file! | Írásvédett a következő file: " + name +
                           " | A kért mentés nem sikerült!"};
      if (w.Messages() != expected)
        wrong += " messages: " + (w.Messages().empty() ? "none" : w.Messages().front());
      if (w.program.state.CurrentFileName != name)
        wrong += " CurrentFileName: " + w.program.state.CurrentFileName;
      if (w.program.state.InternalUpdate || f.cdsE.ControlsDisabled() ||
          f.cdsF.ControlsDisabled() || f.EEszazalek.Visible() || f.EFszazalek.Visible())
        wrong += " still busy";
      return wrong;
    });
    // The steps were taken in the child; the piece itself checked that they all ran.
    w.driver.Verify();
    std::filesystem::permissions(w.folder.path(), std::filesystem::perms::owner_all);
    std::filesystem::permissions(source, std::filesystem::perms::owner_all);
    if (!answer)
      GTEST_SKIP() << "cannot give up the superuser's rights here";
    EXPECT_EQ(*answer, "");
    EXPECT_EQ(ReadBytes(source), kSubRip);
    EXPECT_EQ(w.folder.Names(), Texts{"a.srt"});
  }
}

}  // namespace
