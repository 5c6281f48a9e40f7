// The editor's two native formats as bytes: the frame-based file (.sub) and the SubRip file
// (.srt) with its time and first-character checks.
//
// Both writers take the rows in table order and give the whole file. A row is written only
// when its start and its end are both present; the line (frame-based) or the text (SubRip) of
// the table's last row has no line end. Texts are written as stored: lines joined by "|"
// (split into lines by the SubRip writer only), style tags kept, bytes unconverted.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/row_table.h"

namespace files {

// One row as the writers read it: the stored start, end and the text of the slot written.
struct NativeRow {
  std::string_view start;
  std::string_view end;
  std::string_view text;
};

// The posted rows of `table` in order, with the text of `text_field` (Szoveg or Szoveg2).
// The views point into the table and stay valid until it changes.
std::vector<NativeRow> RowsOfTable(const dataset::RowTable& table, int text_field);

// Told after each row the writer counted: the frame-based writer counts every row, the SubRip
// writer the rows it wrote.
using RowCounter = std::function<void(int counted)>;

// "{start}{end}text" per written row, CR LF after every line but that of the table's last row.
std::string MicroDvdBytes(std::span<const NativeRow> rows, const RowCounter& counted = {});

struct SubRipOptions {
  // The time checks ("Mentéskor átfedés ellenőrzése").
  bool check_times = true;
  // Rows with an empty text are left out ("Üres sort ne mentsen ki").
  bool skip_empty_text = false;
};

struct SubRipFile {
  std::string bytes;
  // The result-list lines of every problem found, each entry starting with an empty line.
  std::vector<std::string> report;
  int time_problems = 0;
  int other_problems = 0;
};

// The SubRip file of the rows, numbered 1, 2, 3, ... over the written rows, with the entries of
// the checks. An entry names rows by their position in the table; the overlap entry names the
// row whose end was compared (the row written last before this one).
SubRipFile SubRipBytes(std::span<const NativeRow> rows, const SubRipOptions& options,
                       const RowCounter& counted = {});

// The summary message after a SubRip save.
inline constexpr std::string_view kSummaryCaption = "Eredmény";
inline constexpr std::string_view kSummaryLine2 =
    "További információt a \"Lista\" gomb alatt találsz!";
// Its first line; "" when nothing was found (then no message is shown).
std::string SubRipSummaryLine(const SubRipFile& file);

}  // namespace files
