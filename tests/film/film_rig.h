// A full-build program on the headless backend with the scripted fake player, a folder with a
// film file (an AVI header of 25 frames a second), and a subtitle in the editor's table.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/avi_ki.h"
#include "editor/felirat.h"
#include "film/film_player.h"
#include "formats/document_path.h"
#include "platform/dataset/row_table.h"
#include "platform/desktop/temp_folder.h"
#include "platform/media/fake_media_player.h"
#include "platform/ui/headless/driver.h"
#include "shell/kiszoveg.h"
#include "shell/program.h"

namespace film::testing {

inline std::string Le32(std::uint32_t value) {
  std::string out;
  for (int i = 0; i < 4; ++i)
    out += static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}

inline std::string Chunk(std::string_view id, std::string_view data) {
  return std::string(id) + Le32(static_cast<std::uint32_t>(data.size())) + std::string(data);
}

// The start of an AVI file with one video stream of `rate` frames a second.
inline std::string AviHeader(std::uint32_t rate) {
  std::string strh = "vidsDIVX" + Le32(0) + std::string(4, '\0') + Le32(0) + Le32(1) + Le32(rate);
  strh += std::string(56 - strh.size(), '\0');
  const std::string header =
      Chunk("avih", Le32(0) + std::string(52, '\0')) +
      Chunk("LIST", "strl" + Chunk("strh", strh) + Chunk("strf", std::string(40, '\0')));
  const std::string body = Chunk("LIST", "hdrl" + header) + Chunk("LIST", std::string("movi"));
  return "RIFF" + Le32(static_cast<std::uint32_t>(4 + body.size())) + "AVI " + body;
}

struct Row {
  std::string start;
  std::string end;
  std::string text;
};

inline constexpr std::int64_t kFilmMs = 20'000;

struct FilmRig {
  // With a factory the program gets that player (and `fake` stays null); the factory is given
  // the rig, whose film file is made first.
  using Factory = std::function<std::unique_ptr<media::MediaPlayer>(FilmRig& rig)>;
  explicit FilmRig(Factory factory = {}) : driver(1280, 1024) {
    driver.SetFailureHandler([](const std::string& failure) { ADD_FAILURE() << failure; });
    film_path = folder.path() / "film.avi";
    desktop_test::WriteBytes(film_path, AviHeader(25));
    desktop_test::WriteBytes(folder.path() / "rossz.avi", AviHeader(25));
    shell::ProgramOptions options;
    options.make_film = [this, factory](shell::Program& p) {
      auto made = std::make_unique<FilmPlayer>(
          p, [this, factory](std::int64_t, std::string&) -> std::unique_ptr<media::MediaPlayer> {
            if (factory)
              return factory(*this);
            auto player = std::make_unique<media::FakeMediaPlayer>();
            player->AddFilm(film_path, {.duration_ms = kFilmMs, .width = 320, .height = 240});
            fake = player.get();
            return player;
          });
      film = made.get();
      return made;
    };
    program.emplace(driver.App(), options);
    program->state.CurrentDirectory = files::ShownPath(folder.path());
    editor().Show();
  }

  editor::TFelirat& editor() { return *program->Felirat; }
  dataset::RowTable& rows() { return editor().cds; }

  // A subtitle in the Time base, as the open flow leaves it.
  void LoadRows(const std::vector<Row>& values, std::string_view time_base = "Time") {
    editor::TFelirat& f = editor();
    f.beosztas.SetItemIndex(f.beosztas.IndexOf(time_base));
    f.cds.CreateDataSet();
    for (const Row& row : values) {
      f.cds.Append();
      f.cds.SetValue(dataset::subtitle_field::kKezdes, row.start);
      f.cds.SetValue(dataset::subtitle_field::kBefejezes, row.end);
      f.cds.SetValue(dataset::subtitle_field::kSzoveg, row.text);
      f.cds.Post();
    }
    f.cds.First();
    f.Efilenev.SetText("felirat.srt");
  }

  int IndexOfFile(std::string_view name) {
    const text::LineList& items = program->AviKi->filelistbox2.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == name)
        return static_cast<int>(i);
    }
    ADD_FAILURE() << "not listed: " << name;
    return -1;
  }

  // "Film betöltése"; in the AVI window the file is chosen and "Film megnyitása" pressed.
  void OpenFilm(std::string_view name = "film.avi") {
    const std::string file(name);
    // The window opens in the subtitle's folder; without a subtitle the user goes there.
    program->AviKi->DirectoryListBox2.SetDirectory(folder.path());
    driver.OnModal("AviKi", [this, file] {
      driver.ClickItem(program->AviKi->filelistbox2, IndexOfFile(file));
      driver.Click(program->AviKi->BopenFilm);
    });
    driver.Click(editor().Bfilm);
  }

  // The film at `ms`, then one tick of the film timer.
  void TickAt(std::int64_t ms) {
    fake->SetCurrentPosition(ms);
    driver.Advance(100);
  }

  void AnswerOk() {
    driver.OnModal("Kiszoveg", [this] { driver.Click(program->Kiszoveg->Bok); });
  }
  void AnswerYes() {
    driver.OnModal("Kiszoveg", [this] { driver.Click(program->Kiszoveg->Bigen); });
  }
  std::vector<std::string> Messages() const { return driver.LogLines("message: "); }

  std::string Cell(int row, int field) const {
    return std::string(program->Felirat->cds.Cell(row, field));
  }

  ui::headless::Driver driver;
  desktop_test::TempFolder folder;
  std::filesystem::path film_path;
  FilmPlayer* film = nullptr;
  media::FakeMediaPlayer* fake = nullptr;
  std::optional<shell::Program> program;
};

}  // namespace film::testing
