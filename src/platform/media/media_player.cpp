#include "platform/media/media_player.h"

#include <algorithm>
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

void MediaPlayer::SetOverlayText(std::vector<OverlayLine> lines, Canvas canvas) {
  if (lines.empty())
    canvas = {};
  if (lines == overlay_ && canvas == canvas_)
    return;
  overlay_ = std::move(lines);
  canvas_ = canvas;
  DrawOverlayText(overlay_, canvas_);
}

void MediaPlayer::ReportFullScreenRequest(bool full_screen) {
  if (OnFullScreenRequest)
    OnFullScreenRequest(full_screen);
}

namespace {

// A line as libass draws it literally: a backslash and a brace would start a tag.
std::string AssLiteral(std::string_view cp1250) {
  std::string out;
  for (const char c : text::Cp1250ToUtf8(cp1250)) {
    if (c == '\\')
      out += "\\\xE2\x81\xA0";  // backslash followed by a word joiner
    else if (c == '{' || c == '}')
      out += std::string("\\") + c;
    else if (c != '\r' && c != '\n')
      out += c;
  }
  return out;
}

std::string AssColor(std::uint32_t bgr) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "&H";
  for (int shift = 20; shift >= 0; shift -= 4)
    out += kHex[(bgr >> shift) & 0xF];
  return out + "&";
}

}  // namespace

std::string OverlayEvents(const std::vector<MediaPlayer::OverlayLine>& lines) {
  std::string events;
  for (const MediaPlayer::OverlayLine& line : lines) {
    if (!events.empty())
      events += '\n';
    events += "{\\an7\\pos(" + std::to_string(line.left) + "," + std::to_string(line.top) +
              ")\\fn" + AssLiteral(line.font_name) + "\\fs" +
              std::to_string(std::max(line.font_size, 1)) + "\\i" + (line.italic ? "1" : "0") +
              "\\1c" + AssColor(line.color) + "\\3c&H000000&\\bord1\\shad0}" +
              AssLiteral(line.text);
  }
  return events;
}

}  // namespace media
