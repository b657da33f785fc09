// TSelectPanel: the control through which a condition dialog collects one condition, either
// as a range (begin and final text in two masked edits) or as a list of rows (filled from a
// lookup window). Its Style offers the range, the list, or a choice between them through a
// check box. Every editor has a lookup button that sends WM_OPENLOOKUP to the owning form;
// when the focus leaves the panel the range is put in order. The dialogs read and write the
// parts (edBegin, edFinal, ListBox, chkUserChoice ...) directly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lib/controls/bit_check_box.h"
#include "lib/controls/kip_list_view.h"
#include "lib/controls/speed_buttons.h"
#include "lib/util/dates.h"
#include "platform/variant/variant.h"
#include "platform/vcl/extctrls.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {

enum TSelectStyle : uint8_t { sp_Range, sp_Discrete, sp_UserChoice };
const TEnumInfo& EnumInfoOf(TSelectStyle*);
enum TValueType : uint8_t { vt_String, vt_Number, vt_Date, vt_Time, vt_Float, vt_OtherMask };
const TEnumInfo& EnumInfoOf(TValueType*);
// dt_YYMMDD and dt_YYYMMDD hold Minguo years: Gregorian year = year + 1911.
enum TDateType : uint8_t {
  dt_NoneCare,
  dt_YYYYMMDD,
  dt_MMDDYYYY,
  dt_DDMMYYYY,
  dt_YYMMDD,
  dt_YYYMMDD
};
const TEnumInfo& EnumInfoOf(TDateType*);

// The date of a range text: parts separated by `sign` in the order of `type`; a year and
// month alone mean the first of the month. 0 for an empty text, the blank text of the edit,
// dt_NoneCare, parts that are not integers and impossible dates.
util::DateDays ParseDateText(std::string_view text, std::string_view sign, TDateType type,
                             std::string_view blankText = {});

// A masked edit whose change notification can be held back.
class TKipMaskEdit : public TMaskEdit {
  PXQ_CLASS(TKipMaskEdit)
 public:
  using TMaskEdit::TMaskEdit;
  bool NoChangeEvent = false;

 protected:
  void Change() override;
};

using TOpenWinEvent = TEvent<TObject*, TObject*>;  // the panel, the edit or list
using TDeleteClickEvent = TEvent<TObject*, bool&>;
using TStyleChangingEvent = TEvent<TObject*, TSelectStyle, TSelectStyle&, bool&>;
using TStyleChangeEvent = TEvent<TObject*, TSelectStyle, TSelectStyle>;
using TItemSelectEvent = TEvent<TObject*, TListItem*, int, bool>;
using TItemChangingEvent = TEvent<TObject*, TListItem*, TItemChange, bool&>;

class TSelectPanel : public TGroupBox {
  PXQ_CLASS(TSelectPanel)
 public:
  explicit TSelectPanel(TComponent* owner);
  ~TSelectPanel() override;

  // --- parts (owned by the panel)
  TKipCheckBox* chkUserChoice = nullptr;
  TPanel* pnlRange = nullptr;
  TLabel* lblBegin = nullptr;
  TKipMaskEdit* edBegin = nullptr;
  TF2Button* btnBegin = nullptr;
  TLabel* lblFinal = nullptr;
  TKipMaskEdit* edFinal = nullptr;
  TF2Button* btnFinal = nullptr;
  TPanel* pnlList = nullptr;
  TKipListView* ListBox = nullptr;
  TF2Button* btnList = nullptr;
  TGSpeedButton* btnDelete = nullptr;
  TGSpeedButton* btnClear = nullptr;

  // --- value
  // True for sp_Range, and for sp_UserChoice with the mode box checked.
  bool InRangeMode() const;
  // The condition value: [#4, begin, final] in range mode, else [#5, row, row ...] with each
  // row [caption, sub-item ...] (0-based arrays of narrow texts).
  Variant ConditionValue() const;

