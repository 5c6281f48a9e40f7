// Files and folders whose names Windows-1250 cannot show (letters outside the code page, bytes
// that are not UTF-8) and names with accented letters: they are opened and written under their
// own names, from the open window, the file-name window and the command line, while the
// windows show them with "?" for what they cannot hold. Beside each of them lies the file or
// folder its shown text would name, so taking the text for the path is caught.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/editor_rig.h"
#include "files/kereses.h"
#include "files/mentes_maskent.h"
#include "files/saving.h"
#include "shell/rig.h"

namespace files {
namespace {

namespace fs = std::filesystem;
using testing::EditorRig;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr std::string_view kReal =
    "1\r\n00:00:01,000 --> 00:00:02,000\r\nValódi\r\n\r\n2\r\n00:00:03,000 --> "
    "00:00:04,000\r\nMásodik\r\n";
constexpr std::string_view kDecoy = "1\r\n00:00:01,000 --> 00:00:02,000\r\nHamis\r\n";

struct Name {
  const char* what;
  fs::path folder;
  fs::path file;           // a .srt file
  std::string shown_file;  // how the windows show the file's name
  fs::path decoy_folder;   // what the shown texts would name, when that is another place
  fs::path decoy_file;
};

std::vector<Name> Names() {
  return {
      {"letters outside the code page", fs::path(u8"日本語"), fs::path(u8"日本語.srt"), "???.srt",
       "???", "???.srt"},
      {"a letter outside the code page", fs::path(u8"España"), fs::path(u8"España.srt"),
       "Espa?a.srt", "Espa?a", "Espa?a.srt"},
      {"bytes that are not UTF-8", "mappa\xff", "film\xff.srt", "film?.srt", "mappa?", "film?.srt"},
      {"accented Hungarian letters", fs::path(u8"ékezet"), fs::path(u8"ékezető.srt"), "ékezető.srt",
       "", ""},
  };
}

// The folder and the file of a name, with the decoys beside them.
void Lay(const TempFolder& temp, const Name& name) {
  fs::create_directory(temp.path() / name.folder);
  WriteBytes(temp.path() / name.folder / name.file, kReal);
  if (!name.decoy_folder.empty()) {
    fs::create_directory(temp.path() / name.decoy_folder);
    WriteBytes(temp.path() / name.decoy_folder / name.decoy_file, kDecoy);
    WriteBytes(temp.path() / name.folder / name.decoy_file, kDecoy);
  }
}

void ExpectDecoysUntouched(const TempFolder& temp, const Name& name) {
  if (name.decoy_folder.empty())
    return;
  EXPECT_EQ(ReadBytes(temp.path() / name.decoy_folder / name.decoy_file), kDecoy);
  EXPECT_EQ(ReadBytes(temp.path() / name.folder / name.decoy_file), kDecoy);
  EXPECT_EQ(std::distance(fs::directory_iterator(temp.path() / name.decoy_folder), {}), 1);
}

// Clicks the entry of the file list that is `file` (two entries may show the same text).
void ClickFile(EditorRig& rig, ui::FileListBox& list, const fs::path& file) {
  for (int i = 0; i < list.Count(); ++i) {
    rig.driver.ClickItem(list, i);
    if (list.FileName() == file)
      return;
  }
  ADD_FAILURE() << "not listed: " << file;
}

std::string RowText(EditorRig& rig, int row) {
  rig.editor().cds.SetRecNo(row);
  return rig.editor().cds.Value(dataset::subtitle_field::kSzoveg);
}

TEST(RealNames, TheOpenWindowOpensAndTheSaveWritesTheFileClickedInAFolderOfAnyName) {
  for (const Name& name : Names()) {
    SCOPED_TRACE(name.what);
    TempFolder temp;
    Lay(temp, name);
    EditorRig rig;
    rig.state().CurrentDirectory = ShownPath(temp.path());
    rig.driver.Activate(rig.editor());
    ASSERT_TRUE(rig.driver.Click(rig.editor().Btallozas));
    TKereses& window = *rig.program.Kereses;

    // Into the folder by its entry in the folder list, then a click on the file.
    ui::DirectoryListBox& folders = window.DirectoryListBox1;
    for (int i = 0; i < folders.Count(); ++i) {
      if (folders.ItemPath(i) == temp.path() / name.folder)
        rig.driver.DoubleClickItem(folders, i);
    }
    ASSERT_EQ(window.filelistbox.Directory(), temp.path() / name.folder);
    ClickFile(rig, window.filelistbox, temp.path() / name.folder / name.file);
    EXPECT_EQ(window.e1.Text(), name.shown_file);
    rig.driver.Click(window.megnyitas);

    EXPECT_EQ(rig.state().CurrentFilePath.Path(), temp.path() / name.folder / name.file);
    EXPECT_EQ(rig.state().CurrentDirectory.Path(), temp.path() / name.folder);
    EXPECT_EQ(rig.editor().Efilenev.Text(), name.shown_file);
    ASSERT_EQ(rig.editor().cds.RecordCount(), 2);
    EXPECT_EQ(RowText(rig, 1), "Valódi");

    // "Felirat mentése" writes the same file.
    rig.editor().cds.SetRecNo(2);
    rig.editor().cds.Edit();
    rig.editor().cds.SetValue(dataset::subtitle_field::kSzoveg, "Javított");
    rig.editor().cds.Post();
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    EXPECT_TRUE(SaveMainSubtitle(rig.program, MainSave::kConfirmed));
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_NE(ReadBytes(temp.path() / name.folder / name.file).find("Javított"), std::string::npos);
    ExpectDecoysUntouched(temp, name);
  }
}

TEST(RealNames, TheFileNameWindowAsksAboutAnExistingFileInAFolderOfAnyNameAndWritesIt) {
  for (const Name& name : Names()) {
    SCOPED_TRACE(name.what);
    TempFolder temp;
    Lay(temp, name);
    WriteBytes(temp.path() / name.folder / "film.srt", "régi");
    EditorRig rig;
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "Új"}});
    rig.SetDocument(temp.path() / name.folder / name.file);
    // The window starts in the document's folder: the name is typed there.
    rig.driver.OnModal("Fileneve", [&rig] {
      EXPECT_EQ(rig.name_window().flb.Directory(), rig.state().CurrentDirectory.Path());
      rig.driver.Focus(rig.name_window().e1);
      rig.driver.Type("film");
      rig.driver.Click(rig.name_window().Bok);
    });
    rig.AnswerMessage(&shell::TKiszoveg::Bigen);
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    EXPECT_TRUE(SaveMainSubtitle(rig.program, MainSave::kAskName));
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.Messages(),
              (std::vector<std::string>{"message: Létező file | Már létezik a file! | Felülírjam?",
                                        "message: Mentés | A file-t elmentettem! |"}));
    EXPECT_EQ(rig.state().CurrentFilePath.Path(), temp.path() / name.folder / "film.srt");
    EXPECT_NE(ReadBytes(temp.path() / name.folder / "film.srt").find("Új"), std::string::npos);
    ExpectDecoysUntouched(temp, name);
  }
}

