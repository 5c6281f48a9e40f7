// The timing checks and the full formatting over the editor's rows. The editor's handlers and
// the overlap window call these.
//
// The times are time codes in the "Time" base. In the "Frame" base the list of half-second
// rows reads the frame numbers at the rate of `cbFps`; the overlap check and the extension,
// which write times a millisecond or a quarter second apart, refuse with a message there.
#pragma once

#include <cstdint>
#include <functional>

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
                            std::uint8_t show);
// "0.5 mp" (`L05Click`): the rows lasting exactly half a second, listed.
void ListHalfSecondRowsCommand(editor::TFelirat& editor, shell::Program& program);
// "0,5mp-es sor kibővítése" (`ExtendAllHalfSecondRows`).
void ExtendAllHalfSecondRowsCommand(editor::TFelirat& editor, shell::Program& program,
                                    std::uint8_t show);

// The steps of the full formatting, each silent; the tests replace them.
struct FullFormattingSteps {
  std::function<void()> blank_after;  // BkarakterN(0)
  std::function<void()> sound_words;  // HangutanzoN(0)
  std::function<void()> fixer;        // BOsszesN(0)
  std::function<void()> aggressive;   // BagresszivN(0)
  std::function<void()> dashes;       // BvonalN(0)
  std::function<void()> join_short;   // BohN(0)
  std::function<void()> overlap;      // RunOverlapCheck(0)
  std::function<void()> extend;       // ExtendAllHalfSecondRows(0)
};
// The full formatting in its fixed order: the text corrections, then the overlap check twice in
// repair mode with the stretch to half a second, the window's options restored, then the
// extension of the half-second rows.
void RunFullFormattingSteps(const FullFormattingSteps& steps, TAtfedes& window);
// "Felirat teljes formázása" on the editor (`FeliratTeljesClick`).
void RunFullFormatting(editor::TFelirat& editor, shell::Program& program);

}  // namespace corrections
