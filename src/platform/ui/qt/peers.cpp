#include "platform/ui/qt/peers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>

#include "platform/ui/controls.h"
#include "platform/ui/data_controls.h"
#include "platform/ui/file_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/image.h"
#include "platform/ui/lists.h"
#include "platform/ui/qt/conversions.h"
#include "platform/ui/qt/grid_peer.h"
#include "platform/ui/text_controls.h"

namespace ui::qt {

namespace {

bool TakesInput(const Control& c) {
  return c.OwnerForm().AcceptsInput() && c.Showing() && c.EnabledWithParents();
}

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

QPixmap ToPixmap(const Picture& picture) {
  if (picture.Empty() ||
      picture.rgb.size() < static_cast<size_t>(picture.width) * picture.height * 3) {
    return {};
  }
  QImage image(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
               QImage::Format_RGB888);
  return QPixmap::fromImage(image.copy());
}

// Labels, check boxes, radio buttons and group boxes take their parent's colour unless the
// program gave them one of their own.
bool OwnBackground(const Control& c) {
  return c.GetColor() != colors::kBtnFace;
}

}  // namespace

// ---- Base ---------------------------------------------------------------------------------------

Peer::Peer(Control& control, QWidget* widget) : control_(&control), widget_(widget) {
  widget_->setObjectName(QString::fromStdString(control.Name()));
  widget_->setFocusPolicy(Qt::NoFocus);
  widget_->setAcceptDrops(false);
  widget_->setContextMenuPolicy(Qt::PreventContextMenu);
}

Peer::~Peer() {
  // The widget may already be gone with its parent's.
  if (QPointer<QWidget> w = widget_) {
    w->hide();
    w->deleteLater();
  }
}

void Peer::ApplyAll() {
  for (Prop p : {Prop::kBounds, Prop::kFont, Prop::kColor, Prop::kText, Prop::kOptions,
                 Prop::kItems, Prop::kItemIndex, Prop::kChecked, Prop::kValue, Prop::kPicture,
                 Prop::kSelection, Prop::kContents, Prop::kHint, Prop::kEnabled, Prop::kVisible}) {
    Apply(p);
  }
}

void Peer::Apply(Prop what) {
  ApplyCommon(what);
}

void Peer::ApplyCommon(Prop what) {
  const Control& c = GetControl();
  switch (what) {
    case Prop::kBounds:
      widget_->setGeometry(c.Left(), c.Top(), c.Width(), c.Height());
      break;
    case Prop::kVisible:
      widget_->setVisible(c.Visible());
      break;
    case Prop::kEnabled:
      widget_->setEnabled(c.Enabled());
      break;
    case Prop::kFont:
      widget_->setFont(ToQFont(c.GetFont()));
      break;
    case Prop::kHint:
      widget_->setToolTip(ToQString(c.Hint()));
      break;
    default:
      break;
  }
}

void Peer::Repaint() {
  widget_->repaint();
}

bool Peer::NativeMouse(const QWidget* part) const {
  for (const QWidget* w = part; w != nullptr && w != widget_; w = w->parentWidget()) {
    if (qobject_cast<const QScrollBar*>(w) != nullptr)
      return true;
  }
  return false;
}

QPoint Peer::ToClient(const QWidget* part, QPointF point) const {
  QPoint p = point.toPoint();
  return part == widget_ ? p : part->mapTo(widget_, p);
}

void Peer::SetColors(QWidget* widget, bool fill, Color background, Color text, bool base_role) {
  QPalette pal = widget->palette();
  const QColor bg = ToQColor(background);
  const QColor fg = ToQColor(text);
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
    if (base_role) {
      pal.setColor(g, QPalette::Base, bg);
      pal.setColor(g, QPalette::Text, fg);
    } else {
      pal.setColor(g, QPalette::Window, bg);
    }
    pal.setColor(g, QPalette::WindowText, fg);
    pal.setColor(g, QPalette::ButtonText, fg);
  }
  if (base_role)
    pal.setColor(QPalette::Disabled, QPalette::Base, bg);
  else
    pal.setColor(QPalette::Disabled, QPalette::Window, bg);
  widget->setPalette(pal);
  widget->setAutoFillBackground(fill);
}

