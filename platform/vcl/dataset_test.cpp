#include "platform/vcl/dataset.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/os/codepage.h"

namespace pxq::vcl {
namespace {

using FT = TFieldType;

// The scheme rows as the provider delivers them: [field descriptors, rows].
Variant SchemePacket(std::vector<std::vector<Variant>> rows) {
  VarArray descs = VarArray::Of({
      VarArray::Of({"NCONDITION", "string", 40}),
      VarArray::Of({"CREATOR", "string", 10}),
      VarArray::Of({"PROGRAMME", "string", 10}),
      VarArray::Of({"SCONDITION", "memo", 0}),
      VarArray::Of({"VCONDITION", "memo", 0}),
      VarArray::Of({"CREATE_DATE", "string", 8}),
  });
  std::vector<Variant> list;
  for (auto& r : rows) list.push_back(VarArray::Of(std::move(r)));
  return VarArray::Of({Variant(std::move(descs)), Variant(VarArray::Of(std::move(list)))});
}

std::vector<std::string> Column(TClientDataSet& ds, const char* field) {
  std::vector<std::string> out;
  for (ds.First(); !ds.Eof(); ds.Next()) out.push_back(ds.FieldByName(field).AsString());
  return out;
}

class SchemeDataSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ds.SetProviderName("pvdConSave");
    ds.SetIndexFieldNames("NCONDITION;CREATOR;PROGRAMME");
    ds.SetRemoteServer([this](const std::string& provider) {
      ++fetches;
      EXPECT_EQ(provider, "pvdConSave");
      return SchemePacket({
          {"B", "DS", "PXQR07", "chk11.checked", "True\r\n", "20240102"},
          {"A", "ZX", "PXQR07", "chk12.checked", "False\r\n", "20240103"},
          {"A", "DS", "PXQR07", "ed02.text", "01\r\n", "20240101"},
      });
    });
  }
  TClientDataSet ds;
  int fetches = 0;
};

TEST_F(SchemeDataSetTest, ProviderRowsArriveInIndexOrder) {
  ds.Open();
  EXPECT_EQ(ds.RecordCount(), 3);
  EXPECT_EQ(ds.FieldCount(), 6);
  EXPECT_EQ(ds.FieldByName("vcondition").DataType(), FT::ftMemo);
  EXPECT_EQ(Column(ds, "CREATE_DATE"),
            (std::vector<std::string>{"20240101", "20240103", "20240102"}));

  // Key search on the three key fields, as opening a scheme does.
  ASSERT_TRUE(ds.FindKey({"A", "ZX", "PXQR07"}));
  EXPECT_EQ(ds.FieldByName("SCONDITION").AsString(), "chk12.checked");
  EXPECT_EQ(ds.RecNo(), 2);
  EXPECT_FALSE(ds.FindKey({"C", "DS", "PXQR07"}));
  EXPECT_EQ(ds.RecNo(), 2);  // no move
  ASSERT_TRUE(ds.FindKey({"B"}));
  EXPECT_EQ(ds.RecNo(), 3);
}

TEST_F(SchemeDataSetTest, CloseDropsRowsAndOpenFetchesAgainKeepingFieldObjects) {
  ds.Open();
  TField* name = &ds.FieldByName("NCONDITION");
  name->OnGetText = [](TField& f, std::string& text, bool display) {
    text = (display ? "<" : "[") + f.AsString() + (display ? ">" : "]");
  };
  ds.Close();
  EXPECT_EQ(ds.RecordCount(), 0);
  EXPECT_TRUE(ds.FieldByName("NCONDITION").IsNull());
  ds.Open();
  EXPECT_EQ(fetches, 2);
  EXPECT_EQ(&ds.FieldByName("NCONDITION"), name);
  ds.First();
  EXPECT_EQ(name->DisplayText(), "<A>");
  EXPECT_EQ(name->Text(), "[A]");
  EXPECT_EQ(name->AsString(), "A");
}

TEST_F(SchemeDataSetTest, RenamingARowMovesItInTheIndex) {
  ds.Open();
  ASSERT_TRUE(ds.FindKey({"A", "DS", "PXQR07"}));
  ds.Edit();
  ds.FieldByName("NCONDITION").SetAsString("C");
  ds.Post();
  EXPECT_EQ(ds.FieldByName("CREATE_DATE").AsString(), "20240101");  // the cursor followed
  EXPECT_EQ(ds.RecNo(), 3);
  EXPECT_TRUE(ds.FindKey({"C", "DS", "PXQR07"}));
  EXPECT_FALSE(ds.FindKey({"A", "DS", "PXQR07"}));
}

TEST(ClientDataSetTest, OpenWithoutProviderFails) {
  TClientDataSet ds;
  ds.FieldDefs().Add("ID", FT::ftInteger);
  EXPECT_THROW(ds.Open(), EDatabaseError);
  EXPECT_FALSE(ds.Active());
  EXPECT_THROW(ds.FieldDefs().Add("id", FT::ftString), EDatabaseError);  // duplicate name
}

class DataSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ds.FieldDefs().Add("CODE", FT::ftString, 5);
    ds.FieldDefs().Add("QTY", FT::ftInteger);
    ds.FieldDefs().Add("PRICE", FT::ftFloat);
    ds.FieldDefs().Add("OK", FT::ftBoolean);
    ds.FieldDefs().Add("DAY", FT::ftDate);
    ds.CreateDataSet();
  }
  void AddRow(const char* code, int qty) {
    ds.Append();
    ds.FieldByName("CODE").SetAsString(code);
    ds.FieldByName("QTY").SetAsInteger(qty);
    ds.Post();
  }
  TClientDataSet ds;
};

TEST_F(DataSetTest, NavigationAndEditStates) {
  EXPECT_TRUE(ds.Bof() && ds.Eof());
  EXPECT_EQ(ds.RecNo(), 0);
  AddRow("b", 2);
  AddRow("a", 1);
  EXPECT_EQ(Column(ds, "CODE"), (std::vector<std::string>{"b", "a"}));  // added order

  // Insert places the new row before the current one.
  ds.Last();
  ds.Insert();
  ds.FieldByName("CODE").SetAsString("m");
  EXPECT_EQ(ds.RecordCount(), 2);  // not yet posted
  ds.Post();
  EXPECT_EQ(Column(ds, "CODE"), (std::vector<std::string>{"b", "m", "a"}));

  // Navigating posts a pending edit; Cancel drops one.
  ds.First();
  ds.Edit();
  ds.FieldByName("QTY").SetAsInteger(20);
  ds.Next();
  EXPECT_EQ(ds.State(), TDataSetState::dsBrowse);
  ds.Edit();
  ds.FieldByName("QTY").SetAsInteger(99);
  ds.Cancel();
  EXPECT_TRUE(ds.FieldByName("QTY").IsNull());
  ds.First();
  EXPECT_EQ(ds.FieldByName("QTY").AsInteger(), 20);

  // Writing outside the edit states is refused.
  EXPECT_THROW(ds.FieldByName("QTY").SetAsInteger(1), EDatabaseError);

  // BOF and EOF at the ends; Delete keeps a valid cursor.
  ds.Prior();
  EXPECT_TRUE(ds.Bof());
  ds.Last();
  ds.Next();
  EXPECT_TRUE(ds.Eof());
  EXPECT_EQ(ds.FieldByName("CODE").AsString(), "a");
  ds.Delete();
  EXPECT_EQ(ds.FieldByName("CODE").AsString(), "m");
  ds.SetIndexFieldNames("CODE");
  EXPECT_EQ(Column(ds, "CODE"), (std::vector<std::string>{"b", "m"}));
  ds.EmptyDataSet();
  EXPECT_TRUE(ds.IsEmpty() && ds.Active());
  EXPECT_THROW(ds.Delete(), EDatabaseError);
}

TEST_F(DataSetTest, ValuesAreConvertedToTheFieldType) {
  const std::string zw = os::Ansi("中文");
  ds.Append();
  TField& code = ds.FieldByName("CODE");
  code.SetAsString("ab" + zw);  // cut to 5 bytes without splitting a character
  EXPECT_EQ(code.AsString(), "ab" + os::Ansi("中"));
  code.SetValue(Variant(u"xy"));
  EXPECT_TRUE(code.Value().IsNarrow());
  ds.FieldByName("QTY").SetAsString("12");
  EXPECT_EQ(ds.FieldByName("QTY").Value(), Variant(12));
  EXPECT_THROW(ds.FieldByName("QTY").SetAsString("x"), EDatabaseError);
  ds.FieldByName("QTY").SetAsString("");
  EXPECT_TRUE(ds.FieldByName("QTY").IsNull());
  ds.FieldByName("PRICE").SetAsString("2.5");
  EXPECT_DOUBLE_EQ(ds.FieldByName("PRICE").AsFloat(), 2.5);
  ds.FieldByName("OK").SetAsString("True");
  EXPECT_TRUE(ds.FieldByName("OK").AsBoolean());
  EXPECT_EQ(ds.FieldByName("OK").AsString(), "True");
  ds.FieldByName("DAY").SetAsString("2024/05/07");
  EXPECT_DOUBLE_EQ(ds.FieldByName("DAY").AsDateTime(), 45419);
  ds.FieldByName("DAY").SetAsString("20240229");
  EXPECT_EQ(ds.FieldByName("DAY").AsString(), "2024/02/29");
  EXPECT_THROW(ds.FieldByName("DAY").SetAsString("2023/02/29"), EDatabaseError);
  ds.Post();
}

