#include "platform/ui/qt/qt_backend.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>

#include "platform/desktop/places.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/menus.h"
#include "platform/ui/qt/conversions.h"
#include "platform/ui/qt/peers.h"
#include "platform/ui/timer.h"

namespace ui::qt {

namespace {

constexpr int kMenuBarHeight = 20;

bool HasVisibleMenu(const Form& form) {
  if (const MainMenu* menu = form.Menu()) {
    for (const MenuItem* item : menu->Items()) {
      if (item->Visible())
        return true;
    }
  }
  return false;
}

QString MenuText(const MenuItem& item) {
  std::string text = item.Caption();
  const std::string shortcut = ShortCutText(item.ShortCut());
  if (!shortcut.empty())
    text += "\t" + shortcut;
  return ToQString(text);
}

bool ToButton(Qt::MouseButton qt, MouseButton& button) {
  switch (qt) {
    case Qt::LeftButton:
      button = MouseButton::kLeft;
      return true;
    case Qt::RightButton:
      button = MouseButton::kRight;
      return true;
    case Qt::MiddleButton:
      button = MouseButton::kMiddle;
      return true;
    default:
      return false;
  }
}

class QtBackend;

// The frame a window manager has put around a shown window; none before it has (or without
// a window manager).
std::optional<FrameMetrics> ManagerFrame(const QWidget& window) {
  if (!window.isVisible() || window.windowHandle() == nullptr)
    return std::nullopt;
  const QMargins margins = window.windowHandle()->frameMargins();
  if (margins.isNull())
    return std::nullopt;
  return FrameMetrics{margins.left(), margins.top(), margins.right(), margins.bottom(), 0};
}

// A form's window: the menu bar on top of the client area, where the controls are.
class FormWindow : public QWidget {
 public:
  FormWindow(QtBackend& backend, Form& form)
      : backend_(backend), form_(form), menu_bar_(new QMenuBar(this)), client_(new QWidget(this)) {
    menu_bar_->setNativeMenuBar(false);
    menu_bar_->setFocusPolicy(Qt::NoFocus);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFocusPolicy(Qt::NoFocus);
    client_->setMouseTracking(true);
    setMouseTracking(true);
  }

  QWidget* Client() const { return client_; }
  QMenuBar* MenuBar() const { return menu_bar_; }
  int MenuHeight() const { return HasVisibleMenu(form_) ? kMenuBarHeight : 0; }
  void Layout() {
    const int menu = MenuHeight();
    menu_bar_->setGeometry(0, 0, width(), menu);
    menu_bar_->setVisible(menu > 0);
    client_->setGeometry(0, menu, width(), std::max(0, height() - menu));
  }
  // Set while the backend moves or sizes the window itself.
  bool applying = false;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QtBackend& backend_;
  Form& form_;
  QMenuBar* menu_bar_;
  QWidget* client_;
};

class FormPeer : public Peer {
 public:
  FormPeer(QtBackend& backend, Form& form)
      : Peer(form, new FormWindow(backend, form)),
        form_(form),
        window_(static_cast<FormWindow*>(Widget())) {}

  FormWindow* Window() const { return window_; }
  QWidget* Container() const override { return window_->Client(); }
  QWidget* FocusWidget() const override { return window_->Client(); }
  QPoint ToClient(const QWidget* part, QPointF point) const override {
    QPoint p = point.toPoint();
    if (part != window_)
      p = part->mapTo(window_, p);
    return p - window_->Client()->pos();
  }
  bool NativeMouse(const QWidget* part) const override {
    for (const QWidget* w = part; w != nullptr && w != window_; w = w->parentWidget()) {
      if (w == window_->MenuBar())
        return true;
    }
    return false;
  }

  void Apply(Prop what) override {
    switch (what) {
      case Prop::kBounds:
      case Prop::kConstraints:
      case Prop::kMenu:
        ApplyGeometry();
        break;
      case Prop::kBorder:
      case Prop::kStayOnTop:
        ApplyFlags();
        ApplyGeometry();
        break;
      case Prop::kText:
        window_->setWindowTitle(ToQString(form_.Caption()));
        break;
      case Prop::kColor:
        SetColors(window_, true, form_.GetColor(), form_.GetFont().color, false);
        SetColors(window_->Client(), true, form_.GetColor(), form_.GetFont().color, false);
        break;
      case Prop::kFont:
        window_->setFont(ToQFont(form_.GetFont()));
        break;
      case Prop::kEnabled:
        window_->setEnabled(form_.Enabled());
        break;
      case Prop::kAlpha:
        window_->setWindowOpacity(form_.AlphaBlend() ? form_.AlphaBlendValue() / 255.0 : 1.0);
        break;
      case Prop::kWindowState:
        ApplyWindowState();
        break;
      default:
        break;
    }
  }
  void ApplyAllForm() {
    for (Prop p : {Prop::kBorder, Prop::kText, Prop::kColor, Prop::kFont, Prop::kEnabled,
                   Prop::kAlpha, Prop::kBounds}) {
      Apply(p);
    }
  }

