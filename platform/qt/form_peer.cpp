#include "platform/qt/form_peer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include "platform/qt/text.h"
#include "platform/qt/view.h"

namespace pxq::qt {

namespace {

// The form's window: closing it asks the model to close the form, which decides.
class FormWindow : public QWidget {
 public:
  FormWindow(QtView& view, vcl::HWND form) : view_(view), form_(form) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (vcl::TWinControl* form = vcl::FindControl(form_)) {
      form->Perform(vcl::WM_CLOSE);
      view_.InputDone();
    }
  }

 private:
  QtView& view_;
  vcl::HWND form_;
};

}  // namespace

void FillMenu(QtView& view, QMenu& menu, vcl::TMenuItem& root, const vcl::TFont& font) {
  menu.setFont(ToQFont(font));
  for (int i = 0; i < root.Count(); ++i) {
    vcl::TMenuItem* item = root.Items(i);
    if (!item->Visible()) continue;
    if (item->Caption() == "-") {
      menu.addSeparator();
      continue;
    }
    const QString caption = Decode(font, item->Caption());
    if (item->Count() > 0) {
      QMenu* sub = menu.addMenu(caption);
      sub->setEnabled(item->Enabled());
      FillMenu(view, *sub, *item, font);
      continue;
    }
    QAction* action = menu.addAction(caption);
    action->setEnabled(item->Enabled());
    action->setCheckable(item->Checked() || item->RadioItem() || item->AutoCheck());
    action->setChecked(item->Checked());
    // Menus are emptied as soon as an item changes or goes away, so `item` is alive here.
    QObject::connect(action, &QAction::triggered, &menu, [&view, item] {
      item->Click();
      view.InputDone();
    });
  }
}

FormPeer::FormPeer(QtView& view, vcl::TCustomForm& form) : Peer(view, form), form_(form) {
  auto* window = new FormWindow(view, form.Handle());
  client_ = new QWidget(window);
  client_->setFocusPolicy(Qt::NoFocus);
  SetWidget(window);
  window->setAttribute(Qt::WA_InputMethodEnabled);
}

FormPeer::~FormPeer() {
  if (menuBar_) menuBar_->clear();
}

void FormPeer::ShowWindow() {
  QWidget* window = Widget();
  if (!window) return;
  Sync({});
  window->setWindowModality(form_.FormState().Contains(vcl::fsModal) ? Qt::ApplicationModal
                                                                     : Qt::NonModal);
  if (form_.Position() != vcl::poDesigned) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect frame = window->geometry();
      frame.moveCenter(screen->availableGeometry().center());
      window->move(frame.topLeft());
    }
  }
  switch (form_.WindowState()) {
    case vcl::wsMaximized:
      window->showMaximized();
      break;
    case vcl::wsMinimized:
      window->showMinimized();
      break;
    default:
      window->show();
  }
  window->raise();
  window->activateWindow();
}

void FormPeer::HideWindow() {
  if (QWidget* window = Widget()) window->hide();
}

bool FormPeer::Mouse(QMouseEvent& event, QPoint pos) {
  const int menu = MenuHeight();
  if (pos.y() < menu) return false;
  FeedMouse(event, pos - QPoint(0, menu));
  return true;
}

int FormPeer::MenuHeight() const {
  return menuBar_ && !menuBar_->isHidden() ? menuBar_->sizeHint().height() : 0;
}

void FormPeer::SyncGeometry() {
  QWidget* window = Widget();
  const int menu = MenuHeight();
  const QSize size(form_.Width(), form_.Height() + menu);
  if (form_.BorderStyle() == vcl::bsSizeable || form_.BorderStyle() == vcl::bsSizeToolWin) {
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->resize(size);
  } else {
    window->setFixedSize(size);
  }
  if (form_.Position() == vcl::poDesigned) window->move(form_.Left(), form_.Top());
  if (menuBar_) menuBar_->setGeometry(0, 0, form_.Width(), menu);
  client_->setGeometry(0, menu, form_.Width(), form_.Height());
}

void FormPeer::SyncContent() {
  Widget()->setWindowTitle(Decode(*form_.Font(), form_.Caption()));
  if (form_.Menu() != builtMenu_) RebuildMenu();
}

void FormPeer::MenuChanged() {
  if (menuBar_) menuBar_->clear();
  if (menuPending_) return;
  menuPending_ = true;
  QTimer::singleShot(0, &menuContext_, [this] {
    menuPending_ = false;
    RebuildMenu();
  });
}

void FormPeer::RebuildMenu() {
  vcl::TMainMenu* menu = form_.Menu();
  builtMenu_ = menu;
  if (!menu && !menuBar_) return;
  if (!menuBar_) menuBar_ = new QMenuBar(Widget());
  menuBar_->clear();
  menuBar_->setFont(ToQFont(*form_.Font()));
  if (menu) {
    vcl::TMenuItem& root = *menu->Items();
    for (int i = 0; i < root.Count(); ++i) {
      vcl::TMenuItem* item = root.Items(i);
      if (!item->Visible()) continue;
      QMenu* sub = menuBar_->addMenu(Decode(*form_.Font(), item->Caption()));
      sub->setEnabled(item->Enabled());
      FillMenu(View(), *sub, *item, *form_.Font());
    }
  }
  menuBar_->setVisible(menu != nullptr);
  SyncGeometry();
}

}  // namespace pxq::qt
