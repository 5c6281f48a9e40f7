// The split half of the editor's two-part panel, driven through the editor window.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/editor_rig.h"

namespace editor {
namespace {

using files::testing::EditorRig;
using files::testing::ReadBytes;
using files::testing::RowValues;
using files::testing::TempFolder;
using files::testing::WriteBytes;
using Strings = std::vector<std::string>;

// Ten rows a second apart, each lasting half a second, and the panel switched to the split.
struct SplitRig : EditorRig {
  explicit SplitRig(std::string_view time_base, std::string_view name) {
    SetTimeBase(time_base);
    std::vector<RowValues> rows;
    for (int i = 1; i <= 10; ++i) {
      const std::string text = "Row " + std::to_string(i);
      if (time_base == "Time")
        rows.push_back({"00:00:1" + std::to_string(i - 1) + ",000",
                        "00:00:1" + std::to_string(i - 1) + ",500", text});
      else
        rows.push_back({std::to_string(1000 + 100 * i), std::to_string(1050 + 100 * i), text});
    }
    AddRows(rows);
    SetDocument(folder / name);
    editor().Efilenev.SetText(std::string(name));
    driver.Click(editor().RB12);
    driver.ClearLog();
  }

  // The next `count` messages are answered with OK.
  void AnswerOk(int count) {
    for (int i = 0; i < count; ++i)
      AnswerMessage(&shell::TKiszoveg::Bok);
  }

  // Picks the row (the row change offers it) and types nothing: the proposed new start stays.
  void Pick(int row) { editor().cds.SetRecNo(row); }

