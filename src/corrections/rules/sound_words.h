// The sound-word and speaker-name removal's rules: bracketed sound descriptions and capital
// speaker labels cut out of a row text by their shape, without a word list.
//
// A row is handled in turns. Each turn runs the rules in order on the working text; a rule that
// changed the text sets `rerun`, and another turn follows on the same working text. Nothing is
// stored until a turn ends without the mark: then the pending action says what becomes of the
// row (store the working text, delete the row, report it as critical, or nothing).
#pragma once

#include <string>
#include <string_view>

namespace corrections {

// What becomes of a row once its turns are over.
enum class PendingAction {
  kPendingNone,      // nothing
  kPendingStore,     // the working text is stored
  kPendingDelete,    // the row is deleted
  kPendingCritical,  // the row is left and listed as critical
};
using enum PendingAction;

struct SoundWordRow {
  std::string text;  // the working text
  PendingAction pending = kPendingNone;
  bool rerun = false;        // a rule changed the text: another turn follows
  bool dash_advice = false;  // a dialogue dash was left dangling
};

// Which rules a turn runs: the extra variant adds the short-label removal after the speaker
// label rule.
struct SoundWordRules {
  bool short_labels = false;
};

// One turn: clears `rerun`, then applies the rules in their order.
void RunSoundWordTurn(SoundWordRow& row, SoundWordRules rules);

// The turns of one row until a turn sets no re-run mark (with a turn limit as the last guard).
void RunSoundWordTurns(SoundWordRow& row, SoundWordRules rules);

// The extra variant's credit rows: a transcriber's credit or a subtitle site's address.
bool HoldsCreditMarker(std::string_view text);

}  // namespace corrections
