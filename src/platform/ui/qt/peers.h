// Peers: the Qt widgets that show the model's controls.
//
// A peer is made when its form's window is made (or later, for a control made after that),
// reads every property from the model and is told of each change afterwards. It never
// decides anything: user input on its widgets is caught before Qt sees it (see
// qt_backend.cpp) and goes to the model's dispatch, and the model's answer comes back as
// property changes.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/ui/backend.h"
#include "platform/ui/control.h"

namespace ui::qt {

class Peer {
 public:
  Peer(Control& control, QWidget* widget);
  virtual ~Peer();
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;

  Control& GetControl() const { return *control_; }
  // The widget at the control's bounds.
  QWidget* Widget() const { return widget_; }
  // The widget that takes the keyboard focus.
  virtual QWidget* FocusWidget() const { return widget_; }
  // The widget the children's peers are placed on.
  virtual QWidget* Container() const { return widget_; }

  // Pushes one property to the widgets; ApplyAll pushes every one.
  virtual void Apply(Prop what);
  void ApplyAll();
  // Paints now (a gauge in a long pass); a grid only asks for a paint.
  virtual void Repaint();

  // Whether Qt itself handles the mouse on this part of the peer (scroll bars).
  virtual bool NativeMouse(const QWidget* part) const;
  // A point of a part of the peer in the control's client coordinates.
  virtual QPoint ToClient(const QWidget* part, QPointF point) const;
  // After the model had a press of the left button at a client point: what only the peer
  // can do (open a combo box's list, place the caret where the user clicked).
  virtual void AfterLeftPress(const QWidget* part, QPoint client) {
    (void)part;
    (void)client;
  }
  // Before the model has a press of the left button on a part of the peer.
  virtual void BeforeLeftPress(const QWidget* part) { (void)part; }
  // After the model had the press (and AfterLeftPress ran): whether the Qt widget gets the
  // same press too, for what only Qt's own press does (a combo box opens its list so that
  // the release of the same click leaves it open).
  virtual bool PressGoesToQt(const QWidget* part) {
    (void)part;
    return false;
  }
  // The mouse moved with the left button held (selecting text).
  virtual void AfterLeftDrag(const QWidget* part, QPoint client) {
    (void)part;
    (void)client;
  }

  // Called from the control's destructor: only the Control part is alive.
  void Detach() { control_ = nullptr; }
  bool Attached() const { return control_ != nullptr; }

 protected:
  // Geometry, visibility, enabling, font, hint: what every kind shares.
  void ApplyCommon(Prop what);
  // Background and text colours of a widget.
  static void SetColors(QWidget* widget, bool fill, Color background, Color text, bool base_role);

 private:
  Control* control_;
  QPointer<QWidget> widget_;
};

// The peer of a control (never of a form), on its parent's container.
std::unique_ptr<Peer> MakePeer(Control& control, QWidget* parent);

}  // namespace ui::qt
