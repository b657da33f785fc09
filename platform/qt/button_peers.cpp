// Peers of the buttons: push and bitmap buttons, speed buttons, check boxes, radio buttons,
// and the tool bar's buttons.
#include <QCheckBox>
#include <QIcon>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "platform/qt/form_peer.h"
#include "platform/qt/text.h"
#include "platform/vcl/buttons.h"
#include "platform/vcl/extctrls.h"
#include "platform/vcl/toolbar.h"

namespace pxq::qt {

namespace {

// A glyph of NumGlyphs frames: the first for the normal state, the second (when there is one)
// for the disabled state.
QIcon GlyphIcon(const vcl::TBitmap& glyph, int frames) {
  QIcon icon;
  if (glyph.Empty()) return icon;
  icon.addPixmap(ToPixmap(glyph, frames, 0), QIcon::Normal);
  if (frames >= 2) icon.addPixmap(ToPixmap(glyph, frames, 1), QIcon::Disabled);
  return icon;
}

// Buttons keep the style's face; only the text takes the font's colour. A press shows the
// button down; the press and the release go to the model, which clicks.
template <class W>
class ButtonPeerBase : public Peer {
 public:
  ButtonPeerBase(QtView& view, vcl::TControl& control) : Peer(view, control) {
    button_ = new W;
    SetWidget(button_);
  }
  bool Mouse(QMouseEvent& event, QPoint pos) override {
    if (event.button() == Qt::LeftButton) {
      if (event.type() == QEvent::MouseButtonPress) button_->setDown(true);
      if (event.type() == QEvent::MouseButtonRelease) button_->setDown(false);
    }
    FeedMouse(event, pos);
    return true;
  }

 protected:
  void SyncColor() override {
    QPalette palette = button_->palette();
    palette.setColor(QPalette::ButtonText, ToQColor(Control().Font()->Color()));
    palette.setColor(QPalette::WindowText, ToQColor(Control().Font()->Color()));
    button_->setPalette(palette);
  }
  QString Caption() const { return Decode(*Control().Font(), Control().Caption()); }

  W* button_;
};

class ButtonPeer : public ButtonPeerBase<QPushButton> {
 public:
  ButtonPeer(QtView& view, vcl::TButton& button) : ButtonPeerBase(view, button), model_(button) {}

 protected:
  void SyncContent() override {
    button_->setText(Caption());
    button_->setDefault(model_.Default());
    if (auto* bit = dynamic_cast<vcl::TBitBtn*>(&model_)) {
      button_->setIcon(GlyphIcon(bit->Glyph(), bit->NumGlyphs()));
      if (!bit->Glyph().Empty()) {
        button_->setIconSize(
            QSize(bit->Glyph().Width() / std::max(bit->NumGlyphs(), 1), bit->Glyph().Height()));
      }
    }
  }

 private:
  vcl::TButton& model_;
};

class SpeedButtonPeer : public ButtonPeerBase<QToolButton> {
 public:
  SpeedButtonPeer(QtView& view, vcl::TSpeedButton& button)
      : ButtonPeerBase(view, button), model_(button) {}

 protected:
  void SyncContent() override {
    button_->setText(Caption());
    button_->setAutoRaise(model_.Flat());
    button_->setCheckable(model_.GroupIndex() != 0);
    button_->setChecked(model_.Down());
    const QIcon icon = GlyphIcon(model_.Glyph(), model_.NumGlyphs());
    button_->setIcon(icon);
    if (!model_.Glyph().Empty()) {
      button_->setIconSize(
          QSize(model_.Glyph().Width() / std::max(model_.NumGlyphs(), 1), model_.Glyph().Height()));
    }
    const bool text = !model_.Caption().empty();
    button_->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly
                                : text        ? Qt::ToolButtonTextBesideIcon
                                              : Qt::ToolButtonIconOnly);
  }

 private:
  vcl::TSpeedButton& model_;
};

class CheckBoxPeer : public ButtonPeerBase<QCheckBox> {
 public:
  CheckBoxPeer(QtView& view, vcl::TCheckBox& box) : ButtonPeerBase(view, box), model_(box) {}

 protected:
  void SyncContent() override {
    button_->setText(Caption());
    button_->setTristate(model_.AllowGrayed() || model_.State() == vcl::cbGrayed);
    button_->setCheckState(model_.State() == vcl::cbChecked  ? Qt::Checked
                           : model_.State() == vcl::cbGrayed ? Qt::PartiallyChecked
                                                             : Qt::Unchecked);
    button_->setLayoutDirection(model_.Alignment() == vcl::lrLeftJustify ? Qt::RightToLeft
                                                                         : Qt::LeftToRight);
  }

 private:
  vcl::TCheckBox& model_;
};

class RadioButtonPeer : public ButtonPeerBase<QRadioButton> {
 public:
  RadioButtonPeer(QtView& view, vcl::TRadioButton& radio)
      : ButtonPeerBase(view, radio), model_(radio) {
    button_->setAutoExclusive(false);  // the model unchecks the others
  }

 protected:
  void SyncContent() override {
    button_->setText(Caption());
    button_->setChecked(model_.Checked());
    button_->setLayoutDirection(model_.Alignment() == vcl::lrLeftJustify ? Qt::RightToLeft
                                                                         : Qt::LeftToRight);
  }

 private:
  vcl::TRadioButton& model_;
};

class ToolButtonPeer : public ButtonPeerBase<QToolButton> {
 public:
  ToolButtonPeer(QtView& view, vcl::TToolButton& button)
      : ButtonPeerBase(view, button), model_(button) {}

 protected:
  void SyncContent() override {
    const vcl::TToolBar* bar = model_.ToolBar();
    const bool separator = model_.Style() == vcl::tbsSeparator || model_.Style() == vcl::tbsDivider;
    QIcon icon;
    if (auto* images = bar ? dynamic_cast<vcl::TCustomImageList*>(bar->Images()) : nullptr) {
      vcl::TBitmap image;
      if (!separator && images->Images().GetBitmap(model_.ImageIndex(), image)) {
        icon = QIcon(ToPixmap(image));
      }
    }
    button_->setIcon(icon);
    const bool captions = bar && bar->ShowCaptions() && !separator;
    button_->setText(captions ? Caption() : QString());
    button_->setToolButtonStyle(!captions     ? Qt::ToolButtonIconOnly
                                : bar->List() ? Qt::ToolButtonTextBesideIcon
                                              : Qt::ToolButtonTextUnderIcon);
    button_->setAutoRaise(separator || (bar && bar->Flat()));
    button_->setCheckable(model_.Style() == vcl::tbsCheck);
    button_->setChecked(model_.Down());
    if (separator) button_->setEnabled(false);
  }

 private:
  vcl::TToolButton& model_;
};

}  // namespace

void RegisterButtonPeers() {
  RegisterPeer<vcl::TButton, ButtonPeer>();
  RegisterPeer<vcl::TSpeedButton, SpeedButtonPeer>();
  RegisterPeer<vcl::TCheckBox, CheckBoxPeer>();
  RegisterPeer<vcl::TRadioButton, RadioButtonPeer>();
  RegisterPeer<vcl::TToolButton, ToolButtonPeer>();
}

}  // namespace pxq::qt