namespace {

// ---- Label, panel, group box ------------------------------------------------------------------

class LabelPeer : public Peer {
 public:
  LabelPeer(Label& label, QWidget* parent)
      : Peer(label, new QLabel(parent)), label_(label), widget_(static_cast<QLabel*>(Widget())) {
    widget_->setTextFormat(Qt::PlainText);
  }
  void Apply(Prop what) override {
    switch (what) {
      case Prop::kText:
        widget_->setText(ToQString(WithoutAccelerators(label_.Text())));
        break;
      case Prop::kOptions:
        widget_->setAlignment(ToQtAlignment(label_.GetAlignment()) | Qt::AlignTop);
        widget_->setWordWrap(label_.WordWrap());
        Apply(Prop::kColor);
        break;
      case Prop::kColor:
      case Prop::kFont:
        ApplyCommon(what);
        SetColors(widget_, OwnBackground(label_) && !label_.Transparent(), label_.GetColor(),
                  label_.GetFont().color, false);
        break;
      default:
        ApplyCommon(what);
    }
  }

 private:
  Label& label_;
  QLabel* widget_;
};

class PanelPeer : public Peer {
 public:
  PanelPeer(Panel& panel, QWidget* parent)
      : Peer(panel, new QLabel(parent)), widget_(static_cast<QLabel*>(Widget())) {
    widget_->setTextFormat(Qt::PlainText);
    widget_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    widget_->setLineWidth(1);
    widget_->setAlignment(Qt::AlignCenter);
  }
  void Apply(Prop what) override {
    const Control& c = GetControl();
    switch (what) {
      case Prop::kText:
        widget_->setText(ToQString(WithoutAccelerators(c.Text())));
        break;
      case Prop::kColor:
      case Prop::kFont:
        ApplyCommon(what);
        SetColors(widget_, true, c.GetColor(), c.GetFont().color, false);
        break;
      default:
        ApplyCommon(what);
    }
  }

 private:
  QLabel* widget_;
};

class GroupBoxPeer : public Peer {
 public:
  GroupBoxPeer(GroupBox& box, QWidget* parent)
      : Peer(box, new QGroupBox(parent)), widget_(static_cast<QGroupBox*>(Widget())) {}
  void Apply(Prop what) override {
    const Control& c = GetControl();
    switch (what) {
      case Prop::kText:
        widget_->setTitle(ToQString(c.Text()));
        break;
      case Prop::kColor:
      case Prop::kFont:
        ApplyCommon(what);
        SetColors(widget_, OwnBackground(c), c.GetColor(), c.GetFont().color, false);
        break;
      default:
        ApplyCommon(what);
    }
  }

 private:
  QGroupBox* widget_;
};

// ---- Buttons
// ---------------------------------------------------------------------------------------

QIcon KindIcon(const QWidget* w, ButtonKind kind) {
  switch (kind) {
    case ButtonKind::kOk:
      return w->style()->standardIcon(QStyle::SP_DialogOkButton);
    case ButtonKind::kYes:
      return w->style()->standardIcon(QStyle::SP_DialogYesButton);
    case ButtonKind::kCancel:
      return w->style()->standardIcon(QStyle::SP_DialogCancelButton);
    case ButtonKind::kNo:
      return w->style()->standardIcon(QStyle::SP_DialogNoButton);
    case ButtonKind::kClose:
      return w->style()->standardIcon(QStyle::SP_DialogCloseButton);
    case ButtonKind::kCustom:
      break;
  }
  return {};
}

class ButtonPeer : public Peer {
 public:
  ButtonPeer(Button& button, QWidget* parent)
      : Peer(button, new QPushButton(parent)),
        button_(button),
        widget_(static_cast<QPushButton*>(Widget())) {
    widget_->setAutoDefault(false);
  }
  void Apply(Prop what) override {
    switch (what) {
      case Prop::kText:
        widget_->setText(ToQString(button_.Text()));
        break;
      case Prop::kOptions:
      case Prop::kPicture:
        widget_->setDefault(button_.Default());
        if (auto* bit = dynamic_cast<BitBtn*>(&button_)) {
          QPixmap glyph = ToPixmap(bit->Glyph());
          widget_->setIcon(glyph.isNull() ? KindIcon(widget_, bit->GetKind()) : QIcon(glyph));
        }
        break;
      default:
        ApplyCommon(what);
    }
  }

