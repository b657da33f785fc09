// The peer of a form: a top-level window with the form's menu bar above its client area.
#pragma once

#include <QWidget>

#include "platform/qt/peer.h"
#include "platform/vcl/form.h"
#include "platform/vcl/menus.h"

class QMenuBar;
class QMenu;

namespace pxq::qt {

class FormPeer : public Peer {
 public:
  FormPeer(QtView& view, vcl::TCustomForm& form);
  ~FormPeer() override;

  vcl::TCustomForm& Form() const { return form_; }
  QWidget* ChildHost() const override { return client_; }
  // Shows the window (modal when the form is) and hides it.
  void ShowWindow();
  void HideWindow();
  // A menu item of the form changed or goes away: the menu bar is emptied now and rebuilt
  // after the current event.
  void MenuChanged();
  // Clicks on the menu bar stay with Qt; the rest goes to the form in client coordinates.
  bool Mouse(QMouseEvent& event, QPoint pos) override;

 protected:
  void SyncContent() override;
  void SyncGeometry() override;
  // The window comes and goes with the form's show and hide notifications.
  void SyncVisible() override {}

 private:
  void RebuildMenu();
  int MenuHeight() const;

  vcl::TCustomForm& form_;
  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  const vcl::TMainMenu* builtMenu_ = nullptr;  // the menu the bar was built from
  bool menuPending_ = false;
  QObject menuContext_;  // a pending rebuild goes with the peer
};

// Fills `menu` with the sub-items of `root`; choosing an item clicks it in the model.
void FillMenu(QtView& view, QMenu& menu, vcl::TMenuItem& root, const vcl::TFont& font);

// The standard peers, registered by the view.
void RegisterStandardPeers();

}  // namespace pxq::qt