TEST(RealNames, AClickedFileOfAnyNameIsTheOneOverwritten) {
  for (const Name& name : Names()) {
    SCOPED_TRACE(name.what);
    TempFolder temp;
    Lay(temp, name);
    EditorRig rig;
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "Új"}});
    rig.SetDocument(temp.path() / name.folder / "other.srt");
    rig.driver.OnModal("Fileneve", [&rig, &temp, &name] {
      ClickFile(rig, rig.name_window().flb, temp.path() / name.folder / name.file);
      EXPECT_EQ(rig.name_window().e1.Text(), WithoutExtension(name.shown_file));
      rig.driver.Click(rig.name_window().Bok);
    });
    rig.AnswerMessage(&shell::TKiszoveg::Bigen);
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    EXPECT_TRUE(SaveMainSubtitle(rig.program, MainSave::kAskName));
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.state().CurrentFilePath.Path(), temp.path() / name.folder / name.file);
    EXPECT_EQ(rig.state().CurrentFileName, name.shown_file);
    EXPECT_NE(ReadBytes(temp.path() / name.folder / name.file).find("Új"), std::string::npos);
    ExpectDecoysUntouched(temp, name);
    EXPECT_FALSE(fs::exists(temp.path() / name.folder / "other.srt"));
  }
}