 private:
  Button& button_;
  QPushButton* widget_;
};

class SpeedButtonPeer : public Peer {
 public:
  SpeedButtonPeer(SpeedButton& button, QWidget* parent)
      : Peer(button, new QToolButton(parent)),
        button_(button),
        widget_(static_cast<QToolButton*>(Widget())) {
    widget_->setCheckable(true);
    widget_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  }
  void Apply(Prop what) override {
    switch (what) {
      case Prop::kText:
        widget_->setText(ToQString(button_.Text()));
        break;
      case Prop::kChecked:
        widget_->setChecked(button_.Down());
        break;
      case Prop::kOptions:
        widget_->setAutoRaise(button_.Flat());
        break;
      case Prop::kPicture: {
        QPixmap glyph = ToPixmap(button_.Glyph());
        widget_->setIcon(glyph.isNull() ? QIcon() : QIcon(glyph));
        widget_->setToolButtonStyle(button_.Text().empty() ? Qt::ToolButtonIconOnly
                                                           : Qt::ToolButtonTextBesideIcon);
        break;
      }
      default:
        ApplyCommon(what);
    }
  }

 private:
  SpeedButton& button_;
  QToolButton* widget_;
};

template <typename Model, typename W>
class CheckPeer : public Peer {
 public:
  CheckPeer(Model& model, QWidget* parent)
      : Peer(model, new W(parent)), model_(model), widget_(static_cast<W*>(Widget())) {
    widget_->setAutoExclusive(false);
  }
  void Apply(Prop what) override {
    switch (what) {
      case Prop::kText:
        widget_->setText(ToQString(model_.Text()));
        break;
      case Prop::kChecked:
        widget_->setChecked(model_.Checked());
        break;
      case Prop::kColor:
      case Prop::kFont:
        ApplyCommon(what);
        SetColors(widget_, OwnBackground(model_), model_.GetColor(), model_.GetFont().color, false);
        break;
      default:
        ApplyCommon(what);
    }
  }

 private:
  Model& model_;
  W* widget_;
};

// ---- Text boxes
// ------------------------------------------------------------------------------------

// Shows a text box's caret and selection on a line edit.
void ShowSelection(QLineEdit* edit, const TextBox& box) {
  if (box.SelLength() > 0) {
    edit->setSelection(box.SelStart(), box.SelLength());
  } else {
    edit->setCursorPosition(box.SelStart());
  }
}

class EditPeer : public Peer {
 public:
  EditPeer(TextBox& box, QWidget* parent)
      : Peer(box, new QLineEdit(parent)), box_(box), edit_(static_cast<QLineEdit*>(Widget())) {
    Setup(edit_);
  }
  static void Setup(QLineEdit* edit) {
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setContextMenuPolicy(Qt::PreventContextMenu);
    edit->setAcceptDrops(false);
    edit->setDragEnabled(false);
  }
  static void ApplyTo(Prop what, const TextBox& box, QLineEdit* edit) {
    switch (what) {
      case Prop::kText: {
        QString text = ToQString(box.Text());
        if (edit->text() != text)
          edit->setText(text);
        ShowSelection(edit, box);
        break;
      }
      case Prop::kSelection:
        ShowSelection(edit, box);
        break;
      case Prop::kOptions:
        edit->setAlignment(ToQtAlignment(box.GetAlignment()) | Qt::AlignVCenter);
        break;
      case Prop::kColor:
      case Prop::kFont:
        SetColors(edit, false, box.GetColor(), box.GetFont().color, true);
        break;
      default:
        break;
    }
  }
  void Apply(Prop what) override {
    ApplyCommon(what);
    ApplyTo(what, box_, edit_);
  }
  void AfterLeftPress(const QWidget*, QPoint client) override { PlaceCaret(client, false); }
  void AfterLeftDrag(const QWidget*, QPoint client) override { PlaceCaret(client, true); }

 private:
  // The caret goes where the user clicked (only the widget knows where the characters
  // are); a drag selects from the press.
  void PlaceCaret(QPoint client, bool extend) {
    if (!box_.Focused() || !TakesInput(box_))
      return;
    const int pos = edit_->cursorPositionAt(client);
    if (!extend) {
      anchor_ = pos;
      box_.SetSelStart(pos);
      return;
    }
    box_.SetSelStart(std::min(anchor_, pos));
    box_.SetSelLength(std::abs(pos - anchor_));
  }

