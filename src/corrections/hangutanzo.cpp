#include "corrections/hangutanzo.h"

#include "shell/program.h"

namespace corrections {

THangutanzo::THangutanzo(shell::Program& program)
    : Form(program.app, "Hangutanzo"), program_(program) {
  Created();
}

}  // namespace corrections
