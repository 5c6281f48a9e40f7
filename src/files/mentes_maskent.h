// The export window `TMentesMaskent`: the 56 export formats as a list of large icons; a
// double click on one exports the editor's rows in that format.
//
// The export asks for the file name in the file-name window (caller "MentesMaskent", which
// appends the entry's extension), then writes the whole file at once: a file that cannot be
// written is reported with "Írásvédett file!" and left as it was. "SubRip" is saved by the
// editor's own subtitle saver. The entries without a layout of their own answer "Ez az opció
// még nincs leprogramozva!". An export writes a copy: the document path, the name box and
// the modified state of the subtitle are the same after it as before.
#pragma once

#include <string_view>
#include <vector>

#include "formats/export_formats.h"
#include "platform/dataset/row_table.h"
#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace files {

// The rows of the editor's table in table order as the writers read them: the start, the end
// and the main text. With the time base "Frame" the times are frame numbers; they are turned
// into time codes at `frame_rate` (a rate text such as "23,976"; one that cannot be read counts
// as the editor's default rate). The table is not changed.
std::vector<ExportRow> ExportRowsOfTable(const dataset::RowTable& table, std::string_view time_base,
                                         std::string_view frame_rate);

// How an export run ended.
enum class ExportOutcome {
  kNothingSelected,  // no entry was selected: nothing happened
  kNotProgrammed,    // the entry has no layout; the message was shown
  kNoName,           // the file-name window was left without a name: nothing written
  kWritten,          // the file was written (for "SubRip": saved)
  kNotWritten,       // writing failed (reported) or the saver wrote nothing
};

class TMentesMaskent : public ui::Form {
 public:
  explicit TMentesMaskent(shell::Program& program);

  ui::Label Label1{*this, "Label1", {8, 8, 0, 0}};
  // One entry per export format, in the order of ExportFormats(), each with the list's one
  // icon (image 0).
  ui::ListView Lista{*this, "Lista", {8, 32, 530, 168}};
  ui::Button Button1{*this, "Button1", {408, 208, 130, 30}};

  // What the writers get besides the rows; tests put a fixed date into its clock.
  ExportContext export_context;

  // The export run for the selected entry of `Lista`. A written export closes the window;
  // the other outcomes leave it open.
  ExportOutcome ExportSelectedEntry();

  // ---- Handlers -------------------------------------------------------------------------
  void ListaDblClick();
  // "<<< Vissza": closes the window.
  void Button1Click();
  // Escape closes the window (bound to the window and to `Lista`); Return in `Lista` runs
  // ListaDblClick.
  void FormKeyPress(char& ch);

 private:
  void WireHandlers();
  ExportOutcome WriteWithLayout(const ExportFormat& format);
  ExportOutcome SaveThroughNativeSaver();

  shell::Program& program_;
};

}  // namespace files
