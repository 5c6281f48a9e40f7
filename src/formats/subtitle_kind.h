// What kind of subtitle a file holds, judged from its lines, and the byte forms a subtitle
// file may come in (a UTF-8 byte-order mark, UTF-16LE text).
//
// Kind codes: "1" frame-based ({start}{end}text), "2" SubRip, "3" SubRip in a UTF-16LE file,
// "4" SubViewer-like time lines (hh:mm:ss.cc,hh:mm:ss.cc), "" no kind.
#pragma once

#include <string>
#include <string_view>

namespace files {

inline constexpr std::string_view kFrameKind = "1";
inline constexpr std::string_view kSubRipKind = "2";
inline constexpr std::string_view kUnicodeSubRipKind = "3";
inline constexpr std::string_view kSubViewerKind = "4";

// True for the kinds the editor reads ("1", "2", "3").
bool IsEditorKind(std::string_view kind);

// The kind one line shows, first matching rule:
//   - an empty line has none;
//   - a line beginning with "{" is "1";
//   - a line without a NUL byte is "4" in the SubViewer time form, "2" when it reads as a
//     32-bit whole number (leading blanks, a sign, decimal or "$"/"0x" hexadecimal digits),
//     otherwise none;
//   - a line with a NUL byte that begins with the UTF-16LE byte-order mark FF FE is decoded
//     (a carriage return at its end dropped): "3" when it reads as a whole number, else "4";
//     any other line with a NUL byte has none.
std::string ClassifySubtitleLine(std::string_view line);

// The time base a kind fixes: "Frame" for "1", "Time" for "2" and "3", "" for any other.
std::string_view TimeBaseOfKind(std::string_view kind);

// The SubViewer time form: ":" at positions 3, 6, 15 and 18, "." at 9 and 21, "," at 12,
// in a line long enough for the whole form (23 characters).
bool IsSubViewerTimeLine(std::string_view line);

// A 32-bit whole number as the kind rules and the SubRip reader read one.
bool IsWholeNumber(std::string_view line);

// A line of UTF-16LE text: it begins with FF FE and holds a NUL byte.
bool IsUtf16LeLine(std::string_view line);

// The bytes without a leading UTF-8 byte-order mark (EF BB BF).
std::string_view StripUtf8Bom(std::string_view bytes);

// Whether a file's bytes (after a UTF-8 byte-order mark, when it had one) are UTF-8 text: they
// hold a multi-byte UTF-8 sequence and nothing that is not UTF-8. Windows-1250 text with accented
// letters practically never is.
bool IsUtf8Text(std::string_view bytes);

// UTF-8 bytes as Windows-1250 text: a character outside the code page and a malformed sequence
// become "?", byte-order marks (also inside, where files were put together) are dropped.
std::string DecodeUtf8(std::string_view bytes);

// A file's bytes as the Windows-1250 text they hold: UTF-8 bytes (with a byte-order mark, which
// is dropped, or without one when IsUtf8Text) decoded, any others left as they are. True when the
// bytes were UTF-8.
bool DecodeIfUtf8(std::string& bytes);

// The UTF-16LE text of `text` from `line` (one of its lines, for which IsUtf16LeLine holds) to
// its end, decoded from after the byte-order mark.
std::string DecodeUtf16LeFrom(std::string_view text, std::string_view line);

// UTF-16LE bytes (after the byte-order mark) as Windows-1250 text: a character outside the
// code page becomes "?", U+0000 and U+FEFF are dropped, a last odd byte is ignored. Line
// ends come through as they are (CR LF or LF).
std::string DecodeUtf16Le(std::string_view bytes);

}  // namespace files
