// The grid's peer: a QTableView over an adapter of the grid's table.
//
// The adapter holds no data: it knows only how many rows and columns there are; the cells
// are painted by a delegate from what the grid's own paint left (PaintedCell: the default
// colours, the OnDrawColumnCell hook's colours and texts), so a 50,000-row table costs only
// its visible lines. The view's first line is always the grid's TopRow and its geometry is
// the model's (indicator 11 + 1 pixels, columns width + 1, rows DefaultRowHeight), so a
// point of the peer is the same cell to the model. The vertical scroll bar is the classic
// grid's: it shows and moves the table's cursor.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <memory>

#include "platform/ui/data_controls.h"
#include "platform/ui/qt/peers.h"

namespace ui::qt {

std::unique_ptr<Peer> MakeGridPeer(DbGrid& grid, QWidget* parent);

// The font a column title is painted in: the grid's own when `text` fits in `width` pixels,
// else a condensed face, made smaller (down to 7 pixels) until it fits.
QFont TitleFontFor(const QFont& base, const QString& text, int width);

}  // namespace ui::qt
