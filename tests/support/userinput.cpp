#include "support/userinput.h"

#include "catalogue/lookuplist.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTest>

namespace kvartson::test {

void openDropDown(LookupList *list)
{
    if (list->isDropDownVisible())
        return;
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
    QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, arrow.center());
    QTRY_VERIFY(list->isDropDownVisible());
}

void pick(LookupList *list, const QString &text)
{
    openDropDown(list);
    QTableView *view = list->dropDownView();
    const QAbstractItemModel *model = view->model();
    const int column = list->dataset()->columnIndex(list->listColumn());
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, column);
        if (index.data().toString() == text) {
            view->scrollTo(index);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
            QTRY_VERIFY(!list->isDropDownVisible());
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no row '%1' in %2").arg(text, list->objectName())));
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar character : text) {
        const QString key(character);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, key, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, key, Qt::NoModifier);
    }
}

void clickInto(LookupList *list)
{
    QTest::mouseClick(list->lineEdit(), Qt::LeftButton, Qt::NoModifier, QPoint(5, list->lineEdit()->height() / 2));
}

} // namespace kvartson::test