  // The model's bounds are the outer frame, title bar and border included, as the window
  // manager draws them; the client area (our menu bar and the controls) is what remains
  // inside. The frame is the window manager's own once it has drawn one, else a guess that
  // is corrected when the window is shown (Refit).
  void ApplyGeometry() {
    const FrameMetrics m = form_.App().GetBackend().Frame(form_);
    used_frame_ = m;
    // The model keeps the normal bounds of a maximised form; its window fills the screen's
    // work area whatever its border (a fixed border included), with or without a window
    // manager to do it.
    QRect outer(form_.Left(), form_.Top(), form_.Width(), form_.Height());
    if (form_.GetWindowState() == WindowState::kMaximized) {
      if (QScreen* screen = QGuiApplication::primaryScreen())
        outer = screen->availableGeometry();
    }
    const int width = std::max(1, outer.width() - m.left - m.right);
    const int height = std::max(1, outer.height() - m.top - m.bottom);
    window_->applying = true;
    if (FixedBorder()) {
      window_->setFixedSize(width, height);
    } else {
      const SizeConstraints& c = form_.Constraints();
      window_->setMinimumSize(c.min_width > 0 ? std::max(1, c.min_width - m.left - m.right) : 0,
                              c.min_height > 0 ? std::max(1, c.min_height - m.top - m.bottom) : 0);
      window_->setMaximumSize(
          c.max_width > 0 ? std::max(1, c.max_width - m.left - m.right) : QWIDGETSIZE_MAX,
          c.max_height > 0 ? std::max(1, c.max_height - m.top - m.bottom) : QWIDGETSIZE_MAX);
    }
    // A maximised sizeable window is placed by the window manager.
    if (!(ManagerMaximises() && window_->isMaximized()))
      window_->setGeometry(outer.left() + m.left, outer.top() + m.top, width, height);
    window_->Layout();
    window_->applying = false;
  }

  // The window manager's frame differs from the one the window was placed with (the first
  // window shown, before the frame was known): places it again from the model's bounds.
  // True when it did.
  bool Refit() {
    if (!window_->isVisible())
      return false;
    const FrameMetrics now = form_.App().GetBackend().Frame(form_);
    const FrameMetrics& was = used_frame_;
    if (now.left == was.left && now.top == was.top && now.right == was.right &&
        now.bottom == was.bottom && now.menu_bar == was.menu_bar) {
      return false;
    }
    ApplyGeometry();
    return true;
  }

  // A fixed border: the window keeps its size, and a maximised one is sized by us, as a
  // window manager does not maximise a window of a fixed size.
  bool FixedBorder() const { return form_.GetBorderStyle() != BorderStyle::kSizeable; }
  bool ManagerMaximises() const { return !FixedBorder(); }

  // The window this one belongs to: it stays above it (a transient window of it).
  void ApplyOwner(QWidget* owner) {
    QWindow* handle = window_->windowHandle();
    if (handle == nullptr) {
      window_->winId();
      handle = window_->windowHandle();
    }
    if (handle != nullptr)
      handle->setTransientParent(owner != nullptr ? owner->windowHandle() : nullptr);
  }

