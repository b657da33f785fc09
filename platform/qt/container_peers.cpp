// Peers of the containers (panel, group box, page control and tab sheet, tool bar), of the
// other plain controls, and the registration of every standard peer.
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTabBar>

#include "platform/qt/form_peer.h"
#include "platform/qt/text.h"
#include "platform/qt/view.h"
#include "platform/vcl/extctrls.h"
#include "platform/vcl/pagecontrol.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::qt {

void RegisterTextPeers();
void RegisterButtonPeers();
void RegisterListPeers();

namespace {

// A frame that paints a caption (panels show theirs in the middle).
class CaptionFrame : public QFrame {
 public:
  QString caption;
  Qt::Alignment alignment = Qt::AlignCenter;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    if (caption.isEmpty()) return;
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(contentsRect().adjusted(2, 0, -2, 0), static_cast<int>(alignment), caption);
  }
};

// Controls without a look of their own: windowed ones fill their Color, graphic ones are
// transparent.
class PlainPeer : public Peer {
 public:
  PlainPeer(QtView& view, vcl::TControl& control) : Peer(view, control) { SetWidget(new QWidget); }

 protected:
  void SyncColor() override {
    if (dynamic_cast<vcl::TWinControl*>(&Control())) {
      Peer::SyncColor();
    } else {
      Widget()->setAutoFillBackground(false);
    }
  }
};

class PanelPeer : public Peer {
 public:
  PanelPeer(QtView& view, vcl::TPanel& panel) : Peer(view, panel), panel_(panel) {
    frame_ = new CaptionFrame;
    SetWidget(frame_);
  }

 protected:
  void SyncContent() override {
    frame_->caption = ShownCaption(*panel_.Font(), panel_.Caption());
    frame_->alignment =
        Qt::AlignVCenter | (panel_.Alignment() == vcl::taLeftJustify    ? Qt::AlignLeft
                            : panel_.Alignment() == vcl::taRightJustify ? Qt::AlignRight
                                                                        : Qt::AlignHCenter);
    if (panel_.BorderStyle() == vcl::bsSingle) {
      frame_->setFrameStyle(QFrame::Box | QFrame::Plain);
    } else if (panel_.BevelOuter() == vcl::bvNone && panel_.BevelInner() == vcl::bvNone) {
      frame_->setFrameStyle(QFrame::NoFrame);
    } else {
      const vcl::TBevelCut cut =
          panel_.BevelOuter() != vcl::bvNone ? panel_.BevelOuter() : panel_.BevelInner();
      frame_->setFrameStyle(QFrame::Panel |
                            (cut == vcl::bvLowered ? QFrame::Sunken : QFrame::Raised));
      frame_->setLineWidth(panel_.BevelWidth());
    }
    frame_->update();
  }

 private:
  vcl::TPanel& panel_;
  CaptionFrame* frame_;
};

// A group box as the platform draws it: an etched frame whose top line runs through the
// middle of the caption.
class GroupFrame : public QWidget {
 public:
  QString caption;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, top, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (caption.isEmpty()) return;
    const QRect text(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter, caption);
  }
};

class GroupBoxPeer : public Peer {
 public:
  GroupBoxPeer(QtView& view, vcl::TGroupBox& box) : Peer(view, box), box_(box) {
    group_ = new GroupFrame;
    SetWidget(group_);
  }

 protected:
  void SyncContent() override {
    group_->caption = ShownCaption(*box_.Font(), box_.Caption());
    group_->update();
  }

 private:
  vcl::TGroupBox& box_;
  GroupFrame* group_;
};

class BevelPeer : public Peer {
 public:
  BevelPeer(QtView& view, vcl::TBevel& bevel) : Peer(view, bevel), bevel_(bevel) {
    frame_ = new QFrame;
    SetWidget(frame_);
  }

 protected:
  void SyncContent() override {
    const QFrame::Shadow shadow =
        bevel_.Style() == vcl::bsLowered ? QFrame::Sunken : QFrame::Raised;
    switch (bevel_.Shape()) {
      case vcl::bsTopLine:
      case vcl::bsBottomLine:
        frame_->setFrameStyle(QFrame::HLine | shadow);
        break;
      case vcl::bsLeftLine:
      case vcl::bsRightLine:
        frame_->setFrameStyle(QFrame::VLine | shadow);
        break;
      case vcl::bsSpacer:
        frame_->setFrameStyle(QFrame::NoFrame);
        break;
      default:
        frame_->setFrameStyle(QFrame::Panel | shadow);
    }
  }
  void SyncColor() override { frame_->setAutoFillBackground(false); }

