// Style tags on the row text (the grid popup's toggles, the text box popup's selection tags)
// and the program's own clipboard TextClipboard (the grid popup's whole-text cut, copy and
// paste, the text box popup's selection commands). The system clipboard is never used.
#include <string>

#include "editor/felirat.h"
#include "editor/rules/style_tags.h"
#include "editor/table_scopes.h"
#include "shell/message_box.h"
#include "shell/program.h"

namespace editor {

namespace field = dataset::subtitle_field;

namespace {

// Tags or pasted text that would push the row past its 220 characters are not added: the
// field would cut the text's end.
constexpr std::string_view kTagsDoNotFit = "A formázással a sor hosszabb lenne 220 karakternél!";
constexpr std::string_view kPasteDoesNotFit =
    "A beillesztéssel a sor hosszabb lenne 220 karakternél!";

}  // namespace

// ---- Whole-text tags (grid popup) --------------------------------------------------------------

void TFelirat::WireStyleCommands() {
  dolt.OnClick = [this] { doltClick(); };
  dolt2.OnClick = [this] { dolt2Click(); };
  Vastagitott.OnClick = [this] { VastagitottClick(); };
  Alahuzott.OnClick = [this] { AlahuzottClick(); };
  osszesel.OnClick = [this] { osszeselClick(); };
  Kivagas.OnClick = [this] { KivagasClick(); };
  Masolas.OnClick = [this] { MasolasClick(); };
  Beillesztes.OnClick = [this] { BeillesztesClick(); };
  SzovegPop.OnPopup = [this] { SzovegPopPopup(); };
  SzPK1B.OnClick = [this] { SzPK1BClick(); };
  KivagKovBeEleje.OnClick = [this] { KivagKovBeElejeClick(); };
  SzPK.OnClick = [this] { SzPKClick(); };
  SzPM.OnClick = [this] { SzPMClick(); };
  SzPB.OnClick = [this] { SzPBClick(); };
  kszd.OnClick = [this] { kszdClick(); };
  kszv.OnClick = [this] { kszvClick(); };
  ksza.OnClick = [this] { kszaClick(); };
}

// Every tag of the pair out of the row text, stored when there was one.
void TFelirat::RemoveTagPair(TagPair tags) {
  const std::string text = cds.Value(field::kSzoveg);
  if (!HoldsTagOf(text, tags))
    return;
  SetRowText1(StripTagPair(text, tags), RowWrite::kEditAndReloadPanel);
}

// The grid popup's toggles on the whole row text; `closing` adds the closing tag too.
void TFelirat::ToggleTagPair(ui::MenuItem& item, TagPair tags, bool closing) {
  // An emptied table has no row to style: an edit there would insert one.
  if (cds.IsEmpty())
    return;
  CommandUpdateScope update(*this);
  if (item.Checked()) {
    RemoveTagPair(tags);
    item.SetChecked(false);
  } else {
    std::string text(tags.open);
    text += cds.Value(field::kSzoveg);
    if (closing)
      text += tags.close;
    if (!FitsMainText(text)) {
      update.Lower();
      ShowRowWouldNotFit(kTagsDoNotFit);
      return;
    }
    SetRowText1(text, RowWrite::kEditAndReloadPanel);
    item.SetChecked(true);
  }
  MarkModified();
}

void TFelirat::doltClick() {
  ToggleTagPair(dolt, kItalicTags, true);
}

void TFelirat::dolt2Click() {
  ToggleTagPair(dolt2, kItalicTags, false);
}

void TFelirat::VastagitottClick() {
  ToggleTagPair(Vastagitott, kBoldTags, true);
}

void TFelirat::AlahuzottClick() {
  ToggleTagPair(Alahuzott, kUnderlineTags, true);
}

void TFelirat::osszeselClick() {
  if (cds.IsEmpty())
    return;
  CommandUpdateScope update(*this);
  for (const TagPair& tags : {kItalicTags, kBoldTags, kUnderlineTags}) {
    update.Raise();
    RemoveTagPair(tags);
  }
  dolt.SetChecked(false);
  Vastagitott.SetChecked(false);
  Alahuzott.SetChecked(false);
  MarkModified();
}

// ---- Whole-text clipboard (grid popup) ---------------------------------------------------------

void TFelirat::KivagasClick() {
  if (cds.IsEmpty())
    return;
  CommandUpdateScope update(*this);
  program_.state.TextClipboard = cds.Value(field::kSzoveg);
  SetRowText1("", RowWrite::kEditAndReloadPanel);
  Beillesztes.SetEnabled(true);
  MarkModified();
}

void TFelirat::MasolasClick() {
  if (cds.IsEmpty())
    return;
  program_.state.TextClipboard = cds.Value(field::kSzoveg);
  Beillesztes.SetEnabled(true);
}

void TFelirat::BeillesztesClick() {
  // An empty clipboard has nothing to paste: the row keeps its text.
  if (cds.IsEmpty() || program_.state.TextClipboard.empty())
    return;
  if (!FitsMainText(program_.state.TextClipboard)) {
    ShowRowWouldNotFit(kPasteDoesNotFit);
    return;
  }
  SetRowText1(program_.state.TextClipboard, RowWrite::kEdit);
  MarkModified();
}

// ---- The text box's selection (text box popup) ------------------------------------------------

// Opening the text box's popup: the selection commands only with a selection, the paste only
// with something in TextClipboard.
void TFelirat::SzovegPopPopup() {
  const bool selection = szoveg.SelLength() > 0;
  for (ui::MenuItem* item : {&SzPK1B, &SzPK, &SzPM, &kszd, &ksza, &kszv})
    item->SetEnabled(selection);
  SzPB.SetEnabled(!program_.state.TextClipboard.empty());
  KivagKovBeEleje.SetEnabled(true);
}

// Stores `text` as the row's main text, a dangling closing italic tag at its end dropped.
void TFelirat::StoreTextFixItalic(std::string_view text) {
  CommandUpdateScope update(*this);
  SetRowText1(DropDanglingItalic(text), RowWrite::kEditAndReloadPanel);
}

// TextClipboard cut out of the row text / inserted at the text box's caret, then stored.
void TFelirat::CutClipboardTextFromRow() {
  StoreTextFixItalic(CutFirstOccurrence(cds.Value(field::kSzoveg), program_.state.TextClipboard));
}

// The row text with TextClipboard inserted at the text box's caret.
std::string TFelirat::PastedAtCaret() const {
  const int position = RowPositionOfCaret(szoveg.Text(), szoveg.SelStart());
  return InsertAtPosition(cds.Value(field::kSzoveg), position, program_.state.TextClipboard);
}

void TFelirat::PasteClipboardAtCaret() {
  StoreTextFixItalic(PastedAtCaret());
}

// Whether the pasted row text `pasted` fits; a message when it does not.
bool TFelirat::PasteFits(std::string_view pasted) {
  if (FitsMainText(DropDanglingItalic(pasted)))
    return true;
  ShowRowWouldNotFit(kPasteDoesNotFit);
  return false;
}

// The first occurrence of the text box's selection in the row text between the tags.
void TFelirat::WrapSelection(TagPair tags) {
  if (cds.IsEmpty())
    return;
  CopySelectionToClipboard();
  CommandUpdateScope update(*this);
  const std::optional<std::string> wrapped =
      WrapFirstOccurrence(cds.Value(field::kSzoveg), program_.state.TextClipboard, tags);
  if (!wrapped)
    return;
  if (!FitsMainText(*wrapped)) {
    update.Lower();
    ShowRowWouldNotFit(kTagsDoNotFit);
    return;
  }
  SetRowText1(*wrapped, RowWrite::kEditAndReloadPanel);
}

void TFelirat::SzPMClick() {
  CopySelectionToClipboard();
}

void TFelirat::SzPKClick() {
  if (cds.IsEmpty())
    return;
  CopySelectionToClipboard();
  CutClipboardTextFromRow();
}

void TFelirat::SzPBClick() {
  if (cds.IsEmpty())
    return;
  if (!PasteFits(PastedAtCaret()))
    return;
  PasteClipboardAtCaret();
}

void TFelirat::SzPK1BClick() {
  if (cds.IsEmpty())
    return;
  CopySelectionToClipboard();
  // The new row's text is the clipboard; refused, neither row is touched.
  if (!PasteFits(program_.state.TextClipboard))
    return;
  CutClipboardTextFromRow();
  // The new row becomes current and the text box shows its empty text, caret at the start.
  pmsormogeClick();
  PasteClipboardAtCaret();
}

void TFelirat::KivagKovBeElejeClick() {
  if (cds.IsEmpty())
    return;
  CopySelectionToClipboard();
  // The next row's text grows by the clipboard; refused, neither row is touched.
  const bool last = cds.RecNo() == cds.RecordCount();
  const std::string next_text(last ? std::string_view()
                                   : cds.Cell(cds.RecNo() + 1, field::kSzoveg));
  if (!PasteFits(program_.state.TextClipboard + next_text))
    return;
  CutClipboardTextFromRow();
  if (last)
    pmsormogeClick();
  else
    cds.Next();  // the row panel follows, caret at the start of the text
  PasteClipboardAtCaret();
}

void TFelirat::kszdClick() {
  WrapSelection(kItalicTags);
}

void TFelirat::kszvClick() {
  WrapSelection(kBoldTags);
}

void TFelirat::kszaClick() {
  WrapSelection(kUnderlineTags);
}

}  // namespace editor