  void ApplyFlags() {
    // An owned window is a dialog of its owner's (a window of the plain kind is never the
    // window system's transient window of another).
    Qt::WindowFlags flags =
        (form_.Owner() != nullptr ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    const BorderIcons& icons = form_.GetBorderIcons();
    if (form_.GetBorderStyle() == BorderStyle::kNone) {
      flags |= Qt::FramelessWindowHint;
    } else {
      flags |= Qt::WindowTitleHint;
      if (icons.system_menu)
        flags |= Qt::WindowSystemMenuHint;
      if (icons.system_menu && icons.minimize)
        flags |= Qt::WindowMinimizeButtonHint;
      if (icons.system_menu && icons.maximize && form_.GetBorderStyle() == BorderStyle::kSizeable)
        flags |= Qt::WindowMaximizeButtonHint;
      if (form_.HasCloseBox())
        flags |= Qt::WindowCloseButtonHint;
    }
    if (form_.StayOnTop())
      flags |= Qt::WindowStaysOnTopHint;
    if (flags == window_->windowFlags())
      return;
    const bool shown = window_->isVisible();
    window_->setWindowFlags(flags);
    if (shown)
      window_->show();
  }

  const FrameMetrics& UsedFrame() const { return used_frame_; }

  Qt::WindowStates QtState() const {
    switch (form_.GetWindowState()) {
      case WindowState::kMinimized:
        return Qt::WindowMinimized;
      case WindowState::kMaximized:
        return Qt::WindowMaximized;
      case WindowState::kNormal:
        break;
    }
    return Qt::WindowNoState;
  }
  void ApplyWindowState() {
    Qt::WindowStates want = QtState();
    if (want == Qt::WindowMaximized && !ManagerMaximises())
      want = Qt::WindowNoState;
    if ((window_->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) == want)
      return;
    window_->applying = true;
    window_->setWindowState(want);
    window_->applying = false;
    ApplyGeometry();
  }

 private:
  Form& form_;
  FormWindow* window_;
  FrameMetrics used_frame_;
};

class QtBackend final : public QObject, public Backend {
 public:
  explicit QtBackend(std::unique_ptr<QApplication> app) : qapp_(std::move(app)) {
    clock_.start();
    qapp_->installEventFilter(this);
  }

  ~QtBackend() override {
    qapp_->removeEventFilter(this);
    timers_.clear();
    peers_.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // ---- Screen and metrics ----------------------------------------------------------------
  int ScreenWidth() override {
    QScreen* s = QGuiApplication::primaryScreen();
    return s != nullptr ? s->geometry().width() : 1280;
  }
  int ScreenHeight() override {
    QScreen* s = QGuiApplication::primaryScreen();
    return s != nullptr ? s->geometry().height() : 1024;
  }
  void SetCursor(Cursor cursor) override {
    const bool wait = cursor == Cursor::kHourGlass;
    if (wait == hourglass_)
      return;
    hourglass_ = wait;
    if (wait) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
      QApplication::restoreOverrideCursor();
    }
  }
  int TextWidth(const Font& font, std::string_view text) override {
    return QFontMetrics(ToQFont(font)).horizontalAdvance(ToQString(text));
  }
  int TextHeight(const Font& font) override { return QFontMetrics(ToQFont(font)).height(); }
  // The window manager's frame of a shown window; for a window not shown yet the frame last
  // seen on a window of the same kind of border, or a guess until a frame was seen.
  FrameMetrics Frame(const Form& form) override {
    const int menu = HasVisibleMenu(form) ? kMenuBarHeight : 0;
    if (form.GetBorderStyle() == BorderStyle::kNone)
      return {0, 0, 0, 0, menu};
    const bool sizeable = form.GetBorderStyle() == BorderStyle::kSizeable;
    std::optional<FrameMetrics>& seen = seen_frames_[sizeable ? 1 : 0];
    if (FormPeer* peer = WindowPeer(form)) {
      if (std::optional<FrameMetrics> shown = ManagerFrame(*peer->Window())) {
        seen = shown;
        shown->menu_bar = menu;
        return *shown;
      }
    }
    FrameMetrics m = seen.value_or(FrameMetrics{4, 26, 4, 4, 0});
    m.menu_bar = menu;
    return m;
  }
  std::vector<desktop::Place> Places() override { return desktop::SystemPlaces(); }

  // ---- Peers -------------------------------------------------------------------------------
  void ControlChanged(Control& control, Prop what) override {
    auto it = peers_.find(&control);
    if (it == peers_.end()) {
      // A control made after its form's window (maybe still being constructed: no
      // virtual call on it now): its peer is made from the event loop and reads
      // everything then.
      Form& form = control.OwnerForm();
      if (&control != &form)
        ScheduleLatePeers(form);
      return;
    }
    if (what == Prop::kOwner && &control == &control.OwnerForm()) {
      ApplyOwner(control.OwnerForm());
      return;
    }
    it->second->Apply(what);
    if (what == Prop::kMenu && &control == &control.OwnerForm())
      ScheduleMenuBar(control.OwnerForm());
  }

