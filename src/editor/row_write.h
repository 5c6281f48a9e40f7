// How the editor writes a text into the current row (TFelirat::SetRowText1 / SetRowText2):
// the combinations of its three choices that the program uses, each with a name.
#pragma once

namespace editor {

struct RowWrite {
  // The row is put into edit state first (else it is in edit or insert state already).
  bool edit_first = true;
  // InternalUpdate is lowered before the post, so the post reloads the row panel.
  bool lower_internal_update = false;
  // UpdateRowFlags (flags, counters and their labels) rather than the reader's flag rule.
  bool full_flag_update = true;

  // A command rewrites the current row.
  static const RowWrite kEdit;
  // A command rewrites the current row and the row panel shows the stored text again.
  static const RowWrite kEditAndReloadPanel;
  // A row already in edit or insert state.
  static const RowWrite kInEditState;
  // A row already in edit or insert state; the row panel shows the stored text again.
  static const RowWrite kInEditStateAndReloadPanel;
  // Reading and replacing: the current row is rewritten with the reader's flag rule.
  static const RowWrite kEditWithReaderFlags;
  // Reading: a row already in insert state, with the reader's flag rule.
  static const RowWrite kInEditStateWithReaderFlags;
};

inline constexpr RowWrite RowWrite::kEdit{};
inline constexpr RowWrite RowWrite::kEditAndReloadPanel{.lower_internal_update = true};
inline constexpr RowWrite RowWrite::kInEditState{.edit_first = false};
inline constexpr RowWrite RowWrite::kInEditStateAndReloadPanel{.edit_first = false,
                                                               .lower_internal_update = true};
inline constexpr RowWrite RowWrite::kEditWithReaderFlags{.full_flag_update = false};
inline constexpr RowWrite RowWrite::kInEditStateWithReaderFlags{.edit_first = false,
                                                                .full_flag_update = false};

}  // namespace editor