  TextBox& box_;
  QLineEdit* edit_;
  int anchor_ = 0;
};

class DbEditPeer : public Peer {
 public:
  DbEditPeer(DbEdit& edit, QWidget* parent)
      : Peer(edit, new QLineEdit(parent)), edit_(static_cast<QLineEdit*>(Widget())) {
    EditPeer::Setup(edit_);
  }
  void Apply(Prop what) override {
    const Control& c = GetControl();
    ApplyCommon(what);
    switch (what) {
      case Prop::kText:
        edit_->setText(ToQString(c.Text()));
        edit_->setCursorPosition(0);
        break;
      case Prop::kColor:
      case Prop::kFont:
        SetColors(edit_, false, c.GetColor(), c.GetFont().color, true);
        break;
      default:
        break;
    }
  }

 private:
  QLineEdit* edit_;
};

// Memo positions count a line break (CR LF) as two; the widget's as one.
int ToWidgetPos(const std::string& text, int pos) {
  pos = std::clamp(pos, 0, static_cast<int>(text.size()));
  int out = pos;
  for (int i = 1; i < pos; ++i) {
    if (text[i] == '\n' && text[i - 1] == '\r')
      --out;
  }
  return out;
}

int ToModelPos(const std::string& text, int widget_pos) {
  int pos = 0;
  for (int seen = 0; pos < static_cast<int>(text.size()) && seen < widget_pos; ++seen) {
    if (text[pos] == '\r' && pos + 1 < static_cast<int>(text.size()) && text[pos + 1] == '\n')
      ++pos;
    ++pos;
  }
  return pos;
}

QString MemoText(const std::string& text) {
  std::string plain;
  plain.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      plain += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n')
        ++i;
    } else {
      plain += text[i];
    }
  }
  return ToQString(plain);
}

class MemoPeer : public Peer {
 public:
  MemoPeer(Memo& memo, QWidget* parent)
      : Peer(memo, new QPlainTextEdit(parent)),
        memo_(memo),
        edit_(static_cast<QPlainTextEdit*>(Widget())) {
    edit_->setUndoRedoEnabled(false);
    edit_->viewport()->setFocusPolicy(Qt::NoFocus);
    edit_->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    edit_->setTabChangesFocus(false);
  }
  void Apply(Prop what) override {
    ApplyCommon(what);
    switch (what) {
      case Prop::kText: {
        QString text = MemoText(memo_.Text());
        if (edit_->toPlainText() != text)
          edit_->setPlainText(text);
        ShowSelection();
        break;
      }
      case Prop::kSelection:
        ShowSelection();
        break;
      case Prop::kOptions: {
        edit_->setLineWrapMode(memo_.WordWrap() ? QPlainTextEdit::WidgetWidth
                                                : QPlainTextEdit::NoWrap);
        QTextOption option = edit_->document()->defaultTextOption();
        option.setAlignment(ToQtAlignment(memo_.GetAlignment()));
        edit_->document()->setDefaultTextOption(option);
        break;
      }
      case Prop::kColor:
      case Prop::kFont:
        SetColors(edit_, false, memo_.GetColor(), memo_.GetFont().color, true);
        break;
      default:
        break;
    }
  }
  void AfterLeftPress(const QWidget* part, QPoint client) override {
    PlaceCaret(part, client, false);
  }
  void AfterLeftDrag(const QWidget* part, QPoint client) override {
    PlaceCaret(part, client, true);
  }

 private:
  void ShowSelection() {
    const std::string& text = memo_.Text();
    QTextCursor cursor(edit_->document());
    cursor.setPosition(ToWidgetPos(text, memo_.SelStart()));
    cursor.setPosition(ToWidgetPos(text, memo_.SelStart() + memo_.SelLength()),
                       QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
    edit_->ensureCursorVisible();
  }
  void PlaceCaret(const QWidget*, QPoint client, bool extend) {
    if (!memo_.Focused() || !TakesInput(memo_))
      return;
    QPoint in_viewport = edit_->viewport()->mapFrom(edit_, client);
    const int pos = ToModelPos(memo_.Text(), edit_->cursorForPosition(in_viewport).position());
    if (!extend) {
      anchor_ = pos;
      memo_.SetSelStart(pos);
      return;
    }
    memo_.SetSelStart(std::min(anchor_, pos));
    memo_.SetSelLength(std::abs(pos - anchor_));
  }

  Memo& memo_;
  QPlainTextEdit* edit_;
  int anchor_ = 0;
};

// The two arrows of a spin edit.
class SpinArrows : public QWidget {
 public:
  explicit SpinArrows(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
      QStyleOptionButton button;
      button.initFrom(this);
      button.rect = halves[i];
      button.state |= QStyle::State_Raised;
      style()->drawControl(QStyle::CE_PushButtonBevel, &button, &p, this);
      QStyleOption arrow;
      arrow.initFrom(this);
      arrow.rect = halves[i].adjusted(3, 2, -3, -2);
      style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                             &arrow, &p, this);
    }
  }
};

