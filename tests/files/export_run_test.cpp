// The export run: the export window opened from the editor, an entry double-clicked, the
// file-name window answered, and what is on disk and in the editor afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/editor_rig.h"
#include "files/mentes_maskent.h"
#include "formats/export_formats.h"
#include "support/file_size_cap.h"

namespace files {
namespace {

using test_support::FileSizeCap;
using testing::EditorRig;
using testing::ReadBytes;
using testing::RowValues;
using testing::TempFolder;
using testing::WriteBytes;

// One line per row, no header: "start end line1//line2" with HH:MM:SS:cc times.
constexpr std::string_view kOneLineLayout = "DVD Subtitle System";
constexpr std::string_view kNotProgrammed =
    "message: Hiányosság | Ez az opció még nincs leprogramozva! |";
constexpr std::string_view kSaved = "message: Mentés | A file-t elmentettem! |";

struct ExportRig : EditorRig {
  TMentesMaskent& window() { return *program.MentesMaskent; }

  // Double-clicks the entry's icon in the list, as the user does.
  void DoubleClickEntry(std::string_view caption) {
    ui::ListView& list = window().Lista;
    const int columns = list.ClientWidth() / ui::ListView::kCellWidth;
    for (size_t i = 0; i < list.Items().size(); ++i) {
      if (list.Items()[i].caption != caption)
        continue;
      const int index = static_cast<int>(i);
      driver.DoubleClickAt(list, (index % columns) * ui::ListView::kCellWidth + 10,
                           (index / columns) * ui::ListView::kCellHeight + 10);
      return;
    }
    ADD_FAILURE() << "no entry " << caption;
  }

  // Opens the export window with Ctrl+Shift+S and runs `inside` in it. True when the window
  // was closing afterwards; a window still open is left with "<<< Vissza".
  bool InExportWindow(const std::function<void()>& inside) {
    bool closing = false;
    driver.OnModal("MentesMaskent", [&] {
      inside();
      closing = window().GetModalResult() != ui::modal::kNone;
      if (!closing)
        driver.Click(window().Button1);
    });
    driver.Press('S', ui::ShiftState::kCtrl | ui::ShiftState::kShift);
    EXPECT_EQ(driver.Verify(), "");
    return closing;
  }

  // Runs the export of one entry; the file-name window must have been scripted.
  bool Export(std::string_view caption) {
    return InExportWindow([&] { DoubleClickEntry(caption); });
  }

  // The next file-name window: the folder chosen, the name box emptied, the name typed, Ok.
  void AnswerNewName(const std::filesystem::path& folder, std::string_view name) {
    driver.OnModal("Fileneve", [this, folder, name = std::string(name)] {
      name_window().dlb.SetDirectory(folder);
      name_window().e1.SetText("");
      driver.Focus(name_window().e1);
      driver.Type(name);
      driver.Click(name_window().Bok);
    });
  }

  void ExpectTableRestored() {
    EXPECT_FALSE(state().InternalUpdate);
    EXPECT_FALSE(editor().cds.ControlsDisabled());
  }
};

TEST(ExportRun, EveryEntryWithoutALayoutAnswersAndTouchesNothing) {
  const std::vector<std::string_view> entries = {"AQtitle",
                                                 "I-Author Script",
                                                 "MacSUB",
                                                 "MicroDVD",
                                                 "MPlayer",
                                                 "MPSub",
                                                 "Phoenix Japanimation on Society",
                                                 "Softitler RTF",
                                                 "Stream SubText Player",
                                                 "SubSonic",
                                                 "TMPlayer"};
  for (std::string_view entry : entries) {
    SCOPED_TRACE(entry);
    ExportRig rig;
    TempFolder folder;
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "A"}});
    rig.SetDocument(folder / "film.srt");
    rig.state().DialogReply = "felulir";
    rig.AnswerMessage(&shell::TKiszoveg::Bok);

    std::optional<bool> stays_open;
    const bool closing = rig.InExportWindow([&] {
      rig.DoubleClickEntry(entry);
      stays_open = rig.window().GetModalResult() == ui::modal::kNone;
    });

