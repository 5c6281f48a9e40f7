// The file-name window: what it composes for each caller, when it asks before overwriting, and
// how it is left without a name.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "files/editor_rig.h"
#include "files/ertek2cd.h"
#include "files/kereses.h"
#include "files/mentes_maskent.h"
#include "platform/desktop/file_probes.h"
#include "platform/ui/headless/driver.h"
#include "translation/forditas.h"

namespace files {
namespace {

using testing::EditorRig;
using testing::TempFolder;
using testing::WriteBytes;

// Shows the window for a caller and runs `step` inside it.
void ShowFor(EditorRig& rig, std::string_view caller, std::string_view slot,
             std::function<void()> step) {
  rig.state().FileDialogCaller = std::string(caller);
  rig.state().TextSlot = std::string(slot);
  rig.state().FileDialogPending = false;
  rig.driver.OnModal("Fileneve", std::move(step));
  rig.name_window().ShowModal();
}

void TypeName(EditorRig& rig, std::string_view name) {
  rig.driver.Focus(rig.name_window().e1);
  rig.driver.Type(name);
}

void SelectExport(EditorRig& rig, std::string_view caption) {
  ui::ListView& list = rig.program.MentesMaskent->Lista;
  for (size_t i = 0; i < list.Items().size(); ++i) {
    if (list.Items()[i].caption == caption)
      list.SetItemIndex(static_cast<int>(i));
  }
  ASSERT_EQ(list.SelectedCaption(), caption);
}

TEST(FileNameWindow, ComposesTheResultOfEachCaller) {
  TempFolder temp;
  struct Case {
    const char* name;
    std::string caller;
    std::string slot;
    std::filesystem::path folder;
    std::function<void(EditorRig&)> prepare;
    std::function<std::string(EditorRig&)> result;
    std::string path;
    std::string file_name;  // "" where the caller gets only a path
    std::string filter;
  };
  auto current = [](EditorRig& r) { return r.state().CurrentFilePath.Text(); };
  auto current_name = [](EditorRig& r) { return r.state().CurrentFileName; };
  const std::string folder = TextOfPath(temp.path());
  const std::vector<Case> cases = {
      {"editor, main text, Time", "Felirat", "1", temp.path(),
       [](EditorRig& r) { r.SetTimeBase("Time"); }, current, folder + "/film.srt", "film.srt",
       "Feliratok (*.srt)|*.srt"},
      {"editor, main text, drive root", "Felirat", "1", "/",
       [](EditorRig& r) { r.SetTimeBase("Frame"); }, current, "/film.sub", "film.sub",
       "Feliratok (*.sub)|*.sub"},
      {"editor, second text, Frame", "Felirat", "2", temp.path(),
       [](EditorRig& r) { r.SetTimeBase("Frame"); },
       [](EditorRig& r) { return r.state().SecondFilePath.Text(); }, folder + "/film.sub",
       "film.sub", "Feliratok (*.sub)|*.sub"},
      {"translation, Time", "Forditas", "1", temp.path(),
       [](EditorRig& r) {
         r.SetTimeBase("Frame");
         r.program.Forditas->EFfm.SetText("Time");
       },
       current, folder + "/film.srt", "film.srt", "Feliratok (*.srt)|*.srt"},
      {"join, Frame", "dupla", "1", temp.path(),
       [](EditorRig& r) {
         r.SetTimeBase("Time");
         r.program.Ertek2cd->Edit4.SetText("Frame");
       },
       [](EditorRig& r) { return r.program.Ertek2cd->E2cdfilenev.Text(); }, folder + "/film.sub",
       "", "Feliratok (*.sub)|*.sub"},
      {"export, Cheetah", "MentesMaskent", "1", temp.path(),
       [](EditorRig& r) { SelectExport(r, "Cheetah"); }, current, folder + "/film.asc", "film.asc",
       "Cheetah (*.asc)|*.asc"},
      {"export, drive root", "MentesMaskent", "1", "/",
       [](EditorRig& r) { SelectExport(r, "Stream SubText Script"); }, current, "/film.ssts",
       "film.ssts", "Stream SubText Script (*.ssts)|*.ssts"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorRig rig;
    c.prepare(rig);
    ShowFor(rig, c.caller, c.slot, [&] {
      TFileneve& window = rig.name_window();
      EXPECT_EQ(window.fcb.Filter(), c.filter);
      window.dlb.SetDirectory(c.folder);
      TypeName(rig, "film");
      rig.driver.Click(window.Bok);
    });
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_FALSE(rig.state().FileDialogPending);
    EXPECT_EQ(c.result(rig), c.path);
    if (!c.file_name.empty()) {
      EXPECT_EQ(
          c.caller == "Felirat" && c.slot == "2" ? rig.state().SecondFileName : current_name(rig),
          c.file_name);
    }
    EXPECT_TRUE(rig.editor().MentM1.Enabled());
  }
}

TEST(FileNameWindow, TheExportStartsFromTheDocumentNameCutAtItsLastDot) {
  struct Case {
    const char* document;
    const char* box;
  };
  const std::vector<Case> cases = {
      {"film.srt", "film"}, {"x.js", "x"}, {"a.rt", "a"}, {"a.b.ssts", "a.b"}, {"plain", "plain"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.document);
    EXPECT_EQ(WithoutExtension(c.document), c.box);
  }
  EditorRig rig;
  TempFolder temp;
  SelectExport(rig, "JACOSub 2.7+");
  rig.state().CurrentFileName = "movie.ssts";
  ShowFor(rig, "MentesMaskent", "1", [&] {
    TFileneve& window = rig.name_window();
    EXPECT_EQ(window.e1.Text(), "movie");
    EXPECT_TRUE(window.Bok.Enabled());
    window.dlb.SetDirectory(temp.path());
    rig.driver.Click(window.Bok);
  });
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(temp / "movie.js"));
  EXPECT_EQ(rig.name_window().SaveExtension, ".js");
}

TEST(FileNameWindow, AsksBeforeOverwritingWhatIsOnDisk) {
  struct Case {
    const char* name;
    std::vector<const char*> files;  // made before the window is shown
    const char* made_while_shown;    // made after the list was read ("" for none)
    bool asked;
  };
  const std::vector<Case> cases = {
      {"same name and extension", {"film.srt"}, "", true},
      {"only the other extension", {"film.sub"}, "", false},
      {"made after the list was read", {}, "film.srt", true},
      {"nothing there", {}, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorRig rig;
    TempFolder temp;
    rig.SetTimeBase("Time");
    for (const char* file : c.files)
      WriteBytes(temp / file, "x");
    rig.state().CurrentDirectory = ShownPath(temp.path());
    if (c.asked) {
      rig.AnswerMessage(&shell::TKiszoveg::Bnem);
      rig.AnswerMessage(&shell::TKiszoveg::Bigen);
    }
    ShowFor(rig, "Felirat", "1", [&] {
      TFileneve& window = rig.name_window();
      if (*c.made_while_shown != '\0')
        WriteBytes(temp / c.made_while_shown, "x");
      TypeName(rig, "film");
      rig.driver.Click(window.Bok);
      if (c.asked) {
        EXPECT_TRUE(window.Visible());
        EXPECT_EQ(window.e1.Text(), "film");
        EXPECT_TRUE(rig.state().FileDialogPending);
        rig.driver.Click(window.Bok);
      }
    });
    EXPECT_EQ(rig.driver.Verify(), "");
    const std::vector<std::string> asked(
        c.asked ? 2 : 0, "message: Létező file | Már létezik a file! | Felülírjam?");
    EXPECT_EQ(rig.Messages(), asked);
    EXPECT_FALSE(rig.state().FileDialogPending);
    EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(temp / "film.srt"));
  }
}

TEST(FileNameWindow, RefusesAFolderOfTheName) {
  EditorRig rig;
  TempFolder temp;
  rig.SetTimeBase("Time");
  std::filesystem::create_directory(temp / "film.srt");
  rig.state().CurrentDirectory = ShownPath(temp.path());
  rig.AnswerMessage(&shell::TKiszoveg::Bok);
  ShowFor(rig, "Felirat", "1", [&] {
    TypeName(rig, "film");
    rig.driver.Click(rig.name_window().Bok);
    EXPECT_TRUE(rig.name_window().Visible());
    rig.driver.Click(rig.name_window().Button1);
  });
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{"message: Létező file | Már létezik ilyen "
                                                     "nevű mappa! | Adjon meg másik nevet!"});
  EXPECT_TRUE(rig.state().FileDialogPending);
  EXPECT_TRUE(rig.state().CurrentFilePath.empty());
}

TEST(FileNameWindow, TheNameBoxTakesNoDotSlashOrControlCharacter) {
  struct Case {
    char ch;
    bool taken;
  };
  const std::vector<Case> cases = {
      {'a', true},  {'\xF5', true}, {' ', true},    {'-', true},     {'.', false},
      {'/', false}, {'\t', false},  {'\n', false},  {'\x7F', false}, {'\x01', false},
      {'\b', true}, {'\x16', true}, {'\x03', true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(c.ch)));
    EXPECT_EQ(NameBoxTakes(c.ch), c.taken);
  }
  EditorRig rig;
  TempFolder temp;
  rig.SetTimeBase("Frame");
  rig.state().CurrentDirectory = ShownPath(temp.path());
  ShowFor(rig, "Felirat", "1", [&] {
    TypeName(rig, "a.b/c");
    EXPECT_EQ(rig.name_window().e1.Text(), "abc");
    rig.driver.Paste("d.e\tf");
    EXPECT_EQ(rig.name_window().e1.Text(), "abcdef");
    rig.driver.Click(rig.name_window().Bok);
  });
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.state().CurrentFileName, "abcdef.sub");
}

