// The sound-word removal, the clean-up commands, the timing checks and the full formatting,
// each run inside the correction frame (corrections/correction_frame.h). The editor's handlers
// call these.
#pragma once

#include "corrections/reporting.h"

namespace editor {
class TFelirat;
}
namespace shell {
class Program;
}

namespace corrections {

// "Hangutánzó szavak és nevek törlése" (`HangutanzoN`): sound descriptions in brackets and
// capital speaker names cut out of every row; rows that cannot be judged are listed as
// critical.
void RunSoundWordRemoval(editor::TFelirat& editor, shell::Program& program, Reporting show);
// "... - extra": the same, also deleting credit rows and short labels of any case; it always
// reports.
void RunSoundWordRemovalExtra(editor::TFelirat& editor, shell::Program& program);

// "1*-" (`BvonalN`): dialogue dashes moved, given their blank, or dropped for one speaker.
void RunDialogueDashes(editor::TFelirat& editor, shell::Program& program, Reporting show);
// ".,?! karakterek után tegyen space-t" (`BkarakterN`): a blank after punctuation.
void RunBlankAfterPunctuation(editor::TFelirat& editor, shell::Program& program, Reporting show);
// "öh" (`BohN`): short rows of two or more lines joined into one line.
void RunJoinShortRows(editor::TFelirat& editor, shell::Program& program, Reporting show);
// "l betű kicserélése I-re".
void RunLowerLToCapitalI(editor::TFelirat& editor, shell::Program& program);
// "Ékezetek eltűntetése".
void RunAccentRemoval(editor::TFelirat& editor, shell::Program& program);
// "Összes betű kis betű legyen".
void RunLowerCase(editor::TFelirat& editor, shell::Program& program);
// "Üres sorok törlése".
void RunEmptyRowDeletion(editor::TFelirat& editor, shell::Program& program);
// "Sorfelezés /38-72 betű/".
void RunLineHalving(editor::TFelirat& editor, shell::Program& program);
// ".?! karakterek előtti space eltűntetése".
void RunBlanksBeforeMarks(editor::TFelirat& editor, shell::Program& program);

}  // namespace corrections
