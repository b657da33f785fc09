#include "platform/qt/control_peers.h"

#include <QPainter>

#include "lib/controls/bit_check_box.h"
#include "platform/qt/peer.h"
#include "platform/qt/text.h"

namespace pxq::qt {

namespace {

QRect ToQRect(const vcl::TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// Paints what the bit check box says it looks like: background, picture frame, caption and
// focus rectangle.
class BitCheckBoxWidget : public QWidget {
 public:
  explicit BitCheckBoxWidget(vcl::TBitCheckBox& box) : box_(&box) {}
  void Detach() { box_ = nullptr; }

 protected:
  // Qt's focus follows the model's, so these show the focus rectangle coming and going.
  void focusInEvent(QFocusEvent*) override { update(); }
  void focusOutEvent(QFocusEvent*) override { update(); }
  void paintEvent(QPaintEvent*) override {
    if (!box_) return;
    const vcl::TBitCheckBoxPaint p = box_->PaintLayout();
    QPainter painter(this);
    painter.fillRect(ToQRect(p.Client), ToQColor(p.Background));
    if (p.Picture && !p.Picture->Empty() && p.FrameWidth > 0) {
      const int frames = std::max(p.Picture->Width() / p.FrameWidth, 1);
      painter.drawPixmap(p.PictureAt.X, p.PictureAt.Y, ToPixmap(*p.Picture, frames, p.Frame));
    }
    const vcl::TFont& font = *box_->Font();
    painter.setFont(ToQFont(font));
    const QString caption = Decode(font, p.Caption);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    const QRect text = ToQRect(p.TextRect);
    if (p.ShadowText) {
      painter.setPen(ToQColor(vcl::clBtnHighlight));
      painter.drawText(text.translated(1, 1), flags, caption);
    }
    painter.setPen(ToQColor(p.TextColor));
    painter.drawText(text, flags, caption);
    if (p.FocusRect) {
      painter.setPen(QPen(ToQColor(p.TextColor), 1, Qt::DotLine));
      painter.drawRect(ToQRect(*p.FocusRect).adjusted(0, 0, -1, -1));
    }
  }

 private:
  vcl::TBitCheckBox* box_;
};

class BitCheckBoxPeer : public Peer {
 public:
  BitCheckBoxPeer(QtView& view, vcl::TBitCheckBox& box) : Peer(view, box) {
    widget_ = new BitCheckBoxWidget(box);
    SetWidget(widget_);
  }
  ~BitCheckBoxPeer() override { widget_->Detach(); }

 protected:
  void SyncContent() override { widget_->update(); }
  void SyncColor() override { widget_->update(); }

 private:
  BitCheckBoxWidget* widget_;
};

}  // namespace

void RegisterControlPeers() { RegisterPeer<vcl::TBitCheckBox, BitCheckBoxPeer>(); }

}  // namespace pxq::qt
