#include "platform/qt/peer.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPalette>
#include <vector>

#include "platform/qt/text.h"

namespace pxq::qt {

namespace {

struct Registration {
  const vcl::TMetaClass* cls;
  PeerFactory factory;
};

std::vector<Registration>& Registry() {
  static std::vector<Registration> registry;
  return registry;
}

}  // namespace

void RegisterPeer(const vcl::TMetaClass& cls, PeerFactory factory) {
  for (Registration& r : Registry()) {
    if (r.cls == &cls) {
      r.factory = std::move(factory);
      return;
    }
  }
  Registry().push_back({&cls, std::move(factory)});
}

std::unique_ptr<Peer> CreatePeer(QtView& view, vcl::TControl& control) {
  for (const vcl::TMetaClass* c = &control.ClassType(); c; c = c->Parent()) {
    for (const Registration& r : Registry()) {
      if (r.cls == c) return r.factory(view, control);
    }
  }
  return nullptr;
}

void MarkOwnInput(QWidget* widget) { widget->setProperty("pxqOwnInput", true); }
bool HasOwnInput(const QWidget* widget) { return widget->property("pxqOwnInput").toBool(); }

Peer::Peer(QtView& view, vcl::TControl& control) : view_(view), control_(control) {}

Peer::~Peer() {
  if (!widget_) return;
  // The widget may be handling the event that freed the control: it goes after that event.
  widget_->hide();
  widget_->deleteLater();
}

void Peer::SetWidget(QWidget* widget) {
  widget_ = widget;
  widget->setFocusPolicy(Qt::NoFocus);  // the focus follows the model only
  widget->setObjectName(QString::fromStdString(control_.Name()));
}

void Peer::Sync(std::string_view property) {
  if (!widget_) return;
  ++syncing_;
  const bool all = property.empty();
  if (all || property == "Bounds") SyncGeometry();
  if (all || property == "Visible") SyncVisible();
  if (all || property == "Enabled") widget_->setEnabled(control_.Enabled());
  if (all || property == "Font" || property == "Color") {
    widget_->setFont(ToQFont(*control_.Font()));
    SyncColor();
  }
  if (all || property == "Hint") SyncHint();
  if (property != "Bounds" && property != "Visible" && property != "Enabled" &&
      property != "Hint" && property != "ZOrder") {
    SyncContent();
  }
  --syncing_;
}

void Peer::SyncGeometry() {
  widget_->setGeometry(control_.Left(), control_.Top(), control_.Width(), control_.Height());
}

void Peer::SyncHint() {
  // A control shows hints when it says so, or its parent does when it follows its parent.
  const vcl::TControl* c = &control_;
  while (c->ParentShowHint() && c->Parent()) c = c->Parent();
  // "short|long": the tool tip is the short part.
  const std::string& hint = control_.Hint();
  const std::string shortHint = hint.substr(0, hint.find('|'));
  widget_->setToolTip(c->ShowHint() ? Decode(*control_.Font(), shortHint) : QString());
}

void Peer::SyncVisible() { widget_->setVisible(control_.Visible()); }

void Peer::SyncColor() {
  QPalette palette = widget_->palette();
  const QColor text = ToQColor(control_.Font()->Color());
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::Window, ToQColor(control_.Color()));
  widget_->setPalette(palette);
  widget_->setAutoFillBackground(true);
}

bool Peer::Mouse(QMouseEvent& event, QPoint pos) {
  FeedMouse(event, pos);
  return true;
}

void Peer::FeedMouse(const QMouseEvent& event, QPoint pos) {
  const bool left = event.button() == Qt::LeftButton;
  const bool right = event.button() == Qt::RightButton;
  if (!left && !right) return;
  uint32_t msg = 0;
  switch (event.type()) {
    case QEvent::MouseButtonPress:
      msg = left ? vcl::WM_LBUTTONDOWN : vcl::WM_RBUTTONDOWN;
      break;
    case QEvent::MouseButtonRelease:
      msg = left ? vcl::WM_LBUTTONUP : vcl::WM_RBUTTONUP;
      break;
    case QEvent::MouseButtonDblClick:
      if (!left) return;
      msg = vcl::WM_LBUTTONDBLCLK;
      break;
    default:
      return;
  }
  vcl::WPARAM keys = 0;
  if (event.buttons() & Qt::LeftButton) keys |= vcl::MK_LBUTTON;
  if (event.buttons() & Qt::RightButton) keys |= vcl::MK_RBUTTON;
  if (event.modifiers() & Qt::ShiftModifier) keys |= vcl::MK_SHIFT;
  if (event.modifiers() & Qt::ControlModifier) keys |= vcl::MK_CONTROL;
  control_.Perform(msg, keys, vcl::MakeLParam(pos.x(), pos.y()));
}

}  // namespace pxq::qt
