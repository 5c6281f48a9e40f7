// Checks of typed time codes and frame numbers.
//
// A check gives its verdict and, on failure, the message to show. Every message here is an
// error box with the OK button only; the caller shows it (or not) and stops on failure.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace timecode {

// A message for the shared message window: caption, icon kind ("info", "kerdes", "hiba")
// and two lines (the second may be empty).
struct Notice {
  std::string caption;
  std::string icon;
  std::string line1;
  std::string line2;

  bool operator==(const Notice&) const = default;
};

struct Check {
  bool ok = true;
  std::optional<Notice> notice;  // set exactly when !ok
};

// A time code of the right shape with hours 00-23 and minutes and seconds 00-59.
Check ValidateTimeCode(std::string_view text);

// Both texts have the shape of a time code; the fields' ranges are not tested.
Check ValidateTwoTimeCodes(std::string_view a, std::string_view b);

// A frame number: not empty, no leading zero ("0" itself is fine), digits only.
Check ValidateFrameNumber(std::string_view text);

// Two frame numbers, as ValidateFrameNumber, with messages that name the faulty one.
Check ValidateTwoFrameNumbers(std::string_view a, std::string_view b);

}  // namespace timecode