class SpinEditPeer : public Peer {
 public:
  static constexpr int kArrowWidth = 16;
  SpinEditPeer(SpinEdit& spin, QWidget* parent)
      : Peer(spin, new QWidget(parent)),
        spin_(spin),
        edit_(new QLineEdit(Widget())),
        arrows_(new SpinArrows(Widget())) {
    EditPeer::Setup(edit_);
  }
  QWidget* FocusWidget() const override { return edit_; }
  void Apply(Prop what) override {
    ApplyCommon(what);
    EditPeer::ApplyTo(what, spin_, edit_);
    if (what == Prop::kBounds) {
      const int w = spin_.Width();
      const int h = spin_.Height();
      edit_->setGeometry(0, 0, std::max(0, w - kArrowWidth), h);
      arrows_->setGeometry(std::max(0, w - kArrowWidth), 0, std::min(w, kArrowWidth), h);
    }
  }
  void AfterLeftPress(const QWidget*, QPoint client) override {
    if (!arrows_->geometry().contains(client) || spin_.ReadOnly() || !TakesInput(spin_))
      return;
    const bool up = client.y() < spin_.Height() / 2;
    spin_.Step(up);
  }

 private:
  SpinEdit& spin_;
  QLineEdit* edit_;
  SpinArrows* arrows_;
};

// ---- Lists
// ------------------------------------------------------------------------------------------

// The dotted focus rectangle of a list item, light on a selected item, dark on the others.
void DrawFocusRect(QPainter& p, QRect rect, bool on_selection) {
  p.save();
  p.setPen(QPen(on_selection ? QColor(255, 255, 255) : QColor(0, 0, 0), 1, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect.adjusted(0, 0, -1, -1));
  p.restore();
}

// Tells a combo box's peer when Qt's list window was shown or hidden (by a choice, a click
// outside it, Escape, F4 or Alt+Up/Down inside it).
class PopupWatcher : public QObject {
 public:
  PopupWatcher(QObject* parent, std::function<void(bool shown)> changed)
      : QObject(parent), changed_(std::move(changed)) {}

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
      changed_(event->type() == QEvent::Show);
    return QObject::eventFilter(object, event);
  }

 private:
  std::function<void(bool shown)> changed_;
};

class ComboPeer : public Peer {
 public:
  ComboPeer(ComboBox& combo, QWidget* parent)
      : Peer(combo, new QComboBox(parent)),
        combo_(combo),
        widget_(static_cast<QComboBox*>(Widget())) {
    widget_->setInsertPolicy(QComboBox::NoInsert);
    // The user's choice from the list (the list is Qt's own popup window).
    QObject::connect(widget_, &QComboBox::activated, widget_, [this](int index) {
      if (Attached() && TakesInput(combo_))
        combo_.UserSelect(index);
      if (Attached())
        Apply(Prop::kItemIndex);
    });
    popup_ = widget_->view()->window();
    popup_->installEventFilter(new PopupWatcher(widget_, [this](bool shown) {
      if (Attached() && !syncing_ && combo_.DroppedDown() != shown)
        combo_.SetDroppedDown(shown);
    }));
  }
  void Apply(Prop what) override {
    ApplyCommon(what);
    switch (what) {
      case Prop::kOptions: {
        const bool editable = combo_.Style() == ComboStyle::kDropDown;
        if (widget_->isEditable() != editable) {
          widget_->setEditable(editable);
          if (QLineEdit* edit = widget_->lineEdit()) {
            EditPeer::Setup(edit);
          }
          Apply(Prop::kFont);
          Apply(Prop::kText);
        }
        widget_->setMaxVisibleItems(std::max(1, combo_.DropDownCount()));
        break;
      }
      case Prop::kItems: {
        QSignalBlocker block(widget_);
        widget_->clear();
        for (const std::string& item : combo_.Items())
          widget_->addItem(ToQString(item));
        Apply(Prop::kItemIndex);
        break;
      }
      case Prop::kItemIndex:
      case Prop::kText: {
        QSignalBlocker block(widget_);
        widget_->setCurrentIndex(combo_.ItemIndex());
        if (widget_->isEditable())
          widget_->setEditText(ToQString(combo_.Text()));
        break;
      }
      case Prop::kColor:
      case Prop::kFont:
        SetColors(widget_, false, combo_.GetColor(), combo_.GetFont().color, true);
        if (widget_->lineEdit() != nullptr)
          widget_->lineEdit()->setFont(ToQFont(combo_.GetFont()));
        break;
      case Prop::kDroppedDown:
      case Prop::kVisible:
      case Prop::kEnabled:
        // A press opens the list through Qt's own press (PressGoesToQt).
        if (!pressing_)
          ShowList(combo_.DroppedDown() && TakesInput(combo_));
        break;
      default:
        break;
    }
  }
  QWidget* FocusWidget() const override {
    return widget_->lineEdit() != nullptr ? static_cast<QWidget*>(widget_->lineEdit()) : widget_;
  }
  void BeforeLeftPress(const QWidget*) override { pressing_ = true; }
  // The model opened the list on this press: Qt's own press opens it, which keeps the list
  // open when the button comes up (a list opened by hand from the model's press would
  // take that release for a click outside itself and close again).
  bool PressGoesToQt(const QWidget* part) override {
    pressing_ = false;
    const bool open = combo_.DroppedDown() && TakesInput(combo_);
    if (open && !popup_->isVisible() && part == widget_) {
      // Should Qt's press not open it (a press beside its arrow), the list opens anyway.
      QTimer::singleShot(0, widget_, [this] {
        if (Attached())
          ShowList(combo_.DroppedDown() && TakesInput(combo_));
      });
      return true;
    }
    ShowList(open);
    return false;
  }

