// The open window and the open flow: choosing a file, handing it on by purpose, and what the
// editor looks like after the file was read, refused or failed.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "files/editor_rig.h"
#include "files/kereses.h"
#include "files/open_flow.h"
#include "shell/hibaki.h"
#include "translation/ford_elott.h"
#include "translation/forditas.h"

namespace files {
namespace {

using testing::EditorRig;
using testing::TempFolder;
using testing::WriteBytes;

constexpr std::string_view kFrameFile = "{1}{2}A\r\n{3}{4}B\r\n";
constexpr std::string_view kTimeFile =
    "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n2\r\n00:00:03,000 --> 00:00:04,000\r\nB\r\n";
constexpr std::string_view kRefused =
    "message: Hiba | Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi! | Vagy a file "
    "értelmezhetetlen típust tartalmaz!";

// Subtitle files of every kind, side by side in one folder.
struct Files {
  Files() {
    WriteBytes(folder / "frame.sub", kFrameFile);
    WriteBytes(folder / "time.srt", kTimeFile);
    WriteBytes(folder / "second.srt",
               "1\r\n00:00:01,000 --> 00:00:02,000\r\nX\r\n\r\n2\r\n00:00:03,000 --> "
               "00:00:04,000\r\nY\r\n");
    WriteBytes(folder / "second.sub", "{1}{2}X\r\n{3}{4}Y\r\n");
    WriteBytes(folder / "repaired.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\n A\r\n");
    WriteBytes(folder / "long.srt",
               "1\r\n00:00:01,000 --> 00:00:02,000\r\n" + std::string(230, 'L') + "\r\n");
    WriteBytes(folder / "long.sub", "{1}{2}" + std::string(230, 'L') + "\r\n");
    WriteBytes(folder / "subviewer.sub", "00:00:01.00,00:00:02.00\r\nA\r\n");
    WriteBytes(folder / "empty.srt", "");
    // Files whose names do not say what they hold.
    WriteBytes(folder / "frame_in.srt", "{1}{2}X\r\n");
    WriteBytes(folder / "subrip_in.sub", "1\r\n00:00:01,000 --> 00:00:02,000\r\nX\r\n");
    std::string unicode = "\xFF\xFE";
    for (char ch : std::string_view("1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n")) {
      unicode += ch;
      unicode += '\0';
    }
    WriteBytes(folder / "unicode.srt", unicode);
    std::filesystem::create_directory(folder / "sub");
  }
  TempFolder folder;
};

TKereses& OpenWindow(EditorRig& rig) {
  return *rig.program.Kereses;
}

// Clicks a listed file in the open window.
void ClickFile(EditorRig& rig, std::string_view name) {
  TKereses& window = OpenWindow(rig);
  const text::LineList& items = window.filelistbox.Items();
  const auto it = std::find(items.begin(), items.end(), name);
  ASSERT_NE(it, items.end()) << name;
  rig.driver.ClickItem(window.filelistbox, static_cast<int>(it - items.begin()));
}

// "Tallózás" (or "Másik felirat beolvasása"), a click on the file, "Megnyitás".
void Open(EditorRig& rig, const std::filesystem::path& folder, std::string_view name,
          bool second_text = false) {
  rig.state().CurrentDirectory = files::ShownPath(folder);
  rig.driver.Activate(rig.editor());
  if (second_text)
    EXPECT_TRUE(rig.driver.ChooseMenuItem(rig.editor().Masikfelirat));
  else
    EXPECT_TRUE(rig.driver.Click(rig.editor().Btallozas));
  ClickFile(rig, name);
  rig.driver.Click(OpenWindow(rig).megnyitas);
}

TEST(OpenWindow, OffersTheExtensionsOfTheTimeBaseForASecondText) {
  struct Case {
    bool second_text;
    const char* time_base;
    const char* filter;
  };
  const std::vector<Case> cases = {
      {false, "Time", "Feliratok (*.srt,*.sub)|*.srt;*.sub"},
      {false, "Frame", "Feliratok (*.srt,*.sub)|*.srt;*.sub"},
      {true, "Time", "Feliratok (*.srt)|*.srt"},
      {true, "Frame", "Feliratok (*.sub)|*.sub"},
  };
  Files files;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.time_base) + (c.second_text ? " second" : " main"));
    EXPECT_EQ(OpenWindowFilter(c.second_text, c.time_base), c.filter);
    EditorRig rig;
    rig.SetTimeBase(c.time_base);
    rig.state().CurrentDirectory = files::ShownPath(files.folder.path());
    if (c.second_text)
      rig.editor().MasikfeliratClick();
    else
      rig.editor().BtallozasClick();
    TKereses& window = OpenWindow(rig);
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(window.FilterComboBox1.Filter(), c.filter);
    EXPECT_EQ(window.filelistbox.Directory(), files.folder.path());
    EXPECT_EQ(rig.state().OpenWindowResult, "ki");
    window.Close();
  }
}