TEST(RealNames, AnExportIsWrittenBesideTheSubtitleUnderItsRealName) {
  for (const Name& name : Names()) {
    SCOPED_TRACE(name.what);
    TempFolder temp;
    Lay(temp, name);
    EditorRig rig;
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "Egy"}});
    rig.SetDocument(temp.path() / name.folder / name.file);
    // The name box comes filled with the subtitle's name; the user takes it where it starts.
    rig.driver.OnModal("Fileneve", [&rig, &name] {
      EXPECT_EQ(rig.name_window().flb.Directory(), rig.state().CurrentDirectory.Path());
      EXPECT_EQ(rig.name_window().e1.Text(), WithoutExtension(name.shown_file));
      rig.driver.Click(rig.name_window().Bok);
    });
    ExportOutcome outcome = ExportOutcome::kNothingSelected;
    rig.driver.OnModal("MentesMaskent", [&rig, &outcome] {
      TMentesMaskent& window = *rig.program.MentesMaskent;
      const auto& items = window.Lista.Items();
      for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].caption == "DVD Subtitle System")
          window.Lista.SetItemIndex(static_cast<int>(i));
      }
      outcome = window.ExportSelectedEntry();
    });
    rig.editor().Feliratmentsemsknt1Click();
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(outcome, ExportOutcome::kWritten);
    fs::path exported = temp.path() / name.folder / name.file;
    exported.replace_extension(".txt");
    EXPECT_EQ(ReadBytes(exported), "00:00:01:00 00:00:02:00 Egy\r\n");
    ExpectDecoysUntouched(temp, name);
  }
}

// A program whose modal steps are queued before it is built: the editor opens the file of
// the command line while the program is being made.
struct StartRig {
  ui::headless::Driver driver;
  shell::testing::FailOnScriptErrors guard{driver};
  std::optional<shell::Program> program;
};

// Starts the program with `file` on the command line (the system's bytes); gives the editor's
// name box and first row's text as the editor showed them, or nullopt when it did not open.
std::optional<std::pair<std::string, std::string>> StartWith(const fs::path& file) {
  StartRig rig;
  std::optional<std::pair<std::string, std::string>> shown;
  rig.driver.OnModal("Felirat", [&] {
    editor::TFelirat& editor = *rig.program->Felirat;
    EXPECT_EQ(rig.program->state.CurrentFilePath.Path(), fs::absolute(file));
    std::string first;
    if (editor.cds.RecordCount() > 0) {
      editor.cds.First();
      first = editor.cds.Value(dataset::subtitle_field::kSzoveg);
    }
    shown.emplace(editor.Efilenev.Text(), first);
    editor.Bki.Click();
  });
  rig.program.emplace(rig.driver.App(), shell::testing::WithArguments({file.string()}));
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.driver.LogLines("message: "), std::vector<std::string>{});
  return shown;
}

TEST(RealNames, AFileOfAnyNameOpensFromTheCommandLine) {
  for (const Name& name : Names()) {
    SCOPED_TRACE(name.what);
    TempFolder temp;
    Lay(temp, name);
    const auto shown = StartWith(temp.path() / name.folder / name.file);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->first, name.shown_file);
    EXPECT_EQ(shown->second, "Valódi");
  }
}

TEST(RealNames, AFileTheProgramSavedUnderAnAccentedNameOpensFromTheCommandLine) {
  TempFolder temp;
  {
    EditorRig rig;
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "Első"}});
    rig.AnswerName(temp.path(), "ékezető");
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    EXPECT_TRUE(SaveMainSubtitle(rig.program, MainSave::kAskName));
    EXPECT_EQ(rig.driver.Verify(), "");
  }
  const fs::path saved = temp.path() / fs::path(u8"ékezető.srt");
  ASSERT_TRUE(fs::exists(saved));
  const auto shown = StartWith(saved);
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(shown->first, "ékezető.srt");
  EXPECT_EQ(shown->second, "Első");
}

}  // namespace
}  // namespace files
