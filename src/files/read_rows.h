// Row helpers of the readers: the flag rule without the text box, and writing a row's times.
#pragma once

#include <string_view>

namespace shell {
class Program;
}

namespace files {

// Sets or clears `betu38` and `sor3` of the editor's current row (in edit or insert state)
// from its `Szoveg`, measured into LineLengths against the letter limit `SEbetu`, keeping
// LongLineRowCount and ManyLineRowCount. Shows nothing.
void UpdateRowFlagFields(shell::Program& program);

// Puts the editor's current row into edit state and writes its start and end (not posted).
void SetRowTimes(shell::Program& program, std::string_view start, std::string_view end);

}  // namespace files
