// "Agresszív sortörés" and "4 soros sorok megtörése" over the editor's rows.
#include "corrections/commands.h"
#include "corrections/correction_frame.h"
#include "editor/felirat.h"
#include "shell/program.h"

namespace corrections {

void RunAggressiveBreaking(editor::TFelirat& /*editor*/, shell::Program& /*program*/,
                           std::uint8_t /*show*/) {}

void RunFourLineBreaking(editor::TFelirat& /*editor*/, shell::Program& /*program*/) {}

}  // namespace corrections