 private:
  vcl::TBevel& bevel_;
  QFrame* frame_;
};

class ImagePeer : public Peer {
 public:
  ImagePeer(QtView& view, vcl::TImage& image) : Peer(view, image), image_(image) {
    label_ = new QLabel;
    SetWidget(label_);
  }

 protected:
  void SyncContent() override {
    label_->setPixmap(ToPixmap(image_.Picture(), 1, 0, image_.Transparent()));
    label_->setScaledContents(image_.Stretch());
    label_->setAlignment(image_.Center() ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
  }
  void SyncColor() override { label_->setAutoFillBackground(false); }

 private:
  vcl::TImage& image_;
  QLabel* label_;
};

// The page control: the tabs of the pages whose tab is visible above a frame; the tab sheets
// lie on the frame at their bounds. A tab click asks the model to change the page.
class PageControlPeer : public Peer {
 public:
  static constexpr int kTabHeight = 24;

  PageControlPeer(QtView& view, vcl::TPageControl& pages) : Peer(view, pages), pages_(pages) {
    auto* widget = new QWidget;
    frame_ = new QFrame(widget);
    frame_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    tabs_ = new QTabBar(widget);
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setFocusPolicy(Qt::NoFocus);
    SetWidget(widget);
  }

  bool Mouse(QMouseEvent& event, QPoint pos) override {
    FeedMouse(event, pos);
    if (event.type() == QEvent::MouseButtonPress && event.button() == Qt::LeftButton &&
        tabs_->geometry().contains(pos)) {
      const int tab = tabs_->tabAt(tabs_->mapFrom(Widget(), pos));
      if (vcl::TTabSheet* page = pages_.PageForTab(tab)) pages_.ChangeActivePageByUser(page);
    }
    return true;
  }

 protected:
  void SyncGeometry() override {
    Peer::SyncGeometry();
    tabs_->setGeometry(0, 0, pages_.Width(), kTabHeight);
    frame_->setGeometry(0, kTabHeight - 2, pages_.Width(), std::max(pages_.Height() - 22, 0));
  }
  void SyncContent() override {
    const vcl::TFont& font = *pages_.Font();
    QStringList captions;
    for (int i = 0; i < pages_.PageCount(); ++i) {
      vcl::TTabSheet* page = pages_.Pages(i);
      if (page->TabVisible()) captions << ShownCaption(font, page->Caption());
    }
    QStringList current;
    for (int i = 0; i < tabs_->count(); ++i) current << tabs_->tabText(i);
    if (current != captions) {
      while (tabs_->count() > 0) tabs_->removeTab(0);
      for (const QString& caption : captions) tabs_->addTab(caption);
    }
    tabs_->setFont(ToQFont(font));
    tabs_->setCurrentIndex(pages_.TabIndex());
  }

 private:
  vcl::TPageControl& pages_;
  QTabBar* tabs_;
  QFrame* frame_;
};

// A tab sheet tells its page control when its caption or tab visibility changes.
class TabSheetPeer : public PlainPeer {
 public:
  TabSheetPeer(QtView& view, vcl::TTabSheet& sheet) : PlainPeer(view, sheet), sheet_(sheet) {}

 protected:
  void SyncContent() override {
    if (vcl::TPageControl* pages = sheet_.PageControl()) {
      if (Peer* peer = View().PeerOf(*pages)) peer->Sync("Tabs");
    }
  }

 private:
  vcl::TTabSheet& sheet_;
};

}  // namespace

void RegisterStandardPeers() {
  static const bool registered = [] {
    RegisterPeer(vcl::TControl::StaticClass(), [](QtView& view, vcl::TControl& control) {
      return std::unique_ptr<Peer>(new PlainPeer(view, control));
    });
    RegisterPeer<vcl::TCustomForm, FormPeer>();
    RegisterPeer<vcl::TPanel, PanelPeer>();
    RegisterPeer<vcl::TGroupBox, GroupBoxPeer>();
    RegisterPeer<vcl::TBevel, BevelPeer>();
    RegisterPeer<vcl::TImage, ImagePeer>();
    RegisterPeer<vcl::TPageControl, PageControlPeer>();
    RegisterPeer<vcl::TTabSheet, TabSheetPeer>();
    RegisterTextPeers();
    RegisterButtonPeers();
    RegisterListPeers();
    return true;
  }();
  (void)registered;
}

}  // namespace pxq::qt
