// The timing checks and the full formatting over the editor's rows. The editor's handlers and
// the overlap window call these.
//
// The times are time codes in the "Time" base. In the "Frame" base the list of half-second
// rows reads the frame numbers at the rate of `cbFps`; the overlap check and the extension,
// which write times a millisecond or a quarter second apart, refuse with a message there.
#pragma once

#include <functional>
#include "corrections/reporting.h"

namespace editor {
class TFelirat;
}
namespace shell {
class Program;
}

namespace corrections {

class TAtfedes;

// The overlap window's check with its options (`RunOverlapCheck`).
void RunOverlapCheckCommand(editor::TFelirat& editor, shell::Program& program, TAtfedes& window,
                            Reporting show);
// "0.5 mp" (`L05Click`): the rows lasting exactly half a second, listed.
void ListHalfSecondRowsCommand(editor::TFelirat& editor, shell::Program& program);
// "0,5mp-es sor kibővítése" (`ExtendAllHalfSecondRows`).
void ExtendAllHalfSecondRowsCommand(editor::TFelirat& editor, shell::Program& program,
                                    Reporting show);

// The steps of the full formatting, each silent; the tests replace them.
struct FullFormattingSteps {
  std::function<void()> blank_after;  // BkarakterN(kShowNothing)
  std::function<void()> sound_words;  // HangutanzoN(kShowNothing)
  std::function<void()> fixer;        // BOsszesN(kShowNothing)
  std::function<void()> aggressive;   // BagresszivN(kShowNothing)
  std::function<void()> dashes;       // BvonalN(kShowNothing)
  std::function<void()> join_short;   // BohN(kShowNothing)
  std::function<void()> overlap;      // RunOverlapCheck(kShowNothing)
  std::function<void()> extend;       // ExtendAllHalfSecondRows(kShowNothing)
};
// The full formatting in its fixed order: the text corrections, then the overlap check twice in
// repair mode with the stretch to half a second, the window's options restored, then the
// extension of the half-second rows.
void RunFullFormattingSteps(const FullFormattingSteps& steps, TAtfedes& window);
// "Felirat teljes formázása" on the editor (`FeliratTeljesClick`).
void RunFullFormatting(editor::TFelirat& editor, shell::Program& program);

}  // namespace corrections
