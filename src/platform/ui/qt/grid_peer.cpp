#include "platform/ui/qt/grid_peer.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/qt/conversions.h"

namespace ui::qt {

namespace {

Qt::Alignment ToQtAlignment(Alignment a) {
  switch (a) {
    case Alignment::kRight:
      return Qt::AlignRight;
    case Alignment::kCenter:
      return Qt::AlignHCenter;
    case Alignment::kLeft:
      break;
  }
  return Qt::AlignLeft;
}

}  // namespace

QFont TitleFontFor(const QFont& base, const QString& text, int width) {
  QFont font = base;
  if (QFontMetrics(font).horizontalAdvance(text) <= width)
    return font;
  font.setStretch(QFont::Condensed);
  while (QFontMetrics(font).horizontalAdvance(text) > width && font.pixelSize() > 7)
    font.setPixelSize(font.pixelSize() - 1);
  return font;
}

namespace {

int ShownRows(const DbGrid& grid) {
  const dataset::RowTable* t = grid.Table();
  return t != nullptr && t->Active() ? t->ShownRowCount() : 0;
}

// Row and column counts and the titles; the cells come from the delegate.
class GridAdapter : public QAbstractTableModel {
 public:
  explicit GridAdapter(DbGrid& grid) : grid_(grid) {}

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
  }
  QVariant data(const QModelIndex&, int) const override { return {}; }
  Qt::ItemFlags flags(const QModelIndex&) const override { return Qt::ItemIsEnabled; }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(titles_.size())) {
      return {};
    }
    const GridColumn& col = grid_.Column(section);
    switch (role) {
      case Qt::DisplayRole:
        return ToQString(titles_[section]);
      case Qt::TextAlignmentRole:
        return QVariant::fromValue(ToQtAlignment(col.title_alignment) | Qt::AlignVCenter);
      default:
        return {};
    }
  }

  // Brings the counts and titles to the grid's; only rows added or removed at the end are
  // announced, never a reset.
  void Sync() {
    const int rows = ShownRows(grid_);
    if (rows > rows_) {
      beginInsertRows(QModelIndex(), rows_, rows - 1);
      rows_ = rows;
      endInsertRows();
    } else if (rows < rows_) {
      beginRemoveRows(QModelIndex(), rows, rows_ - 1);
      rows_ = rows;
      endRemoveRows();
    }
    const int columns = static_cast<int>(grid_.Columns().size());
    const int old_columns = static_cast<int>(titles_.size());
    if (columns > old_columns) {
      beginInsertColumns(QModelIndex(), old_columns, columns - 1);
      titles_.resize(columns);
      endInsertColumns();
    } else if (columns < old_columns) {
      beginRemoveColumns(QModelIndex(), columns, old_columns - 1);
      titles_.resize(columns);
      endRemoveColumns();
    }
    bool titles_changed = false;
    for (int i = 0; i < columns; ++i) {
      if (titles_[i] != grid_.Column(i).title) {
        titles_[i] = grid_.Column(i).title;
        titles_changed = true;
      }
    }
    if (titles_changed)
      headerDataChanged(Qt::Horizontal, 0, columns - 1);
  }

 private:
  DbGrid& grid_;
  int rows_ = 0;
  std::vector<std::string> titles_;
};

// Paints a cell as the grid's last paint left it; lines outside the grid's visible lines
// (a partly visible last line) stay empty, as in the classic grid.
class CellDelegate : public QStyledItemDelegate {
 public:
  explicit CellDelegate(DbGrid& grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const int line = index.row() + 2 - grid_.TopRow();
    const CellCanvas& cell = grid_.PaintedCell(line, index.column());
    if (line < 1 || line > grid_.VisibleRowCount() || cell.rect.width == 0) {
      painter->fillRect(option.rect, ToQColor(grid_.GetColor()));
      return;
    }
    painter->save();
    painter->fillRect(option.rect, ToQColor(cell.brush));
    painter->setClipRect(option.rect);
    painter->setFont(ToQFont(cell.font));
    painter->setPen(ToQColor(cell.font.color));
    painter->drawText(option.rect.adjusted(2, 0, -2, 0),
                      ToQtAlignment(cell.alignment) | Qt::AlignVCenter | Qt::TextSingleLine,
                      ToQString(cell.text));
    painter->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return {grid_.Width(), grid_.DefaultRowHeight()};
  }

