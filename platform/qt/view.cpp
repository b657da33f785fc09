#include "platform/qt/view.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

#include "platform/qt/backend.h"
#include "platform/qt/fonts.h"
#include "platform/qt/form_peer.h"
#include "platform/qt/input.h"
#include "platform/vcl/menus.h"

namespace pxq::qt {

QtView::QtView() {
  LoadFontAliases();
  RegisterStandardPeers();
  previousBackend_ = vcl::Application().SetBackend(std::make_unique<QtBackend>(*this));
  vcl::Application().AddObserver(this);
  qApp->installEventFilter(this);
  // Messages the model posts are handled whenever Qt's event loop is about to wait.
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          [] { vcl::Application().ProcessMessages(); });
  // Forms shown before the view existed get their windows now.
  for (vcl::TCustomForm* form : vcl::Application().Forms()) {
    if (form->Visible()) FormShown(*form);
  }
}

QtView::~QtView() {
  qApp->removeEventFilter(this);
  vcl::Application().RemoveObserver(this);
  vcl::Application().SetBackend(std::move(previousBackend_));
  peers_.clear();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* QtView::WindowOf(const vcl::TCustomForm& form) const {
  FormPeer* peer = FormPeerOf(form);
  return peer ? peer->Widget() : nullptr;
}

Peer* QtView::PeerOf(const vcl::TControl& control) const {
  auto it = peers_.find(&control);
  return it == peers_.end() ? nullptr : it->second.get();
}

FormPeer* QtView::FormPeerOf(const vcl::TCustomForm& form) const {
  return dynamic_cast<FormPeer*>(PeerOf(form));
}

FormPeer* QtView::FormPeerOfWindow(const QWidget* window) const {
  for (const auto& [control, peer] : peers_) {
    if (peer->Widget() == window) return dynamic_cast<FormPeer*>(peer.get());
  }
  return nullptr;
}

Peer* QtView::PeerOfWidget(QWidget* widget) const {
  for (; widget; widget = widget->parentWidget()) {
    for (const auto& [control, peer] : peers_) {
      if (peer->Widget() == widget) return peer.get();
    }
    if (widget->isWindow()) break;
  }
  return nullptr;
}

bool QtView::SaveScreenshot(const vcl::TCustomForm& form, const std::string& pngFile) const {
  QWidget* window = WindowOf(form);
  if (!window) return false;
  return window->grab().save(QString::fromStdString(pngFile), "PNG");
}

// --- Model to view -------------------------------------------------------------------------

void QtView::Build(vcl::TControl& control) {
  if (PeerOf(control)) return;
  QWidget* host = nullptr;
  if (vcl::TWinControl* parent = control.Parent()) {
    Peer* parentPeer = PeerOf(*parent);
    if (!parentPeer) return;
    host = parentPeer->ChildHost();
  } else if (!dynamic_cast<vcl::TCustomForm*>(&control)) {
    return;
  }
  std::unique_ptr<Peer> peer = CreatePeer(*this, control);
  if (!peer || !peer->Widget()) return;
  if (host) peer->Widget()->setParent(host);
  Peer* p = peer.get();
  peers_[&control] = std::move(peer);
  p->Sync({});
  if (auto* w = dynamic_cast<vcl::TWinControl*>(&control)) {
    for (int i = 0; i < w->ControlCount(); ++i) Build(*w->Controls(i));
  }
  // Later siblings lie above earlier ones, as in the model.
  if (host) p->Widget()->raise();
}

void QtView::Remove(vcl::TControl& control) {
  if (auto* w = dynamic_cast<vcl::TWinControl*>(&control)) {
    for (int i = 0; i < w->ControlCount(); ++i) Remove(*w->Controls(i));
  }
  peers_.erase(&control);
}

void QtView::ComponentDestroying(vcl::TComponent& c) {
  if (auto* control = dynamic_cast<vcl::TControl*>(&c)) {
    Remove(*control);
    return;
  }
  if (dynamic_cast<vcl::TMenuItem*>(&c)) MenusChanged();
}

void QtView::MenusChanged() {
  // Whoever owns the item, no menu bar keeps an action for it.
  for (const auto& [control, peer] : peers_) {
    if (auto* form = dynamic_cast<FormPeer*>(peer.get())) form->MenuChanged();
  }
}

void QtView::ParentChanged(vcl::TControl& c, vcl::TWinControl*) {
  Remove(c);
  Build(c);
}

void QtView::PropertyChanged(vcl::TPersistent& object, std::string_view property) {
  if (dynamic_cast<vcl::TMenuItem*>(&object)) {
    MenusChanged();
    return;
  }
  auto* control = dynamic_cast<vcl::TControl*>(&object);
  if (!control) return;
  Peer* peer = PeerOf(*control);
  if (!peer) return;
  if (property == "ZOrder") {
    if (vcl::TWinControl* parent = control->Parent()) {
      for (int i = 0; i < parent->ControlCount(); ++i) {
        if (Peer* sibling = PeerOf(*parent->Controls(i))) sibling->Widget()->raise();
      }
    }
    return;
  }
  peer->Sync(property);
}

void QtView::FormShown(vcl::TCustomForm& form) {
  Build(form);
  if (FormPeer* peer = FormPeerOf(form)) {
    peer->ShowWindow();
    SyncFocus(form);
  }
}

void QtView::FormHidden(vcl::TCustomForm& form) {
  if (FormPeer* peer = FormPeerOf(form)) peer->HideWindow();
}

void QtView::FocusChanged(vcl::TCustomForm& form, vcl::TWinControl*) { SyncFocus(form); }

void QtView::SyncFocus(vcl::TCustomForm& form) {
  FormPeer* formPeer = FormPeerOf(form);
  if (!formPeer || !form.Visible()) return;
  vcl::TWinControl* focused = form.ActiveControl();
  Peer* peer = focused ? PeerOf(*focused) : nullptr;
  QWidget* widget = peer ? peer->Widget() : formPeer->Widget();
  QWidget* current = QApplication::focusWidget();
  // An in-place editor inside the control keeps the focus while it is open.
  const bool editing = current && current->isVisible() && HasOwnInput(current) && widget &&
                       widget->isAncestorOf(current);
  if (widget && current != widget && !editing) {
    widget->setFocus(Qt::OtherFocusReason);
  }
  if (peer) peer->AfterInput();
}

void QtView::InputDone() {
  vcl::Application().ProcessMessages();
  if (vcl::TCustomForm* form = vcl::Application().ActiveForm()) SyncFocus(*form);
}

// --- View to model -------------------------------------------------------------------------

bool QtView::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || HasOwnInput(widget)) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
      return FeedKeyEvent(widget, event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return FeedMouseEvent(widget, event);
    default:
      return false;
  }
}

