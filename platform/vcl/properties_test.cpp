#include "platform/vcl/properties.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vcl/form.h"
#include "platform/vcl/headless_test.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {

// A component with the kinds the standard controls do not cover: a float and a collection.
class TGauge : public TComponent {
  PXQ_CLASS(TGauge)
 public:
  class TBand : public TCollectionItem {
    PXQ_CLASS(TBand)
   public:
    using TCollectionItem::TCollectionItem;
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& c) { caption_ = c; }

   private:
    std::string caption_;
  };
  class TBands : public TOwnedCollection<TBand> {
    PXQ_CLASS(TBands)
  };

  using TComponent::TComponent;
  double Ratio() const { return ratio_; }
  void SetRatio(double r) { ratio_ = r; }
  TBands* Bands() const { return bands_.get(); }

 private:
  double ratio_ = 0.5;
  std::unique_ptr<TBands> bands_ = std::make_unique<TBands>();
};

PXQ_REGISTER_CLASS(TGauge, TComponent)
void TGauge::DefineClass(TClassBuilder<TGauge>& c) {
  c.Float("Ratio", &TGauge::Ratio, &TGauge::SetRatio);
  c.Object<TBands>("Bands", &TGauge::Bands);
}
PXQ_REGISTER_CLASS(TGauge::TBand, TCollectionItem)
void TGauge::TBand::DefineClass(TClassBuilder<TBand>& c) {
  c.Str("Caption", &TBand::Caption, &TBand::SetCaption);
}
PXQ_REGISTER_CLASS(TGauge::TBands, TCollection)
void TGauge::TBands::DefineClass(TClassBuilder<TBands>&) {}

namespace {

class Properties : public ::testing::Test {
 protected:
  testing::HeadlessApp app;
  TForm form{nullptr};
  TEdit* edit = new TEdit(&form);
  TComboBox* combo = new TComboBox(&form);
  TButton* button = new TButton(&form);
  TGauge* gauge = new TGauge(&form);