  void ControlDestroyed(Control& control) override {
    if (focused_ == &control)
      focused_ = nullptr;
    auto it = peers_.find(&control);
    if (it == peers_.end())
      return;
    it->second->Detach();
    owners_.erase(it->second->Widget());
    if (&control == &control.OwnerForm()) {
      auto* window = static_cast<FormPeer*>(it->second.get())->Window();
      windows_.erase(window);
      std::erase_if(handles_, [&](const auto& entry) { return entry.second == &control; });
      wheel_rest_.erase(&control);
    }
    peers_.erase(it);
  }

  void MenuChanged(MenuItem& item) override {
    known_items_.insert(&item);
    auto it = actions_.find(&item);
    if (it != actions_.end() && it->second != nullptr) {
      ApplyItem(it->second, item);
    }
    if (item.Parent() == nullptr && !item.Root().IsPopup())
      ScheduleMenuBar(item.Root().Owner());
  }

  void MenuDestroyed(MenuItem& item) override {
    known_items_.erase(&item);
    actions_.erase(&item);
    if (item.Parent() == nullptr && !item.Root().IsPopup())
      ScheduleMenuBar(item.Root().Owner());
  }

  void Repaint(Control& control) override {
    auto it = peers_.find(&control);
    if (it != peers_.end())
      it->second->Repaint();
  }

  // ---- Windows -------------------------------------------------------------------------------
  void ShowForm(Form& form) override {
    FormPeer* peer = EnsureWindow(form);
    FormWindow* window = peer->Window();
    peer->ApplyAllForm();
    ApplyOwner(form);
    switch (form.GetWindowState()) {
      case WindowState::kMinimized:
        window->showMinimized();
        break;
      case WindowState::kMaximized:
        // A fixed window already covers the work area (ApplyGeometry).
        if (peer->ManagerMaximises()) {
          window->showMaximized();
        } else {
          window->show();
        }
        break;
      case WindowState::kNormal:
        window->show();
        break;
    }
    if (QWindow* handle = window->windowHandle())
      handles_[handle] = &form;
  }

  // Before the window is shown: the window system reads it then.
  void ApplyOwner(Form& form) {
    FormPeer* peer = WindowPeer(form);
    if (peer == nullptr)
      return;
    peer->ApplyFlags();
    FormPeer* owner = form.Owner() != nullptr ? EnsureWindow(*form.Owner()) : nullptr;
    peer->ApplyOwner(owner != nullptr ? owner->Window() : nullptr);
  }

  // The window manager's frame became known or changed: the window is placed again.
  bool Refit(const Form& form) {
    FormPeer* peer = WindowPeer(form);
    return peer != nullptr && peer->Refit();
  }

  void HideForm(Form& form) override {
    if (FormPeer* peer = WindowPeer(form))
      peer->Window()->hide();
  }

  void ActivateForm(Form& form) override {
    FormPeer* peer = WindowPeer(form);
    if (peer == nullptr || !peer->Window()->isVisible())
      return;
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
      peer->Window()->raise();  // the offscreen platform only says it cannot
    peer->Window()->activateWindow();
  }

  void FocusControl(Control& control) override {
    auto it = peers_.find(&control);
    if (it == peers_.end())
      return;
    Control* old = focused_;
    focused_ = &control;
    QWidget* widget = it->second->FocusWidget();
    // The focused control shows its focus (the style draws it only after a focus change
    // by the keyboard), whether the focus came by a key, a click or the program.
    widget->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    widget->setFocus(Qt::OtherFocusReason);
    if (old != nullptr && old != &control) {
      auto o = peers_.find(old);
      if (o != peers_.end())
        o->second->Apply(Prop::kFocus);
    }
    it->second->Apply(Prop::kFocus);
  }

  // ---- Loops -------------------------------------------------------------------------------
  void RunModalLoop(Form&, const std::function<bool()>& done) override { Loop(done); }
  void RunMainLoop(const std::function<bool()>& done) override { Loop(done); }
  void ProcessPendingEvents() override { QCoreApplication::processEvents(QEventLoop::AllEvents); }

  MenuItem* TrackPopup(PopupMenu& menu, int screen_x, int screen_y) override {
    QMenu popup;
    popup.setFont(ToQFont(menu.Owner().GetFont()));
    Fill(&popup, menu.Items(), false);
    QAction* chosen = popup.exec(QPoint(screen_x, screen_y));
    return chosen != nullptr ? ItemOf(chosen) : nullptr;
  }

