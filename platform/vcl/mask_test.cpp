#include "platform/vcl/mask.h"

#include <gtest/gtest.h>

#include "platform/os/codepage.h"
#include "testing/testing.h"

namespace pxq::vcl {
namespace {

const char* const kPlanBatch = "aaaaaaaaaaaaaaaaaaaa\\-aaaa;1; ";
const char* const kPlanBatchNoSave = "aaaaaaaaaaaaaaaaaaaa\\-aaaa;0; ";

TEST(EditMaskTest, ParsesPatternAndFields) {
  struct Case {
    const char* mask;
    int length;
    bool save;
    char blank;
    bool reverse;
    std::string empty;
  } cases[] = {
      {"!9999/99/99;1;_", 10, true, '_', true, "____/__/__"},
      {"9999/99/99;1; ", 10, true, ' ', false, "    /  /  "},
      {"999/99/99;1; ", 9, true, ' ', false, "   /  /  "},
      {kPlanBatch, 25, true, ' ', false, std::string(20, ' ') + "-    "},
      {"999;0", 3, false, '_', false, "___"},
      {"00:00", 5, true, '_', false, "__:__"},
      {"99;0;*", 2, false, '*', false, "**"},
      // An escaped ";" is a literal; the fields are found only at the end.
      {"\\;99;;_", 3, true, '_', false, ";__"},
      {"9;99;1;_", 4, true, '_', false, "_;__"},
      {">LL<ll", 4, true, '_', false, "____"},
      {"", 0, true, '_', false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    EditMask m(c.mask);
    EXPECT_EQ(m.Length(), c.length);
    EXPECT_EQ(m.SaveLiterals(), c.save);
    EXPECT_EQ(m.Blank(), c.blank);
    EXPECT_EQ(m.Reverse(), c.reverse);
    EXPECT_EQ(m.EmptyEditText(), c.empty);
    EXPECT_EQ(m.IsMasked(), c.length > 0);
  }
}

TEST(EditMaskTest, DoubleByteLiteralInPatternIsTwoLiteralPositions) {
  // The trail byte of "\x81\x61" is "a", which is not a mask character here.
  EditMask m(
      "9999\x81\x61"
      "99");
  ASSERT_EQ(m.Length(), 8);
  EXPECT_TRUE(m.IsLiteral(4) && m.IsLiteral(5));
  EXPECT_EQ(m.EditTextFromText("2024\x81\x61"
                               "5"),
            "2024\x81\x61"
            "5_");
}

// Assigning Text, what the edit shows, and what it stores.
TEST(EditMaskTest, TextToEditTextAndBack) {
  const std::string zhong = os::Ansi("中");
  struct Case {
    std::string mask;
    std::string text;
    std::string editText;
    std::string stored;
  } cases[] = {
      // Date masks: each part is padded to its width (at the front with "!").
      {"!9999/99/99;1;_", "2024/5/7", "2024/_5/_7", "2024/ 5/ 7"},
      {"!9999/99/99;1;_", "2024/05/07", "2024/05/07", "2024/05/07"},
      {"9999/99/99;1; ", "2024/5/7", "2024/5 /7 ", "2024/5 /7 "},
      {"9999/99/99;1;_", "2024/05/", "2024/05/__", "2024/05/  "},
      {"99/99/9999;1; ", "5/31/2024", "5 /31/2024", "5 /31/2024"},
      // A text without the literals is laid out part by part.
      {"9999/99/99;1; ", "20240507", "2024/05/07", "2024/05/07"},
      // The empty date template.
      {"9999/99/99;1; ", "", "    /  /  ", "    /  /  "},
      {"9999/99/99;1;_", "", "____/__/__", "    /  /  "},
      // Plan batch numbers: 20 characters, "-", 4 characters, blank shown as a space.
      {kPlanBatch, "LRP2401-01", "LRP2401             -01  ", "LRP2401             -01  "},
      {kPlanBatch, "LRP2401             -01  ", "LRP2401             -01  ",
       "LRP2401             -01  "},
      // A code holding the literal keeps its layout when the text is laid out like the mask.
      {kPlanBatch, "LRP-2401            -01  ", "LRP-2401            -01  ",
       "LRP-2401            -01  "},
      // Literals not saved: the text fills the input positions in order.
      {"99-99;0;_", "1234", "12-34", "1234"},
      {"99-99;0;_", "1", "1_-__", "1"},
      {"!99-99;0;_", "1", "__-_1", "1"},
      {"99;0;_", "12345", "12", "12"},
      {"99-99;0;_", "1 3", "1 -3_", "1 3"},
      // A double-byte character never straddles a literal.
      {"c-ccc;0;_", zhong, "_-" + zhong + "_", " " + zhong},
      // A trail byte equal to the blank is not a blank.
      {"cc;0;_", "\x81_", "\x81_", "\x81_"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask + " <- " + c.text);
    EditMask m(c.mask);
    EXPECT_EQ(m.EditTextFromText(c.text), c.editText);
    EXPECT_EQ(m.TextFromEditText(c.editText), c.stored);
  }
}

TEST(EditMaskTest, ValidateRequiresRequiredPositions) {
  struct Case {
    const char* mask;
    std::string editText;
    int firstMissing;
  } cases[] = {
      {"00/00;1;_", "12/3_", 4},
      {"00/99;1;_", "12/__", -1},
      {"LL;1;_", "A ", 1},   // a space does not fill L
      {"CC;1;_", "A ", -1},  // but fills C
      {"AA;1; ", "A ", 1},
      {"!0000/00/00;1;_", "2024/05/07", -1},
      {"LL;0;_", os::Ansi("中"), -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    EXPECT_EQ(EditMask(c.mask).Validate(c.editText), c.firstMissing);
  }
}

TEST(EditMaskTest, ReformatMaskedText) {
  // The plan batch code without its literal, from the edit's text or from a list row.
  EXPECT_EQ(ReformatMaskedText("LRP2401             -01  ", kPlanBatch, kPlanBatchNoSave),
            "LRP2401             01");
  EXPECT_EQ(ReformatMaskedText("LRP2401-01", kPlanBatch, kPlanBatchNoSave),
            "LRP2401             01");
  EXPECT_EQ(ReformatMaskedText("LRP2401             01", kPlanBatchNoSave, kPlanBatch),
            "LRP2401             -01  ");
  EXPECT_EQ(ReformatMaskedText("2024/5/7", "9999/99/99;1;_", "9999/99/99;0;_"), "20245 7");
  EXPECT_EQ(ReformatMaskedText("20240507", "99999999;0;_", "9999/99/99;1;_"), "2024/05/07");
  EXPECT_EQ(ReformatMaskedText("", kPlanBatch, kPlanBatchNoSave), "");
}

// Typing: (mask, keys typed from an empty edit, EditText, Text, cursor).
TEST(MaskEditorTest, TypedCharacters) {
  const std::string zhong = os::Ansi("中");
  const std::string wen = os::Ansi("文");
  struct Case {
    std::string mask;
    std::string keys;
    std::string editText;
    std::string text;
    int cursor;
  } cases[] = {
      // Literals are skipped; typing the separator moves to the next part, or does nothing
      // right after the separator.
      {"9999/99/99;1;_", "2024/5/7", "2024/5_/7_", "2024/5 /7 ", 9},
      {"9999/99/99;1;_", "20240507", "2024/05/07", "2024/05/07", 10},
      {"99/99/9999;1; ", "5/", "5 /  /    ", "5 /  /    ", 3},
      {kPlanBatch, "LRP2401-01", "LRP2401             -01  ", "LRP2401             -01  ", 23},
      // Case conversion; "<>" turns it off.
      {">LL<ll;0;_", "abCD", "ABcd", "ABcd", 4},
      {"<>ll;0;_", "aB", "aB", "aB", 2},
      // Rejected characters leave the edit unchanged.
      {"99;0;_", "a1x", "1_", "1", 1},
      {"#99;0;_", "-12", "-12", "-12", 3},
      {"L0;0;_", "1a1", "a1", "a1", 2},
      {"aa;0;_", " a", "a_", "a", 1},
      // Typing beyond the end is rejected.
      {"99;0;_", "123", "12", "12", 2},
      // Double-byte characters take two letter positions.
      {"LLLL;0;_", zhong + wen, zhong + wen, zhong + wen, 4},
      {"L9LL;0;_", zhong, "____", "", 0},
      {"AAA;0;_", "x" + zhong + "y", "x" + zhong, "x" + zhong, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask + " keys " + c.keys);
    MaskEditor e(c.mask);
    e.InputText(c.keys);
    EXPECT_EQ(e.EditText(), c.editText);
    EXPECT_EQ(e.Text(), c.text);
    EXPECT_EQ(e.SelStart(), c.cursor);
  }
}

TEST(MaskEditorTest, BackspaceDeleteAndSelection) {
  MaskEditor e("99/99;1;_");
  e.InputText("12");
  EXPECT_EQ(e.SelStart(), 3);  // past the literal
  e.Backspace();
  EXPECT_EQ(e.EditText(), "1_/__");
  EXPECT_EQ(e.SelStart(), 1);

  e.SetText("12/34");
  e.SetSel(1, 3);  // "2/3"
  EXPECT_EQ(e.SelText(), "2/3");
  EXPECT_TRUE(e.InputChar("9"));  // replaces the selection
  EXPECT_EQ(e.EditText(), "19/_4");
  EXPECT_FALSE(e.InputChar("x"));
  e.SetSel(0, 5);
  EXPECT_FALSE(e.InputChar("x"));  // a rejected character keeps the selection's text
  EXPECT_EQ(e.EditText(), "19/_4");
  e.Delete();
  EXPECT_EQ(e.EditText(), "__/__");
  EXPECT_TRUE(e.IsEmpty());
}

TEST(MaskEditorTest, DoubleByteCharactersAreNeverSplit) {
  const std::string zhong = os::Ansi("中");
  MaskEditor e("cccc;0;_");
  e.SetText(zhong + zhong);
  // The selection snaps to whole characters.
  e.SetSel(1, 2);
  EXPECT_EQ(e.SelStart(), 0);
  EXPECT_EQ(e.SelLength(), 4);
  // Overwriting half a character blanks its other half.
  e.SetSel(2, 0);
  EXPECT_TRUE(e.InputChar("x"));
  EXPECT_EQ(e.EditText(), zhong + "x_");
  // Backspace removes the whole character before the cursor.
  e.SetSel(2, 0);
  e.Backspace();
  EXPECT_EQ(e.EditText(), "__x_");
  EXPECT_EQ(e.SelStart(), 0);
  // A lead byte without its trail, set as EditText, is blanked.
  e.SetEditText("abc" + zhong.substr(0, 1));
  EXPECT_EQ(e.EditText(), "abc_");
}

TEST(MaskEditorTest, MaskChangeKeepsTheInputCharacters) {
  MaskEditor e("9999/99/99;1;_");
  e.SetText("2024/05/07");
  e.SetMask("99999999;0;_");
  EXPECT_EQ(e.EditText(), "20240507");
  e.SetMask("");
  EXPECT_EQ(e.Text(), "20240507");
  e.SetMask("9999/99/99;1; ");
  EXPECT_EQ(e.Text(), "2024/05/07");

  MaskEditor plain;
  plain.SetText("2024/5/7");
  plain.SetMask("9999/99/99;1; ");
  EXPECT_EQ(plain.Text(), "2024/5 /7 ");
}

TEST(MaskEditorTest, PlainTextEditing) {
  const std::string zhong = os::Ansi("中");
  MaskEditor e;
  e.SetMaxLength(3);
  EXPECT_EQ(e.InputText("ab" + zhong), 2);  // the double-byte character would exceed 3 bytes
  EXPECT_EQ(e.Text(), "ab");
  e.SetText(zhong + "x");
  e.SetSel(4, 0);
  e.Backspace();
  e.Backspace();
  EXPECT_EQ(e.Text(), "");
}

TEST(MaskEditorTest, SingleByteCodePageHasNoDoubleByteCharacters) {
  testing::ScopedCodePage cp(1252);
  MaskEditor e("cc;0;_");
  EXPECT_TRUE(e.InputChar("\xe9"));
  EXPECT_TRUE(e.InputChar("\xe8"));
  EXPECT_EQ(e.Text(), "\xe9\xe8");
}

}  // namespace
}  // namespace pxq::vcl