TEST_F(DataSetTest, OnSetTextAndRequiredFields) {
  ds.FieldByName("CODE").OnSetText = [](TField& f, const std::string& text) {
    f.SetAsString("<" + text);
  };
  ds.Append();
  ds.FieldByName("CODE").SetText("ab");
  EXPECT_EQ(ds.FieldByName("CODE").AsString(), "<ab");
  ds.Post();

  TClientDataSet req;
  req.FieldDefs().Add("K", FT::ftString, 0, true);
  req.CreateDataSet();
  req.Append();
  EXPECT_THROW(req.Post(), EDatabaseError);
  EXPECT_EQ(req.State(), TDataSetState::dsInsert);
}

TEST_F(DataSetTest, LocateByOneOrSeveralFields) {
  AddRow("Ab", 1);
  AddRow("abc", 2);
  AddRow("ab", 3);
  const int noCase = static_cast<int>(TLocateOption::loCaseInsensitive);
  const int partial = static_cast<int>(TLocateOption::loPartialKey);
  struct Case {
    Variant values;
    const char* fields;
    int options;
    int qty;  // 0: not found
  } cases[] = {
      {"ab", "CODE", 0, 3},
      {"AB", "CODE", noCase, 1},
      {"abc", "CODE", noCase, 2},
      {"ab", "code", partial, 2},
      {VarArray::Of({"ab", 3}), "CODE;QTY", 0, 3},
      {VarArray::Of({"ab", "3"}), "CODE;QTY", 0, 3},
      {VarArray::Of({"ab", 1}), "CODE;QTY", 0, 0},
      {VarArray::Of({"ab", "x"}), "CODE;QTY", 0, 0},
      {"zz", "CODE", noCase | partial, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.values.Dump() + " in " + c.fields);
    ds.First();
    EXPECT_EQ(ds.Locate(c.fields, c.values, c.options), c.qty != 0);
    EXPECT_EQ(ds.FieldByName("QTY").AsInteger(), c.qty != 0 ? c.qty : 1);
  }
  EXPECT_THROW(ds.Locate("NOPE", "x"), EDatabaseError);
  EXPECT_THROW(ds.Locate("CODE;QTY", "x"), EDatabaseError);
  EXPECT_THROW(ds.FindKey({"x"}), EDatabaseError);  // no index
}

TEST_F(DataSetTest, BadRowsAreRejectedWhole) {
  AddRow("a", 1);
  Variant rows = VarArray::Of({VarArray::Of({"b", 2}), VarArray::Of({"c", "not a number"})});
  EXPECT_THROW(ds.LoadRows(rows), EDatabaseError);
  EXPECT_EQ(ds.RecordCount(), 1);
  EXPECT_THROW(ds.LoadRows(Variant("x")), EDatabaseError);
  EXPECT_THROW(ds.SetData(VarArray::Of({VarArray::Of({VarArray::Of({"X", "blob"})}), Variant()})),
               EDatabaseError);
  EXPECT_EQ(ds.RecordCount(), 1);

  ds.LoadRows(
      VarArray::Of({VarArray::Of({"b"}), VarArray::Of({"c", 3, 1.5, true, 45419, "extra"})}));
  EXPECT_EQ(Column(ds, "QTY"), (std::vector<std::string>{"1", "", "3"}));
  // The packet goes out and comes back unchanged.
  TClientDataSet copy;
  copy.SetData(ds.Data());
  EXPECT_EQ(copy.Data(), ds.Data());
  EXPECT_EQ(copy.FieldByName("DAY").DataType(), FT::ftDate);
}

TEST_F(DataSetTest, IndexOnSeveralFieldsOfMixedTypes) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  ds.LoadRows(VarArray::Of({
      VarArray::Of({"a", 1, 1.0, true}),
      VarArray::Of({"b", 2, 2.0, false}),
      VarArray::Of({"c", 3, 5.0, Variant::Null()}),
      VarArray::Of({"d", 4, nan, true}),
      VarArray::Of({"e", 5, 1.5, false}),
  }));
  ds.SetIndexFieldNames("OK; PRICE");
  // Nulls first, false before true, NaN before every number.
  EXPECT_EQ(Column(ds, "CODE"), (std::vector<std::string>{"c", "e", "b", "d", "a"}));
  EXPECT_THROW(ds.SetIndexFieldNames("OK;NOPE"), EDatabaseError);
  EXPECT_EQ(ds.IndexFieldNames(), "OK; PRICE");
}

TEST_F(DataSetTest, ChangeNotification) {
  std::vector<TDataEvent> events;
  int id = ds.AddChangeListener([&](TClientDataSet&, TDataEvent e) { events.push_back(e); });
  AddRow("a", 1);
  EXPECT_EQ(events, (std::vector<TDataEvent>{TDataEvent::deStateChange, TDataEvent::deRecordChange,
                                             TDataEvent::deRecordChange, TDataEvent::deStateChange,
                                             TDataEvent::deDataSetChange}));
  events.clear();
  ds.First();
  EXPECT_EQ(events, std::vector<TDataEvent>{TDataEvent::deScroll});
  ds.RemoveChangeListener(id);
  AddRow("b", 2);
  EXPECT_EQ(events.size(), 1u);
}

}  // namespace
}  // namespace pxq::vcl
