// The frame rate read from a film file into the editor's frame-rate box.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "editor/avi_ki.h"
#include "editor/felirat.h"
#include "editor/rules/extracted_fps.h"
#include "editor/rules/frame_rates.h"
#include "formats/document_path.h"
#include "platform/desktop/temp_folder.h"
#include "shell/kiszoveg.h"
#include "shell/rig.h"

namespace editor {
namespace {

using Action = ExtractedFps::Action;

TEST(ExtractedFps, RateTextsAsTheBoxTakesThem) {
  struct Case {
    std::string text;
    ExtractedFps choice;
  };
  const std::vector<Case> cases = {
      {"25", {Action::kSelect, "25"}},
      {"15", {Action::kSelect, "15"}},
      // Whole rates outside the list are kept as measured.
      {"12", {Action::kSelect, "12"}},
      {"50", {Action::kSelect, "50"}},
      {"60", {Action::kSelect, "60"}},
      {"00", {Action::kIgnore, ""}},
      {"23,976023976024", {Action::kSelect, "23,976"}},
      {"29,976", {Action::kSelect, "29,976"}},
      {"29,97002997003", {Action::kSelect, "29,97"}},
      {"12,5", {Action::kSelect, "12,5"}},
      {"100", {Action::kSelect, "100"}},
      {"24,001", {Action::kSelect, "24"}},
      {"59,94005994006", {Action::kSelect, "59,94"}},
      // Halves go to the even hundredth; anything beyond a half goes up.
      {"12,345", {Action::kSelect, "12,34"}},
      {"12,355", {Action::kSelect, "12,36"}},
      {"1,2351", {Action::kSelect, "1,24"}},
      // Only the first six characters count.
      {"12,3459", {Action::kSelect, "12,34"}},
      {"9,999", {Action::kSelect, "10"}},
      {"7", {Action::kUnusable, ""}},
      {"", {Action::kUnusable, ""}},
      // Not a plain number, or no rate at all once rounded.
      {"2,5E-10", {Action::kUnusable, ""}},
      {"0,001", {Action::kUnusable, ""}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChooseExtractedFps(c.text), c.choice) << c.text;
}

TEST(ExtractedFps, RateTextOfAHeader) {
  EXPECT_EQ(FrameRateText(25, 1), "25");
  EXPECT_EQ(FrameRateText(30000, 1001), "29,97002997003");
  EXPECT_EQ(FrameRateText(24000, 1001).substr(0, 6), "23,976");
  EXPECT_EQ(FrameRateText(25, 2), "12,5");
  EXPECT_EQ(FrameRateText(25, 0), "");
}

// ---- The window -------------------------------------------------------------------------------

std::string Le32(std::uint32_t value) {
  std::string out;
  for (int i = 0; i < 4; ++i)
    out += static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}

std::string Chunk(std::string_view id, std::string_view data) {
  return std::string(id) + Le32(static_cast<std::uint32_t>(data.size())) + std::string(data);
}

std::string List(std::string_view type, std::string_view body) {
  return Chunk("LIST", std::string(type) + std::string(body));
}

// An AVI file's start with one video stream of rate / scale frames a second.
std::string Avi(std::uint32_t rate, std::uint32_t scale) {
  std::string strh =
      "vidsDIVX" + Le32(0) + std::string(4, '\0') + Le32(0) + Le32(scale) + Le32(rate);
  strh += std::string(56 - strh.size(), '\0');
  const std::string header =
      Chunk("avih", Le32(0) + std::string(52, '\0')) +
      List("strl", Chunk("strh", strh) + Chunk("strf", std::string(40, '\0')));
  const std::string body = List("hdrl", header) + List("movi", "");
  return "RIFF" + Le32(static_cast<std::uint32_t>(4 + body.size())) + "AVI " + body;
}

struct AviRig : shell::testing::Rig {
  explicit AviRig(shell::ProgramOptions options = {}) : Rig(1280, 1024, std::move(options)) {
    program.state.CurrentDirectory = files::ShownPath(folder.path());
    editor().Show();
    driver.ClearLog();
  }
  TFelirat& editor() { return *program.Felirat; }
  TAviKi& window() { return *program.AviKi; }

  void AddFile(const std::string& name, const std::string& bytes) {
    desktop_test::WriteBytes(folder / name, bytes);
  }
  int IndexOfFile(std::string_view name) {
    const text::LineList& items = window().filelistbox2.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == name)
        return static_cast<int>(i);
    }
    ADD_FAILURE() << "not listed: " << name;
    return -1;
  }
  // "FPS érték AVI-ból"; inside the window the file is chosen and its rate read.
  void ReadRateOf(const std::string& name, bool window_stays = false) {
    driver.OnModal("AviKi", [this, name, window_stays] {
      driver.ClickItem(window().filelistbox2, IndexOfFile(name));
      driver.Click(window().Bmegnyitas);
      if (window_stays) {
        EXPECT_TRUE(window().Visible());
        driver.Click(window().Button1);
      }
    });
    editor().BFPSClick();
  }
  void AnswerOk() {
    driver.OnModal("Kiszoveg", [this] { driver.Click(program.Kiszoveg->Bok); });
  }
  std::vector<std::string> Messages() const { return Lines("message: "); }

