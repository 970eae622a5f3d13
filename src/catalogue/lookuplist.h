#pragma once

#include <QColor>
#include <QComboBox>
#include <QList>
#include <QPointer>
#include <QVariant>

#include "catalogue/dataset.h"

class QTableView;
class QFrame;
class QLabel;
class QKeyEvent;

namespace kvartson {

class StockColourModel;

// The one lookup list of the program: a combo box over a dataset, keyed by the
// row's id and showing one list column. The list keeps its own text and key,
// independent of the dataset's rows, so that a re-filtered dataset never picks
// a row by itself; choosing a row makes it the dataset's current row.
class LookupList : public QComboBox
{
    Q_OBJECT

public:
    struct Column
    {
        QString name;
        int width = 0;      // 0: share the rest of the drop-down's width
        bool visible = true;
    };

    // Everything that sets one list apart from the others, in one place.
    struct Settings
    {
        QString listColumn;
        bool pickOnly = false;
        QList<Column> columns;      // empty: the list column alone
        int rows = 0;               // 0: the default number of rows
        int width = 0;              // 0: as wide as the list
        bool autoDrop = true;
        bool dropDownOnClick = false;
        QColor outOfStock;          // invalid: no stock colouring
    };

    explicit LookupList(QWidget *parent = nullptr);
    ~LookupList() override;

    void configure(Dataset *dataset, const Settings &settings);

    void setDataset(Dataset *dataset, const QString &listColumn);
    Dataset *dataset() const { return m_dataset; }
    QString listColumn() const { return m_listColumn; }

    // Pick-only lists accept only choices from the drop-down.
    void setPickOnly(bool pickOnly);
    void setDropDownColumns(const QList<Column> &columns);
    void setDropDownRows(int rows) { m_dropDownRows = rows; }
    int dropDownRows() const { return m_dropDownRows; }
    void setDropDownWidth(int width) { m_dropDownWidth = width; }
    int dropDownWidth() const { return m_dropDownWidth; }
    void setAutoDrop(bool autoDrop) { m_autoDrop = autoDrop; }
    void setDropDownOnClick(bool onClick) { m_dropOnClick = onClick; }
    // Rows whose stock is false are drawn in this colour; invalid: no colouring.
    void setOutOfStockColour(const QColor &colour);
    QColor outOfStockColour() const { return m_outOfStock; }

    QString text() const { return m_text; }
    QVariant key() const { return m_key; }
    bool isChosen() const { return !m_text.isEmpty(); }

    // Selects the first row whose list column matches, letter case ignored.
    void setText(const QString &text);
    // Selects the row with this id; an unknown key leaves the text empty.
    void setKey(const QVariant &key);
    // Empties text and key; the dataset's current row stays where it was.
    void clearChoice();

    // A list of two or more lines shows its text word-wrapped while the user
    // is not typing in it.
    void setTextLines(int lines);
    int textLines() const { return m_textLines; }

    // Enables the list with the window background, or disables it with the
    // button-face background.
    void setListEnabled(bool enabled);

    // The user is working in this list: its field has the focus, or its
    // drop-down is open while the user types or picks in it.
    bool hasInputFocus() const;

    void showPopup() override;
    void hidePopup() override;
    bool isDropDownVisible() const;
    QTableView *dropDownView() const { return m_view; }

signals:
    void listTextChanged(const QString &text);
    void listKeyChanged(const QVariant &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // A pick by the user: closes the drop-down, then selects the row.
    void chooseRow(int row);
    // Makes the row the dataset's current row and shows its text and key.
    void selectRow(int row);
    void applyChoice(const QString &text, const QVariant &key);
    void onTextEdited(const QString &text);
    void followTypedText(const QString &text);
    void openDropDown();
    bool stepOrDropDown(const QKeyEvent *event);
    void highlightPrefix(const QString &text);
    void applyColumns();
    void updateBackground();
    void updateWrappedText();

    QPointer<Dataset> m_dataset;
    QString m_listColumn;
    bool m_pickOnly = false;
    QList<Column> m_columns;
    int m_dropDownRows = 8;
    int m_dropDownWidth = 0;
    bool m_autoDrop = true;
    bool m_dropOnClick = false;
    QColor m_outOfStock;

    QString m_text;
    QVariant m_key;

    int m_textLines = 1;
    QLabel *m_wrappedText = nullptr;

    QFrame *m_popup = nullptr;
    QTableView *m_view = nullptr;
    StockColourModel *m_colourModel = nullptr;
};

} // namespace kvartson
