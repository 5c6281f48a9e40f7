#include "platform/media/media_player.h"

#include <utility>

#include "platform/text/text.h"

namespace media {
namespace {

// How long one round of Open() waits for the player before the windows get their turn.
constexpr std::chrono::milliseconds kOpenSlice{10};

// Whole seconds beyond this are not a film position (and would overflow the milliseconds).
constexpr int kMaxSecondDigits = 12;

std::string TwoDigits(int64_t value) {
  std::string digits = std::to_string(value);
  return digits.size() < 2 ? "0" + digits : digits;
}

}  // namespace

OpenResult MediaPlayer::Open(const std::filesystem::path& path,
                             const std::function<void()>& process_messages,
                             std::chrono::milliseconds limit) {
  SetURL(path);
  const auto deadline = Now() + limit;
  while (GetOpenState() == OpenState::kOpening) {
    if (process_messages) {
      process_messages();
    }
    if (GetOpenState() != OpenState::kOpening) {
      break;
    }
    if (Now() >= deadline) {
      SetURL({});
      return OpenResult::kTimedOut;
    }
    WaitForEvents(kOpenSlice);
  }
  return GetOpenState() == OpenState::kOpen ? OpenResult::kOpened : OpenResult::kFailed;
}

std::string MediaPlayer::DurationString() const {
  return DurationText(Duration());
}

std::chrono::steady_clock::time_point MediaPlayer::Now() const {
  return std::chrono::steady_clock::now();
}

void MediaPlayer::ReportPlayState(PlayState state) {
  if (state == reported_) {
    return;
  }
  reported_ = state;
  if (OnPlayStateChange) {
    OnPlayStateChange(state);
  }
}

std::string DurationText(int64_t ms) {
  const int64_t seconds = ms > 0 ? ms / 1000 : 0;
  const int64_t hours = seconds / 3600;
  std::string result = TwoDigits(seconds / 60 % 60) + ":" + TwoDigits(seconds % 60);
  return hours > 0 ? TwoDigits(hours) + ":" + result : result;
}

std::optional<int64_t> ParseSecondsText(std::string_view text) {
  size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (negative) {
    ++i;
  }
  int64_t whole = 0;
  int whole_digits = 0;
  for (; i < text.size() && text::IsDigit(text[i]); ++i) {
    if (++whole_digits > kMaxSecondDigits) {
      return std::nullopt;
    }
    whole = whole * 10 + (text[i] - '0');
  }
  int64_t millis = 0;
  int fraction_digits = 0;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && text::IsDigit(text[i]); ++i, ++fraction_digits) {
      if (fraction_digits < 3) {
        millis = millis * 10 + (text[i] - '0');
      }
    }
  }
  if (i != text.size() || whole_digits + fraction_digits == 0) {
    return std::nullopt;
  }
  for (int d = fraction_digits; d < 3; ++d) {
    millis *= 10;
  }
  const int64_t ms = whole * 1000 + millis;
  return negative ? -ms : ms;
}

std::string SecondsText(int64_t ms) {
  const bool negative = ms < 0;
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(ms) : static_cast<uint64_t>(ms);
  std::string millis = std::to_string(magnitude % 1000);
  millis.insert(0, 3 - millis.size(), '0');
  return (negative ? "-" : "") + std::to_string(magnitude / 1000) + "." + millis;
}

void MediaPlayer::SetOverlayText(std::vector<OverlayLine> lines, int font_size, int canvas_height) {
  if (lines == overlay_)
    return;
  overlay_ = std::move(lines);
  DrawOverlayText(overlay_, font_size, canvas_height);
}

}  // namespace media