  desktop_test::TempFolder folder;
};

TEST(AviKi, RatesFromTheHeader) {
  struct Case {
    const char* name;
    std::uint32_t rate;
    std::uint32_t scale;
    std::string selected;
    std::vector<std::string> added;
  };
  const std::vector<Case> cases = {
      {"pal", 25, 1, "25", {}},
      {"ntsc", 30000, 1001, "29,97", {"29,97"}},
      {"film", 24000, 1001, "23,976", {}},
      {"twelve", 12, 1, "12", {"12"}},
      {"fifty", 50, 1, "50", {"50"}},
      {"sixty", 60, 1, "60", {"60"}},
      {"half", 25, 2, "12,5", {"12,5"}},
  };
  for (const Case& c : cases) {
    AviRig rig;
    rig.AddFile("a.avi", Avi(c.rate, c.scale));
    rig.ReadRateOf("a.avi");
    std::vector<std::string> expected_list = StandardFrameRates();
    expected_list.insert(expected_list.end(), c.added.begin(), c.added.end());
    EXPECT_EQ(rig.editor().cbFps.Text(), c.selected) << c.name;
    EXPECT_EQ(rig.editor().cbFps.Items(), expected_list) << c.name;
    EXPECT_FALSE(rig.window().Visible()) << c.name;
    EXPECT_EQ(rig.window().FilmFpsText, c.selected) << c.name;
    EXPECT_TRUE(rig.Messages().empty()) << c.name;
  }
}

TEST(AviKi, ANewRateIsAddedOnce) {
  AviRig rig;
  rig.AddFile("a.avi", Avi(30000, 1001));
  rig.ReadRateOf("a.avi");
  rig.ReadRateOf("a.avi");
  EXPECT_EQ(rig.editor().cbFps.Items().size(), StandardFrameRates().size() + 1);
  EXPECT_EQ(rig.editor().cbFps.Text(), "29,97");
}

TEST(AviKi, UnusableFilesAreReportedAndTheWindowStays) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"not an avi", "RIFF....WAVE",
       "message: Sikertlen kísérlet! | Hiba a file megnyitásakor! | Valami nincs rendben a "
       "file-lal!"},
      {"zero scale", Avi(25, 0),
       "message: Sikertlen kísérlet! | Hiba a file megnyitásakor! | Valami nincs rendben a "
       "file-lal!"},
      {"seven a second", Avi(7, 1),
       "message: Sikertlen kísérlet! | Ehhez a file-hoz nem tudok FPS-t rendelni! |"},
  };
  for (const Case& c : cases) {
    AviRig rig;
    rig.AddFile("a.avi", c.bytes);
    rig.AnswerOk();
    rig.ReadRateOf("a.avi", true);
    EXPECT_EQ(rig.Messages(), std::vector<std::string>{c.message}) << c.name;
    EXPECT_EQ(rig.editor().cbFps.Text(), kDefaultFrameRate) << c.name;
    EXPECT_EQ(rig.editor().cbFps.Items(), StandardFrameRates()) << c.name;
  }
}

TEST(AviKi, ChoosingAndLeaving) {
  AviRig rig;
  rig.AddFile("a.avi", Avi(25, 1));
  rig.AddFile("b.dat", Avi(25, 1));
  rig.AddFile("c.srt", "1");
  rig.driver.OnModal("AviKi", [&rig] {
    TAviKi& w = rig.window();
    EXPECT_EQ(w.filelistbox2.Items(), (std::vector<std::string>{"a.avi", "b.dat"}));
    EXPECT_TRUE(w.Bmegnyitas.Visible());
    EXPECT_FALSE(w.BopenFilm.Visible());
    EXPECT_FALSE(w.Bmegnyitas.Enabled());
    rig.driver.ClickItem(w.filelistbox2, 1);
    EXPECT_EQ(w.e11.Text(), "b.dat");
    EXPECT_TRUE(w.Bmegnyitas.Enabled());
    // Esc in the file list leaves without a change.
    rig.driver.Focus(w.filelistbox2);
    rig.driver.Press(ui::keys::kEscape);
  });
  rig.editor().BFPSClick();
  EXPECT_FALSE(rig.window().Visible());
  EXPECT_EQ(rig.editor().cbFps.Text(), kDefaultFrameRate);
  // A double click reads the rate at once; the name box starts empty on every showing.
  rig.driver.OnModal("AviKi", [&rig] {
    TAviKi& w = rig.window();
    EXPECT_EQ(w.e11.Text(), "");
    rig.driver.DoubleClickItem(w.filelistbox2, 0);
  });
  rig.editor().BFPSClick();
  EXPECT_EQ(rig.editor().cbFps.Text(), "25");
  EXPECT_EQ(rig.program.state.AviPurpose, "FPS");
}

TEST(AviKi, FilmModeShowsTheFilmButton) {
  struct Case {
    bool film_player;
    bool film_button;
  };
  for (const Case& c : std::vector<Case>{{true, true}, {false, false}}) {
    AviRig rig(c.film_player ? shell::ProgramOptions{} : shell::testing::WithoutFilmPlayer());
    rig.AddFile("a.avi", Avi(25, 1));
    rig.program.state.AviPurpose = "megnyitas";
    rig.driver.OnModal("AviKi", [&rig, &c] {
      TAviKi& w = rig.window();
      ui::Button& shown = c.film_button ? w.BopenFilm : w.Bmegnyitas;
      EXPECT_EQ(w.BopenFilm.Visible(), c.film_button);
      EXPECT_NE(w.Bmegnyitas.Visible(), c.film_button);
      EXPECT_FALSE(shown.Enabled());
      rig.driver.ClickItem(w.filelistbox2, 0);
      EXPECT_TRUE(shown.Enabled());
      // A change of folder empties the name, which disables the film button again.
      w.DirectoryListBox2.SetDirectory(rig.folder.path().parent_path());
      EXPECT_EQ(w.e11.Text(), "");
      EXPECT_NE(shown.Enabled(), c.film_button);
      rig.driver.Click(w.Button1);
    });
    rig.window().DirectoryListBox2.SetDirectory(rig.folder.path());
    rig.window().ShowModal();
    EXPECT_EQ(rig.editor().cbFps.Text(), kDefaultFrameRate);
  }
}

}  // namespace
}  // namespace editor
