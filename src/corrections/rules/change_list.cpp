#include "corrections/rules/change_list.h"

#include "platform/text/text.h"

namespace corrections {

std::string RowLine(int row) {
  return "Melyik sorban volt: " + text::IntToStr(row);
}

void LogRowChange(ChangeList& list, EntryKind kind, int row, std::string_view text) {
  list.emplace_back();
  list.push_back(RowLine(row));
  switch (kind) {
    case EntryKind::kCritical:
      list.push_back("Kritikus sor: " + std::string(text));
      break;
    case EntryKind::kChanged:
      list.push_back("Miből: " + std::string(text));
      break;
    case EntryKind::kDeleted:
      list.push_back("Törölve a sor: " + std::string(text));
      break;
  }
}

}  // namespace corrections
