// Test helper: a fresh headless backend and an empty message queue for one test.
#pragma once

#include <memory>

#include "platform/vcl/application.h"

namespace pxq::vcl::testing {

class HeadlessApp {
 public:
  HeadlessApp() {
    auto backend = std::make_unique<THeadlessBackend>();
    backend_ = backend.get();
    old_ = Application().SetBackend(std::move(backend));
    Application().ClearMessages();
  }
  ~HeadlessApp() {
    Application().ClearMessages();
    Application().SetBackend(std::move(old_));
  }
  HeadlessApp(const HeadlessApp&) = delete;
  HeadlessApp& operator=(const HeadlessApp&) = delete;
  THeadlessBackend& operator*() { return *backend_; }
  THeadlessBackend* operator->() { return backend_; }

 private:
  THeadlessBackend* backend_;
  std::unique_ptr<TApplicationBackend> old_;
};

}  // namespace pxq::vcl::testing
