// The editor's save commands: which writer runs, what is asked, what the save commands show
// afterwards, and that a failed save leaves the old file as it was.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "files/editor_rig.h"
#include "files/saving.h"
#include "shell/hibaki.h"
#include "support/file_size_cap.h"

namespace files {
namespace {

using test_support::FileSizeCap;
using testing::EditorRig;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr std::string_view kTwoTimeRowsSrt =
    "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n2\r\n00:00:03,000 --> 00:00:04,000\r\nB";
constexpr auto kReadOnly = std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                           std::filesystem::perms::others_read;
constexpr std::string_view kSaved = "message: Mentés | A file-t elmentettem! |";

void AddTimeRows(EditorRig& rig) {
  rig.SetTimeBase("Time");
  rig.AddRows(
      {{"00:00:01,000", "00:00:02,000", "A", "X"}, {"00:00:03,000", "00:00:04,000", "B", "Y"}});
}

TEST(SaveCommands, AnExtensionOfTheTimeBaseInAnyCaseSavesSilently) {
  struct Case {
    const char* time_base;
    const char* file_name;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"Time", "FILM.SRT", std::string(kTwoTimeRowsSrt)},
      {"Time", "film.srt", std::string(kTwoTimeRowsSrt)},
      {"Frame", "film.Sub", "{1}{2}A\r\n{3}{4}B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file_name);
    EditorRig rig;
    TempFolder folder;
    rig.SetTimeBase(c.time_base);
    if (std::string_view(c.time_base) == "Time")
      AddTimeRows(rig);
    else
      rig.AddRows({{"1", "2", "A"}, {"3", "4", "B"}});
    rig.SetDocument(folder / c.file_name);
    rig.editor().Efilenev.SetText(c.file_name);
    rig.SetModified(true);

    EXPECT_TRUE(rig.driver.Click(rig.editor().Bmentes));

    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(ReadBytes(folder / c.file_name), c.bytes);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{c.file_name});
    EXPECT_TRUE(rig.Messages().empty());
    EXPECT_FALSE(rig.editor().Bmentes.Enabled());
    EXPECT_FALSE(rig.editor().Mentes1.Enabled());
    EXPECT_EQ(rig.editor().Efilenev.Text(), c.file_name);
  }
}

TEST(SaveCommands, AnExtensionOfTheOtherTimeBaseAsksForANewName) {
  EditorRig rig;
  TempFolder folder;
  AddTimeRows(rig);
  WriteBytes(folder / "film.sub", "{1}{2}old");
  rig.SetDocument(folder / "film.sub");
  rig.editor().Efilenev.SetText("film.sub");
  rig.SetModified(true);
  rig.AnswerMessage(&shell::TKiszoveg::Bok);
  rig.AnswerName(folder.path(), "film");

  rig.driver.ChooseMenuItem(rig.editor().Mentes1);

  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{
                                "message: Eltérés! | A file neve nem egyezik meg a típussal! | "
                                "Következmény: filenév bekérés"});
  EXPECT_EQ(ReadBytes(folder / "film.srt"), kTwoTimeRowsSrt);
  EXPECT_EQ(ReadBytes(folder / "film.sub"), "{1}{2}old");
  EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(folder / "film.srt"));
  EXPECT_EQ(rig.state().CurrentFileName, "film.srt");
  EXPECT_EQ(rig.editor().Efilenev.Text(), "film.srt");
  EXPECT_FALSE(rig.Modified());
}

TEST(SaveCommands, AnEmptyNameBoxAsksTheNameAndConfirms) {
  EditorRig rig;
  TempFolder folder;
  AddTimeRows(rig);
  rig.state().CurrentDirectory = files::ShownPath(folder.path());
  rig.SetModified(true);
  rig.AnswerName(folder.path(), "new");
  rig.AnswerMessage(&shell::TKiszoveg::Bok);

  rig.driver.Click(rig.editor().Bmentes);

  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(ReadBytes(folder / "new.srt"), kTwoTimeRowsSrt);
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{std::string(kSaved)});
  EXPECT_EQ(rig.editor().Efilenev.Text(), "new.srt");
  EXPECT_TRUE(rig.editor().MentM1.Enabled());
}