 private:
  void ShowList(bool open) {
    if (open == popup_->isVisible()) {
      return;
    }
    syncing_ = true;
    if (open) {
      widget_->showPopup();
    } else {
      widget_->hidePopup();
    }
    syncing_ = false;
  }

  ComboBox& combo_;
  QComboBox* widget_;
  QWidget* popup_ = nullptr;
  bool pressing_ = false;
  bool syncing_ = false;
};

// A list box painted from the model: the first line is TopIndex, each ItemHeight high,
// so a point means the same item to the model and to the eye.
class ListBoxWidget : public QWidget {
 public:
  ListBoxWidget(ListBox& list, QWidget* parent)
      : QWidget(parent), list_(list), bar_(new QScrollBar(Qt::Vertical, this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    bar_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
      if (!syncing_ && value != list_.TopIndex() && TakesInput(list_))
        list_.SetTopIndex(value);
      update();
    });
  }
  void Sync() {
    syncing_ = true;
    const int max_top = std::max(0, list_.Count() - list_.VisibleItemCount());
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    bar_->setGeometry(width() - extent - 1, 1, extent, std::max(0, height() - 2));
    bar_->setRange(0, max_top);
    bar_->setPageStep(list_.VisibleItemCount());
    bar_->setValue(list_.TopIndex());
    bar_->setVisible(max_top > 0);
    syncing_ = false;
    update();
  }

 protected:
  void resizeEvent(QResizeEvent*) override { Sync(); }
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(list_.GetColor()));
    p.setFont(ToQFont(list_.GetFont()));
    const int h = list_.ItemHeight();
    const int right = bar_->isVisible() ? bar_->x() : width();
    const text::LineList& items = list_.Items();
    for (int i = list_.TopIndex(), y = 0; i < static_cast<int>(items.size()) && y < height();
         ++i, y += h) {
      QRect row(0, y, right, h);
      const bool selected = i == list_.ItemIndex();
      if (selected)
        p.fillRect(row, QColor(0, 0, 128));
      p.setPen(selected ? QColor(255, 255, 255) : ToQColor(list_.GetFont().color));
      p.drawText(row.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                 ToQString(items[i]));
      // The focus is on the selected item, or on the top one while none is selected.
      const bool focus_item = selected || (list_.ItemIndex() < 0 && i == list_.TopIndex());
      if (focus_item && list_.Focused())
        DrawFocusRect(p, row, selected);
    }
    p.setPen(QColor(130, 135, 144));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  ListBox& list_;
  QScrollBar* bar_;
  bool syncing_ = false;
};