  void SetUp() override {
    edit->SetParent(&form);
    combo->SetParent(&form);
    button->SetParent(&form);
  }
};

TEST_F(Properties, EachKindIsReadAndWrittenByName) {
  struct Case {
    TObject* object;
    const char* path;
    const char* text;
    const char* readBack;
  };
  const std::vector<Case> cases = {
      {edit, "Left", "17", "17"},                   // integer
      {edit, "Color", "clBtnFace", "-2147483633"},  // integer by constant name
      {edit, "Color", "$AFFFFF", "11534335"},       // hexadecimal
      {edit, "Align", "alClient", "alClient"},      // enumeration
      {edit, "visible", " False ", "False"},        // Boolean, any case, trimmed
      {edit, "Font.Style", "[fsBold, fsItalic]", "[fsBold,fsItalic]"},  // set through a path
      {edit, "Font.Name", "Tahoma", "Tahoma"},                          // string through a path
      {edit, "Font.Charset", "GB2312_CHARSET", "134"},
      {gauge, "Ratio", "0.25", "0.25"},              // float
      {combo, "Items", "a\r\nb\r\n", "a\r\nb\r\n"},  // string list as one text
      {combo, "Items[3]", "d", "d"},                 // a line; missing lines are added
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_TRUE(SetPropText(c.object, c.path, c.text));
    EXPECT_EQ(GetPropText(c.object, c.path), c.readBack);
  }
  EXPECT_EQ(combo->Items()->Count(), 4);
  EXPECT_EQ(combo->Items()->Strings(2), "");
  EXPECT_EQ(GetOrdPropByName(edit, "Align"), alClient);
  EXPECT_EQ(GetOrdPropByName(edit, "Font.Style"), 3);
  EXPECT_DOUBLE_EQ(GetFloatPropByName(gauge, "Ratio"), 0.25);
}

TEST_F(Properties, BadNamesAndValuesLeaveThePropertyUnchanged) {
  edit->SetText("kept");
  edit->SetLeft(5);
  struct Case {
    const char* path;
    const char* text;
  };
  const std::vector<Case> cases = {
      {"NoSuchProperty", "1"},
      {"Left", "abc"},
      {"Left", "99999999999"},
      {"Align", "alMiddle"},
      {"Align", "7"},
      {"Font.Charset", "300"},
      {"Font.Style", "[fsBold,fsHuge]"},
      {"Text.Length", "3"},
      {"Font.", "x"},
      {"", "x"},
      {"Items[1]", "x"},
      {"Font[0].Name", "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_FALSE(SetPropText(edit, c.path, c.text));
  }
  SetStrPropByName(edit, "Left", "12");  // wrong kind: silently ignored
  SetOrdPropByName(edit, "Text", 3);
  SetOrdPropByName(edit, "Visible", 2);
  SetStrPropByName(nullptr, "Text", "x");
  EXPECT_EQ(edit->Text(), "kept");
  EXPECT_EQ(edit->Left(), 5);
  EXPECT_TRUE(edit->Visible());
  EXPECT_EQ(GetStrPropByName(edit, "Left"), "");
  EXPECT_EQ(GetOrdPropByName(edit, "NoSuch"), 0);
  EXPECT_TRUE(HasProperty(edit, "font.name"));
  EXPECT_FALSE(HasProperty(edit, "Caption"));  // an edit publishes Text, not Caption
  EXPECT_FALSE(HasProperty(button, "Color"));  // buttons do not publish their colour
  EXPECT_TRUE(HasProperty(combo, "ItemIndex"));
}

TEST_F(Properties, CollectionItemsAreReachedByIndex) {
  gauge->Bands()->Add();
  gauge->Bands()->Add();
  EXPECT_TRUE(SetPropText(gauge, "Bands[1].Caption", "second"));
  EXPECT_EQ(gauge->Bands()->Items(1)->Caption(), "second");
  EXPECT_FALSE(SetPropText(gauge, "Bands[2].Caption", "none"));
  EXPECT_EQ(GetStrPropByName(gauge, "Bands[1].Caption"), "second");
}

TEST_F(Properties, HandlersAreRecordedAndRestoredByIdentity) {
  int first = 0;
  int second = 0;
  button->OnClick = [&](TObject*) { ++first; };
  TMethod saved = GetMethodPropByName(button, "OnClick");
  EXPECT_TRUE(saved.Assigned());
  EXPECT_EQ(saved, button->OnClick.Method());

  button->OnClick = [&](TObject*) { ++second; };
  EXPECT_FALSE(GetMethodPropByName(button, "OnClick") == saved);
  button->Click();
  SetMethodPropByName(button, "OnClick", saved);
  EXPECT_TRUE(GetMethodPropByName(button, "OnClick") == saved);
  button->Click();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);

  // A handler of another event type is refused; an empty one clears.
  TKeyEvent key = [](TObject*, Word&, TShiftState) {};
  EXPECT_FALSE(TrySetMethodProp(button, "OnClick", key.Method()));
  EXPECT_TRUE(GetMethodPropByName(button, "OnClick") == saved);
  SetMethodPropByName(button, "OnClick", TMethod{});
  EXPECT_FALSE(button->OnClick);
}

struct Target {
  int clicks = 0;
  void Clicked(TObject*) { ++clicks; }
};

TEST_F(Properties, BoundMethodsCompareByMethodAndObject) {
  Target a;
  Target b;
  TNotifyEvent ea = Bind<&Target::Clicked>(&a);
  EXPECT_EQ(ea, Bind<&Target::Clicked>(&a));
  EXPECT_FALSE(ea == Bind<&Target::Clicked>(&b));
  EXPECT_EQ(ea.Data(), &a);
  ea(nullptr);
  EXPECT_EQ(a.clicks, 1);
}

TEST_F(Properties, SimulateClickPressesAndReleasesTheLeftButton) {
  std::vector<std::string> log;
  button->SetBounds(0, 0, 75, 25);
  button->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
  };
  button->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  };
  button->OnClick = [&](TObject*) { log.push_back("click"); };
  SimulateClick(button, 10, 12);
  button->SetEnabled(false);
  SimulateClick(button, 10, 12);
  SimulateClick(nullptr, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"down 10,12", "up 10,12", "click"}));
}

}  // namespace
}  // namespace pxq::vcl
