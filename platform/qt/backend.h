// The application backend of the Qt view: Qt message boxes, real modal loops and text sizes
// measured with real fonts.
#pragma once

#include "platform/vcl/application.h"

namespace pxq::qt {

class QtView;

class QtBackend : public vcl::TApplicationBackend {
 public:
  explicit QtBackend(QtView& view) : view_(view) {}
  vcl::TModalResult ShowMessageBox(const vcl::TMessageBoxRequest& request) override;
  // Runs Qt's event loop until the form's modal session ends (or the form is freed).
  void RunModal(vcl::TCustomForm& form) override;
  vcl::TSize TextExtent(const vcl::TFont& font, std::string_view text) override;

 private:
  QtView& view_;
};

}  // namespace pxq::qt
