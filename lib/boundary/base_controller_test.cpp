#include "lib/boundary/base_controller.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace pxq::boundary {
namespace {

// The vtable slot of a virtual member function in the Itanium C++ ABI (used by g++ and clang on
// Linux): its member pointer holds 1 + the slot's byte offset in the vtable.
template <typename Pmf>
std::ptrdiff_t Slot(Pmf pmf) {
  struct {
    std::uintptr_t ptr;
    std::ptrdiff_t adj;
  } raw;
  static_assert(sizeof(raw) == sizeof(pmf));
  std::memcpy(&raw, &pmf, sizeof raw);
  return static_cast<std::ptrdiff_t>(raw.ptr - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
}

// Hosts built against an earlier copy of the declaration find each operation in its slot.
TEST(BaseController, OperationsKeepTheirSlots) {
  using C = TDLLBaseController;
  const std::ptrdiff_t slots[] = {
      Slot(&C::GetVersion),  Slot(&C::GetVisible),      Slot(&C::SetVisible),  Slot(&C::GetHandle),
      Slot(&C::Initialize),  Slot(&C::ApplyConditions), Slot(&C::HostCommand), Slot(&C::ShowModal),
      Slot(&C::CloseDialog), Slot(&C::GetResult),       Slot(&C::IsEmpty),     Slot(&C::DoCreated),
      Slot(&C::DoShow),      Slot(&C::DoHide),          Slot(&C::DoDestroy),   Slot(&C::DoOther),
      Slot(&C::DoNotify),    Slot(&C::Reserved),
  };
  for (std::ptrdiff_t i = 0; i < 18; ++i) EXPECT_EQ(slots[i], i);
}

// A pointer to a data member holds the member's byte offset in the same ABI.
template <typename Pdm>
std::ptrdiff_t Offset(Pdm pdm) {
  std::ptrdiff_t offset;
  static_assert(sizeof(offset) == sizeof(pdm));
  std::memcpy(&offset, &pdm, sizeof offset);
  return offset;
}

TEST(BaseController, DataMembersFollowTheTablePointerInOrder) {
  using C = TDLLBaseController;
  EXPECT_EQ(Offset(&C::HostApp), static_cast<std::ptrdiff_t>(sizeof(void*)));
  EXPECT_LT(Offset(&C::HostApp), Offset(&C::ResultCode));
  EXPECT_LT(Offset(&C::ResultCode), Offset(&C::ResultData));
  EXPECT_LT(Offset(&C::ResultData), Offset(&C::OnNotify));
}

}  // namespace
}  // namespace pxq::boundary