  // A native child window of its own, so that another component can draw into it; its
  // parents stay as they are.
  std::int64_t NativeWindowId(Control& control) override {
    QWidget* widget = EnsurePeer(control)->Widget();
    widget->setAttribute(Qt::WA_DontCreateNativeAncestors);
    widget->setAttribute(Qt::WA_NativeWindow);
    return static_cast<std::int64_t>(widget->winId());
  }

  // ---- Time --------------------------------------------------------------------------------
  std::int64_t NowMs() override { return clock_.elapsed(); }

  void TimerChanged(Timer& timer) override {
    std::unique_ptr<QTimer>& slot = timers_[&timer];
    if (!slot) {
      slot = std::make_unique<QTimer>();
      slot->setTimerType(Qt::PreciseTimer);
      QObject::connect(slot.get(), &QTimer::timeout, slot.get(),
                       [&timer] { timer.Owner().App().TimerFired(timer); });
    }
    slot->stop();
    if (timer.Enabled() && timer.Interval() > 0)
      slot->start(static_cast<int>(std::min<std::int64_t>(timer.Interval(), 0x7FFFFFFF)));
  }

  void TimerDestroyed(Timer& timer) override {
    auto it = timers_.find(&timer);
    if (it == timers_.end())
      return;
    // It may be the timer whose tick is running.
    QTimer* t = it->second.release();
    t->stop();
    t->disconnect();
    t->deleteLater();
    timers_.erase(it);
  }

  // ---- Clipboard and trace -----------------------------------------------------------------
  std::string ClipboardText() override { return FromQString(QGuiApplication::clipboard()->text()); }
  void SetClipboardText(std::string_view text) override {
    QGuiApplication::clipboard()->setText(ToQString(text));
  }
  void Note(std::string_view) override {}

  // ---- For the windows ------------------------------------------------------------------------
  // Runs `call` on the form of `window` later, from the event loop, when the form still
  // has that window then.
  void Post(QWidget* window, std::function<void(Form&)> call) {
    QMetaObject::invokeMethod(
        window,
        [this, window, call = std::move(call)] {
          auto it = windows_.find(window);
          if (it != windows_.end())
            call(*it->second);
        },
        Qt::QueuedConnection);
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Expose:
        Exposed(object);
        return false;
      case QEvent::WindowActivate:
        WindowActivated(object);
        return false;
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::InputMethod:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
        break;
      default:
        return false;
    }
    if (!object->isWidgetType())
      return false;
    auto* widget = static_cast<QWidget*>(object);
    auto w = windows_.find(widget->window());
    if (w == windows_.end())
      return false;  // a menu, a combo box's list: Qt's own
    Form& form = *w->second;
    switch (event->type()) {
      case QEvent::ShortcutOverride:
        // No shortcut of Qt's may act: the model looks the keys up itself.
        event->accept();
        return true;
      case QEvent::KeyPress:
        KeyPressed(form, *static_cast<QKeyEvent*>(event));
        return true;
      case QEvent::KeyRelease: {
        auto& key = *static_cast<QKeyEvent*>(event);
        if (!key.isAutoRepeat()) {
          KeyInput in = TranslateKey(key.key(), key.modifiers(), key.nativeScanCode(), key.text());
          form.App().KeyUp(form, in.key, in.shift);
        }
        return true;
      }
      case QEvent::InputMethod: {
        const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
        if (!commit.isEmpty())
          form.App().Paste(form, FromQString(commit));
        return true;
      }
      case QEvent::Wheel:
        Wheeled(form, *static_cast<QWheelEvent*>(event));
        return true;
      case QEvent::ContextMenu:
        return true;
      default:
        return Mouse(form, widget, *static_cast<QMouseEvent*>(event));
    }
  }

 private:
  friend class FormWindow;

  void Loop(const std::function<bool()>& done) {
    while (!done()) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }

  FormPeer* WindowPeer(const Form& form) const {
    auto it = peers_.find(&form);
    return it == peers_.end() ? nullptr : static_cast<FormPeer*>(it->second.get());
  }

  FormPeer* EnsureWindow(Form& form) {
    if (FormPeer* peer = WindowPeer(form))
      return peer;
    auto owned = std::make_unique<FormPeer>(*this, form);
    FormPeer* peer = owned.get();
    peers_[&form] = std::move(owned);
    windows_[peer->Window()] = &form;
    owners_[peer->Window()] = &form;
    owners_[peer->Window()->Client()] = &form;
    peer->ApplyAllForm();
    BuildMenuBar(form);
    for (Control* c : form.AllControls())
      EnsurePeer(*c);
    return peer;
  }