    EXPECT_FALSE(closing);
    EXPECT_EQ(stays_open, true);
    EXPECT_EQ(rig.Messages(), std::vector<std::string>{std::string(kNotProgrammed)});
    EXPECT_EQ(rig.state().DialogReply, "nem");
    EXPECT_EQ(rig.state().FileDialogCaller, "MentesMaskent");
    EXPECT_TRUE(rig.Lines("modal: Fileneve").empty());
    EXPECT_TRUE(folder.Names().empty());
    EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(folder / "film.srt"));
  }
}

TEST(ExportRun, WritesTheLayoutUnderTheChosenNameAndKeepsTheDocument) {
  struct Case {
    const char* name;
    bool old_file;  // a file of the chosen name is there and is replaced ("Igen")
  };
  for (const Case& c : {Case{"new file", false}, Case{"replacing a file", true}}) {
    SCOPED_TRACE(c.name);
    ExportRig rig;
    TempFolder folder;
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,500", "<i>A</i>|B"},
                 {"00:00:03,000", "00:00:04,000", ""},
                 {"01:02:03,456", "01:02:04,999", "C"}});
    rig.editor().cds.SetRecNo(3);
    rig.SetDocument(folder / "film.srt");
    rig.editor().Efilenev.SetText("film.srt");
    rig.SetModified(true);
    if (c.old_file) {
      WriteBytes(folder / "film.txt", "old");
      rig.AnswerMessage(&shell::TKiszoveg::Bigen);
    }
    // The name box comes filled with "film"; the user takes it.
    rig.driver.OnModal("Fileneve", [&] {
      EXPECT_EQ(rig.name_window().e1.Text(), "film");
      rig.name_window().dlb.SetDirectory(folder.path());
      rig.driver.Click(rig.name_window().Bok);
    });

    EXPECT_TRUE(rig.Export(kOneLineLayout));

    EXPECT_EQ(ReadBytes(folder / "film.txt"),
              "00:00:01:00 00:00:02:50 A//B\r\n01:02:03:45 01:02:04:99 C\r\n");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"film.txt"});
    // A copy was written: the editor still edits film.srt, which is still not saved.
    EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(folder / "film.srt"));
    EXPECT_EQ(rig.state().CurrentFileName, "film.srt");
    EXPECT_EQ(rig.editor().Efilenev.Text(), "film.srt");
    EXPECT_TRUE(rig.Modified());
    EXPECT_EQ(rig.editor().cds.RecNo(), 1);
    EXPECT_EQ(rig.Messages().size(), c.old_file ? 1u : 0u);  // "Már létezik a file!"
    rig.ExpectTableRestored();
  }
}

TEST(ExportRun, ReturnInTheListExportsTheSelectedEntryFromTheEndOfTheList) {
  ExportRig rig;
  TempFolder folder;
  rig.SetTimeBase("Time");
  rig.AddRows({{"00:00:01,000", "00:00:02,500", "A"}});
  rig.SetDocument(folder / "film.srt");
  rig.driver.OnModal("Fileneve", [&] {
    rig.name_window().dlb.SetDirectory(folder.path());
    rig.driver.Click(rig.name_window().Bok);
  });

  const bool closing = rig.InExportWindow([&] {
    rig.driver.Focus(rig.window().Lista);
    rig.driver.Press(ui::keys::kEnd);
    EXPECT_EQ(rig.window().Lista.SelectedCaption(), "ZeroG");
    rig.driver.Press(ui::keys::kReturn);
  });

  EXPECT_TRUE(closing);
  EXPECT_EQ(rig.Lines("modal: Fileneve").size(), 1u);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"film.zeg"});
}

