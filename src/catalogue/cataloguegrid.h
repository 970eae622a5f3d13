#pragma once

#include <QDialog>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

class QLineEdit;

namespace kvartson {

class EditorTableModel;

// The catalogue editor's grid: cells are edited in place, a changed row is
// stored when the current row moves away from it (a refused row takes the
// cursor back and stays in editing), Down on the last row and Insert add a row,
// Ctrl+Delete deletes the current row, Esc cancels the row in editing. The
// current row and, more strongly, the focused cell are highlighted.
class CatalogueGrid : public QTableView
{
    Q_OBJECT

public:
    explicit CatalogueGrid(QWidget *parent = nullptr);

    void setEditorModel(EditorTableModel *model);
    EditorTableModel *editorModel() const { return m_model; }

    // Stores the row in editing; a failure is shown in the error box and the
    // row stays in editing. True when nothing is left pending.
    bool storePendingRow();
    // Takes what an open cell editor holds into the row, as leaving the cell would.
    void commitOpenEditor();
    // Adds an empty row at the end and makes it current.
    void appendRow();
    // Asks and deletes the current row from the table.
    void deleteCurrentRow();

    // Moves to the next cell after the current one, row by row in the shown
    // column order, whose text contains the given text (letter case ignored),
    // wrapping round once. False when no cell has it.
    bool findNext(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void onCurrentRowChanged(const QModelIndex &current, const QModelIndex &previous);

    EditorTableModel *m_model = nullptr;
    bool m_returning = false;
};

// Paints the current row in a light highlight and the focused cell in the full
// one; numeric cells take a typed full stop as the decimal separator.
class CatalogueGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    bool eventFilter(QObject *object, QEvent *event) override;
};

// The grid's search dialog: a text and "Найти далее".
class GridFindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit GridFindDialog(CatalogueGrid *grid, QWidget *parent);

    QLineEdit *textField() const { return m_text; }
    // Finds the next cell with the text; tells the user when there is none.
    void findNext();

private:
    QPointer<CatalogueGrid> m_grid;
    QLineEdit *m_text = nullptr;
};

} // namespace kvartson