  Peer* EnsurePeer(Control& control) {
    auto it = peers_.find(&control);
    if (it != peers_.end())
      return it->second.get();
    if (control.Kind() == ControlKind::kForm)
      return EnsureWindow(static_cast<Form&>(control));
    Peer* parent = EnsurePeer(*control.Parent());
    std::unique_ptr<Peer> owned = MakePeer(control, parent->Container());
    Peer* peer = owned.get();
    peers_[&control] = std::move(owned);
    owners_[peer->Widget()] = &control;
    peer->Widget()->setMouseTracking(true);
    for (QWidget* part : peer->Widget()->findChildren<QWidget*>()) {
      part->setMouseTracking(true);
      part->setFocusPolicy(Qt::NoFocus);
    }
    peer->ApplyAll();
    return peer;
  }

  // The control whose peer holds `widget`, and the peer.
  Peer* PeerOf(const QWidget* widget) const {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
      auto it = owners_.find(w);
      if (it != owners_.end()) {
        auto p = peers_.find(it->second);
        return p == peers_.end() ? nullptr : p->second.get();
      }
    }
    return nullptr;
  }

  // ---- Input ---------------------------------------------------------------------------------
  void KeyPressed(Form& form, const QKeyEvent& key) {
    KeyInput in = TranslateKey(key.key(), key.modifiers(), key.nativeScanCode(), key.text());
    Application& app = form.App();
    app.KeyDown(form, in.key, in.shift, in.ch);
    // A key that typed more than one character (a composed sequence): the rest as typed.
    const QString text = key.text();
    if (in.ch != 0 && text.size() > 1 && !text.at(0).isHighSurrogate())
      app.Paste(form, FromQString(text.mid(1)));
  }

  void Wheeled(Form& form, const QWheelEvent& wheel) {
    int& rest = wheel_rest_[&form];
    rest += wheel.angleDelta().y();
    const ShiftState shift = ToShiftState(wheel.modifiers(), wheel.buttons());
    while (std::abs(rest) >= 120) {
      const int delta = rest > 0 ? 120 : -120;
      rest -= delta;
      form.App().Wheel(form, delta, shift);
      if (WindowPeer(form) == nullptr)
        return;
    }
  }

  bool Mouse(Form& form, QWidget* widget, const QMouseEvent& mouse) {
    Peer* peer = PeerOf(widget);
    if (peer == nullptr || !peer->Attached())
      return true;
    if (peer->NativeMouse(widget))
      return !form.AcceptsInput();  // scroll bars and the menu bar work while it takes input
    Control& target = peer->GetControl();
    const QPoint p = peer->ToClient(widget, mouse.position());
    const ShiftState shift = ToShiftState(mouse.modifiers(), mouse.buttons());
    Application& app = form.App();
    MouseButton button = MouseButton::kLeft;
    switch (mouse.type()) {
      case QEvent::MouseButtonPress:
        if (!ToButton(mouse.button(), button))
          return true;
        if (button == MouseButton::kLeft)
          peer->BeforeLeftPress(widget);
        app.MouseDown(target, button, shift, p.x(), p.y());
        if (button == MouseButton::kLeft && Alive(peer)) {
          peer->AfterLeftPress(widget, p);
          if (Alive(peer) && peer->PressGoesToQt(widget))
            return false;
        }
        return true;
      case QEvent::MouseButtonRelease:
        if (ToButton(mouse.button(), button))
          app.MouseUp(target, button, shift, p.x(), p.y());
        return true;
      case QEvent::MouseButtonDblClick:
        if (!ToButton(mouse.button(), button))
          return true;
        if (button == MouseButton::kLeft) {
          app.DoubleClick(target, shift, p.x(), p.y());
        } else {
          app.MouseDown(target, button, shift, p.x(), p.y());
        }
        return true;
      case QEvent::MouseMove:
        app.MouseMove(target, shift, p.x(), p.y());
        if ((mouse.buttons() & Qt::LeftButton) && Alive(peer))
          peer->AfterLeftDrag(widget, p);
        return true;
      default:
        return true;
    }
  }

  bool Alive(const Peer* peer) const {
    for (const auto& [control, owned] : peers_) {
      if (owned.get() == peer)
        return peer->Attached();
    }
    return false;
  }