  TempFolder folder;
};

TEST(Split, TimeBaseWritesBothPartsWithPart2StartingAtTheNewValue) {
  SplitRig rig("Time", "film.srt");
  TFelirat& e = rig.editor();
  EXPECT_TRUE(e.GB12.Visible());
  EXPECT_FALSE(e.GB1.Visible());
  EXPECT_TRUE(e.RB12cd1.Checked());
  EXPECT_FALSE(e.Bvegrehajt.Enabled());

  rig.Pick(8);
  EXPECT_EQ(e.E4kezdo.Text(), "00:00:17,000");
  EXPECT_EQ(e.E4kezdouj.Text(), "00:00:00,000");
  ASSERT_TRUE(e.Bvegrehajt.Enabled());
  rig.AnswerOk(1);
  rig.driver.Click(e.Bvegrehajt);

  EXPECT_EQ(rig.Messages(),
            (Strings{"message: Sikeres szétválasztás! | Sikeresen megtörtént a szétválasztás! "
                     "A 2 file neve: | film cd1.srt, film cd2.srt"}));
  const std::string part1 = ReadBytes(rig.folder / "film cd1.srt");
  EXPECT_TRUE(part1.starts_with("1\r\n00:00:10,000 --> 00:00:10,500\r\nRow 1\r\n\r\n2\r\n"));
  EXPECT_TRUE(part1.ends_with("7\r\n00:00:16,000 --> 00:00:16,500\r\nRow 7\r\n\r\n"));
  EXPECT_EQ(ReadBytes(rig.folder / "film cd2.srt"),
            "1\r\n00:00:00,000 --> 00:00:00,500\r\nRow 8\r\n\r\n"
            "2\r\n00:00:01,000 --> 00:00:01,500\r\nRow 9\r\n\r\n"
            "3\r\n00:00:02,000 --> 00:00:02,500\r\nRow 10\r\n\r\n");
  // The open subtitle is not changed; the command ends on the first row.
  EXPECT_EQ(e.cds.RecNo(), 1);
  EXPECT_EQ(e.cds.Value(dataset::subtitle_field::kKezdes), "00:00:10,000");
  EXPECT_FALSE(e.Bvegrehajt.Enabled());
  EXPECT_TRUE(e.Efilenev.Visible());
}

TEST(Split, FrameBaseMendsTheExtensionAndShiftsFrames) {
  SplitRig rig("Frame", "film.srt");
  TFelirat& e = rig.editor();
  rig.Pick(9);
  EXPECT_EQ(e.E4kezdo.Text(), "1900");
  e.E4kezdouj.SetText("10");
  rig.AnswerOk(2);
  rig.driver.Click(e.Bvegrehajt);
  EXPECT_EQ(rig.Messages(),
            (Strings{"message: Eltérés! | A file neve nem egyezik meg a típussal! | "
                     "Következmény: javítom az eltérést!",
                     "message: Sikeres szétválasztás! | Sikeresen megtörtént a szétválasztás! "
                     "A 2 file neve: | film cd1.sub, film cd2.sub"}));
  // Only the parts are named with the time base's extension: the document stays film.srt.
  EXPECT_EQ(e.Efilenev.Text(), "film.srt");
  EXPECT_EQ(rig.state().CurrentFilePath.Path(), rig.folder / "film.srt");
  EXPECT_EQ(rig.state().CurrentFileName, "film.srt");
  EXPECT_TRUE(e.Bmentes.Enabled());
  EXPECT_EQ(ReadBytes(rig.folder / "film cd2.sub"), "{10}{60}Row 9\r\n{110}{160}Row 10\r\n");
  EXPECT_TRUE(ReadBytes(rig.folder / "film cd1.sub").ends_with("{1800}{1850}Row 8\r\n"));
}

TEST(Split, StopsAndFailuresLeaveNoHalfWrittenFiles) {
  {  // The first row cannot be part 2's first row.
    SplitRig rig("Time", "film.srt");
    rig.Pick(2);
    rig.Pick(1);
    rig.AnswerOk(1);
    rig.driver.Click(rig.editor().Bvegrehajt);
    EXPECT_EQ(rig.Messages(), (Strings{"message: Információ | Az első sort nem jelölheted ki! |"}));
    EXPECT_FALSE(std::filesystem::exists(rig.folder / "film cd1.srt"));
  }
  {  // "Nem" to the overwrite question keeps the old part.
    SplitRig rig("Time", "film.srt");
    WriteBytes(rig.folder / "film cd2.srt", "old");
    rig.Pick(4);
    rig.AnswerMessage(&shell::TKiszoveg::Bnem);
    rig.driver.Click(rig.editor().Bvegrehajt);
    EXPECT_EQ(rig.Messages(),
              (Strings{"message: Létező file! | Már létezik a file: film cd2.srt | Felülírjam?"}));
    EXPECT_EQ(ReadBytes(rig.folder / "film cd2.srt"), "old");
    EXPECT_FALSE(std::filesystem::exists(rig.folder / "film cd1.srt"));
    EXPECT_FALSE(rig.editor().Bvegrehajt.Enabled());
  }
  {  // Part 2 cannot be written: part 1 is whole, part 2 is named.
    SplitRig rig("Time", "film.srt");
    std::filesystem::create_directory(rig.folder / "film cd2.srt");
    rig.Pick(4);
    rig.AnswerOk(1);
    rig.driver.Click(rig.editor().Bvegrehajt);
    EXPECT_EQ(rig.Messages(),
              (Strings{"message: Írásvédett file! | Írásvédett a következő file: film cd2.srt | "
                       "A kért szétválasztás nem sikerült!"}));
    EXPECT_TRUE(ReadBytes(rig.folder / "film cd1.srt").ends_with("Row 3\r\n\r\n"));
    EXPECT_TRUE(std::filesystem::is_directory(rig.folder / "film cd2.srt"));
  }
}

TEST(Split, TheMendedExtensionNeverMovesTheDocumentPath) {
  // film.sub switched to Time: the parts are .srt files, and a later save still means film.sub,
  // so an unrelated film.srt beside it is never written.
  SplitRig rig("Time", "film.sub");
  WriteBytes(rig.folder / "film.srt", "unrelated");
  TFelirat& e = rig.editor();
  rig.Pick(4);
  rig.AnswerOk(2);
  rig.driver.Click(e.Bvegrehajt);
  EXPECT_EQ(rig.Messages(),
            (Strings{"message: Eltérés! | A file neve nem egyezik meg a típussal! | "
                     "Következmény: javítom az eltérést!",
                     "message: Sikeres szétválasztás! | Sikeresen megtörtént a szétválasztás! "
                     "A 2 file neve: | film cd1.srt, film cd2.srt"}));
  EXPECT_EQ(rig.state().CurrentFilePath.Path(), rig.folder / "film.sub");
  EXPECT_EQ(rig.state().CurrentFileName, "film.sub");
  EXPECT_EQ(e.Efilenev.Text(), "film.sub");
  EXPECT_TRUE(ReadBytes(rig.folder / "film cd2.srt").starts_with("1\r\n00:00:00,000 --> "));

  rig.driver.ClearLog();
  rig.AnswerOk(1);
  rig.LeaveNameWindow();
  e.Mentes1Click();
  EXPECT_EQ(rig.Messages(),
            (Strings{"message: Eltérés! | A file neve nem egyezik meg a típussal! | "
                     "Következmény: filenév bekérés"}));
  EXPECT_EQ(ReadBytes(rig.folder / "film.srt"), "unrelated");
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(Split, ASubtitleWithoutANameIsNotSplit) {
  struct Case {
    const char* name;
    bool keep_path;
  };
  // A new subtitle has neither; a name box emptied by hand leaves no name to build from either.
  for (const Case c : std::vector<Case>{{"no path, no name", false}, {"no name", true}}) {
    SCOPED_TRACE(c.name);
    SplitRig rig("Time", "film.srt");
    if (!c.keep_path) {
      rig.state().CurrentFilePath.clear();
      rig.state().CurrentFileName.clear();
      rig.state().CurrentDirectory.clear();
    }
    rig.editor().Efilenev.SetText("");
    rig.Pick(4);
    rig.AnswerOk(1);
    rig.driver.Click(rig.editor().Bvegrehajt);
    EXPECT_EQ(rig.Messages(), (Strings{"message: Információ | A feliratnak még nincs neve! | "
                                       "Kérem előbb mentse el a feliratot!"}));
    EXPECT_TRUE(std::filesystem::is_empty(rig.folder.path()));
    EXPECT_FALSE(std::filesystem::exists(" cd1"));
    EXPECT_FALSE(std::filesystem::exists(" cd2"));
    EXPECT_FALSE(rig.editor().Bvegrehajt.Enabled());
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(Split, EveryExistingPartIsAskedAboutHiddenOrNot) {
  struct Case {
    const char* name;      // the subtitle's file name
    const char* existing;  // what lies where a part goes
    bool link;             // a dangling link instead of a file
    const char* question;
  };
  const std::vector<Case> cases = {
      {".film.srt", ".film cd1.srt", false,
       "message: Létező file! | Már létezik a file: .film cd1.srt | Felülírjam?"},
      {".film.srt", ".film cd2.srt", false,
       "message: Létező file! | Már létezik a file: .film cd2.srt | Felülírjam?"},
      {"film.srt", "film cd2.srt", true,
       "message: Létező file! | Már létezik a file: film cd2.srt | Felülírjam?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.existing);
    for (ui::BitBtn shell::TKiszoveg::*answer :
         {&shell::TKiszoveg::Bnem, &shell::TKiszoveg::Bigen}) {
      SplitRig rig("Time", c.name);
      const std::filesystem::path taken = rig.folder / c.existing;
      if (c.link)
        std::filesystem::create_symlink(rig.folder / "nowhere", taken);
      else
        WriteBytes(taken, "old");
      rig.Pick(4);
      rig.AnswerMessage(answer);
      const bool overwrite = answer == &shell::TKiszoveg::Bigen;
      if (overwrite)
        rig.AnswerOk(1);
      rig.driver.Click(rig.editor().Bvegrehajt);
      ASSERT_FALSE(rig.Messages().empty());
      EXPECT_EQ(rig.Messages()[0], c.question);
      if (overwrite) {
        EXPECT_TRUE(ReadBytes(taken).starts_with("1\r\n"));
      } else {
        EXPECT_EQ(rig.Messages().size(), 1u);
        if (!c.link) {
          EXPECT_EQ(ReadBytes(taken), "old");
        }
        EXPECT_TRUE(std::filesystem::is_symlink(taken) == c.link);
      }
      EXPECT_EQ(rig.driver.Verify(), "");
    }
  }
}

TEST(Split, RowWithoutTimesCannotBePicked) {
  SplitRig rig("Time", "film.srt");
  TFelirat& e = rig.editor();
  {
    shell::InternalUpdateGuard quiet(rig.state());
    e.cds.SetRecNo(5);
    e.cds.Edit();
    e.cds.SetValue(dataset::subtitle_field::kBefejezes, "");
    e.cds.Post();
  }
  rig.driver.ClearLog();
  rig.Pick(6);
  ASSERT_TRUE(e.Bvegrehajt.Enabled());
  e.E4kezdouj.SetText("00:00:03,000");
  rig.AnswerOk(1);
  rig.Pick(5);
  EXPECT_EQ(rig.Messages(),
            (Strings{"message: Információ | Ezt a sort nem választhatja ki, mert nincs a sorban "
                     "adat! |"}));
  // Nothing of the earlier pick stays: "Végrehajtás" cannot split at the refused row.
  EXPECT_FALSE(e.Bvegrehajt.Enabled());
  EXPECT_FALSE(e.Label13.Enabled());
  EXPECT_FALSE(e.E4kezdouj.Enabled());
  EXPECT_EQ(e.E4kezdo.Text(), "");
  EXPECT_EQ(e.E4kezdouj.Text(), "");
  EXPECT_FALSE(std::filesystem::exists(rig.folder / "film cd1.srt"));
  // A good row is offered again.
  rig.Pick(7);
  EXPECT_TRUE(e.Bvegrehajt.Enabled());
  EXPECT_EQ(e.E4kezdo.Text(), "00:00:16,000");
  EXPECT_EQ(rig.driver.Verify(), "");
}

}  // namespace
}  // namespace editor
