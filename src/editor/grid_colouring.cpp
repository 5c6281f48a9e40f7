// Row flags counted over the whole table, the colouring options and the grid's cell colours.
#include "editor/grid_colouring.h"

#include "editor/felirat.h"
#include "editor/rules/row_text.h"
#include "editor/table_scopes.h"
#include "platform/text/text.h"
#include "shell/program.h"
#include "shell/scopes.h"
#include "timecode/time_base.h"
#include "timecode/timecode.h"

namespace editor {

namespace field = dataset::subtitle_field;

ui::Color RowBrush(ui::Color painted, const RowColouring& options, const PaintedRow& row) {
  ui::Color brush = painted;
  if (options.time_base == timecode::kTimeBaseTime &&
      timecode::TimeCodeToMs(row.end) - timecode::TimeCodeToMs(row.start) < kShortRowMs) {
    brush = kShortRowColor;
  }
  if (row.text.empty() || options.internal_update ||
      (!options.colour_long_lines && !options.colour_many_lines)) {
    return brush;
  }
  const RowFlags flags = MeasureRowFlags(SplitLineLengths(row.text), options.letter_limit);
  if (options.colour_long_lines && flags.long_line)
    brush = kLongLineColor;
  if (options.colour_many_lines && flags.many_lines)
    brush = kManyLinesColor;
  return brush;
}

void TFelirat::WireGridColouring() {
  SEbetu.OnChange = [this] { SEbetuChange(); };
  Cbtobb.OnClick = [this] { CbtobbClick(); };
  CB3sor.OnClick = [this] { CB3sorClick(); };
  Szinezes38.OnClick = [this] { Szinezes38Click(); };
  Szinezes3.OnClick = [this] { Szinezes3Click(); };
  racs.OnDrawColumnCell = [this](const ui::Rect& rect, int column, const ui::GridColumn& col,
                                 ui::GridCellState state, ui::CellCanvas& canvas) {
    racsDrawColumnCell(rect, column, col, state, canvas);
  };
}

// Recolours a cell the grid painted: short rows, long lines, many lines.
void TFelirat::racsDrawColumnCell(const ui::Rect& rect, int /*column*/,
                                  const ui::GridColumn& /*col*/, ui::GridCellState /*state*/,
                                  ui::CellCanvas& canvas) {
  if (cds.IsEmpty())
    return;
  // The grid paints its lines from its top row down; the cell's place names the row.
  const int row_height = racs.DefaultRowHeight();
  if (row_height <= 0)
    return;
  const int title_height = racs.Titles() ? row_height : 0;
  const int row = racs.TopRow() + (rect.top - title_height) / row_height;
  const RowColouring options{.time_base = beosztas.Text(),
                             .colour_long_lines = Cbtobb.Checked(),
                             .colour_many_lines = CB3sor.Checked(),
                             .letter_limit = LetterLimit(),
                             .internal_update = program_.state.InternalUpdate};
  canvas.brush = RowBrush(canvas.brush, options,
                          {.start = cds.Cell(row, field::kKezdes),
                           .end = cds.Cell(row, field::kBefejezes),
                           .text = cds.Cell(row, field::kSzoveg)});
}

// The letter limit `SEbetu` changed: both flags of every row are set again and counted.
void TFelirat::SEbetuChange() {
  shell::SharedState& state = program_.state;
  state.LongLineRowCount = 0;
  state.ManyLineRowCount = 0;
  {
    CommandUpdateScope update(*this);
    shell::GaugeScope gauge(Fszazalek, cds.RecordCount());
    shell::ControlsOffScope controls_off(cds);
    const int rows = cds.RecordCount();
    const int remembered = cds.RecNo();
    cds.First();
    for (int i = 1; i <= rows; ++i) {
      CountRowFlags();
      gauge.RowDone();
      cds.Next();
    }
    cds.SetRecNo(remembered);
  }
  ShowFlagCounters();
}

// Sets or clears both flags of the current row from its text against the letter limit and
// adds the row to the counters (the caller has zeroed them).
void TFelirat::CountRowFlags() {
  shell::SharedState& state = program_.state;
  SplitLineLengths(cds.Value(field::kSzoveg));
  const RowFlags flags = MeasureRowFlags(state.LineLengths, LetterLimit());
  auto store = [this](int flag_field, bool on) {
    cds.Edit();
    cds.SetValue(flag_field, FlagValue(on));
    cds.Post();
  };
  if (flags.long_line) {
    ++state.LongLineRowCount;
    store(field::kBetu38, true);
  } else if (!cds.Value(field::kBetu38).empty()) {
    store(field::kBetu38, false);
  }
  if (flags.many_lines) {
    ++state.ManyLineRowCount;
    store(field::kSor3, true);
  } else if (!cds.Value(field::kSor3).empty()) {
    store(field::kSor3, false);
  }
}

// "(0)" counters for a table that has no flagged row (a new or emptied table).
void TFelirat::ResetFlagCounters() {
  program_.state.LongLineRowCount = 0;
  program_.state.ManyLineRowCount = 0;
  ShowFlagCounters();
}

// Before the current row is merged away: takes its share, judged from its text, off the
// counters and shows them.
void TFelirat::DecrementRowFlagCounters() {
  shell::SharedState& state = program_.state;
  SplitLineLengths(cds.Value(field::kSzoveg));
  const RowFlags flags = MeasureRowFlags(state.LineLengths, LetterLimit());
  if (flags.long_line)
    --state.LongLineRowCount;
  if (flags.many_lines)
    --state.ManyLineRowCount;
  ShowFlagCounters();
}

namespace {

void RepaintGrid(dataset::RowTable& table) {
  shell::ControlsOffScope repaint(table);
}

std::string InParentheses(int32_t count) {
  return "(" + text::IntToStr(count) + ")";
}

}  // namespace

// The colouring boxes, and their menu items F3 and F4 (which reverse an enabled box).
void TFelirat::CbtobbClick() {
  if (Cbtobb.Checked()) {
    RepaintGrid(cds);
    racs.SetFocus();
    Lbetu.SetCaption(InParentheses(program_.state.LongLineRowCount));
    Lbetu.SetVisible(true);
  } else {
    Lbetu.SetVisible(false);
    RepaintGrid(cds);
    racs.SetFocus();
  }
}

void TFelirat::CB3sorClick() {
  if (CB3sor.Checked()) {
    Lsor.SetCaption(InParentheses(program_.state.ManyLineRowCount));
    Lsor.SetVisible(true);
    RepaintGrid(cds);
    racs.SetFocus();
  } else {
    Lsor.SetVisible(false);
    RepaintGrid(cds);
  }
}

void TFelirat::Szinezes38Click() {
  if (Cbtobb.Enabled())
    Cbtobb.SetChecked(!Cbtobb.Checked());
}

void TFelirat::Szinezes3Click() {
  if (CB3sor.Enabled())
    CB3sor.SetChecked(!CB3sor.Checked());
}

}  // namespace editor