class ListBoxPeer : public Peer {
 public:
  ListBoxPeer(ListBox& list, QWidget* parent)
      : Peer(list, new ListBoxWidget(list, parent)),
        widget_(static_cast<ListBoxWidget*>(Widget())) {}
  void Apply(Prop what) override {
    ApplyCommon(what);
    switch (what) {
      case Prop::kItems:
      case Prop::kItemIndex:
      case Prop::kOptions:
      case Prop::kFont:
      case Prop::kColor:
      case Prop::kFocus:
        widget_->Sync();
        break;
      default:
        break;
    }
  }

 private:
  ListBoxWidget* widget_;
};

// Large icons in cells of the model's size, in rows from the model's top row; the scroll
// bar takes the width the model keeps for it.
class ListViewWidget : public QWidget {
 public:
  ListViewWidget(ListView& view, QWidget* parent)
      : QWidget(parent), view_(view), bar_(new QScrollBar(Qt::Vertical, this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    bar_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
      if (!syncing_ && value != view_.TopRow() && TakesInput(view_))
        view_.SetTopRow(value);
      update();
    });
  }
  void Sync() {
    syncing_ = true;
    const int w = ListView::kScrollBarWidth;
    bar_->setGeometry(view_.ClientWidth() - w, 0, w, view_.ClientHeight());
    bar_->setRange(0, view_.MaxTopRow());
    bar_->setPageStep(view_.VisibleRows());
    bar_->setValue(view_.TopRow());
    bar_->setVisible(view_.ScrollBarShown());
    syncing_ = false;
    update();
  }

 protected:
  void resizeEvent(QResizeEvent*) override { Sync(); }
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(view_.GetColor()));
    p.setFont(ToQFont(view_.GetFont()));
    const int columns = view_.Columns();
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    const std::vector<ListView::Item>& items = view_.Items();
    for (int i = view_.TopRow() * columns; i < static_cast<int>(items.size()); ++i) {
      const int row = i / columns - view_.TopRow();
      QRect cell((i % columns) * ListView::kCellWidth, row * ListView::kCellHeight,
                 ListView::kCellWidth, ListView::kCellHeight);
      if (cell.top() > height())
        break;
      QRect icon_rect(cell.center().x() - 16, cell.top() + 2, 32, 32);
      icon.paint(&p, icon_rect);
      // The caption whole, wrapped under the icon in the cell's width.
      const QRect caption = cell.adjusted(1, 36, -1, 0);
      const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
      const QString text = ToQString(items[i].caption);
      const QRect text_rect = p.boundingRect(caption, flags, text).adjusted(-1, 0, 1, 0);
      const bool selected = i == view_.ItemIndex();
      if (selected)
        p.fillRect(text_rect, QColor(0, 0, 128));
      p.setPen(selected ? QColor(255, 255, 255) : ToQColor(view_.GetFont().color));
      p.drawText(caption, flags, text);
      // The focus is on the selected item, or on the first one while none is selected.
      const bool focus_item = selected || (view_.ItemIndex() < 0 && i == 0);
      if (focus_item && view_.Focused())
        DrawFocusRect(p, text_rect, selected);
    }
    p.setPen(QColor(130, 135, 144));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  ListView& view_;
  QScrollBar* bar_;
  bool syncing_ = false;
};

class ListViewPeer : public Peer {
 public:
  ListViewPeer(ListView& view, QWidget* parent)
      : Peer(view, new ListViewWidget(view, parent)),
        widget_(static_cast<ListViewWidget*>(Widget())) {}
  void Apply(Prop what) override {
    ApplyCommon(what);
    switch (what) {
      case Prop::kItems:
      case Prop::kItemIndex:
      case Prop::kOptions:
      case Prop::kBounds:
      case Prop::kColor:
      case Prop::kFocus:
        widget_->Sync();
        break;
      default:
        break;
    }
  }

 private:
  ListViewWidget* widget_;
};

// ---- Gauge, image, media host
// ---------------------------------------------------------------------

class GaugePeer : public Peer {
 public:
  GaugePeer(Gauge& gauge, QWidget* parent)
      : Peer(gauge, new QProgressBar(parent)),
        gauge_(gauge),
        widget_(static_cast<QProgressBar*>(Widget())) {
    widget_->setAlignment(Qt::AlignCenter);
    widget_->setTextVisible(true);
    widget_->setFormat(QStringLiteral("%p%"));
  }
  void Apply(Prop what) override {
    ApplyCommon(what);
    if (what == Prop::kValue) {
      widget_->setRange(gauge_.MinValue(), std::max(gauge_.MinValue() + 1, gauge_.MaxValue()));
      widget_->setValue(gauge_.Progress());
    }
  }

