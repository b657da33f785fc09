// TKipListView: the list of the selection panel. Rows are added as arrays of texts (caption
// and sub-items); columns are added as needed ("Data1", "Data2", ...), every row is padded to
// the same number of sub-items, the rows are kept in the order of TRowOrder (sorted, repeated
// captions dropped) and the columns follow the width of their texts.
//
// Many rows are added at once between BeginUpdate and EndUpdate: AddRow then only collects
// them, and EndUpdate orders, removes and sizes once, with the same result as adding the rows
// one at a time.
#pragma once

#include <string>
#include <vector>

#include "lib/controls/row_order.h"
#include "platform/vcl/listview.h"

namespace pxq::vcl {

class TKipListView : public TListView {
  PXQ_CLASS(TKipListView)
 public:
  explicit TKipListView(TComponent* owner);

  bool ColumnsAutoSize() const { return columnsAutoSize_; }
  void SetColumnsAutoSize(bool v) { columnsAutoSize_ = v; }

  const TRowOrder& RowOrder() const { return order_; }
  // Stores the rules; rows are sorted again when sorting is on and the sort changed.
  void SetRowOrder(const TRowOrder& order);

  // Appends a row: values[0] is the caption, the others the sub-items. False for no values.
  bool AddRow(const std::vector<std::string>& values);
  // Removes every row, the rows of an open batch too.
  void ClearRows();

  // A batch of rows (nested calls count); the list view's own update is part of it. The rows
  // take their places when the outermost EndUpdate runs.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return batchDepth_ > 0; }

  // Stable sort by the row order (when sorting is on).
  void SortRows();
  // Drops the later of two neighbouring rows whose captions repeat (by the row order's rule).
  void RemoveDuplicates();
  // Column widths: the width of "W" times the longest text (in bytes) of each column.
  void AutoSizeColumns();

  // The text of a row in a column: the caption for 0, else sub-item column - 1 or empty.
  static const std::string& CellText(const TListItem* item, int column);

 private:
  void AddColumnsUpTo(int count);
  void PadRows(int subItems);
  TRowKey KeyOf(const TListItem* item) const;
  void ApplyBatch();
  TListItem* AppendItem(std::vector<std::string>&& values, int subItems);

  TRowOrder order_;
  bool columnsAutoSize_ = true;
  int batchDepth_ = 0;
  std::vector<std::vector<std::string>> staged_;  // rows added in the batch, in order
};

}  // namespace pxq::vcl
