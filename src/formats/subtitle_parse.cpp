#include "formats/subtitle_parse.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "formats/line_parsers.h"
#include "formats/read_session.h"
#include "formats/subtitle_kind.h"
#include "timecode/timecode.h"

namespace files {

namespace {

// The first LF of the `size` bytes at `begin`, or null. Lines are short: sixteen bytes are
// looked at a time in place, the library's search is left for the last few.
const char* FindLineEnd(const char* begin, std::size_t size) {
  const char* at = begin;
#if defined(__SSE2__)
  const __m128i newline = _mm_set1_epi8('\n');
  for (const char* const last = begin + size; last - at >= 16; at += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const int found = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, newline));
    if (found != 0)
      return at + std::countr_zero(static_cast<unsigned>(found));
  }
#endif
  return static_cast<const char*>(
      std::memchr(at, '\n', size - static_cast<std::size_t>(at - begin)));
}

// The lines of a text, cut one at a time where they are asked for: a line ends at LF or CR LF,
// a last line without a line end is a line, an empty text has none. Past the end a read gives "".
class LineSource {
 public:
  explicit LineSource(std::string_view bytes) : bytes_(bytes) {}
  bool AtEnd() const { return next_ >= bytes_.size(); }
  std::string_view Next() {
    if (AtEnd())
      return {};
    const char* const begin = bytes_.data() + next_;
    const std::size_t left = bytes_.size() - next_;
    const char* const found = FindLineEnd(begin, left);
    if (found == nullptr) {
      next_ = bytes_.size();
      return {begin, left};
    }
    std::size_t length = static_cast<std::size_t>(found - begin);
    next_ += length + 1;
    if (length > 0 && begin[length - 1] == '\r')
      --length;
    return {begin, length};
  }

 private:
  std::string_view bytes_;
  std::size_t next_ = 0;
};

// The number of lines LineSource gives of `bytes`.
std::size_t CountLines(std::string_view bytes) {
  if (bytes.empty())
    return 0;
  // Counted in runs short enough for a byte counter, which the compiler keeps in wide registers.
  std::size_t count = 0;
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t run = std::min<std::size_t>(bytes.size() - at, 255);
    std::uint8_t in_run = 0;
    for (std::size_t i = 0; i < run; ++i)
      in_run = static_cast<std::uint8_t>(in_run + (bytes[at + i] == '\n' ? 1 : 0));
    count += in_run;
    at += run;
  }
  return bytes.back() == '\n' ? count : count + 1;
}

// The gauge moves once per hundredth of the file's lines, and never for fewer than 100.
class ReadGauge {
 public:
  ReadGauge(const ReadProgress& progress, std::size_t line_count)
      : progress_(progress), step_(static_cast<std::int64_t>(line_count / 100)) {}

  // One more line handled; `lines_per_count` lines stand behind each count.
  void Count(std::int64_t lines_per_count = 1) {
    ++counter_;
    if (step_ < 1 || !progress_)
      return;
    // The position only grows: below `next_` it is still the one shown, and no division is
    // needed for the line.
    if (lines_per_count == next_for_ && counter_ < next_)
      return;
    const int position = static_cast<int>(lines_per_count * counter_ / step_);
    if (position != shown_) {
      shown_ = position;
      progress_(position);
    }
    // The first count at which lines_per_count * count / step_ passes the position shown.
    next_for_ = lines_per_count;
    next_ = ((std::int64_t{shown_} + 1) * step_ + lines_per_count - 1) / lines_per_count;
  }

 private:
  const ReadProgress& progress_;
  std::int64_t step_;
  std::int64_t counter_ = 1;
  int shown_ = -1;             // no position is below 0
  std::int64_t next_for_ = 0;  // `next_` holds for this many lines per count
  std::int64_t next_ = 0;
};

// The notices of a file that was not Windows-1250 text.
void AddUtf16Notice(ReadSession& session) {
  const std::string bangs(49, '!');
  session.AddEntry({bangs, "Ez a felirat Unicode-os file-ból lett betöltve!!!",
                    "Kérem mentse el a file-t!", bangs});
}

void AddUtf8Notice(ReadSession& session) {
  const std::string bangs(49, '!');
  session.AddEntry({bangs, "Ez a felirat UTF-8-as file-ból lett betöltve!!!",
                    "Kérem mentse el a file-t!", "Mentéskor Windows-1250-es kódolású lesz!",
                    bangs});
}

