// A fresh program with the editor's table open, and a temporary folder for the files to read.
// The windows a read is expected to show are answered through the rig; any other modal
// window fails the test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "editor/felirat.h"
#include "files/read_into_editor.h"
#include "platform/desktop/temp_folder.h"
#include "shell/hibaki.h"
#include "shell/kiszoveg.h"
#include "shell/rig.h"

namespace files::testing {

struct Row {
  std::string start;
  std::string end;
  std::string text;
  std::string second = {};
  std::string sor3 = {};
  std::string betu38 = {};
  bool operator==(const Row&) const = default;
};

inline void PrintTo(const Row& row, std::ostream* out) {
  *out << "{" << row.start << ", " << row.end << ", \"" << row.text << "\", \"" << row.second
       << "\", " << row.sor3 << ", " << row.betu38 << "}";
}

struct ReaderRig : shell::testing::Rig {
  ReaderRig() {
    editor().cds.CreateDataSet();
    driver.ClearLog();
  }

  editor::TFelirat& editor() { return *program.Felirat; }
  shell::SharedState& state() { return program.state; }

  // The result list and the message window close as the user would close them.
  void ExpectList() {
    driver.OnModal("Hibaki", [this] { driver.Click(program.Hibaki->Button1); });
  }
  void ExpectMessage() {
    driver.OnModal("Kiszoveg", [this] { driver.Click(program.Kiszoveg->Bok); });
  }

  std::filesystem::path Write(std::string_view bytes, std::string_view name = "sub.srt") {
    const std::filesystem::path path = folder / name;
    desktop_test::WriteBytes(path, bytes);
    return path;
  }

  // Reads `bytes` as the open driver reads the text of `slot`; gives the kind.
  std::string Read(std::string_view bytes, std::string_view slot = "1") {
    state().TextSlot = std::string(slot);
    return ReadIntoEditor(program, Write(bytes, slot == "1" ? "main.srt" : "second.srt"));
  }

  std::vector<Row> Rows() const {
    namespace f = dataset::subtitle_field;
    const dataset::RowTable& table = program.Felirat->cds;
    std::vector<Row> rows;
    for (int i = 1; i <= table.RecordCount(); ++i) {
      rows.push_back(
          {std::string(table.Cell(i, f::kKezdes)), std::string(table.Cell(i, f::kBefejezes)),
           std::string(table.Cell(i, f::kSzoveg)), std::string(table.Cell(i, f::kSzoveg2)),
           std::string(table.Cell(i, f::kSor3)), std::string(table.Cell(i, f::kBetu38))});
    }
    return rows;
  }

  // The result list's lines as the reader left them.
  const text::LineList& ListLines() const { return program.Hibaki->LBhiba.Items(); }
  std::vector<std::string> Messages() const { return Lines("message: "); }

  desktop_test::TempFolder folder;
};

// The lines of an entry: an empty line, then these.
inline std::vector<std::string> Entry(std::vector<std::string> lines) {
  lines.insert(lines.begin(), "");
  return lines;
}

inline std::vector<std::string> Concat(std::vector<std::vector<std::string>> entries) {
  std::vector<std::string> all;
  for (auto& entry : entries)
    all.insert(all.end(), entry.begin(), entry.end());
  return all;
}

}  // namespace files::testing
