#include "formats/subtitle_kind.h"

#include <algorithm>

#include "platform/text/text.h"
#include "timecode/time_base.h"

namespace files {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

bool HasNul(std::string_view line) {
  return line.find('\0') != std::string_view::npos;
}

bool IsSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDFFF;
}

}  // namespace

bool IsEditorKind(std::string_view kind) {
  return kind == kFrameKind || kind == kSubRipKind || kind == kUnicodeSubRipKind;
}

bool IsSubViewerTimeLine(std::string_view line) {
  constexpr std::size_t kFormLength = 23;
  if (line.size() < kFormLength)
    return false;
  auto at = [line](int pos) { return text::CharAt(line, pos); };
  return at(3) == ':' && at(6) == ':' && at(15) == ':' && at(18) == ':' && at(9) == '.' &&
         at(21) == '.' && at(12) == ',';
}

bool IsWholeNumber(std::string_view line) {
  // The common case, a block number, without the full parse.
  constexpr std::size_t kSureDigits = 9;
  if (!line.empty() && line.size() <= kSureDigits &&
      std::all_of(line.begin(), line.end(), [](char ch) { return ch >= '0' && ch <= '9'; })) {
    return true;
  }
  return text::TryStrToInt(line).has_value();
}

bool IsUtf16LeLine(std::string_view line) {
  return line.starts_with(kUtf16LeBom) && HasNul(line);
}

std::string_view StripUtf8Bom(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom))
    bytes.remove_prefix(kUtf8Bom.size());
  return bytes;
}

bool IsUtf8Text(std::string_view bytes) {
  const bool multi_byte = std::any_of(bytes.begin(), bytes.end(),
                                      [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  return multi_byte && text::IsWellFormedUtf8(bytes);
}

std::string DecodeUtf8(std::string_view bytes) {
  std::string without_marks;
  without_marks.reserve(bytes.size());
  for (std::size_t from = 0; from < bytes.size();) {
    const std::size_t mark = bytes.find(kUtf8Bom, from);
    without_marks.append(bytes.substr(from, mark - from));
    if (mark == std::string_view::npos)
      break;
    from = mark + kUtf8Bom.size();
  }
  return text::Utf8ToCp1250(without_marks);
}

bool DecodeIfUtf8(std::string& bytes) {
  const std::size_t bom = bytes.size() - StripUtf8Bom(bytes).size();
  bytes.erase(0, bom);
  if (bom == 0 && !IsUtf8Text(bytes))
    return false;
  bytes = DecodeUtf8(bytes);
  return true;
}

std::string DecodeUtf16LeFrom(std::string_view text, std::string_view line) {
  const std::size_t offset = static_cast<std::size_t>(line.data() - text.data());
  return DecodeUtf16Le(text.substr(offset + kUtf16LeBom.size()));
}

std::string DecodeUtf16Le(std::string_view bytes) {
  std::string decoded;
  decoded.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char32_t unit = static_cast<unsigned char>(bytes[i]) |
                          (static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8);
    if (unit == 0 || unit == 0xFEFF)
      continue;
    if (IsSurrogate(unit)) {
      // A pair stands for one character beyond the code page; a lone half for a broken one.
      const bool high = unit < 0xDC00;
      if (high && i + 3 < bytes.size()) {
        const char32_t next =
            static_cast<unsigned char>(bytes[i + 2]) |
            (static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 3])) << 8);
        if (next >= 0xDC00 && next <= 0xDFFF)
          i += 2;
      }
      decoded += '?';
      continue;
    }
    decoded += static_cast<char>(text::FromUnicode(unit));
  }
  return decoded;
}

std::string ClassifySubtitleLine(std::string_view line) {
  if (line.empty())
    return "";
  if (line.front() == '{')
    return std::string(kFrameKind);
  if (!HasNul(line)) {
    if (IsSubViewerTimeLine(line))
      return std::string(kSubViewerKind);
    if (IsWholeNumber(line))
      return std::string(kSubRipKind);
    return "";
  }
  if (!line.starts_with(kUtf16LeBom))
    return "";
  std::string decoded = DecodeUtf16Le(line.substr(kUtf16LeBom.size()));
  if (decoded.ends_with('\r'))
    decoded.pop_back();
  return std::string(IsWholeNumber(decoded) ? kUnicodeSubRipKind : kSubViewerKind);
}

std::string_view TimeBaseOfKind(std::string_view kind) {
  if (kind == kFrameKind)
    return timecode::kTimeBaseFrame;
  if (kind == kSubRipKind || kind == kUnicodeSubRipKind)
    return timecode::kTimeBaseTime;
  return {};
}

}  // namespace files
