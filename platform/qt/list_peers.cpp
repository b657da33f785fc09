// Peers of the controls with items: combo box, list view and string grid.
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTableWidget>
#include <QTreeWidget>
#include <functional>
#include <utility>

#include "platform/qt/form_peer.h"
#include "platform/qt/text.h"
#include "platform/qt/view.h"
#include "platform/vcl/grids.h"
#include "platform/vcl/listview.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::qt {

namespace {

void SetViewColors(QWidget& widget, const vcl::TControl& control) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, ToQColor(control.Color()));
  palette.setColor(QPalette::Text, ToQColor(control.Font()->Color()));
  widget.setPalette(palette);
}

// A combo box that tells when its list drops down and closes up.
class DropDownComboBox : public QComboBox {
 public:
  std::function<void(bool)> droppedDown;

  void showPopup() override {
    if (droppedDown) droppedDown(true);
    QComboBox::showPopup();
  }
  void hidePopup() override {
    QComboBox::hidePopup();
    if (droppedDown) droppedDown(false);
  }
};

// The combo box: Qt shows the drop-down list (after the model's OnDropDown, which may fill
// it); the item the user picks is picked in the model.
class ComboBoxPeer : public Peer {
 public:
  ComboBoxPeer(QtView& view, vcl::TComboBox& combo) : Peer(view, combo), combo_(combo) {
    box_ = new DropDownComboBox;
    SetWidget(box_);
    box_->droppedDown = [this](bool down) {
      combo_.SetDroppedDown(down);
      View().InputDone();
    };
    QObject::connect(box_, &QComboBox::activated, box_, [this](int index) {
      if (Syncing()) return;
      combo_.SelectItem(index);
      View().InputDone();
    });
  }
  ~ComboBoxPeer() override { box_->droppedDown = nullptr; }
  bool Mouse(QMouseEvent& event, QPoint pos) override {
    FeedMouse(event, pos);
    return !combo_.Enabled();
  }

 protected:
  void SyncContent() override {
    const vcl::TFont& font = *combo_.Font();
    const bool editable = combo_.Style() == vcl::csDropDown || combo_.Style() == vcl::csSimple;
    if (box_->isEditable() != editable) box_->setEditable(editable);
    if (editable) box_->lineEdit()->setFocusPolicy(Qt::NoFocus);
    QStringList items;
    for (int i = 0; i < combo_.Items()->Count(); ++i) {
      items << Decode(font, combo_.Items()->Strings(i));
    }
    QStringList current;
    for (int i = 0; i < box_->count(); ++i) current << box_->itemText(i);
    if (current != items) {
      box_->clear();
      box_->addItems(items);
    }
    box_->setMaxVisibleItems(std::max(combo_.DropDownCount(), 1));
    box_->setCurrentIndex(combo_.ItemIndex());
    if (editable) box_->lineEdit()->setText(Decode(font, combo_.Caption()));
  }
  void SyncColor() override { SetViewColors(*box_, combo_); }

 private:
  vcl::TComboBox& combo_;
  DropDownComboBox* box_;
};

// The in-place editor of a list view caption: Enter or leaving it commits, Esc cancels.
class CaptionEditor : public QLineEdit {
 public:
  std::function<void(bool)> done;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return Finish(true);
    if (event->key() == Qt::Key_Escape) return Finish(false);
    QLineEdit::keyPressEvent(event);
  }
  void focusOutEvent(QFocusEvent* event) override {
    QLineEdit::focusOutEvent(event);
    Finish(true);
  }

 private:
  void Finish(bool accept) {
    if (auto f = std::exchange(done, nullptr)) f(accept);
  }
};

// The list view: columns and rows as the model has them; a click selects in the model. When
// the model starts the in-place edit of a caption, an editor opens over it.
class ListViewPeer : public Peer {
 public:
  ListViewPeer(QtView& view, vcl::TListView& list) : Peer(view, list), list_(list) {
    tree_ = new QTreeWidget;
    SetWidget(tree_);
    tree_->setRootIsDecorated(false);
    tree_->setUniformRowHeights(true);
    tree_->setSelectionMode(QAbstractItemView::MultiSelection);
    tree_->header()->setSectionsMovable(false);
    tree_->header()->setSectionsClickable(true);
    QObject::connect(tree_->header(), &QHeaderView::sectionClicked, tree_, [this](int index) {
      if (Syncing()) return;
      list_.ClickColumn(index);
      View().InputDone();
    });
  }
  ~ListViewPeer() override { CloseEditor(); }

  void AfterInput() override { SyncEditor(); }

  bool Mouse(QMouseEvent& event, QPoint pos) override {
    QWidget* viewport = tree_->viewport();
    const QPoint at = viewport->mapFrom(tree_, pos);
    if (!viewport->rect().contains(at)) return false;  // header and scroll bars
    FeedMouse(event, pos);
    if (event.type() == QEvent::MouseButtonPress && event.button() == Qt::LeftButton &&
        list_.Focused()) {
      const int row = tree_->indexOfTopLevelItem(tree_->itemAt(at));
      if (row >= 0 && row < list_.Items()->Count()) {
        vcl::TListItem* item = list_.Items()->Item(row);
        if (list_.MultiSelect() && (event.modifiers() & Qt::ControlModifier)) {
          item->SetSelected(!item->Selected());
        } else {
          list_.SetSelected(item);
        }
      }
    }
    return true;
  }