TEST(ExportRun, FrameNumbersAreWrittenAsTheTimesOfTheEditorsFrameRate) {
  struct Case {
    const char* rate;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      // 240 frames are 10,010 s at 23,976 and 9,6 s at 25; 1000 frames 41,708 s and 40 s.
      {"23,976", "00:00:10:01 00:00:41:70 A//B\r\n"},
      {"25", "00:00:09:60 00:00:40:00 A//B\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rate);
    ExportRig rig;
    TempFolder folder;
    rig.SetTimeBase("Frame");
    rig.editor().cbFps.SetItemIndex(rig.editor().cbFps.IndexOf(c.rate));
    rig.AddRows({{"240", "1000", "A|B"}, {"", "", ""}});
    rig.SetDocument(folder / "film.sub");
    rig.AnswerNewName(folder.path(), "x");

    EXPECT_TRUE(rig.Export(kOneLineLayout));

    EXPECT_EQ(ReadBytes(folder / "x.txt"), c.bytes);
    dataset::RowTable& table = rig.editor().cds;
    EXPECT_EQ(table.Cell(1, dataset::subtitle_field::kKezdes), "240");
    EXPECT_EQ(table.Cell(1, dataset::subtitle_field::kBefejezes), "1000");
  }
}

TEST(ExportRun, ANameNotGivenLeavesTheFileAndTheWindowAsTheyWere) {
  struct Case {
    const char* name;
    std::function<void(ExportRig&)> leave;
  };
  const std::vector<Case> cases = {
      {"<<< Vissza", [](ExportRig& r) { r.driver.Click(r.name_window().Button1); }},
      {"Escape in the name box",
       [](ExportRig& r) {
         r.driver.Focus(r.name_window().e1);
         r.driver.Press(ui::keys::kEscape);
       }},
      {"the close box", [](ExportRig& r) { r.driver.RequestClose(r.name_window()); }},
      {"\"Nem\" to replacing, then <<< Vissza",
       [](ExportRig& r) {
         r.AnswerMessage(&shell::TKiszoveg::Bnem);
         r.driver.Click(r.name_window().Bok);
         r.driver.Click(r.name_window().Button1);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExportRig rig;
    TempFolder folder;
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "A"}});
    rig.SetDocument(folder / "film.srt");
    WriteBytes(folder / "film.ass", "old bytes\n");
    rig.driver.OnModal("Fileneve", [&] {
      rig.name_window().dlb.SetDirectory(folder.path());
      c.leave(rig);
    });

    std::optional<bool> stays_open;
    EXPECT_FALSE(rig.InExportWindow([&] {
      rig.DoubleClickEntry("Advanced SubStation Alpha");
      stays_open = rig.window().GetModalResult() == ui::modal::kNone;
    }));

    EXPECT_EQ(stays_open, true);
    EXPECT_EQ(ReadBytes(folder / "film.ass"), "old bytes\n");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"film.ass"});
    EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(folder / "film.srt"));
    rig.ExpectTableRestored();
  }
}