 private:
  Gauge& gauge_;
  QProgressBar* widget_;
};

class ImagePeer : public Peer {
 public:
  ImagePeer(Image& image, QWidget* parent)
      : Peer(image, new QLabel(parent)), image_(image), widget_(static_cast<QLabel*>(Widget())) {}
  void Apply(Prop what) override {
    ApplyCommon(what);
    switch (what) {
      case Prop::kPicture:
        widget_->setPixmap(ToPixmap(image_.GetPicture()));
        break;
      case Prop::kOptions:
        widget_->setScaledContents(image_.Stretch());
        widget_->setAlignment(image_.Center() ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
        break;
      default:
        break;
    }
  }

 private:
  Image& image_;
  QLabel* widget_;
};

class MediaHostPeer : public Peer {
 public:
  MediaHostPeer(MediaHost& host, QWidget* parent) : Peer(host, new QWidget(parent)) {
    SetColors(Widget(), true, colors::kBlack, colors::kWhite, false);
  }
};

class PlainPeer : public Peer {
 public:
  PlainPeer(Control& control, QWidget* parent) : Peer(control, new QWidget(parent)) {}
};

}  // namespace

std::unique_ptr<Peer> MakePeer(Control& control, QWidget* parent) {
  std::unique_ptr<Peer> peer;
  switch (control.Kind()) {
    case ControlKind::kLabel:
      peer = std::make_unique<LabelPeer>(static_cast<Label&>(control), parent);
      break;
    case ControlKind::kButton:
    case ControlKind::kBitBtn:
      peer = std::make_unique<ButtonPeer>(static_cast<Button&>(control), parent);
      break;
    case ControlKind::kSpeedButton:
      peer = std::make_unique<SpeedButtonPeer>(static_cast<SpeedButton&>(control), parent);
      break;
    case ControlKind::kCheckBox:
      peer =
          std::make_unique<CheckPeer<CheckBox, QCheckBox>>(static_cast<CheckBox&>(control), parent);
      break;
    case ControlKind::kRadioButton:
      peer = std::make_unique<CheckPeer<RadioButton, QRadioButton>>(
          static_cast<RadioButton&>(control), parent);
      break;
    case ControlKind::kGroupBox:
      peer = std::make_unique<GroupBoxPeer>(static_cast<GroupBox&>(control), parent);
      break;
    case ControlKind::kPanel:
      peer = std::make_unique<PanelPeer>(static_cast<Panel&>(control), parent);
      break;
    case ControlKind::kEdit:
      peer = std::make_unique<EditPeer>(static_cast<Edit&>(control), parent);
      break;
    case ControlKind::kMemo:
      peer = std::make_unique<MemoPeer>(static_cast<Memo&>(control), parent);
      break;
    case ControlKind::kSpinEdit:
      peer = std::make_unique<SpinEditPeer>(static_cast<SpinEdit&>(control), parent);
      break;
    case ControlKind::kComboBox:
    case ControlKind::kDriveComboBox:
    case ControlKind::kFilterComboBox:
      peer = std::make_unique<ComboPeer>(static_cast<ComboBox&>(control), parent);
      break;
    case ControlKind::kListBox:
    case ControlKind::kDirectoryListBox:
    case ControlKind::kFileListBox:
      peer = std::make_unique<ListBoxPeer>(static_cast<ListBox&>(control), parent);
      break;
    case ControlKind::kListView:
      peer = std::make_unique<ListViewPeer>(static_cast<ListView&>(control), parent);
      break;
    case ControlKind::kGauge:
      peer = std::make_unique<GaugePeer>(static_cast<Gauge&>(control), parent);
      break;
    case ControlKind::kImage:
      peer = std::make_unique<ImagePeer>(static_cast<Image&>(control), parent);
      break;
    case ControlKind::kMediaHost:
      peer = std::make_unique<MediaHostPeer>(static_cast<MediaHost&>(control), parent);
      break;
    case ControlKind::kDbGrid:
      peer = MakeGridPeer(static_cast<DbGrid&>(control), parent);
      break;
    case ControlKind::kDbEdit:
      peer = std::make_unique<DbEditPeer>(static_cast<DbEdit&>(control), parent);
      break;
    case ControlKind::kForm:
      peer = std::make_unique<PlainPeer>(control, parent);
      break;
  }
  return peer;
}

}  // namespace ui::qt
