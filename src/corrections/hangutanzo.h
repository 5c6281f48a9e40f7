// The window `THangutanzo`.
#pragma once

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace corrections {

class THangutanzo : public ui::Form {
 public:
  explicit THangutanzo(shell::Program& program);

 private:
  shell::Program& program_;
};

}  // namespace corrections