  void Exposed(QObject* object) {
    auto it = handles_.find(object);
    if (it == handles_.end() || !static_cast<QWindow*>(object)->isExposed())
      return;
    Form* form = it->second;
    Refit(*form);
    if (!expose_pending_.insert(form).second)
      return;
    FormPeer* peer = WindowPeer(*form);
    if (peer == nullptr)
      return;
    Post(peer->Window(), [this](Form& f) {
      expose_pending_.erase(&f);
      f.App().Expose(f);
    });
  }

  void WindowActivated(QObject* object) {
    if (!object->isWidgetType())
      return;
    auto it = windows_.find(static_cast<QWidget*>(object));
    if (it == windows_.end() || it->second->App().ActiveForm() == it->second)
      return;
    Post(static_cast<QWidget*>(object), [this](Form& form) {
      Application& app = form.App();
      if (app.ActiveForm() == &form)
        return;
      if (form.AcceptsInput()) {
        app.UserActivate(form);
      } else if (Form* active = app.ActiveForm()) {
        // A window under a modal one: the modal one comes back to the front.
        ActivateForm(*active);
      }
    });
  }

  // ---- Menus ---------------------------------------------------------------------------------
  void ApplyItem(QAction* action, const MenuItem& item) {
    if (!item.IsSeparator())
      action->setText(MenuText(item));
    action->setEnabled(item.Enabled());
    action->setVisible(item.Visible());
    action->setCheckable(item.Checked());
    action->setChecked(item.Checked());
  }

  MenuItem* ItemOf(const QAction* action) const {
    auto* item = reinterpret_cast<MenuItem*>(action->data().value<quintptr>());
    return known_items_.count(item) != 0 ? item : nullptr;
  }

