// The Qt view of the UI model.
//
// While a QtView exists, the application object uses Qt: every form that is shown appears as a
// real top-level window with one peer widget per control (see peer.h), modal forms run a real
// modal loop, message boxes are Qt message boxes, and texts are measured with real fonts.
// User input on the windows is fed into the model, which decides; focus follows the model's
// active control. A QApplication must exist first; the program runs its event loop as usual
// (or only modal forms, which run their own).
#pragma once

#include <QObject>
#include <QPoint>
#include <map>
#include <memory>
#include <string>

#include "platform/vcl/application.h"
#include "platform/vcl/form.h"

class QWidget;
class QEvent;

namespace pxq::qt {

class Peer;
class FormPeer;

class QtView : public QObject, public vcl::TModelObserver {
 public:
  QtView();
  ~QtView() override;

  // The window of a shown form (nullptr when the form has none).
  QWidget* WindowOf(const vcl::TCustomForm& form) const;
  Peer* PeerOf(const vcl::TControl& control) const;
  // Renders the form's window into a PNG file; false when the form has no window or the file
  // cannot be written.
  bool SaveScreenshot(const vcl::TCustomForm& form, const std::string& pngFile) const;

  // Called by peers after they fed input into the model: handles the posted messages, then
  // brings the focus and the focused control's widget in line with the model.
  void InputDone();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // vcl::TModelObserver
  void ComponentDestroying(vcl::TComponent& c) override;
  void ParentChanged(vcl::TControl& c, vcl::TWinControl* oldParent) override;
  void PropertyChanged(vcl::TPersistent& object, std::string_view property) override;
  void FormShown(vcl::TCustomForm& form) override;
  void FormHidden(vcl::TCustomForm& form) override;
  void FocusChanged(vcl::TCustomForm& form, vcl::TWinControl* focused) override;

  // Creates the peers of `control` and of everything inside it.
  void Build(vcl::TControl& control);
  // Deletes the peers of `control` and of everything inside it.
  void Remove(vcl::TControl& control);
  // A menu item changed or goes away: every menu bar is rebuilt.
  void MenusChanged();
  FormPeer* FormPeerOf(const vcl::TCustomForm& form) const;
  FormPeer* FormPeerOfWindow(const QWidget* window) const;
  Peer* PeerOfWidget(QWidget* widget) const;
  void SyncFocus(vcl::TCustomForm& form);
  bool FeedKeyEvent(QWidget* receiver, QEvent* event);
  bool FeedMouseEvent(QWidget* receiver, QEvent* event);
  void ShowPopupMenu(vcl::TControl& control, QPoint global);

  std::map<const vcl::TControl*, std::unique_ptr<Peer>> peers_;
  std::unique_ptr<vcl::TApplicationBackend> previousBackend_;
};

}  // namespace pxq::qt
