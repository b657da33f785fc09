#include "platform/qt/backend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

#include "platform/qt/text.h"
#include "platform/qt/view.h"
#include "platform/vcl/form.h"

namespace pxq::qt {

namespace {

struct ButtonInfo {
  vcl::TMsgDlgBtn button;
  QMessageBox::StandardButton standard;
  vcl::TModalResult result;
};

// The buttons of a message box in the order they are offered.
constexpr ButtonInfo kButtons[] = {
    {vcl::mbYes, QMessageBox::Yes, vcl::mrYes},
    {vcl::mbNo, QMessageBox::No, vcl::mrNo},
    {vcl::mbOK, QMessageBox::Ok, vcl::mrOk},
    {vcl::mbCancel, QMessageBox::Cancel, vcl::mrCancel},
    {vcl::mbAbort, QMessageBox::Abort, vcl::mrAbort},
    {vcl::mbRetry, QMessageBox::Retry, vcl::mrRetry},
    {vcl::mbIgnore, QMessageBox::Ignore, vcl::mrIgnore},
    {vcl::mbAll, QMessageBox::YesToAll, vcl::mrAll},
    {vcl::mbNoToAll, QMessageBox::NoToAll, vcl::mrNoToAll},
    {vcl::mbYesToAll, QMessageBox::YesToAll, vcl::mrYesToAll},
};

QMessageBox::Icon IconOf(vcl::TMsgDlgType type) {
  switch (type) {
    case vcl::mtWarning:
      return QMessageBox::Warning;
    case vcl::mtError:
      return QMessageBox::Critical;
    case vcl::mtInformation:
      return QMessageBox::Information;
    case vcl::mtConfirmation:
      return QMessageBox::Question;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

vcl::TModalResult QtBackend::ShowMessageBox(const vcl::TMessageBoxRequest& request) {
  // The box speaks in the font of the active form (its character set decodes the texts).
  vcl::TFont font;
  QWidget* parent = nullptr;
  if (vcl::TCustomForm* form = vcl::Application().ActiveForm()) {
    font.Assign(*form->Font());
    parent = view_.WindowOf(*form);
  }
  // A font named by the request (the dialog's display font) wins over the form's.
  if (!request.FontName.empty()) {
    font.SetName(request.FontName);
    font.SetCharset(request.FontCharset);
  }
  QMessageBox box(IconOf(request.Type), Decode(font, request.Caption), Decode(font, request.Text),
                  QMessageBox::NoButton, parent);
  box.setFont(ToQFont(font));
  std::vector<std::pair<QAbstractButton*, vcl::TModalResult>> results;
  QAbstractButton* escape = nullptr;
  for (const ButtonInfo& b : kButtons) {
    if (!request.Buttons.Contains(b.button)) continue;
    QAbstractButton* button = nullptr;
    const auto caption = request.ButtonCaptions.find(b.button);
    const bool localised = caption != request.ButtonCaptions.end();
    if (b.button == vcl::mbAll) {
      // "All" has no standard button of its own.
      button = box.addButton(localised ? Decode(font, caption->second) : QStringLiteral("All"),
                             QMessageBox::AcceptRole);
    } else {
      button = box.addButton(b.standard);
      if (localised) button->setText(Decode(font, caption->second));
    }
    results.emplace_back(button, b.result);
    if (b.result == request.DefaultResult) {
      if (auto* push = qobject_cast<QPushButton*>(button)) box.setDefaultButton(push);
    }
    if (b.result == vcl::mrCancel || (!escape && b.result == vcl::mrNo)) escape = button;
  }
  if (results.empty()) results.emplace_back(box.addButton(QMessageBox::Ok), vcl::mrOk);
  if (!escape && results.size() == 1) escape = results.front().first;
  if (escape) box.setEscapeButton(escape);
  box.exec();
  for (const auto& [button, result] : results) {
    if (box.clickedButton() == button) return result;
  }
  return vcl::mrCancel;
}

void QtBackend::RunModal(vcl::TCustomForm& form) {
  const vcl::HWND handle = form.Handle();
  auto alive = [&] { return vcl::Application().FindControl(handle) == &form; };
  for (;;) {
    vcl::Application().ProcessMessages();
    if (!alive() || form.ModalDone()) return;
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

vcl::TSize QtBackend::TextExtent(const vcl::TFont& font, std::string_view text) {
  const QFontMetrics metrics(ToQFont(font));
  return {metrics.horizontalAdvance(Decode(font, text)), metrics.height()};
}

}  // namespace pxq::qt
