#include "timecode/checks.h"

#include "timecode/timecode.h"

namespace timecode {
namespace {

constexpr std::string_view kTimeExample = "Helyes megadás pl: 01:10:34,567";
constexpr std::string_view kTypeANumber = "Üss be egy számot!";
constexpr std::string_view kNoLeadingZero = "0-val nem kezdődhet az érték!";
constexpr std::string_view kTooLarge = "Túl nagy időt ütött be!";

Check Fail(std::string_view line1, std::string_view line2) {
  return Check{false, Notice{"Hiba!", "hiba", std::string(line1), std::string(line2)}};
}

bool HasLeadingZero(std::string_view s) {
  return s.size() > 1 && s.front() == '0';
}

bool IsAllDigits(std::string_view s) {
  for (char c : s) {
    if (c < '0' || c > '9') {
      return false;
    }
  }
  return true;
}

}  // namespace

Check ValidateTimeCode(std::string_view text) {
  if (!IsTimeCodeShape(text)) {
    return Fail("Hiba az /egyik/ intervallumban!", kTimeExample);
  }
  auto field = [&](int index) { return (text[index] - '0') * 10 + (text[index + 1] - '0'); };
  if (field(0) >= 24) {
    return Fail(kTooLarge, "Az óra kisebb legyen mint 24!");
  }
  if (field(3) >= 60) {
    return Fail(kTooLarge, "A perc időintervalluma: 0-59!");
  }
  if (field(6) > 59) {
    return Fail(kTooLarge, "A másodperc időintervalluma: 0-59!");
  }
  return Check{};
}

Check ValidateTwoTimeCodes(std::string_view a, std::string_view b) {
  if (!IsTimeCodeShape(a) || !IsTimeCodeShape(b)) {
    return Fail("Hiba az egyik intervallumban!", kTimeExample);
  }
  return Check{};
}

Check ValidateFrameNumber(std::string_view text) {
  if (text.empty()) {
    return Fail("Hiba az értékben! Nem ütött be semmit!", kTypeANumber);
  }
  if (HasLeadingZero(text)) {
    return Fail("Hiba az értékben!", kNoLeadingZero);
  }
  // A pasted text passes the key filter; refuse anything but digits.
  if (!IsAllDigits(text)) {
    return Fail("Hiba az értékben!", kTypeANumber);
  }
  return Check{};
}

Check ValidateTwoFrameNumbers(std::string_view a, std::string_view b) {
  if (a.empty() && b.empty()) {
    return Fail("Hiba mindkét intervallumban! Nem ütött be semmit!", kTypeANumber);
  }
  if (a.empty()) {
    return Fail("Hiba az első értékben! Nem ütött be semmit!", kTypeANumber);
  }
  if (b.empty()) {
    return Fail("Hiba a második értékben! Nem ütött be semmit!", kTypeANumber);
  }
  if (HasLeadingZero(a) && HasLeadingZero(b)) {
    return Fail("Hiba mindkét értékben!", kNoLeadingZero);
  }
  if (HasLeadingZero(a)) {
    return Fail("Hiba az első értékben!", kNoLeadingZero);
  }
  if (HasLeadingZero(b)) {
    return Fail("Hiba a második értékben!", kNoLeadingZero);
  }
  const bool a_digits = IsAllDigits(a);
  const bool b_digits = IsAllDigits(b);
  if (!a_digits && !b_digits) {
    return Fail("Hiba mindkét értékben!", kTypeANumber);
  }
  if (!a_digits) {
    return Fail("Hiba az első értékben!", kTypeANumber);
  }
  if (!b_digits) {
    return Fail("Hiba a második értékben!", kTypeANumber);
  }
  return Check{};
}

}  // namespace timecode
