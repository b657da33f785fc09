// The string grid: cells of text in columns and rows, the first FixedCols columns and
// FixedRows rows fixed (headers). Cells and sizes are kept only where set, so large grids
// cost nothing until filled.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/vcl/control.h"

namespace pxq::vcl {

enum TGridOption : uint8_t {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking
};
using TGridOptions = TSet<TGridOption>;
const TEnumInfo& EnumInfoOf(TGridOption*);

using TSelectCellEvent = TEvent<TObject*, int, int, bool&>;

class TStringGrid : public TCustomControl {
  PXQ_CLASS(TStringGrid)
 public:
  static constexpr int kMaxCount = 1000000;

  explicit TStringGrid(TComponent* owner);

  int ColCount() const { return colCount_; }
  void SetColCount(int n);
  int RowCount() const { return rowCount_; }
  void SetRowCount(int n);
  // Fixed columns and rows stay fewer than all columns and rows.
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int n);
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int n);

  // The text of a cell (empty outside the grid); setting outside the grid does nothing.
  std::string Cells(int col, int row) const;
  void SetCells(int col, int row, const std::string& text);
  int DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int w);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int h);
  int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  int RowHeights(int row) const;
  void SetRowHeights(int row, int height);

  // The current cell; moving there asks OnSelectCell.
  int Col() const { return col_; }
  int Row() const { return row_; }
  bool SelectCell(int col, int row);
  void SetCol(int c) { SelectCell(c, row_); }
  void SetRow(int r) { SelectCell(col_, r); }
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions o) { options_ = o; }
  int DialogCode() const override;

  TSelectCellEvent OnSelectCell;

 protected:
  void DefaultKeyDown(Word key, TShiftState shift) override;
  void DefaultChar(char ch) override;

 private:
  void Trim();
  int colCount_ = 5;
  int rowCount_ = 5;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  int col_ = 1;
  int row_ = 1;
  TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  std::map<std::pair<int, int>, std::string> cells_;
  std::map<int, int> colWidths_;
  std::map<int, int> rowHeights_;
};

}  // namespace pxq::vcl
