// vemko-probe OPERATION ARGUMENTS...: builds a headless program, runs one operation, prints it.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/ui/headless/driver.h"
#include "probe/probe.h"
#include "shell/hibaki.h"
#include "shell/kiszoveg.h"
#include "shell/program.h"

namespace {

// The message window and the result list are answered as soon as they show: OK (or "Mégsem"
// for a question) and "Bezár".
void AnswerEveryWindow(ui::headless::Driver& driver, shell::Program& program) {
  constexpr int kAnswers = 64;
  for (int i = 0; i < kAnswers; ++i) {
    driver.OnModal("Kiszoveg", [&driver, &program] {
      shell::TKiszoveg& box = *program.Kiszoveg;
      driver.Click(box.Bok.Visible() ? static_cast<ui::Control&>(box.Bok) : box.Bmegsem);
    });
    driver.OnModal("Hibaki", [&driver, &program] { driver.Click(program.Hibaki->Button1); });
  }
}

int Usage() {
  std::fputs("usage: vemko-probe OPERATION ARGUMENTS...\n", stderr);
  for (const probe::Operation& operation : probe::Operations())
    std::fprintf(stderr, "  vemko-probe %.*s\n", static_cast<int>(operation.usage.size()),
                 operation.usage.data());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2)
    return Usage();
  const std::string name = argv[1];
  const std::vector<std::string> arguments(argv + 2, argv + argc);
  for (const probe::Operation& operation : probe::Operations()) {
    if (operation.name != name)
      continue;
    ui::headless::Driver driver;
    driver.SetFailureHandler([](const std::string&) {});
    shell::Program program(driver.App(), shell::ProgramOptions{});
    AnswerEveryWindow(driver, program);
    probe::Output output;
    std::string error;
    if (!operation.run(program, driver, arguments, output, error)) {
      std::fprintf(stderr, "vemko-probe: %s\n", error.c_str());
      return Usage();
    }
    for (const std::string& line : output) {
      std::fwrite(line.data(), 1, line.size(), stdout);
      std::fputc('\n', stdout);
    }
    driver.Verify();  // the answers nobody needed are not failures here
    return 0;
  }
  return Usage();
}
