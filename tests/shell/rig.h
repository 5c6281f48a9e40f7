// A fresh program on the headless backend for one test. Every failure of the modal script
// (a modal window nobody answered, a step that never ran) fails the test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ui/headless/driver.h"
#include "shell/program.h"

namespace shell::testing {

inline ProgramOptions WithArguments(std::vector<std::string> arguments) {
  ProgramOptions options;
  options.arguments = std::move(arguments);
  return options;
}

inline ProgramOptions WithoutFilmPlayer() {
  ProgramOptions options;
  options.film_player = false;
  return options;
}

class FailOnScriptErrors {
 public:
  explicit FailOnScriptErrors(ui::headless::Driver& driver) {
    driver.SetFailureHandler([](const std::string& failure) { ADD_FAILURE() << failure; });
  }
};

struct Rig {
  explicit Rig(int screen_width = 1280, int screen_height = 1024, ProgramOptions options = {})
      : driver(screen_width, screen_height),
        guard(driver),
        program(driver.App(), std::move(options)) {}

  std::vector<std::string> Lines(std::string_view prefix) const { return driver.LogLines(prefix); }

  ui::headless::Driver driver;
  FailOnScriptErrors guard;
  Program program;
};

}  // namespace shell::testing
