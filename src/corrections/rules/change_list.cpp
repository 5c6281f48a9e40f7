#include "corrections/rules/change_list.h"

#include <charconv>
#include <iterator>

namespace corrections {

namespace {

constexpr std::string_view kRowLabel = "Melyik sorban volt: ";

// The digits of a row number, in `digits`.
std::string_view RowDigits(int row, char (&digits)[16]) {
  const std::to_chars_result end = std::to_chars(std::begin(digits), std::end(digits), row);
  return std::string_view(digits, static_cast<std::size_t>(end.ptr - digits));
}

}  // namespace

void AddRowLine(ChangeList& list, int row) {
  char digits[16];
  list.push_back(kRowLabel, RowDigits(row, digits));
}

void LogRowChange(ChangeList& list, EntryKind kind, int row, std::string_view text) {
  list.push_back("");
  AddRowLine(list, row);
  switch (kind) {
    case EntryKind::kCritical:
      list.push_back("Kritikus sor: ", text);
      break;
    case EntryKind::kChanged:
      list.push_back("Miből: ", text);
      break;
    case EntryKind::kDeleted:
      list.push_back("Törölve a sor: ", text);
      break;
  }
}

}  // namespace corrections
