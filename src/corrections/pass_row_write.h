// The row write of a correction pass.
#pragma once

#include <string_view>

namespace editor {
class TFelirat;
}

namespace corrections {

// SetRowText1(text, editor::RowWrite::kEdit) on the editor's current row (edit, the main text after
// the option `Max2`, UpdateRowFlags, post, the save commands enabled) in one store of the row
// while the table's controls are off, as they are in a correction pass. The flag counters are
// kept but not shown: the frame shows them when the pass is over. With controls on, or no
// browsed current row, it is SetRowText1 itself.
void StorePassRowText(editor::TFelirat& editor, std::string_view text);

}  // namespace corrections
