#include "platform/vcl/grids.h"

#include <algorithm>

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TGridOption*) {
  static const TEnumInfo info{
      "TGridOption",
      {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
       "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
       "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"}};
  return info;
}

PXQ_REGISTER_CLASS(TStringGrid, TCustomControl)
void TStringGrid::DefineClass(TClassBuilder<TStringGrid>& c) {
  c.Int("ColCount", &TStringGrid::ColCount, &TStringGrid::SetColCount);
  c.Int("RowCount", &TStringGrid::RowCount, &TStringGrid::SetRowCount);
  c.Int("FixedCols", &TStringGrid::FixedCols, &TStringGrid::SetFixedCols);
  c.Int("FixedRows", &TStringGrid::FixedRows, &TStringGrid::SetFixedRows);
  c.Int("DefaultColWidth", &TStringGrid::DefaultColWidth, &TStringGrid::SetDefaultColWidth);
  c.Int("DefaultRowHeight", &TStringGrid::DefaultRowHeight, &TStringGrid::SetDefaultRowHeight);
  c.Set("Options", "TGridOptions", &TStringGrid::Options, &TStringGrid::SetOptions);
  c.Event("OnSelectCell", &TStringGrid::OnSelectCell, "TSelectCellEvent");
}

TStringGrid::TStringGrid(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 320, 120);
  SetTabStop(true);
  SetColor(clWindow);
}

void TStringGrid::Trim() {
  std::erase_if(cells_, [this](const auto& e) {
    return e.first.first >= colCount_ || e.first.second >= rowCount_;
  });
  std::erase_if(colWidths_, [this](const auto& e) { return e.first >= colCount_; });
  std::erase_if(rowHeights_, [this](const auto& e) { return e.first >= rowCount_; });
  fixedCols_ = std::min(fixedCols_, colCount_ - 1);
  fixedRows_ = std::min(fixedRows_, rowCount_ - 1);
  col_ = std::clamp(col_, fixedCols_, colCount_ - 1);
  row_ = std::clamp(row_, fixedRows_, rowCount_ - 1);
  Changed("Cells");
}

void TStringGrid::SetColCount(int n) {
  colCount_ = std::clamp(n, 1, kMaxCount);
  Trim();
}

void TStringGrid::SetRowCount(int n) {
  rowCount_ = std::clamp(n, 1, kMaxCount);
  Trim();
}

void TStringGrid::SetFixedCols(int n) {
  fixedCols_ = std::clamp(n, 0, colCount_ - 1);
  col_ = std::max(col_, fixedCols_);
}

void TStringGrid::SetFixedRows(int n) {
  fixedRows_ = std::clamp(n, 0, rowCount_ - 1);
  row_ = std::max(row_, fixedRows_);
}

std::string TStringGrid::Cells(int col, int row) const {
  auto it = cells_.find({col, row});
  return it == cells_.end() ? std::string() : it->second;
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
  if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) return;
  if (text.empty()) {
    cells_.erase({col, row});
  } else {
    cells_[{col, row}] = text;
  }
  Changed("Cells");
}

void TStringGrid::SetDefaultColWidth(int w) { defaultColWidth_ = std::clamp(w, 0, 100000); }
void TStringGrid::SetDefaultRowHeight(int h) { defaultRowHeight_ = std::clamp(h, 0, 100000); }

int TStringGrid::ColWidths(int col) const {
  auto it = colWidths_.find(col);
  return it == colWidths_.end() ? defaultColWidth_ : it->second;
}

void TStringGrid::SetColWidths(int col, int width) {
  if (col < 0 || col >= colCount_) return;
  colWidths_[col] = std::clamp(width, 0, 100000);
  Changed("ColWidths");
}

int TStringGrid::RowHeights(int row) const {
  auto it = rowHeights_.find(row);
  return it == rowHeights_.end() ? defaultRowHeight_ : it->second;
}

void TStringGrid::SetRowHeights(int row, int height) {
  if (row < 0 || row >= rowCount_) return;
  rowHeights_[row] = std::clamp(height, 0, 100000);
  Changed("RowHeights");
}

bool TStringGrid::SelectCell(int col, int row) {
  if (col < fixedCols_ || row < fixedRows_ || col >= colCount_ || row >= rowCount_) return false;
  if (col == col_ && row == row_) return true;
  bool canSelect = true;
  OnSelectCell(this, col, row, canSelect);
  if (!canSelect) return false;
  col_ = col;
  row_ = row;
  Changed("Selection");
  return true;
}

int TStringGrid::DialogCode() const {
  int code = DLGC_WANTARROWS;
  if (options_.Contains(goTabs)) code |= DLGC_WANTTAB;
  if (options_.Contains(goEditing)) code |= DLGC_WANTCHARS;
  return code;
}

void TStringGrid::DefaultKeyDown(Word key, TShiftState shift) {
  switch (key) {
    case VK_LEFT:
      SelectCell(col_ - 1, row_);
      break;
    case VK_RIGHT:
      SelectCell(col_ + 1, row_);
      break;
    case VK_UP:
      SelectCell(col_, row_ - 1);
      break;
    case VK_DOWN:
      SelectCell(col_, row_ + 1);
      break;
    case VK_TAB:
      if (shift.Contains(ssShift)) {
        if (!SelectCell(col_ - 1, row_)) SelectCell(colCount_ - 1, row_ - 1);
      } else if (!SelectCell(col_ + 1, row_)) {
        SelectCell(fixedCols_, row_ + 1);
      }
      break;
    default:
      break;
  }
}

void TStringGrid::DefaultChar(char ch) {
  if (!options_.Contains(goEditing)) return;
  std::string text = Cells(col_, row_);
  if (ch == '\b') {
    if (!text.empty()) text.pop_back();
  } else if (static_cast<unsigned char>(ch) >= 0x20) {
    text += ch;
  } else {
    return;
  }
  SetCells(col_, row_, text);
}

}  // namespace pxq::vcl
