// The open flow on the editor's side: reading the chosen file into the editor as the main text
// or the second text, and setting the editor's controls by what was read.
#pragma once

#include <string>
#include <string_view>

namespace shell {
class Program;
}

namespace files {

// Reads CurrentFilePath into the editor as the text of TextSlot, when a file was chosen
// (FileChosen). A main text replaces the rows; a second text goes beside them and must be of
// the editor's time base. Afterwards editing is enabled by the time base of the file, or, for a
// file of no usable kind, "Hiba a file-ban!" is shown and editing stays off.
void OpenSubtitleFile(shell::Program& program);

// Marks a file as chosen and enables the editor's grid and search controls; with `show_name`
// the open window's chosen name goes into the editor's name box.
void AfterFileChosen(shell::Program& program, bool show_name);

// Enables the editor's row-editing controls and disables the save commands.
void EnableEditingControls(shell::Program& program);

// Shows the grid's vertical scroll bar when the rows do not fit the layout, hides it when
// they do (only while the row table is open; with no layout nothing changes).
void UpdateGridScrollBar(shell::Program& program);

// The grid's whole-row selection on or off.
void SetGridRowSelect(shell::Program& program, bool on);

// The open window's filter: while it serves "Másik felirat beolvasása" only the extension of
// the editor's time base, otherwise both.
std::string OpenWindowFilter(bool opening_second_text, std::string_view time_base);

// Whether the grid of a layout needs its scroll bar for this many rows: more than 37 rows in
// "1280x1024", 15 in "1024x768", 10 in "800x600".
bool GridNeedsScrollBar(std::string_view screen_layout, int row_count);

// Whether a file of `kind` can be read as a second text beside a subtitle of `time_base`:
// a frame-based file ("1") beside "Frame", a SubRip file ("2", "3") beside "Time".
bool FitsAsSecondText(std::string_view kind, std::string_view time_base);

}  // namespace files