TEST(OpenWindow, AClickedFileIsChosenAndAClickedFolderForgetsIt) {
  Files files;
  EditorRig rig;
  rig.state().CurrentDirectory = files::ShownPath(files.folder.path());
  rig.editor().BtallozasClick();
  TKereses& window = OpenWindow(rig);
  EXPECT_FALSE(window.megnyitas.Enabled());

  ClickFile(rig, "time.srt");
  EXPECT_EQ(window.e1.Text(), "time.srt");
  EXPECT_TRUE(window.megnyitas.Enabled());
  EXPECT_EQ(window.PendingFilePath.Text(), TextOfPath(files.folder / "time.srt"));
  EXPECT_EQ(window.PendingDirectory.Text(), TextOfPath(files.folder.path()));
  EXPECT_EQ(window.PendingFileName, "time.srt");

  rig.driver.ClickItem(window.DirectoryListBox1, 0);
  EXPECT_EQ(window.e1.Text(), "");
  EXPECT_FALSE(window.megnyitas.Enabled());
  rig.driver.Focus(window.filelistbox);
  rig.driver.Press(ui::keys::kReturn);
  EXPECT_TRUE(window.Visible());

  // A repaint forgets the name too; "Megnyitás" then does nothing.
  ClickFile(rig, "time.srt");
  rig.driver.Expose(window);
  EXPECT_EQ(window.e1.Text(), "");
  rig.driver.Click(window.megnyitas);
  EXPECT_TRUE(window.Visible());
  EXPECT_TRUE(rig.state().CurrentFilePath.empty());

  rig.driver.Click(window.Button1);
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(rig.state().OpenWindowResult, "vissza");
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(OpenWindow, HandsTheFileOnByPurpose) {
  Files files;
  const std::string time_path = TextOfPath(files.folder / "time.srt");
  struct Case {
    const char* name;
    std::string purpose;
    std::function<void(EditorRig&)> prepare;
    std::string message;  // a refusal; the window then stays
    std::function<std::string(EditorRig&)> result;
  };
  auto pair_source = [](EditorRig& r) { return r.program.FordElott->Eef.Text(); };
  auto pair_translation = [](EditorRig& r) { return r.program.FordElott->Eff.Text(); };
  const std::string kTranslated =
      "message: Duplikáció | Ezt a feliratot már betöltötte a \"Fordított felirat\"-hoz! |";
  const std::vector<Case> cases = {
      {"pair: source", "Forditas1", [](EditorRig&) {}, "", pair_source},
      {"pair: source already the translation", "Forditas1",
       [&](EditorRig& r) { r.program.FordElott->Eff.SetText(time_path); }, kTranslated,
       pair_source},
      {"pair: translation", "Forditas2", [](EditorRig&) {}, "", pair_translation},
      {"pair: translation already the source", "Forditas2",
       [&](EditorRig& r) { r.program.FordElott->Eef.SetText(time_path); },
       "message: Duplikáció | Ezt a feliratot már betöltötte az \"Eredeti felirat\"-hoz! |",
       pair_translation},
      {"workspace: source", "Eredeti", [](EditorRig&) {}, "",
       [](EditorRig& r) { return r.state().BuildEmptyTranslation ? "" : std::string("source"); }},
      {"workspace: source already the translation", "Eredeti",
       [&](EditorRig& r) { r.program.Forditas->Eff.SetText(time_path); }, kTranslated,
       [](EditorRig&) { return std::string(); }},
      {"workspace: translation", "Forditott", [](EditorRig&) {}, "",
       [](EditorRig& r) {
         return r.state().BuildEmptyTranslation ? "" : std::string("translated");
       }},
      {"workspace: translation already the source", "Forditott",
       [&](EditorRig& r) { r.program.Forditas->Efe.SetText(time_path); },
       "message: Duplikáció | Ezt a feliratot már betöltötte a \"Eredeti felirat\"-hoz! |",
       [](EditorRig&) { return std::string(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorRig rig;
    TKereses& window = OpenWindow(rig);
    std::string loaded;
    window.LoadSourceSubtitle = [&] { loaded = "source"; };
    window.LoadTranslated = [&] { loaded = "translated"; };
    rig.state().BuildEmptyTranslation = true;
    c.prepare(rig);
    if (!c.message.empty())
      rig.AnswerMessage(&shell::TKiszoveg::Bok);
    rig.state().OpenPurpose = c.purpose;
    rig.state().CurrentDirectory = files::ShownPath(files.folder.path());
    window.Show();
    ClickFile(rig, "time.srt");
    rig.driver.Click(window.megnyitas);

    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.state().CurrentFilePath.Text(), time_path);
    EXPECT_EQ(rig.state().CurrentFileName, "time.srt");
    if (c.message.empty()) {
      EXPECT_TRUE(rig.Messages().empty());
      EXPECT_FALSE(window.Visible());
      const std::string result = c.result(rig);
      EXPECT_TRUE(result == time_path || result == loaded) << result;
    } else {
      EXPECT_EQ(rig.Messages(), std::vector<std::string>{c.message});
      EXPECT_TRUE(window.Visible());
      EXPECT_EQ(loaded, "");
      window.Close();
    }
    EXPECT_TRUE(rig.editor().cds.IsEmpty());
  }
}

// A table cell: Szoveg and Szoveg2 of every row.
std::vector<std::string> Texts(EditorRig& rig) {
  std::vector<std::string> texts;
  dataset::RowTable& table = rig.editor().cds;
  for (int row = 1; row <= table.RecordCount(); ++row) {
    texts.push_back(std::string(table.Cell(row, dataset::subtitle_field::kSzoveg)) + "/" +
                    std::string(table.Cell(row, dataset::subtitle_field::kSzoveg2)));
  }
  return texts;
}

// The problems of a read come above the window the file was opened from: the open window, which
// stays on top and is still shown while its file is read, or the editor alone.
TEST(OpenFlow, ResultListComesAboveTheWindowThatOpenedTheFile) {
  struct Case {
    const char* name;
    bool from_open_window;
  };
  for (const Case& c : {Case{"from the open window", true}, Case{"named at start", false}}) {
    SCOPED_TRACE(c.name);
    Files files;
    EditorRig rig;
    bool shown = false;
    bool on_top = false;
    bool over_open_window = false;
    rig.driver.OnModal("Hibaki", [&] {
      shown = true;
      on_top = rig.program.Hibaki->StayOnTop();
      over_open_window = OpenWindow(rig).Visible();
      rig.driver.Click(rig.program.Hibaki->Button1);
    });
    if (c.from_open_window) {
      Open(rig, files.folder.path(), "long.srt");
    } else {
      rig.state().CurrentFilePath = files::ShownPath(files.folder / "long.srt");
      rig.state().FileChosen = true;
      rig.state().TextSlot = "1";
      OpenSubtitleFile(rig.program);
    }
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_TRUE(shown);
    EXPECT_EQ(over_open_window, c.from_open_window);
    EXPECT_EQ(on_top, c.from_open_window);
    EXPECT_TRUE(rig.editor().Bmentes.Enabled());
  }
}

TEST(OpenFlow, SetsTheEditorUpByWhatWasRead) {
  struct Case {
    const char* name;
    const char* main;  // read first as the main text; "" for none
    const char* file;  // then read in the slot below
    bool second_text;
    std::vector<std::string> texts;
    const char* time_base;
    bool read;           // editing enabled, the file counted as read
    bool modified;       // the save commands afterwards
    bool time_features;  // "Átfedés vizsgálata" and its kin
  };
  const std::vector<Case> cases = {
      {"frame-based", "", "frame.sub", false, {"A/", "B/"}, "Frame", true, false, false},
      {"SubRip", "", "time.srt", false, {"A/", "B/"}, "Time", true, false, true},
      {"SubRip in UTF-16", "", "unicode.srt", false, {"A/"}, "Time", true, true, true},
      {"SubRip that needed repairs", "", "repaired.srt", false, {"A/"}, "Time", true, true, true},
      {"SubRip with a text past its field",
       "",
       "long.srt",
       false,
       {std::string(220, 'L') + "/"},
       "Time",
       true,
       true,
       true},
      {"frame-based with a text past its field",
       "",
       "long.sub",
       false,
       {std::string(220, 'L') + "/"},
       "Frame",
       true,
       true,
       false},
      {"SubViewer-like after a repaired file",
       "repaired.srt",
       "subviewer.sub",
       false,
       {"A/"},
       "Time",
       false,
       false,
       true},
      {"nothing in it after a repaired file",
       "repaired.srt",
       "empty.srt",
       false,
       {},
       "Time",
       false,
       false,
       true},
      {"second SubRip beside SubRip",
       "time.srt",
       "second.srt",
       true,
       {"A/X", "B/Y"},
       "Time",
       true,
       true,
       true},
      {"second frame-based beside frame-based",
       "frame.sub",
       "second.sub",
       true,
       {"A/X", "B/Y"},
       "Frame",
       true,
       true,
       false},
      {"second frame-based beside SubRip",
       "time.srt",
       "frame_in.srt",
       true,
       {"A/", "B/"},
       "Time",
       false,
       true,
       true},
      {"second SubRip beside frame-based",
       "frame.sub",
       "subrip_in.sub",
       true,
       {"A/", "B/"},
       "Frame",
       false,
       true,
       false},
      {"second SubViewer-like beside frame-based",
       "frame.sub",
       "subviewer.sub",
       true,
       {"A/", "B/"},
       "Frame",
       false,
       true,
       false},
  };
  Files files;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorRig rig;
    rig.editor().Beolvas.SetChecked(true);
    editor::TFelirat& f = rig.editor();
    if (*c.main != '\0') {
      Open(rig, files.folder.path(), c.main);
      rig.SetModified(c.second_text);  // an unsaved edit of the main text
      f.MentM1.SetEnabled(true);       // saved under a new name before
      rig.driver.ClearLog();
    }
    const std::string main_path = rig.state().CurrentFilePath.Text();
    if (!c.read)
      rig.AnswerMessage(&shell::TKiszoveg::Bok);

    Open(rig, files.folder.path(), c.file, c.second_text);

    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_FALSE(OpenWindow(rig).Visible());
    EXPECT_EQ(Texts(rig), c.texts);
    EXPECT_EQ(f.beosztas.Text(), c.time_base);
    EXPECT_EQ(rig.Messages(), c.read ? std::vector<std::string>{}
                                     : std::vector<std::string>{std::string(kRefused)});
    EXPECT_EQ(f.Bmentes.Enabled(), c.modified);
    EXPECT_EQ(f.Mentes1.Enabled(), c.modified);
    EXPECT_EQ(f.BAtfedes.Enabled(), c.time_features);
    EXPECT_EQ(f.agressziv.Enabled(), c.time_features);
    // A refused second text touches no control.
    EXPECT_EQ(f.SEbetu.Enabled(), (c.read || c.second_text) && c.time_features);
    EXPECT_FALSE(rig.state().InternalUpdate);
    EXPECT_TRUE(OpenWindow(rig).megnyitas.Enabled());
    EXPECT_FALSE(f.Fszazalek.Visible());
    if (c.second_text) {
      // The document stays the main subtitle's, whatever came of the second text.
      EXPECT_EQ(rig.state().CurrentFilePath.Text(), main_path);
      EXPECT_EQ(f.MentesMF.Enabled(), c.read);
      EXPECT_EQ(f.racs.Column(f.racs.ColumnOfField("Szoveg2")).visible, c.read);
      EXPECT_EQ(f.Mov.Visible(), c.read);
    } else {
      EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(files.folder / c.file));
      EXPECT_EQ(f.szoveg.Enabled(), true);
      EXPECT_EQ(f.RB1.Enabled(), c.read);
      // A refused main text cannot be saved over the file it came from.
      EXPECT_EQ(f.BMMN.Enabled(), c.read);
      EXPECT_EQ(f.MentM1.Enabled(), c.read);
      EXPECT_EQ(f.Mentes1.Enabled(), c.modified);
      EXPECT_EQ(f.Efilenev.Text(), c.file);
      if (c.read) {
        EXPECT_EQ(rig.state().StartState, "felvitt");
      }
    }
  }
}

// "Tallózás" after "Másik felirat beolvasása" was left open: the main text becomes the
// document, so the next save writes the new file, not the previous subtitle's.
TEST(OpenFlow, AMainTextAfterAnUnusedSecondTextOpenWindowIsTheDocument) {
  Files files;
  EditorRig rig;
  rig.editor().Beolvas.SetChecked(true);
  Open(rig, files.folder.path(), "time.srt");
  rig.editor().MasikfeliratClick();
  EXPECT_TRUE(OpenWindow(rig).OpeningSecondText);
  Open(rig, files.folder.path(), "frame.sub");
  EXPECT_FALSE(OpenWindow(rig).OpeningSecondText);
  EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(files.folder / "frame.sub"));
  EXPECT_EQ(rig.state().CurrentFileName, "frame.sub");
  EXPECT_EQ(Texts(rig), (std::vector<std::string>{"A/", "B/"}));
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(OpenFlow, LeavingTheSecondTextWindowKeepsTheDocumentPath) {
  Files files;
  EditorRig rig;
  rig.editor().Beolvas.SetChecked(true);
  Open(rig, files.folder.path(), "time.srt");
  const std::string path = rig.state().CurrentFilePath.Text();
  rig.editor().MasikfeliratClick();
  ClickFile(rig, "second.srt");
  rig.driver.Click(OpenWindow(rig).Button1);
  EXPECT_EQ(rig.state().CurrentFilePath.Text(), path);
  EXPECT_EQ(Texts(rig), (std::vector<std::string>{"A/", "B/"}));
  EXPECT_FALSE(OpenWindow(rig).OpeningSecondText);
}

TEST(OpenFlow, ClosingTheEditorClosesItsOpenWindow) {
  Files files;
  EditorRig rig;
  rig.state().CurrentDirectory = files::ShownPath(files.folder.path());
  rig.editor().BtallozasClick();
  ClickFile(rig, "time.srt");
  rig.editor().Close();
  EXPECT_FALSE(OpenWindow(rig).Visible());
  EXPECT_TRUE(rig.state().CurrentFilePath.empty());
  EXPECT_TRUE(rig.editor().cds.IsEmpty());
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_EQ(rig.driver.Verify(), "");
}

// A file that went away after it was clicked, or became a folder, is named in a message of its
// own: "Hiba a file-ban!" is for content that is no subtitle.
TEST(OpenFlow, AFileThatCannotBeReadIsNamedAndLeavesEditingOff) {
  struct Case {
    const char* name;
    bool second_text;
    bool folder;  // a folder takes the file's place, else nothing does
    const char* message;
  };
  const std::vector<Case> cases = {
      {"main text gone", false, false,
       "message: Hiba | Nem tudtam beolvasni a következő file-t: time.srt | A file nem létezik!"},
      {"main text became a folder", false, true,
       "message: Hiba | Nem tudtam beolvasni a következő file-t: time.srt | Ez nem file, hanem "
       "mappa vagy eszköz!"},
      {"second text gone", true, false,
       "message: Hiba | Nem tudtam beolvasni a következő file-t: second.srt | A file nem "
       "létezik!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Files files;
    EditorRig rig;
    rig.editor().Beolvas.SetChecked(true);
    if (c.second_text) {
      Open(rig, files.folder.path(), "time.srt");
      rig.editor().MasikfeliratClick();
    } else {
      rig.state().CurrentDirectory = files::ShownPath(files.folder.path());
      rig.editor().BtallozasClick();
    }
    const char* file = c.second_text ? "second.srt" : "time.srt";
    ClickFile(rig, file);
    std::filesystem::remove(files.folder / file);
    if (c.folder)
      std::filesystem::create_directory(files.folder / file);
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    rig.driver.ClearLog();
    rig.driver.Click(OpenWindow(rig).megnyitas);
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.Messages(), std::vector<std::string>{c.message});
    if (c.second_text) {
      // The rows of the main text stay as they were, without a second text.
      EXPECT_EQ(Texts(rig), (std::vector<std::string>{"A/", "B/"}));
      EXPECT_EQ(rig.state().CurrentFileName, "time.srt");
    } else {
      EXPECT_FALSE(rig.editor().Bmentes.Enabled());
      EXPECT_FALSE(rig.editor().BMMN.Enabled());
    }
    EXPECT_FALSE(rig.state().InternalUpdate);
    EXPECT_TRUE(OpenWindow(rig).megnyitas.Enabled());
    EXPECT_FALSE(rig.editor().cds.ControlsDisabled());
  }
}

TEST(OpenFlow, TheScrollBarFollowsTheLayout) {
  struct Case {
    const char* layout;
    int rows;
    bool shown;
  };
  const std::vector<Case> cases = {
      {"1280x1024", 37, false}, {"1280x1024", 38, true}, {"1024x768", 15, false},
      {"1024x768", 16, true},   {"800x600", 10, false},  {"800x600", 11, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.layout) + " " + std::to_string(c.rows));
    EXPECT_EQ(GridNeedsScrollBar(c.layout, c.rows), c.shown);
  }
  EditorRig rig;
  rig.state().ScreenLayout = "";
  rig.editor().racs.ShowVerticalScrollBar(false);
  UpdateGridScrollBar(rig.program);
  EXPECT_FALSE(rig.editor().racs.VerticalScrollBar());
  rig.state().ScreenLayout = "800x600";
  rig.AddRows(std::vector<testing::RowValues>(11, {"1", "2", "x"}));
  UpdateGridScrollBar(rig.program);
  EXPECT_TRUE(rig.editor().racs.VerticalScrollBar());
}

}  // namespace
}  // namespace files