TEST(ExportRun, AFileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
  struct Case {
    const char* name;
    bool old_file;
    bool capped;             // the write stops half way, as on a full disk
    bool read_only = false;  // the old file may not be written (mode 0444)
  };
  const std::vector<Case> cases = {
      {"the folder went away", false, false},
      {"the disk fills up", true, true},
      {"the file is write-protected", true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExportRig rig;
    TempFolder folder;
    const std::filesystem::path target_folder = folder / "out";
    std::filesystem::create_directory(target_folder);
    rig.SetTimeBase("Time");
    std::vector<RowValues> rows(500, {"00:00:01,000", "00:00:02,000", "a longer text line"});
    rig.AddRows(rows);
    rig.editor().cds.SetRecNo(7);
    rig.SetDocument(target_folder / "film.srt");
    if (c.old_file) {
      WriteBytes(target_folder / "film.txt", "old");
      rig.AnswerMessage(&shell::TKiszoveg::Bigen);
    }
    if (c.read_only) {
      std::filesystem::permissions(target_folder / "film.txt",
                                   std::filesystem::perms::owner_read |
                                       std::filesystem::perms::group_read |
                                       std::filesystem::perms::others_read);
    }
    rig.driver.OnModal("Fileneve", [&] {
      rig.name_window().dlb.SetDirectory(target_folder);
      rig.driver.Click(rig.name_window().Bok);
      if (!c.old_file)
        std::filesystem::remove_all(target_folder);
    });
    rig.AnswerMessage(&shell::TKiszoveg::Bok);

    {
      std::optional<FileSizeCap> cap;
      if (c.capped)
        cap.emplace(1000);
      rig.Export(kOneLineLayout);
    }

    EXPECT_EQ(rig.Lines("message: Írásvédett"),
              std::vector<std::string>{"message: Írásvédett file! | Írásvédett a következő file: "
                                       "film.txt | A kért mentés nem sikerült!"});
    if (c.old_file) {
      EXPECT_EQ(ReadBytes(target_folder / "film.txt"), "old");
      EXPECT_EQ(folder.Names(), std::vector<std::string>{"out"});
      std::vector<std::string> left;
      for (const auto& entry : std::filesystem::directory_iterator(target_folder))
        left.push_back(entry.path().filename().string());
      EXPECT_EQ(left, std::vector<std::string>{"film.txt"});
    } else {
      EXPECT_TRUE(folder.Names().empty());
    }
    EXPECT_EQ(rig.editor().cds.RecNo(), 1);
    rig.ExpectTableRestored();
  }
}

TEST(ExportRun, SubRipIsSavedByTheNativeSaver) {
  ExportRig rig;
  TempFolder folder;
  rig.SetTimeBase("Time");
  rig.AddRows({{"00:00:01,000", "00:00:02,000", "A"}, {"00:00:03,000", "00:00:04,000", "B"}});
  rig.editor().cds.SetRecNo(2);
  rig.SetDocument(folder / "film.sub");
  rig.editor().Efilenev.SetText("film.sub");
  rig.SetModified(true);
  rig.AnswerNewName(folder.path(), "film2");
  rig.AnswerMessage(&shell::TKiszoveg::Bok);

  EXPECT_TRUE(rig.Export("SubRip"));

  EXPECT_EQ(ReadBytes(folder / "film2.srt"),
            "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n2\r\n00:00:03,000 --> "
            "00:00:04,000\r\nB");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"film2.srt"});
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{std::string(kSaved)});
  // The saver wrote a copy: the document, its name and its modified state are as they were.
  EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(folder / "film.sub"));
  EXPECT_EQ(rig.state().CurrentFileName, "film.sub");
  EXPECT_EQ(rig.editor().Efilenev.Text(), "film.sub");
  EXPECT_TRUE(rig.Modified());
  EXPECT_TRUE(rig.editor().Mentes1.Enabled());
  EXPECT_EQ(rig.editor().cds.RecNo(), 1);
  rig.ExpectTableRestored();
}

// An export leaves the subtitle as modified as it was, whichever way the copy is written.
TEST(ExportRun, TheSubtitleStaysAsModifiedAsItWas) {
  struct Case {
    std::string_view entry;
    bool modified;
  };
  const std::vector<Case> cases = {
      {kOneLineLayout, true},
      {kOneLineLayout, false},
      {"SubRip", true},
      {"SubRip", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.entry) + (c.modified ? ", modified" : ", saved"));
    ExportRig rig;
    TempFolder folder;
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "A"}});
    rig.SetDocument(folder / "film.srt");
    rig.SetModified(c.modified);
    rig.AnswerNewName(folder.path(), "masolat");
    if (c.entry == "SubRip")
      rig.AnswerMessage(&shell::TKiszoveg::Bok);  // "A file-t elmentettem!"

    ASSERT_TRUE(rig.Export(c.entry));

    EXPECT_EQ(folder.Names().size(), 1u);
    EXPECT_EQ(rig.editor().IsModified(), c.modified);
    EXPECT_EQ(rig.editor().Bmentes.Enabled(), c.modified);
    EXPECT_EQ(rig.editor().Mentes1.Enabled(), c.modified);
  }
}