  // --- published properties
  TSelectStyle Style() const { return style_; }
  void SetStyle(TSelectStyle style);
  bool UserChoice() const { return userChoice_; }
  void SetUserChoice(bool v);
  TValueType ValueType() const { return valueType_; }
  void SetValueType(TValueType v) { valueType_ = v; }
  TDateType DateType() const { return dateType_; }
  void SetDateType(TDateType v) { dateType_ = v; }
  const std::string& DateSign() const { return dateSign_; }
  void SetDateSign(const std::string& v) { dateSign_ = v; }
  bool AutoChangeDateSite() const { return autoChangeDateSite_; }
  void SetAutoChangeDateSite(bool v) { autoChangeDateSite_ = v; }
  const std::string& EditMask() const { return editMask_; }
  void SetEditMask(const std::string& mask);
  bool UseDiscard() const { return useDiscard_; }
  void SetUseDiscard(bool v) { useDiscard_ = v; }
  const std::string& Discard() const { return discard_; }
  void SetDiscard(const std::string& v) { discard_ = v; }
  TStrings* BeginWords() const { return beginWords_.get(); }
  void SetBeginWords(const TStrings* words);
  TStrings* FinalWords() const { return finalWords_.get(); }
  void SetFinalWords(const TStrings* words);
  const std::string& HintWord() const { return chkUserChoice->Caption(); }
  void SetHintWord(const std::string& v);
  TStrings* ChildHints() const { return childHints_.get(); }
  void SetChildHints(const TStrings* hints);
  bool CanOpenWin() const { return canOpenWin_; }
  void SetCanOpenWin(bool v);
  int GlyphIndex() const { return glyphIndex_; }
  void SetGlyphIndex(int n);
  bool UseVertical() const { return useVertical_; }
  void SetUseVertical(bool v);
  int OtherWidth() const { return otherWidth_; }
  void SetOtherWidth(int v) { otherWidth_ = v; }
  int OtherHeight() const { return otherHeight_; }
  void SetOtherHeight(int v) { otherHeight_ = v; }
  TCheckDuplicate CheckDuplicate() const { return ListBox->RowOrder().Duplicates; }
  void SetCheckDuplicate(TCheckDuplicate v);
  bool SortListBox() const { return ListBox->RowOrder().Sorted; }
  void SetSortListBox(bool v);
  TListItems* Items() const { return ListBox->Items(); }
  TListColumns* Columns() const { return ListBox->Columns(); }
  // The column captions in order; writing replaces the columns, each sized to its contents.
  std::vector<std::string> ColumnCaptions() const;
  void SetColumnCaptions(const std::vector<std::string>& captions);
  // The captions as a string list; a change of the list replaces the columns.
  TStrings* ColumnCaptionList() const;
  bool ShowColumnHeader() const { return ListBox->ShowColumnHeaders(); }
  void SetShowColumnHeader(bool v) { ListBox->SetShowColumnHeaders(v); }
  bool HideSelection() const { return ListBox->HideSelection(); }
  void SetHideSelection(bool v) { ListBox->SetHideSelection(v); }
  bool ColumnsAutoSize() const { return ListBox->ColumnsAutoSize(); }
  void SetColumnsAutoSize(bool v) { ListBox->SetColumnsAutoSize(v); }

  // --- internal state the dialogs read
  const std::string& BlankText() const { return blankText_; }
  int SortColumn() const { return ListBox->RowOrder().SortColumn; }
  bool SortAscending() const { return ListBox->RowOrder().Ascending; }

  // --- operations
  void RemoveDuplicates() { ListBox->RemoveDuplicates(); }
  // Puts begin and final in order (what leaving the panel does, before OnExit).
  void OrderRange();
  util::DateDays ParseDateText(std::string_view text) const;
  // Lays the parts out for the current style.
  void Arrange();

  void SetEnabled(bool enabled) override;
  void SetFocus() override;
  void Loaded() override;

  TOpenWinEvent OnOpenWinClick;
  TNotifyEvent OnClearClick;
  TDeleteClickEvent OnDeleteClick;
  TNotifyEvent OnTypeClick;
  TStyleChangingEvent OnStyleChanging;
  TStyleChangeEvent OnStyleChange;
  TItemSelectEvent OnItemSelect;
  TLVChangeEvent OnItemChange;
  TItemChangingEvent OnItemChanging;

 protected:
  void DoExit() override;
  void Resize() override;
  void FontChanged() override;

 private:
  void CreateParts();
  void ApplyVisibility(TSelectStyle s);
  void ExchangeSize();
  void Arrange(TSelectStyle s);
  void ArrangeOneRow();
  void ArrangeTwoRows();
  void ArrangeList();
  void SizeModeBox();
  void ModeBoxClick(TObject* sender);
  void LookupClick(TObject* sender);
  void DeleteClick(TObject* sender);
  void ClearClick(TObject* sender);
  void ColumnClick(TObject* sender, TListColumn* column);
  void WordsChanged(TObject* sender);
  void HintsChanged(TObject* sender);
  void ForwardEvents();
  TPoint ToPanel(const TControl* part, int x, int y) const;
  void SetWords(TStrings& list, TLabel* label, const TStrings* words);

  TSelectStyle style_ = sp_Range;
  bool userChoice_ = false;
  TValueType valueType_ = vt_String;
  TDateType dateType_ = dt_NoneCare;
  std::string dateSign_ = "/";
  bool autoChangeDateSite_ = true;
  std::string editMask_;
  bool useDiscard_ = false;
  std::string discard_;
  std::unique_ptr<TStringList> beginWords_;
  std::unique_ptr<TStringList> finalWords_;
  std::unique_ptr<TStringList> childHints_;
  std::unique_ptr<TStringList> columnCaptions_;
  mutable bool refreshingCaptions_ = false;
  bool canOpenWin_ = true;
  int glyphIndex_ = 8;
  bool useVertical_ = false;
  int otherWidth_ = 200;
  int otherHeight_ = 105;
  std::string blankText_;
  bool panelEnabled_ = true;
  bool arranging_ = false;
  bool settingWords_ = false;
};

}  // namespace pxq::vcl
