// A translation window entered from the start window, with files written for the test and loaded
// by the window's own loaders.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/temp_folder.h"
#include "shell/fo_form.h"
#include "shell/kiszoveg.h"
#include "shell/rig.h"
#include "translation/forditas.h"

namespace translation_test {

// A frame-based file of `count` rows: {10*n}{10*n+5}PREFIXn.
inline std::string FrameRows(std::string_view prefix, int count) {
  std::string bytes;
  for (int n = 1; n <= count; ++n) {
    bytes += "{" + std::to_string(10 * n) + "}{" + std::to_string(10 * n + 5) + "}" +
             std::string(prefix) + std::to_string(n) + "\n";
  }
  return bytes;
}

// Two SubRip entries of one line each: rows "00:00:01,000|00:00:02,000|One", "||",
// "00:00:03,000|00:00:04,000|Two".
inline constexpr std::string_view kTwoEntries =
    "1\n00:00:01,000 --> 00:00:02,000\nOne\n\n2\n00:00:03,000 --> 00:00:04,000\nTwo\n";

struct Workspace : shell::testing::Rig {
  Workspace() {
    program.state.StartState = "For";
    shell::ResetTranslationWindow(program);
    f().Show();
    driver.ClearLog();
  }
  translation::TForditas& f() { return *program.Forditas; }

  void LoadSource(std::string_view bytes) {
    Load(&translation::TForditas::LoadSourceSubtitle, "source.txt", bytes);
  }
  void LoadTranslation(std::string_view bytes) {
    Load(&translation::TForditas::LoadTranslated, "translation.txt", bytes);
  }
  void Load(void (translation::TForditas::*loader)(), std::string_view name,
            std::string_view bytes) {
    desktop_test::WriteBytes(folder.path() / name, bytes);
    program.state.CurrentFilePath = files::ShownPath(folder.path() / name);
    (f().*loader)();
  }
  // The next message window is answered with OK.
  void AnswerOk() {
    driver.OnModal("Kiszoveg", [this] { driver.Click(program.Kiszoveg->Bok); });
  }

  static std::string Row(const dataset::RowTable& table, int row) {
    namespace field = dataset::translation_field;
    return std::string(table.Cell(row, field::kKezdes)) + "|" +
           std::string(table.Cell(row, field::kBefejezes)) + "|" +
           std::string(table.Cell(row, field::kSzoveg));
  }
  static std::vector<std::string> Texts(const dataset::RowTable& table) {
    std::vector<std::string> texts;
    for (int row = 1; row <= table.RecordCount(); ++row)
      texts.emplace_back(table.Cell(row, dataset::translation_field::kSzoveg));
    return texts;
  }
  std::vector<std::string> Editors(bool source) {
    translation::TForditas& w = f();
    if (source)
      return {w.Edit0.Text(), w.Edit1.Text(), w.Edit2.Text()};
    return {w.Edit4.Text(), w.Edit5.Text(), w.Edit6.Text()};
  }

  desktop_test::TempFolder folder;
};

}  // namespace translation_test