// The save after an export writes the document's own file, without "Eltérés!".
TEST(ExportRun, ASaveAfterAnExportWritesTheDocument) {
  for (std::string_view entry : {kOneLineLayout, std::string_view("SubRip")}) {
    SCOPED_TRACE(entry);
    ExportRig rig;
    TempFolder folder;
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "A"}});
    rig.SetDocument(folder / "film.srt");
    rig.editor().Efilenev.SetText("film.srt");
    rig.SetModified(true);
    rig.AnswerNewName(folder.path(), "masolat");
    if (entry == "SubRip")
      rig.AnswerMessage(&shell::TKiszoveg::Bok);  // "A file-t elmentettem!"
    ASSERT_TRUE(rig.Export(entry));

    ASSERT_TRUE(rig.driver.Press('S', ui::ShiftState::kCtrl));
    EXPECT_EQ(rig.driver.Verify(), "");

    EXPECT_EQ(ReadBytes(folder / "film.srt"), "1\r\n00:00:01,000 --> 00:00:02,000\r\nA");
    EXPECT_TRUE(rig.Lines("message: Eltérés!").empty());
    EXPECT_FALSE(rig.Modified());
    EXPECT_EQ(folder.Names().size(), 2u);
  }
}

TEST(ExportRun, EscapeAndVisszaCloseTheWindowWithoutARun) {
  struct Case {
    const char* name;
    std::function<void(ExportRig&)> leave;
  };
  const std::vector<Case> cases = {
      {"<<< Vissza", [](ExportRig& r) { r.driver.Click(r.window().Button1); }},
      {"Escape in the list",
       [](ExportRig& r) {
         r.driver.Focus(r.window().Lista);
         r.driver.Press(ui::keys::kEscape);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExportRig rig;
    TempFolder folder;
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "A"}});
    rig.SetDocument(folder / "film.srt");
    rig.window().Lista.SetItemIndex(0);

    EXPECT_TRUE(rig.InExportWindow([&] { c.leave(rig); }));

    EXPECT_TRUE(folder.Names().empty());
    EXPECT_TRUE(rig.Messages().empty());
    EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(folder / "film.srt"));
    // The list keeps its entry for the next showing.
    EXPECT_EQ(rig.window().Lista.SelectedCaption(), "Adobe Encore DVD");
  }
}

TEST(ExportRun, ADoubleClickWithNoEntrySelectedDoesNothing) {
  ExportRig rig;
  rig.state().FileDialogCaller = "Felirat";
  // Beside the last column of icons: no entry there.
  EXPECT_FALSE(rig.InExportWindow([&] {
    rig.driver.DoubleClickAt(rig.window().Lista, rig.window().Lista.ClientWidth() - 5, 10);
  }));
  EXPECT_EQ(rig.window().Lista.ItemIndex(), -1);
  EXPECT_EQ(rig.window().ExportSelectedEntry(), ExportOutcome::kNothingSelected);
  EXPECT_EQ(rig.state().FileDialogCaller, "Felirat");
  EXPECT_TRUE(rig.Messages().empty());
}

TEST(ExportRows, FrameNumbersBecomeTimeCodesAtTheRateAndTimeCodesStay) {
  dataset::RowTable table{dataset::SubtitleRowFields()};
  table.CreateDataSet();
  for (const ExportRow& row : std::vector<ExportRow>{{"24", "", "A"}, {"0", "48", ""}}) {
    table.Append();
    table.SetValue(dataset::subtitle_field::kKezdes, row.start);
    table.SetValue(dataset::subtitle_field::kBefejezes, row.end);
    table.SetValue(dataset::subtitle_field::kSzoveg, row.text);
    table.Post();
  }
  EXPECT_EQ(
      ExportRowsOfTable(table, "Frame", "24"),
      (std::vector<ExportRow>{{"00:00:01,000", "", "A"}, {"00:00:00,000", "00:00:02,000", ""}}));
  EXPECT_EQ(ExportRowsOfTable(table, "Time", "24"),
            (std::vector<ExportRow>{{"24", "", "A"}, {"0", "48", ""}}));
}

}  // namespace
}  // namespace files
