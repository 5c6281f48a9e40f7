// A fresh program with the editor's table open, a temporary folder, and the user's answers to
// the message window and the file-name window.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "editor/felirat.h"
#include "files/fileneve.h"
#include "formats/document_path.h"
#include "platform/desktop/temp_folder.h"
#include "shell/kiszoveg.h"
#include "shell/rig.h"

namespace files::testing {

using desktop_test::ReadBytes;
using desktop_test::TempFolder;
using desktop_test::WriteBytes;

struct RowValues {
  std::string start;
  std::string end;
  std::string text;
  std::string second = {};
};

struct EditorRig : shell::testing::Rig {
  EditorRig() {
    editor().cds.CreateDataSet();
    editor().Show();
    driver.ClearLog();
  }

  editor::TFelirat& editor() { return *program.Felirat; }
  TFileneve& name_window() { return *program.Fileneve; }
  shell::SharedState& state() { return program.state; }

  void SetTimeBase(std::string_view time_base) {
    editor().beosztas.SetItemIndex(editor().beosztas.IndexOf(time_base));
  }

  void AddRows(const std::vector<RowValues>& rows) {
    dataset::RowTable& table = editor().cds;
    for (const RowValues& row : rows) {
      table.Append();
      table.SetValue(dataset::subtitle_field::kKezdes, row.start);
      table.SetValue(dataset::subtitle_field::kBefejezes, row.end);
      table.SetValue(dataset::subtitle_field::kSzoveg, row.text);
      table.SetValue(dataset::subtitle_field::kSzoveg2, row.second);
      table.Post();
    }
    table.First();
  }

  // The document path of the main subtitle, as the open window leaves it.
  void SetDocument(const std::filesystem::path& file) {
    state().CurrentFilePath = ShownPath(file);
    state().CurrentFileName = TextOfPath(file.filename());
    state().CurrentDirectory = ShownPath(file.parent_path());
  }

  void SetModified(bool modified) {
    editor().Bmentes.SetEnabled(modified);
    editor().Mentes1.SetEnabled(modified);
  }
  bool Modified() { return editor().Bmentes.Enabled(); }

  // The next message window is answered with this button.
  void AnswerMessage(ui::BitBtn shell::TKiszoveg::*button) {
    driver.OnModal("Kiszoveg", [this, button] { driver.Click((*program.Kiszoveg).*button); });
  }

  // The next file-name window: the folder chosen, the name typed, Ok.
  void AnswerName(const std::filesystem::path& folder, std::string_view name) {
    driver.OnModal("Fileneve", [this, folder, name = std::string(name)] {
      TFileneve& window = name_window();
      window.dlb.SetDirectory(folder);
      driver.Focus(window.e1);
      driver.Type(name);
      driver.Click(window.Bok);
    });
  }

  // The next file-name window is left with "<<< Vissza".
  void LeaveNameWindow() {
    driver.OnModal("Fileneve", [this] { driver.Click(name_window().Button1); });
  }

  std::vector<std::string> Messages() const { return Lines("message: "); }
};

}  // namespace files::testing