 private:
  DbGrid& grid_;
};

// The indicator column: a triangle at the current row.
class IndicatorHeader : public QHeaderView {
 public:
  IndicatorHeader(DbGrid& grid, QWidget* parent) : QHeaderView(Qt::Vertical, parent), grid_(grid) {}

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logical_index) const override {
    painter->save();
    painter->fillRect(rect, QColor(240, 240, 240));
    painter->setPen(QColor(160, 160, 160));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    const dataset::RowTable* t = grid_.Table();
    const int line = logical_index + 2 - grid_.TopRow();
    if (t != nullptr && logical_index + 1 == t->RecNo() && line >= 1 &&
        line <= grid_.VisibleRowCount()) {
      const int cy = rect.center().y();
      const int left = rect.left() + 3;
      QPolygon triangle;
      triangle << QPoint(left, cy - 4) << QPoint(left + 4, cy) << QPoint(left, cy + 4);
      painter->setPen(Qt::NoPen);
      painter->setBrush(Qt::black);
      painter->drawPolygon(triangle);
    }
    painter->restore();
  }

 private:
  DbGrid& grid_;
};

// The titles: each inside its column's width, with a narrower face or a smaller size when
// the grid's font would not fit it.
class TitleHeader : public QHeaderView {
 public:
  static constexpr int kPadding = 2;
  TitleHeader(DbGrid& grid, QWidget* parent) : QHeaderView(Qt::Horizontal, parent), grid_(grid) {}

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logical_index) const override {
    if (logical_index < 0 || logical_index >= static_cast<int>(grid_.Columns().size()))
      return;
    const GridColumn& col = grid_.Column(logical_index);
    painter->save();
    painter->fillRect(rect, QColor(240, 240, 240));
    painter->setPen(QColor(160, 160, 160));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    const QString text = ToQString(col.title);
    const QRect inner = rect.adjusted(kPadding, 0, -kPadding - 1, 0);
    painter->setFont(TitleFontFor(font(), text, inner.width()));
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->setClipRect(rect);
    painter->drawText(
        inner, ToQtAlignment(col.title_alignment) | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter->restore();
  }

 private:
  DbGrid& grid_;
};

class GridView : public QTableView {
 public:
  using QTableView::QTableView;
  void Relayout() { updateGeometries(); }
};

