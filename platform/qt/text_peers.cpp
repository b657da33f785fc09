// Peers of the text controls: label, edit, masked edit, memo and spin edit.
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolButton>

#include "platform/qt/form_peer.h"
#include "platform/qt/text.h"
#include "platform/qt/view.h"
#include "platform/vcl/spin.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::qt {

namespace {

// Text controls paint their Color as the background of the text.
void SetTextColors(QWidget& widget, const vcl::TControl& control) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, ToQColor(control.Color()));
  palette.setColor(QPalette::Text, ToQColor(control.Font()->Color()));
  widget.setPalette(palette);
}

class LabelPeer : public Peer {
 public:
  LabelPeer(QtView& view, vcl::TLabel& label) : Peer(view, label), label_(label) {
    widget_ = new QLabel;
    SetWidget(widget_);
  }

 protected:
  void SyncContent() override {
    const vcl::TFont& font = *label_.Font();
    widget_->setText(label_.ShowAccelChar() ? ShownCaption(font, label_.Caption())
                                            : Decode(font, label_.Caption()));
    widget_->setTextFormat(Qt::PlainText);
    widget_->setWordWrap(label_.WordWrap());
    Qt::Alignment align = label_.Alignment() == vcl::taRightJustify ? Qt::AlignRight
                          : label_.Alignment() == vcl::taCenter     ? Qt::AlignHCenter
                                                                    : Qt::AlignLeft;
    align |= label_.Layout() == vcl::tlCenter   ? Qt::AlignVCenter
             : label_.Layout() == vcl::tlBottom ? Qt::AlignBottom
                                                : Qt::AlignTop;
    widget_->setAlignment(align);
  }
  void SyncColor() override {
    Peer::SyncColor();
    widget_->setAutoFillBackground(!label_.Transparent());
  }

 private:
  vcl::TLabel& label_;
  QLabel* widget_;
};

// One-line edits (plain, masked, spin): the line shows the model's edit text and caret; typing
// reaches the model as key and character messages, a click places the caret in both.
class EditPeer : public Peer {
 public:
  EditPeer(QtView& view, vcl::TCustomEdit& edit) : Peer(view, edit), edit_(edit) {
    line_ = new QLineEdit;
    SetWidget(line_);
    QObject::connect(line_, &QLineEdit::selectionChanged, line_, [this] { CaretMoved(); });
    QObject::connect(line_, &QLineEdit::cursorPositionChanged, line_, [this] { CaretMoved(); });
  }

  bool Mouse(QMouseEvent& event, QPoint pos) override {
    FeedMouse(event, pos);
    // The line places the caret (or selects) once the model gave the edit the focus.
    return !edit_.Focused();
  }
  void AfterInput() override { SyncCaret(); }

 protected:
  void SyncContent() override {
    const QString text = Decode(*edit_.Font(), edit_.Caption());
    if (line_->text() != text) line_->setText(text);
    line_->setReadOnly(edit_.ReadOnly());
    line_->setEchoMode(edit_.PasswordChar() ? QLineEdit::Password : QLineEdit::Normal);
    SyncCaret();
  }
  void SyncColor() override { SetTextColors(*line_, edit_); }

  QLineEdit* line_;

 private:
  void SyncCaret() {
    if (!line_ || !edit_.Focused()) return;
    ++quiet_;
    const vcl::TFont& font = *edit_.Font();
    const std::string text = edit_.Caption();
    const int start = CharIndex(font, text, edit_.SelStart());
    const int end = CharIndex(font, text, edit_.SelStart() + edit_.SelLength());
    if (end > start) {
      line_->setSelection(start, end - start);
    } else {
      line_->setCursorPosition(start);
    }
    --quiet_;
  }
  // The user moved the caret or selection with the mouse: the model follows.
  void CaretMoved() {
    if (quiet_ || Syncing() || !edit_.Focused()) return;
    const vcl::TFont& font = *edit_.Font();
    const std::string text = edit_.Caption();
    int start = line_->cursorPosition();
    int length = 0;
    if (line_->hasSelectedText()) {
      start = line_->selectionStart();
      length = static_cast<int>(line_->selectedText().size());
    }
    const int from = ByteOffset(font, text, start);
    edit_.SetSelStart(from);
    edit_.SetSelLength(ByteOffset(font, text, start + length) - from);
  }

