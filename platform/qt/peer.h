// Peers: the Qt widgets that stand for model controls.
//
// The model stays the only source of truth. A peer shows its control: the view creates it
// when the control's form is shown (or when the control is put on a shown form), places it at
// the control's bounds inside the peer of its parent, and calls Sync after every change the
// model announces. A peer never changes the model on its own: input on its widget goes to the
// view, which feeds it into the model as the platform's messages (key, character and mouse
// messages) or as the user operations the model offers (picking a combo box item, clicking a
// tab), and the model's answer comes back through Sync.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>

#include "platform/vcl/control.h"

class QMouseEvent;

namespace pxq::qt {

class QtView;

class Peer {
 public:
  Peer(QtView& view, vcl::TControl& control);
  virtual ~Peer();
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;

  vcl::TControl& Control() const { return control_; }
  QWidget* Widget() const { return widget_; }
  // The widget that holds the peers of the child controls.
  virtual QWidget* ChildHost() const { return widget_; }

  // Brings the widget in line with the model: everything (empty property) or what a change of
  // `property` touches.
  void Sync(std::string_view property);

  // A mouse press, release or double click at `pos` (widget coordinates). True when the event
  // is used up; false lets the widget handle it too. By default the event goes to the control
  // as a mouse message and is used up.
  virtual bool Mouse(QMouseEvent& event, QPoint pos);
  // After input fed into the model while this control has the focus (caret, selection).
  virtual void AfterInput() {}

 protected:
  // Called once by the derived constructor with the peer's widget.
  void SetWidget(QWidget* widget);
  QtView& View() const { return view_; }
  // Texts, state and items: what the model shows beyond bounds, visibility and font.
  virtual void SyncContent() {}
  // Colours: by default the control's Color fills the widget's background.
  virtual void SyncColor();
  virtual void SyncGeometry();
  virtual void SyncVisible();
  void SyncHint();
  // The mouse event as the platform's mouse message to the control.
  void FeedMouse(const QMouseEvent& event, QPoint pos);
  // True while Sync runs (signals of the widget are then not input).
  bool Syncing() const { return syncing_ > 0; }

 private:
  QtView& view_;
  vcl::TControl& control_;
  QPointer<QWidget> widget_;
  int syncing_ = 0;
};

// A widget of a peer that edits on its own (an in-place editor): the view leaves its keys and
// clicks to Qt, and the peer hands the outcome to the model.
void MarkOwnInput(QWidget* widget);
bool HasOwnInput(const QWidget* widget);

using PeerFactory = std::function<std::unique_ptr<Peer>(QtView&, vcl::TControl&)>;

// Registers the peer of a control class. A control gets the peer of its own class or, when
// that has none, of its nearest base class that has one.
void RegisterPeer(const vcl::TMetaClass& cls, PeerFactory factory);
template <class C, class P>
void RegisterPeer() {
  RegisterPeer(C::StaticClass(), [](QtView& view, vcl::TControl& control) {
    return std::unique_ptr<Peer>(new P(view, static_cast<C&>(control)));
  });
}
std::unique_ptr<Peer> CreatePeer(QtView& view, vcl::TControl& control);

}  // namespace pxq::qt