TEST(SaveCommands, LeavingTheNameWindowRestoresTheModifiedState) {
  struct Case {
    const char* name;
    bool modified;
    bool save_as;  // "Mentés Más Néven" instead of "Mentés" over a file of the wrong kind
  };
  const std::vector<Case> cases = {
      {"modified, wrong extension", true, false},
      {"modified, save as", true, true},
      {"not modified, save as", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorRig rig;
    TempFolder folder;
    AddTimeRows(rig);
    rig.SetDocument(folder / "film.sub");
    rig.editor().Efilenev.SetText("film.sub");
    rig.editor().BMMN.SetEnabled(true);
    rig.SetModified(c.modified);
    if (!c.save_as)
      rig.AnswerMessage(&shell::TKiszoveg::Bok);
    rig.LeaveNameWindow();
    rig.editor().cds.SetRecNo(2);

    rig.driver.Click(c.save_as ? rig.editor().BMMN : rig.editor().Bmentes);

    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.Modified(), c.modified);
    EXPECT_EQ(rig.editor().Mentes1.Enabled(), c.modified);
    EXPECT_TRUE(folder.Names().empty());
    EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(folder / "film.sub"));
    EXPECT_TRUE(rig.state().FileDialogPending);
  }
}

TEST(SaveCommands, AFailedWriteSaysSoKeepsTheOldFileAndStaysModified) {
  struct Case {
    const char* name;
    const char* target;      // under the folder
    bool old_file;           // an old file of this name with "old" in it
    bool capped;             // the write stops half way
    bool read_only = false;  // the old file may not be written (mode 0444)
  };
  const std::vector<Case> cases = {
      {"folder missing", "missing/film.srt", false, false},
      {"a folder in the file's place", "film.srt", false, false},
      {"the disk fills up", "film.srt", true, true},
      {"the file is write-protected", "film.srt", true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorRig rig;
    TempFolder folder;
    rig.SetTimeBase("Time");
    std::vector<testing::RowValues> rows(200, {"00:00:01,000", "00:00:02,000", "a long text"});
    rig.AddRows(rows);
    if (c.old_file)
      WriteBytes(folder / c.target, "old");
    else if (std::string_view(c.name) == "a folder in the file's place")
      std::filesystem::create_directory(folder / c.target);
    if (c.read_only)
      std::filesystem::permissions(folder / c.target, kReadOnly);
    const auto before = folder.Names();
    rig.SetDocument(folder / c.target);
    rig.editor().Efilenev.SetText("film.srt");
    rig.SetModified(true);
    rig.AnswerMessage(&shell::TKiszoveg::Bok);

    {
      std::optional<FileSizeCap> cap;
      if (c.capped)
        cap.emplace(1000);
      rig.driver.Click(rig.editor().Bmentes);
    }

    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.Messages(), std::vector<std::string>{"message: Írásvédett file! | Írásvédett a "
                                                       "következő file: film.srt | A kért mentés "
                                                       "nem sikerült!"});
    EXPECT_TRUE(rig.editor().Bmentes.Enabled());
    EXPECT_TRUE(rig.editor().Mentes1.Enabled());
    EXPECT_FALSE(rig.state().InternalUpdate);
    EXPECT_FALSE(rig.editor().Fszazalek.Visible());
    EXPECT_EQ(folder.Names(), before);
    if (c.old_file) {
      EXPECT_EQ(ReadBytes(folder / c.target), "old");
    }
  }
}

TEST(SaveCommands, TheSubRipChecksFillTheResultListAndSummarise) {
  EditorRig rig;
  TempFolder folder;
  rig.SetTimeBase("Time");
  rig.AddRows({{"00:00:01,000", "00:00:03,000", "A"}, {"00:00:02,000", "00:00:04,000", " B"}});
  rig.program.Hibaki->AddLine("an old line");
  rig.SetDocument(folder / "film.srt");
  rig.editor().Efilenev.SetText("film.srt");
  rig.AnswerMessage(&shell::TKiszoveg::Bok);

  rig.editor().Mentes1Click();

  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.Messages(),
            std::vector<std::string>{"message: Eredmény | Ennyi átfedési hibát találtam: 1; Egyéb "
                                     "hiba: 1 | További információt a \"Lista\" gomb alatt "
                                     "találsz!"});
  const text::LineList& lines = rig.program.Hibaki->LBhiba.Items();
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[3], "A 2. sor kezdő értéke kisebb, mint az 1. sor befejező értéke!");
  EXPECT_EQ(lines[5], "Ebben a sorban az első karakter \"space\"!");

  // A clean save empties the list.
  rig.editor().cds.First();
  rig.editor().cds.SetValue(dataset::subtitle_field::kKezdes, "00:00:03,000");
  rig.editor().cds.SetValue(dataset::subtitle_field::kSzoveg2, "");
  rig.editor().cds.Next();
  rig.editor().cds.SetValue(dataset::subtitle_field::kKezdes, "00:00:03,500");
  rig.editor().cds.SetValue(dataset::subtitle_field::kSzoveg, "B");
  rig.editor().cds.Post();
  rig.driver.ClearLog();
  rig.editor().Mentes1Click();
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_TRUE(rig.program.Hibaki->LBhiba.Items().empty());
}

