#include "editor/rules/extracted_fps.h"

#include <array>
#include <cstdint>
#include <optional>

#include "platform/text/text.h"

namespace editor {

namespace {

constexpr std::size_t kKeptCharacters = 6;
constexpr std::array<std::string_view, 5> kWholeRates = {"15", "20", "24", "25", "30"};

// A plain decimal number ("12", "12,5", ",5") in hundredths, rounded half to even; nullopt
// for any other text. The text is at most six characters, so the value fits easily.
std::optional<std::int64_t> Hundredths(std::string_view text) {
  const std::size_t comma = text.find(text::kDecimalSeparator);
  const std::string_view whole = text.substr(0, comma);
  const std::string_view fraction =
      comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
  if (whole.empty() && fraction.empty())
    return std::nullopt;
  std::int64_t value = 0;
  for (const char c : whole) {
    if (!text::IsDigit(c))
      return std::nullopt;
    value = value * 10 + (c - '0');
  }
  for (const char c : fraction) {
    if (!text::IsDigit(c))
      return std::nullopt;
  }
  for (std::size_t i = 0; i < 2; ++i)
    value = value * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
  if (fraction.size() > 2) {
    const std::string_view rest = fraction.substr(2);
    const int first = rest[0] - '0';
    const bool beyond_half = rest.find_first_not_of('0', 1) != std::string_view::npos;
    if (first > 5 || (first == 5 && beyond_half) || (first == 5 && value % 2 == 1))
      ++value;
  }
  return value;
}

}  // namespace

std::string FrameRateText(std::uint32_t rate, std::uint32_t scale) {
  if (scale == 0)
    return {};
  return text::FloatToStr(static_cast<double>(rate) / static_cast<double>(scale));
}

ExtractedFps ChooseExtractedFps(std::string_view rate_text) {
  using Action = ExtractedFps::Action;
  if (rate_text.size() == 2) {
    for (const std::string_view whole : kWholeRates) {
      if (rate_text == whole)
        return {Action::kSelect, std::string(rate_text)};
    }
    // Any other whole rate (12, 50, 60) is kept as measured, added like any other rate.
    const std::optional<std::int64_t> hundredths = Hundredths(rate_text);
    if (!hundredths || *hundredths == 0)
      return {Action::kIgnore, {}};
    return {Action::kSelect, text::HundredthsToStr(*hundredths)};
  }
  if (rate_text.size() < 2)
    return {Action::kUnusable, {}};
  const std::string_view kept = rate_text.substr(0, kKeptCharacters);
  if (kept == "23,976" || kept == "29,976")
    return {Action::kSelect, std::string(kept)};
  const std::optional<std::int64_t> hundredths = Hundredths(kept);
  if (!hundredths || *hundredths == 0)
    return {Action::kUnusable, {}};
  return {Action::kSelect, text::HundredthsToStr(*hundredths)};
}

}  // namespace editor
