#include "corrections/pass_row_write.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "editor/felirat.h"
#include "editor/rules/row_text.h"

namespace corrections {

namespace field = dataset::subtitle_field;

void StorePassRowText(editor::TFelirat& editor, std::string_view text) {
  dataset::RowTable& cds = editor.cds;
  if (!cds.ControlsDisabled() || cds.State() != dataset::TableState::kBrowse || cds.IsEmpty()) {
    editor.SetRowText1(text, editor::RowWrite::kEdit);
    return;
  }
  // The flags are measured on what the field keeps.
  const std::string_view stored = editor.MainTextAfterMax2(text).substr(
      0, static_cast<std::size_t>(std::max(0, cds.Field(field::kSzoveg).width)));
  const int row = cds.RecNo();
  std::string_view long_line = cds.Cell(row, field::kBetu38);
  std::string_view many_lines = cds.Cell(row, field::kSor3);
  const editor::TFelirat::FlagChange change =
      editor.CountRowFlagChange(stored, long_line == "t", many_lines == "t");
  // A flag is written only when it changes; UpdateRowFlags puts the text box's caret back
  // after each flag it writes.
  if (change.long_line_changed) {
    long_line = editor::FlagValue(change.long_line);
    editor.szoveg.SetSelStart(editor.szoveg.SelStart());
  }
  if (change.many_lines_changed) {
    many_lines = editor::FlagValue(change.many_lines);
    editor.szoveg.SetSelStart(editor.szoveg.SelStart());
  }
  cds.WriteCurrentRow(
      {{field::kSzoveg, stored}, {field::kBetu38, long_line}, {field::kSor3, many_lines}});
  editor.MarkModified();
}

}  // namespace corrections