void ReadFrameBased(ReadSession& session, std::string_view kind_line, LineSource& source,
                    ReadGauge& gauge) {
  bool stop = false;
  std::int64_t offset = 0;
  if (session.input.join && !session.second_text) {
    const FrameJoinOffset join = ComputeFrameJoinOffset(
        kind_line, timecode::ParseFrameNumber(session.input.join_start).value_or(0));
    stop = join.stop;
    offset = join.offset;
  }
  if (!stop)
    stop = ParseMicroDvdLine(session, kind_line, offset);
  while (!stop && !source.AtEnd()) {
    const std::string_view line = source.Next();
    if (!line.empty())
      stop = ParseMicroDvdLine(session, line, offset);
    gauge.Count();
  }
  session.result.stopped = stop;
}

void ReadSubRip(ReadSession& session, std::string_view kind, LineSource& source, ReadGauge& gauge) {
  ReadResult& result = session.result;
  SubRipContext context;
  if (kind == kUnicodeSubRipKind)
    AddUtf16Notice(session);
  bool join_pending = session.input.join && !session.second_text;
  while (!source.AtEnd()) {
    std::string_view line = source.Next();
    if (line == " ")
      line = {};
    if (session.second_text &&
        (session.second_complete ||
         (session.CurrentRow() == session.input.row_count && context.state == '4'))) {
      break;
    }
    ProcessSubRipLine(session, line, context);
    if (join_pending && context.state == '2') {
      // The first row starts at the typed value; every later row moves with it.
      join_pending = false;
      ReadRow& row = result.rows.back();
      const std::int64_t offset = row.start_ms - timecode::TimeCodeToMs(session.input.join_start);
      const timecode::RowTimes moved = timecode::ShiftRowTimes(row.start, row.end, offset);
      session.SetStart(moved.start);
      session.SetEnd(moved.end);
      context.join_offset_ms = offset;
      context.offset_ready = true;
    }
    gauge.Count();
  }
  if (context.pending) {
    if (session.second_text)
      session.StoreSecondText(context.text);
    else
      session.SetText(context.text);
  }
}

void ReadSubViewer(ReadSession& session, std::string_view kind_line, LineSource& source,
                   ReadGauge& gauge) {
  std::string_view time_line = kind_line;
  bool stop = false;
  while (!stop && !source.AtEnd()) {
    const std::string_view text_line = source.Next();
    stop = ParseSubViewerEntry(session, time_line, text_line);
    gauge.Count(3);
    if (!stop) {
      source.Next();
      time_line = source.Next();
    }
  }
  session.result.stopped = stop;
}

}  // namespace

ReadResult ParseSubtitle(std::string bytes, const ReadInput& input, const ReadProgress& progress) {
  ReadResult result;
  ReadSession session(input, result);
  // UTF-8 text is read as the Windows-1250 text it holds.
  const bool utf8 = DecodeIfUtf8(bytes);

  LineSource raw(bytes);
  std::size_t kind_lines = 0;
  std::string_view kind_line;
  while (result.kind.empty() && !raw.AtEnd()) {
    kind_line = raw.Next();
    ++kind_lines;
    result.kind = ClassifySubtitleLine(kind_line);
  }
  if (result.kind.empty())
    return result;

  // A UTF-16LE file is read as the text it holds, from its kind line on.
  std::string decoded;
  const bool utf16 = IsUtf16LeLine(kind_line);
  if (utf16)
    decoded = DecodeUtf16LeFrom(bytes, kind_line);
  LineSource source = utf16 ? LineSource(decoded) : raw;
  if (utf16)
    kind_line = source.Next();
  ReadGauge gauge(progress, utf16 ? kind_lines - 1 + CountLines(decoded) : CountLines(bytes));
  if (utf8 && IsEditorKind(result.kind))
    AddUtf8Notice(session);
  if (result.kind == kFrameKind) {
    ReadFrameBased(session, kind_line, source, gauge);
  } else if (result.kind == kSubRipKind || result.kind == kUnicodeSubRipKind) {
    ReadSubRip(session, result.kind, source, gauge);
  } else if (!session.second_text) {
    // A second text of this kind is not read: the rows stay as they are.
    ReadSubViewer(session, kind_line, source, gauge);
  }
  return result;
}

}  // namespace files