 protected:
  void SyncContent() override {
    const vcl::TFont& font = *list_.Font();
    const vcl::TListColumns& columns = *list_.Columns();
    const int columnCount = std::max(columns.Count(), 1);
    tree_->setColumnCount(columnCount);
    QStringList headers;
    for (int i = 0; i < columns.Count(); ++i) {
      headers << Decode(font, columns.Items(i)->Caption());
      tree_->setColumnWidth(i, columns.Items(i)->Width());
    }
    if (headers.isEmpty()) headers << QString();
    tree_->setHeaderLabels(headers);
    tree_->setHeaderHidden(list_.ViewStyle() != vcl::vsReport || !list_.ShowColumnHeaders());
    const vcl::TListItems& items = *list_.Items();
    while (tree_->topLevelItemCount() > items.Count()) delete tree_->takeTopLevelItem(0);
    while (tree_->topLevelItemCount() < items.Count()) new QTreeWidgetItem(tree_);
    for (int r = 0; r < items.Count(); ++r) {
      const vcl::TListItem& item = *items.Item(r);
      QTreeWidgetItem* row = tree_->topLevelItem(r);
      row->setText(0, Decode(font, item.Caption()));
      for (int c = 1; c < columnCount; ++c) {
        const vcl::TStrings& sub = *item.SubItems();
        row->setText(c, c - 1 < sub.Count() ? Decode(font, sub.Strings(c - 1)) : QString());
      }
      if (list_.Checkboxes()) {
        row->setCheckState(0, item.Checked() ? Qt::Checked : Qt::Unchecked);
      } else {
        row->setData(0, Qt::CheckStateRole, QVariant());
      }
      row->setSelected(item.Selected());
    }
    if (vcl::TListItem* focused = list_.ItemFocused()) {
      if (QTreeWidgetItem* row = tree_->topLevelItem(focused->Index())) tree_->scrollToItem(row);
    }
    SyncEditor();
  }
  void SyncColor() override { SetViewColors(*tree_, list_); }

 private:
  void SyncEditor() {
    vcl::TListItem* item = list_.EditingItem();
    if (!item) return CloseEditor();
    if (editor_) return;
    QTreeWidgetItem* row = tree_->topLevelItem(item->Index());
    if (!row) return;
    const vcl::TFont& font = *list_.Font();
    editor_ = new CaptionEditor;
    MarkOwnInput(editor_);
    editor_->setParent(tree_->viewport());
    editor_->setFont(ToQFont(font));
    editor_->setGeometry(tree_->visualItemRect(row).adjusted(0, -1, 0, 1));
    editor_->setText(Decode(font, item->Caption()));
    editor_->selectAll();
    editor_->done = [this](bool accept) {
      const std::string text = Encode(*list_.Font(), editor_->text());
      editor_->hide();
      editor_->deleteLater();
      editor_ = nullptr;
      if (list_.IsEditing()) list_.EndEditCaption(text, accept);
      View().InputDone();
    };
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
  }
  void CloseEditor() {
    if (!editor_) return;
    editor_->done = nullptr;
    editor_->hide();
    editor_->deleteLater();
    editor_ = nullptr;
  }

  vcl::TListView& list_;
  QTreeWidget* tree_;
  QPointer<CaptionEditor> editor_;
};

// The string grid: every cell, the fixed ones in the button face; a click moves the current
// cell in the model.
class StringGridPeer : public Peer {
 public:
  StringGridPeer(QtView& view, vcl::TStringGrid& grid) : Peer(view, grid), grid_(grid) {
    table_ = new QTableWidget;
    SetWidget(table_);
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
  }

  bool Mouse(QMouseEvent& event, QPoint pos) override {
    QWidget* viewport = table_->viewport();
    const QPoint at = viewport->mapFrom(table_, pos);
    if (!viewport->rect().contains(at)) return false;  // scroll bars
    FeedMouse(event, pos);
    if (event.type() == QEvent::MouseButtonPress && event.button() == Qt::LeftButton) {
      const QModelIndex index = table_->indexAt(at);
      if (index.isValid() && index.row() >= grid_.FixedRows() &&
          index.column() >= grid_.FixedCols()) {
        grid_.SelectCell(index.column(), index.row());
      }
    }
    return true;
  }

 protected:
  void SyncContent() override {
    const vcl::TFont& font = *grid_.Font();
    // Very large grids show their first part; cells are kept only where set anyway.
    const int rows = std::min(grid_.RowCount(), 10000);
    const int cols = std::min(grid_.ColCount(), 1000);
    table_->setRowCount(rows);
    table_->setColumnCount(cols);
    const QColor fixed = ToQColor(vcl::clBtnFace);
    const vcl::TGridOptions options = grid_.Options();
    table_->setShowGrid(options.Contains(vcl::goVertLine) || options.Contains(vcl::goHorzLine));
    for (int c = 0; c < cols; ++c) table_->setColumnWidth(c, grid_.ColWidths(c));
    for (int r = 0; r < rows; ++r) {
      table_->setRowHeight(r, grid_.RowHeights(r));
      for (int c = 0; c < cols; ++c) {
        const std::string text = grid_.Cells(c, r);
        QTableWidgetItem* cell = table_->item(r, c);
        const bool isFixed = r < grid_.FixedRows() || c < grid_.FixedCols();
        if (text.empty() && !isFixed && !cell) continue;
        if (!cell) {
          cell = new QTableWidgetItem;
          table_->setItem(r, c, cell);
        }
        cell->setText(Decode(font, text));
        if (isFixed) cell->setBackground(fixed);
      }
    }
    table_->setCurrentCell(grid_.Row(), grid_.Col());
  }
  void SyncColor() override { SetViewColors(*table_, grid_); }

 private:
  vcl::TStringGrid& grid_;
  QTableWidget* table_;
};

}  // namespace

void RegisterListPeers() {
  RegisterPeer<vcl::TComboBox, ComboBoxPeer>();
  RegisterPeer<vcl::TListView, ListViewPeer>();
  RegisterPeer<vcl::TStringGrid, StringGridPeer>();
}

}  // namespace pxq::qt
