#include "corrections/rules/change_list.h"

#include <charconv>
#include <iterator>

namespace corrections {

namespace {

// A label and a text as one line, built in one allocation.
std::string Labelled(std::string_view label, std::string_view text) {
  std::string line;
  line.reserve(label.size() + text.size());
  line.append(label).append(text);
  return line;
}

}  // namespace

std::string RowLine(int row) {
  char digits[16];
  const std::to_chars_result end = std::to_chars(std::begin(digits), std::end(digits), row);
  return Labelled("Melyik sorban volt: ",
                  std::string_view(digits, static_cast<std::size_t>(end.ptr - digits)));
}

void LogRowChange(ChangeList& list, EntryKind kind, int row, std::string_view text) {
  list.emplace_back();
  list.push_back(RowLine(row));
  switch (kind) {
    case EntryKind::kCritical:
      list.push_back(Labelled("Kritikus sor: ", text));
      break;
    case EntryKind::kChanged:
      list.push_back(Labelled("Miből: ", text));
      break;
    case EntryKind::kDeleted:
      list.push_back(Labelled("Törölve a sor: ", text));
      break;
  }
}

}  // namespace corrections