TEST(SaveSecondText, WritesTheSecondTextWithTheMainTimesAndLeavesTheMainStateAlone) {
  struct Case {
    const char* time_base;
    bool modified;
    std::string bytes;
    const char* file_name;
  };
  const std::vector<Case> cases = {
      {"Time", true,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nX\r\n\r\n2\r\n00:00:03,000 --> 00:00:04,000\r\nY",
       "second.srt"},
      {"Frame", false, "{1}{2}X\r\n{3}{4}Y", "second.sub"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.time_base);
    EditorRig rig;
    TempFolder folder;
    rig.SetTimeBase(c.time_base);
    if (std::string_view(c.time_base) == "Time")
      AddTimeRows(rig);
    else
      rig.AddRows({{"1", "2", "A", "X"}, {"3", "4", "B", "Y"}});
    rig.SetDocument(folder / "main.srt");
    rig.SetModified(c.modified);
    rig.editor().MentesMF.SetEnabled(true);
    rig.AnswerName(folder.path(), "second");
    rig.AnswerMessage(&shell::TKiszoveg::Bok);

    rig.driver.ChooseMenuItem(rig.editor().MentesMF);

    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(ReadBytes(folder / c.file_name), c.bytes);
    EXPECT_EQ(rig.Messages(), std::vector<std::string>{std::string(kSaved)});
    EXPECT_EQ(rig.Modified(), c.modified);
    EXPECT_EQ(rig.editor().Mentes1.Enabled(), c.modified);
    EXPECT_EQ(rig.state().SecondFilePath.Text(), TextOfPath(folder / c.file_name));
    EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(folder / "main.srt"));
  }
}

TEST(SaveSecondText, AFailureNamesTheSecondFileAndLeavesTheMainStateAlone) {
  for (bool modified : {false, true}) {
    SCOPED_TRACE(modified);
    EditorRig rig;
    TempFolder folder;
    rig.SetTimeBase("Time");
    rig.AddRows(std::vector<testing::RowValues>(
        200, {"00:00:01,000", "00:00:02,000", "main text", "the second text"}));
    rig.SetDocument(folder / "main.srt");
    rig.SetModified(modified);
    rig.AnswerName(folder.path(), "second");
    rig.AnswerMessage(&shell::TKiszoveg::Bok);

    bool written = true;
    {
      FileSizeCap cap(1000);
      written = SaveSecondSubtitle(rig.program);
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.Messages(), std::vector<std::string>{"message: Írásvédett file! | Írásvédett a "
                                                       "következő file: second.srt | A kért mentés "
                                                       "nem sikerült!"});
    EXPECT_EQ(rig.Modified(), modified);
    EXPECT_TRUE(folder.Names().empty());
  }
}

TEST(SaveOnExit, SavesWithoutTheConfirmation) {
  EditorRig rig;
  TempFolder folder;
  AddTimeRows(rig);
  rig.SetDocument(folder / "film.srt");
  rig.editor().Efilenev.SetText("film.srt");
  rig.SetModified(true);
  ASSERT_TRUE(rig.program.SaveMainSubtitleOnExit);
  bool saved = false;
  {
    shell::ExitSaveScope scope(rig.state());
    saved = rig.program.SaveMainSubtitleOnExit();
  }
  EXPECT_TRUE(saved);
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_EQ(ReadBytes(folder / "film.srt"), kTwoTimeRowsSrt);
  EXPECT_FALSE(rig.Modified());
}

}  // namespace
}  // namespace files
