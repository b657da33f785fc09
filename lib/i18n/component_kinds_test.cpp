// Kinds recognised by class name: small stand-ins named like the classes of control packs that
// have no counterpart here show that the converter and the reader treat them as they should.
#include "lib/i18n/component_kinds.h"

#include <gtest/gtest.h>

#include <memory>

#include "lib/i18n/code_converter.h"
#include "lib/i18n/lang_reader.h"
#include "lib/i18n/test_support.h"
#include "platform/os/codepage.h"
#include "platform/vcl/form.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::i18n {
namespace {

class TTabSet : public vcl::TCustomControl {
  PXQ_CLASS(TTabSet)
 public:
  using vcl::TCustomControl::TCustomControl;
  vcl::TStrings* Tabs() const { return tabs_.get(); }
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int i) { tabIndex_ = i < tabs_->Count() ? i : -1; }

 private:
  std::unique_ptr<vcl::TStringList> tabs_ = std::make_unique<vcl::TStringList>();
  int tabIndex_ = -1;
};
PXQ_REGISTER_CLASS(TTabSet, vcl::TCustomControl)
void TTabSet::DefineClass(vcl::TClassBuilder<TTabSet>& c) {
  c.Strings("Tabs", &TTabSet::Tabs);
  c.Int("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex);
}

class TDBNavigator : public vcl::TCustomControl {
  PXQ_CLASS(TDBNavigator)
 public:
  using vcl::TCustomControl::TCustomControl;
  vcl::TStrings* Hints() const { return hints_.get(); }

 private:
  std::unique_ptr<vcl::TStringList> hints_ = std::make_unique<vcl::TStringList>();
};
PXQ_REGISTER_CLASS(TDBNavigator, vcl::TCustomControl)
void TDBNavigator::DefineClass(vcl::TClassBuilder<TDBNavigator>& c) {
  c.Strings("Hints", &TDBNavigator::Hints);
}

class TStatusPanel : public vcl::TCollectionItem {
  PXQ_CLASS(TStatusPanel)
 public:
  using vcl::TCollectionItem::TCollectionItem;
  std::string Text;
};
PXQ_REGISTER_CLASS(TStatusPanel, vcl::TCollectionItem)
void TStatusPanel::DefineClass(vcl::TClassBuilder<TStatusPanel>& c) {
  c.Str(
      "Text", [](const TStatusPanel& p) { return p.Text; },
      [](TStatusPanel& p, const std::string& t) { p.Text = t; });
}
class TStatusPanels : public vcl::TOwnedCollection<TStatusPanel> {
  PXQ_CLASS(TStatusPanels)
};
PXQ_REGISTER_CLASS(TStatusPanels, vcl::TCollection)
void TStatusPanels::DefineClass(vcl::TClassBuilder<TStatusPanels>&) {}

class TStatusBar : public vcl::TCustomControl {
  PXQ_CLASS(TStatusBar)
 public:
  using vcl::TCustomControl::TCustomControl;
  TStatusPanels* Panels() const { return panels_.get(); }

 private:
  std::unique_ptr<TStatusPanels> panels_ = std::make_unique<TStatusPanels>();
};
PXQ_REGISTER_CLASS(TStatusBar, vcl::TCustomControl)
void TStatusBar::DefineClass(vcl::TClassBuilder<TStatusBar>& c) {
  c.Object<TStatusPanels>("Panels", &TStatusBar::Panels);
}

// Tree nodes reached by index, each with a Text.
class TTreeNode : public vcl::TPersistent {
  PXQ_CLASS(TTreeNode)
 public:
  std::string Text;
};
PXQ_REGISTER_CLASS(TTreeNode, vcl::TPersistent)
void TTreeNode::DefineClass(vcl::TClassBuilder<TTreeNode>& c) {
  c.Str(
      "Text", [](const TTreeNode& n) { return n.Text; },
      [](TTreeNode& n, const std::string& t) { n.Text = t; });
}
class TTreeNodes : public vcl::TPersistent {
  PXQ_CLASS(TTreeNodes)
 public:
  std::vector<std::unique_ptr<TTreeNode>> Nodes;
  vcl::TPersistent* IndexedItem(int i) override {
    return i >= 0 && i < static_cast<int>(Nodes.size()) ? Nodes[static_cast<size_t>(i)].get()
                                                        : nullptr;
  }
};
PXQ_REGISTER_CLASS(TTreeNodes, vcl::TPersistent)
void TTreeNodes::DefineClass(vcl::TClassBuilder<TTreeNodes>&) {}

class TTreeView : public vcl::TCustomControl {
  PXQ_CLASS(TTreeView)
 public:
  using vcl::TCustomControl::TCustomControl;
  TTreeNodes* Items() const { return items_.get(); }

 private:
  std::unique_ptr<TTreeNodes> items_ = std::make_unique<TTreeNodes>();
};
PXQ_REGISTER_CLASS(TTreeView, vcl::TCustomControl)
void TTreeView::DefineClass(vcl::TClassBuilder<TTreeView>& c) {
  c.Object<TTreeNodes>("Items", &TTreeView::Items);
}

class TwwDBCustomComboBox : public vcl::TComboBox {
  PXQ_CLASS(TwwDBCustomComboBox)
 public:
  using vcl::TComboBox::TComboBox;
};
PXQ_REGISTER_CLASS(TwwDBCustomComboBox, vcl::TComboBox)
void TwwDBCustomComboBox::DefineClass(vcl::TClassBuilder<TwwDBCustomComboBox>&) {}

std::string Gb(std::string_view utf8) {
  return os::WideToMultiByte(936, os::Utf8ToWide(utf8)).value();
}
std::string Big5(std::string_view utf8) {
  return os::WideToMultiByte(950, os::Utf8ToWide(utf8)).value();
}

TEST(ComponentKinds, ConverterHandlesControlsKnownByClassName) {
  testing::Installation installation("950");
  testing::ScopedScreenFonts screenFonts;
  TCodeConverter converter(nullptr, NTLANGUAGE_LIBRARY);
  std::unique_ptr<vcl::TForm> form(vcl::CreateForm<vcl::TForm>(nullptr));
  auto* tabs = new TTabSet(form.get());
  tabs->Tabs()->SetText(Gb("条件\r\n选项"));
  tabs->SetTabIndex(1);
  auto* navigator = new TDBNavigator(form.get());
  navigator->Hints()->SetText(Gb("第一笔\r\n删除"));
  auto* status = new TStatusBar(form.get());
  status->Panels()->Add()->Text = Gb("就绪");
  auto* tree = new TTreeView(form.get());
  tree->Items()->Nodes.push_back(std::make_unique<TTreeNode>());
  tree->Items()->Nodes[0]->Text = Gb("采购");
  auto* combo = new TwwDBCustomComboBox(form.get());

  converter.ConvertForm(form.get());
  EXPECT_EQ(tabs->Tabs()->ToVector(), (std::vector<std::string>{Big5("條件"), Big5("選項")}));
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_EQ(navigator->Hints()->ToVector(),
            (std::vector<std::string>{Big5("第一筆"), Big5("刪除")}));
  EXPECT_EQ(status->Panels()->Items(0)->Text, Big5("就緒"));
  EXPECT_EQ(tree->Items()->Nodes[0]->Text, Big5("採購"));
  EXPECT_EQ(combo->Style(), vcl::csOwnerDrawFixed);
}

TEST(ComponentKinds, TheDataAwareComboBoxGetsItsOwnReader) {
  std::unique_ptr<vcl::TForm> form(vcl::CreateForm<vcl::TForm>(nullptr));
  auto* combo = new TwwDBCustomComboBox(form.get());
  xml::Document document;
  ASSERT_TRUE(document.LoadText("<x/>"));
  EXPECT_NE(dynamic_cast<TwwDBCustomComboBoxRead*>(
                TReaderFactory::CreateReader(combo, document.Root()).get()),
            nullptr);
  EXPECT_TRUE(IsComboBox(combo));
  EXPECT_FALSE(IsComboBox(form.get()));
  EXPECT_TRUE(IsFormOrDataModule(form.get()));
}

}  // namespace
}  // namespace pxq::i18n