class GridPeer : public Peer {
 public:
  GridPeer(DbGrid& grid, QWidget* parent)
      : Peer(grid, new QWidget(parent)),
        grid_(grid),
        view_(new GridView(Widget())),
        adapter_(new GridAdapter(grid)),
        bar_(new QScrollBar(Qt::Vertical, Widget())) {
    adapter_->setParent(view_);
    view_->setModel(adapter_);
    view_->setItemDelegate(new CellDelegate(grid, view_));
    auto* indicator = new IndicatorHeader(grid, view_);
    view_->setVerticalHeader(indicator);
    view_->setHorizontalHeader(new TitleHeader(grid, view_));
    for (QWidget* w :
         {static_cast<QWidget*>(view_), view_->viewport(),
          static_cast<QWidget*>(view_->horizontalHeader()), static_cast<QWidget*>(indicator)}) {
      w->setFocusPolicy(Qt::NoFocus);
      w->setContextMenuPolicy(Qt::PreventContextMenu);
    }
    view_->setSelectionMode(QAbstractItemView::NoSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setTabKeyNavigation(false);
    view_->setAutoScroll(false);
    view_->setWordWrap(false);
    view_->setCornerButtonEnabled(false);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setMinimumSectionSize(1);
    indicator->setFixedWidth(DbGrid::kIndicatorWidth + 1);
    QHeaderView* titles = view_->horizontalHeader();
    titles->setSectionResizeMode(QHeaderView::Fixed);
    titles->setMinimumSectionSize(0);
    titles->setHighlightSections(false);
    titles->setSectionsClickable(false);
    titles->setStretchLastSection(false);
    bar_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(bar_, &QScrollBar::actionTriggered, bar_,
                     [this](int action) { Scrolled(action); });
    QObject::connect(bar_, &QScrollBar::sliderReleased, bar_, [this] { Sync(); });
  }

  QWidget* FocusWidget() const override { return view_; }

  void Apply(Prop what) override {
    ApplyCommon(what);
    switch (what) {
      case Prop::kBounds:
      case Prop::kOptions:
      case Prop::kFont:
      case Prop::kColor:
      case Prop::kContents:
      case Prop::kFocus:
        Sync();
        break;
      default:
        break;
    }
  }
  void Repaint() override {
    view_->viewport()->update();
    view_->verticalHeader()->viewport()->update();
  }

 private:
  void Sync() {
    const int rh = grid_.DefaultRowHeight();
    const QFont font = ToQFont(grid_.GetFont());
    if (view_->font() != font)
      view_->setFont(font);
    QPalette pal = view_->palette();
    pal.setColor(QPalette::Base, ToQColor(grid_.GetColor()));
    view_->setPalette(pal);

    const bool bar = grid_.VerticalScrollBar();
    const int extent = bar ? view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    view_->setGeometry(0, 0, std::max(0, grid_.Width() - extent), grid_.Height());
    bar_->setGeometry(grid_.Width() - extent, 0, extent, grid_.Height());
    bar_->setVisible(bar);

    adapter_->Sync();
    QHeaderView* indicator = view_->verticalHeader();
    if (indicator->defaultSectionSize() != rh)
      indicator->setDefaultSectionSize(rh);
    indicator->setVisible(grid_.Indicator());
    QHeaderView* titles = view_->horizontalHeader();
    titles->setFixedHeight(rh);
    titles->setVisible(grid_.Titles());
    for (int i = 0; i < static_cast<int>(grid_.Columns().size()); ++i) {
      const GridColumn& col = grid_.Column(i);
      view_->setColumnHidden(i, !col.visible);
      if (col.visible && view_->columnWidth(i) != col.width + 1)
        view_->setColumnWidth(i, col.width + 1);
    }
    view_->Relayout();
    // The first line is the grid's top row, also on the last page: Qt's own range would
    // put the last row at the bottom edge instead (the view's scroll bar is not shown).
    QScrollBar* lines = view_->verticalScrollBar();
    lines->setMaximum(std::max(lines->maximum(), ShownRows(grid_)));
    lines->setValue(grid_.TopRow() - 1);
    indicator->setOffsetToSectionPosition(grid_.TopRow() - 1);

    const dataset::RowTable* t = grid_.Table();
    const int rows = ShownRows(grid_);
    if (!bar_->isSliderDown()) {
      bar_->setRange(rows > 0 ? 1 : 0, std::max(0, rows));
      bar_->setPageStep(std::max(1, grid_.VisibleRowCount()));
      bar_->setValue(t != nullptr ? t->RecNo() : 0);
    }
    Repaint();
  }

  // The scroll bar moves the cursor, as the classic grid's does.
  void Scrolled(int action) {
    dataset::RowTable* t = grid_.Table();
    if (t == nullptr || !t->Active() || !grid_.OwnerForm().AcceptsInput() ||
        !grid_.EnabledWithParents()) {
      return;
    }
    const int page = std::max(1, grid_.VisibleRowCount());
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd:
        t->Next();
        break;
      case QAbstractSlider::SliderSingleStepSub:
        t->Prior();
        break;
      case QAbstractSlider::SliderPageStepAdd:
        t->SetRecNo(t->RecNo() + page);
        break;
      case QAbstractSlider::SliderPageStepSub:
        t->SetRecNo(t->RecNo() - page);
        break;
      case QAbstractSlider::SliderToMinimum:
        t->First();
        break;
      case QAbstractSlider::SliderToMaximum:
        t->Last();
        break;
      case QAbstractSlider::SliderMove:
        t->SetRecNo(bar_->sliderPosition());
        break;
      default:
        break;
    }
    if (!bar_->isSliderDown())
      bar_->setSliderPosition(t->RecNo());
  }

  DbGrid& grid_;
  GridView* view_;
  GridAdapter* adapter_;
  QScrollBar* bar_;
};

}  // namespace

std::unique_ptr<Peer> MakeGridPeer(DbGrid& grid, QWidget* parent) {
  return std::make_unique<GridPeer>(grid, parent);
}

}  // namespace ui::qt