bool QtView::FeedKeyEvent(QWidget* receiver, QEvent* event) {
  if (QApplication::activePopupWidget()) return false;  // an open drop-down list or menu
  FormPeer* formPeer = FormPeerOfWindow(receiver->window());
  if (!formPeer) return false;
  vcl::TCustomForm& form = formPeer->Form();
  if (event->type() == QEvent::InputMethod) {
    FeedText(form, static_cast<QInputMethodEvent*>(event)->commitString());
  } else {
    auto* key = static_cast<QKeyEvent*>(event);
    const vcl::Word vk = VirtualKey(*key);
    const vcl::TShiftState shift = ShiftOf(key->modifiers());
    if (event->type() == QEvent::KeyPress) {
      FeedKeyDown(form, vk, shift, key->text());
    } else {
      FeedKeyUp(form, vk, shift);
    }
  }
  InputDone();
  return true;
}

bool QtView::FeedMouseEvent(QWidget* receiver, QEvent* event) {
  Peer* peer = PeerOfWidget(receiver);
  if (!peer || !peer->Widget()) return false;
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint global = mouse->globalPosition().toPoint();
  const QPoint pos = peer->Widget()->mapFromGlobal(global);
  vcl::TControl& control = peer->Control();
  const vcl::HWND form = control.ParentForm() ? control.ParentForm()->Handle() : 0;
  const bool used = peer->Mouse(*mouse, pos);
  InputDone();
  if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::RightButton &&
      vcl::FindControl(form) && PeerOf(control) == peer) {
    ShowPopupMenu(control, global);
  }
  return used;
}

void QtView::ShowPopupMenu(vcl::TControl& control, QPoint global) {
  // The pop-up menu of the control or of the nearest parent that has one.
  vcl::TPopupMenu* popup = nullptr;
  for (vcl::TControl* c = &control; c && !popup; c = c->Parent()) popup = c->PopupMenu();
  if (!popup || !popup->AutoPopup()) return;
  popup->SetPopupComponent(&control);
  popup->Popup(global.x(), global.y());
  QMenu menu;
  FillMenu(*this, menu, *popup->Items(), *control.Font());
  if (!menu.isEmpty()) menu.exec(global);
}

}  // namespace pxq::qt
