// Whether a correction command ends with its result message.
#pragma once

namespace corrections {

// A button, menu or popup item runs a correction with kShowReport; the full formatting runs
// its steps with kShowNothing, so only its own closing word is shown.
enum class Reporting { kShowNothing, kShowReport };
using enum Reporting;

}  // namespace corrections