TEST(FileNameWindow, AClickedFileGivesItsNameWithoutExtension) {
  EditorRig rig;
  TempFolder temp;
  WriteBytes(temp / "abc.asc", "x");
  WriteBytes(temp / "x.js", "x");
  SelectExport(rig, "Cheetah");
  rig.state().CurrentDirectory = ShownPath(temp.path());
  ShowFor(rig, "MentesMaskent", "1", [&] {
    TFileneve& window = rig.name_window();
    ASSERT_EQ(window.flb.Items(), std::vector<std::string>{"abc.asc"});
    rig.driver.ClickItem(window.flb, 0);
    EXPECT_EQ(window.e1.Text(), "abc");
    EXPECT_TRUE(window.Bok.Enabled());
    rig.driver.DoubleClickItem(window.dlb, window.dlb.ItemIndex());
    EXPECT_EQ(window.e1.Text(), "");
    EXPECT_FALSE(window.Bok.Enabled());
    rig.driver.Click(window.Button1);
  });
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(FileNameWindow, LeavingWithoutANameKeepsItPending) {
  struct Case {
    const char* name;
    std::function<void(EditorRig&)> leave;
    std::string reply;
  };
  const std::vector<Case> cases = {
      {"<<< Vissza", [](EditorRig& r) { r.driver.Click(r.name_window().Button1); }, "nem"},
      {"Esc in the name box",
       [](EditorRig& r) {
         r.driver.Focus(r.name_window().e1);
         r.driver.Press(ui::keys::kEscape);
       },
       "semmit"},
      {"Esc in the file list",
       [](EditorRig& r) {
         r.driver.Focus(r.name_window().flb);
         r.driver.Press(ui::keys::kEscape);
       },
       "semmit"},
      {"the close box", [](EditorRig& r) { r.driver.RequestClose(r.name_window()); }, "semmit"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorRig rig;
    TempFolder temp;
    rig.state().CurrentDirectory = ShownPath(temp.path());
    rig.state().DialogReply = "semmit";
    ShowFor(rig, "Felirat", "1", [&] {
      TypeName(rig, "film");
      c.leave(rig);
    });
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_FALSE(rig.name_window().Visible());
    EXPECT_TRUE(rig.state().FileDialogPending);
    EXPECT_EQ(rig.state().DialogReply, c.reply);
    EXPECT_TRUE(rig.state().CurrentFilePath.empty());
  }
}

TEST(FileNameWindow, StartsInTheNearestFolderThatIsThere) {
  TempFolder temp;
  std::filesystem::create_directory(temp / "sub");
  struct Case {
    const char* name;
    std::filesystem::path current_directory;
    std::filesystem::path shown;
  };
  const std::vector<Case> cases = {
      {"the folder", temp / "sub", temp / "sub"},
      {"a folder that is gone", temp / "sub" / "gone" / "deeper", temp / "sub"},
      {"none yet", "", desktop::HomeFolder().empty() ? "/" : desktop::HomeFolder()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorRig rig;
    rig.state().CurrentDirectory = ShownPath(c.current_directory);
    ShowFor(rig, "Felirat", "1", [&] {
      EXPECT_EQ(rig.name_window().flb.Directory(), c.shown);
      rig.driver.Click(rig.name_window().Button1);
    });
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(FileWindows, LeaveOutTheDrivesTheyDoNotOffer) {
  ui::headless::Driver driver;
  const std::vector<desktop::Place> places = {
      {"/", "/", desktop::PlaceType::kFixed},
      {"usb", "/media/usb", desktop::PlaceType::kRemovable},
      {"cd", "/media/cd", desktop::PlaceType::kOptical},
      {"net", "/mnt/net", desktop::PlaceType::kNetwork},
  };
  driver.SetPlaces(places);
  shell::Program program(driver.App(), {});
  auto names = [](const ui::DriveComboBox& box) {
    std::vector<std::string> shown;
    for (const desktop::Place& place : box.Places())
      shown.push_back(place.name);
    return shown;
  };
  EXPECT_EQ(names(program.Fileneve->DriveComboBox1), (std::vector<std::string>{"/", "net"}));
  program.state.CurrentDirectory = ShownPath("/");
  program.Kereses->Show();
  EXPECT_EQ(names(program.Kereses->DriveComboBox1), (std::vector<std::string>{"/", "cd", "net"}));
  program.Kereses->Close();
}

}  // namespace
}  // namespace files