  vcl::TCustomEdit& edit_;
  int quiet_ = 0;
};

// The spin edit: the edit with up and down buttons at its right end.
class SpinEditPeer : public EditPeer {
 public:
  SpinEditPeer(QtView& view, vcl::TSpinEdit& spin) : EditPeer(view, spin), spin_(spin) {
    up_ = new QToolButton(line_);
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(line_);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) b->setFocusPolicy(Qt::NoFocus);
  }

  bool Mouse(QMouseEvent& event, QPoint pos) override {
    const bool up = up_->geometry().contains(pos);
    if (!up && !down_->geometry().contains(pos)) return EditPeer::Mouse(event, pos);
    if (event.type() == QEvent::MouseButtonPress && event.button() == Qt::LeftButton &&
        spin_.Enabled()) {
      if (spin_.CanFocus() && !spin_.Focused()) spin_.SetFocus();
      if (up) {
        spin_.StepUp();
      } else {
        spin_.StepDown();
      }
    }
    return true;
  }

 protected:
  void SyncGeometry() override {
    EditPeer::SyncGeometry();
    const int h = std::max(spin_.Height() - 4, 4);
    const int w = std::min(16, std::max(spin_.Width() / 3, 1));
    up_->setGeometry(spin_.Width() - w - 2, 2, w, h / 2);
    down_->setGeometry(spin_.Width() - w - 2, 2 + h / 2, w, h - h / 2);
    line_->setTextMargins(0, 0, w + 2, 0);
  }

 private:
  vcl::TSpinEdit& spin_;
  QToolButton* up_;
  QToolButton* down_;
};

// The memo shows its lines; the model keeps the text and the caret.
class MemoPeer : public Peer {
 public:
  MemoPeer(QtView& view, vcl::TMemo& memo) : Peer(view, memo), memo_(memo) {
    edit_ = new QPlainTextEdit;
    SetWidget(edit_);
  }
  bool Mouse(QMouseEvent& event, QPoint pos) override {
    FeedMouse(event, pos);
    return true;
  }
  void AfterInput() override { SyncCaret(); }

 protected:
  void SyncContent() override {
    const QString text = Shown(memo_.Caption());
    if (edit_->toPlainText() != text) edit_->setPlainText(text);
    edit_->setReadOnly(memo_.ReadOnly());
    edit_->setLineWrapMode(memo_.WordWrap() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    SyncCaret();
  }
  void SyncColor() override { SetTextColors(*edit_, memo_); }

 private:
  QString Shown(std::string_view bytes) const {
    QString text = Decode(*memo_.Font(), bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
  }
  void SyncCaret() {
    if (!memo_.Focused()) return;
    const std::string text = memo_.Caption();
    const auto at = [&](int offset) {
      const size_t n = std::min(text.size(), static_cast<size_t>(std::max(offset, 0)));
      return static_cast<int>(Shown(std::string_view(text).substr(0, n)).size());
    };
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(at(memo_.SelStart()));
    cursor.setPosition(at(memo_.SelStart() + memo_.SelLength()), QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
  }

  vcl::TMemo& memo_;
  QPlainTextEdit* edit_;
};

}  // namespace

void RegisterTextPeers() {
  RegisterPeer<vcl::TLabel, LabelPeer>();
  RegisterPeer<vcl::TCustomEdit, EditPeer>();
  RegisterPeer<vcl::TSpinEdit, SpinEditPeer>();
  RegisterPeer<vcl::TMemo, MemoPeer>();
}

}  // namespace pxq::qt