  // Fills a menu with items; with `choose`, a triggered item goes to the model's
  // ChooseMenuItem from the event loop (a popup's choice is TrackPopup's answer instead).
  void Fill(QMenu* menu, const std::vector<MenuItem*>& items, bool choose) {
    for (QMenu* old : menu->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
      old->deleteLater();
    menu->clear();
    for (MenuItem* item : items) {
      known_items_.insert(item);
      QAction* action = nullptr;
      if (item->IsSeparator()) {
        action = menu->addSeparator();
      } else if (!item->Items().empty()) {
        QMenu* sub = menu->addMenu(MenuText(*item));
        action = sub->menuAction();
        QObject::connect(sub, &QMenu::aboutToShow, sub, [this, sub, item, choose] {
          if (known_items_.count(item) != 0)
            Fill(sub, item->Items(), choose);
        });
      } else {
        action = menu->addAction(MenuText(*item));
        if (choose)
          ConnectChoice(action);
      }
      action->setData(QVariant::fromValue(reinterpret_cast<quintptr>(item)));
      ApplyItem(action, *item);
      actions_[item] = action;
    }
  }

  void ConnectChoice(QAction* action) {
    QObject::connect(action, &QAction::triggered, action, [this, action] {
      MenuItem* item = ItemOf(action);
      if (item == nullptr)
        return;
      FormPeer* peer = WindowPeer(item->Root().Owner());
      if (peer == nullptr)
        return;
      Post(peer->Window(), [this, item](Form& form) {
        if (known_items_.count(item) != 0)
          form.App().ChooseMenuItem(*item);
      });
    });
  }

  void BuildMenuBar(Form& form) {
    FormPeer* peer = WindowPeer(form);
    if (peer == nullptr)
      return;
    QMenuBar* bar = peer->Window()->MenuBar();
    for (QMenu* old : bar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
      old->deleteLater();
    bar->clear();
    if (MainMenu* menu = form.Menu()) {
      bar->setFont(ToQFont(form.GetFont()));
      for (MenuItem* item : menu->Items()) {
        known_items_.insert(item);
        QAction* action = nullptr;
        if (!item->Items().empty()) {
          auto* sub = new QMenu(MenuText(*item), bar);
          action = bar->addMenu(sub);
          QObject::connect(sub, &QMenu::aboutToShow, sub, [this, sub, item] {
            if (known_items_.count(item) != 0)
              Fill(sub, item->Items(), true);
          });
        } else {
          action = bar->addAction(MenuText(*item));
          ConnectChoice(action);
        }
        action->setData(QVariant::fromValue(reinterpret_cast<quintptr>(item)));
        ApplyItem(action, *item);
        actions_[item] = action;
      }
    }
    peer->ApplyGeometry();
  }

  void ScheduleLatePeers(Form& form) {
    FormPeer* peer = WindowPeer(form);
    if (peer == nullptr || !late_peers_pending_.insert(&form).second)
      return;
    Post(peer->Window(), [this](Form& f) {
      late_peers_pending_.erase(&f);
      for (Control* c : f.AllControls())
        EnsurePeer(*c);
    });
  }

  // Rebuilds the menu bar from the event loop, once no menu is open.
  void ScheduleMenuBar(Form& form) {
    FormPeer* peer = WindowPeer(form);
    if (peer == nullptr || !menu_bar_pending_.insert(&form).second)
      return;
    Post(peer->Window(), [this](Form& f) { RetryMenuBar(f); });
  }
  void RetryMenuBar(Form& form) {
    if (QApplication::activePopupWidget() != nullptr) {
      FormPeer* peer = WindowPeer(form);
      if (peer == nullptr)
        return;
      QPointer<QWidget> window = peer->Window();
      QTimer::singleShot(100, window, [this, window] {
        auto it = windows_.find(window);
        if (it != windows_.end())
          RetryMenuBar(*it->second);
      });
      return;
    }
    menu_bar_pending_.erase(&form);
    BuildMenuBar(form);
  }

  std::unique_ptr<QApplication> qapp_;
  QElapsedTimer clock_;
  bool hourglass_ = false;
  std::unordered_map<const Control*, std::unique_ptr<Peer>> peers_;
  std::unordered_map<const QWidget*, Control*> owners_;
  std::unordered_map<const QWidget*, Form*> windows_;
  std::unordered_map<const QObject*, Form*> handles_;
  std::unordered_map<const Timer*, std::unique_ptr<QTimer>> timers_;
  std::set<const MenuItem*> known_items_;
  std::unordered_map<const MenuItem*, QPointer<QAction>> actions_;
  std::set<const Form*> expose_pending_;
  std::set<const Form*> menu_bar_pending_;
  std::set<const Form*> late_peers_pending_;
  std::map<const Control*, int> wheel_rest_;
  Control* focused_ = nullptr;
  // The frames seen on shown windows: [0] fixed borders, [1] sizeable ones.
  std::optional<FrameMetrics> seen_frames_[2];
};

void FormWindow::closeEvent(QCloseEvent* event) {
  // The model decides: no close box, a modal form under another, OnCloseQuery.
  event->ignore();
  backend_.Post(this, [](Form& form) { form.App().CloseRequest(form); });
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Layout();
  // A maximised window's size is the screen's; the model keeps the normal size.
  if (applying || !event->spontaneous() || form_.GetWindowState() == WindowState::kMaximized)
    return;
  if (backend_.Refit(form_))
    return;
  const FrameMetrics m = backend_.Frame(form_);
  const int w = width() + m.left + m.right;
  const int h = height() + m.top + m.bottom;
  if (w != form_.Width() || h != form_.Height())
    form_.SetBounds(form_.Left(), form_.Top(), w, h);
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (applying || !event->spontaneous() || isMinimized() ||
      form_.GetWindowState() == WindowState::kMaximized)
    return;
  if (backend_.Refit(form_))
    return;
  if (x() != form_.Left() || y() != form_.Top())
    form_.SetBounds(x(), y(), form_.Width(), form_.Height());
}

void FormWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || applying)
    return;
  WindowState state = WindowState::kNormal;
  if (isMinimized()) {
    state = WindowState::kMinimized;
  } else if (isMaximized()) {
    state = WindowState::kMaximized;
  } else if (form_.GetWindowState() == WindowState::kMaximized &&
             form_.GetBorderStyle() != BorderStyle::kSizeable) {
    state = WindowState::kMaximized;  // a fixed window is maximised by its size, not by the WM
  }
  if (state != form_.GetWindowState())
    form_.SetWindowState(state);
}

}  // namespace

std::unique_ptr<ui::Backend> MakeQtBackend(int& argc, char** argv) {
  // Geometry and fonts are pixels at 96 dpi: no scaling of ours.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  auto app = std::make_unique<QApplication>(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setFont(ToQFont(Font{}));
  QPalette palette = QApplication::style()->standardPalette();
  palette.setColor(QPalette::Window, ToQColor(colors::kBtnFace));
  palette.setColor(QPalette::Button, ToQColor(colors::kBtnFace));
  palette.setColor(QPalette::Highlight, ToQColor(colors::kNavy));
  palette.setColor(QPalette::HighlightedText, ToQColor(colors::kWhite));
  QApplication::setPalette(palette);
  return std::make_unique<QtBackend>(std::move(app));
}

}  // namespace ui::qt
