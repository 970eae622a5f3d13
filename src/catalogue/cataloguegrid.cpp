#include "catalogue/cataloguegrid.h"

#include "app/errorguard.h"
#include "catalogue/editortablemodel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace kvartson {

namespace {

const char *const NumericCell = "kvartsonNumericCell";

QColor blend(const QColor &base, const QColor &tint, double share)
{
    return QColor::fromRgbF(float(base.redF() * (1 - share) + tint.redF() * share),
                            float(base.greenF() * (1 - share) + tint.greenF() * share),
                            float(base.blueF() * (1 - share) + tint.blueF() * share));
}

} // namespace

CatalogueGrid::CatalogueGrid(QWidget *parent)
    : QTableView(parent)
{
    setItemDelegate(new CatalogueGridDelegate(this));
    // The current row and cell are painted by the delegate; a selection
    // would only compete with them.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('W')) + 8);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void CatalogueGrid::setEditorModel(EditorTableModel *model)
{
    m_model = model;
    setModel(model);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &CatalogueGrid::onCurrentRowChanged);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, viewport(), qOverload<>(&QWidget::update));
}

void CatalogueGrid::onCurrentRowChanged(const QModelIndex &current, const QModelIndex &previous)
{
    viewport()->update();
    if (m_returning || !m_model || !m_model->isEditing() || !previous.isValid())
        return;
    if (previous.row() != m_model->editingRow() || current.row() == previous.row())
        return;
    const int row = previous.row();
    const int column = previous.column();
    if (storePendingRow())
        return;
    // The cursor goes back once the view has finished moving it.
    QTimer::singleShot(0, this, [this, row, column] {
        if (!m_model || m_model->editingRow() != row)
            return;
        m_returning = true;
        setCurrentIndex(m_model->index(row, column));
        m_returning = false;
    });
}

bool CatalogueGrid::storePendingRow()
{
    if (!m_model || !m_model->isEditing())
        return true;
    return guarded(this, [this] { m_model->store(); });
}

void CatalogueGrid::commitOpenEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    const auto editors = viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *editor : editors) {
        if (!editor->isVisible())
            continue;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void CatalogueGrid::appendRow()
{
    if (!m_model || m_model->table().isEmpty())
        return;
    commitOpenEditor();
    if (m_model->isInserting() && !m_model->hasPendingChanges()) {
        setCurrentIndex(m_model->index(m_model->editingRow(), qMax(currentIndex().column(), 0)));
        return;
    }
    if (!storePendingRow())
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    int row = -1;
    if (!guarded(this, [&] { row = m_model->appendRow(); }))
        return;
    setCurrentIndex(m_model->index(row, column));
    scrollTo(currentIndex());
}

void CatalogueGrid::deleteCurrentRow()
{
    const QModelIndex current = currentIndex();
    if (!m_model || !current.isValid())
        return;
    commitOpenEditor();
    if (m_model->isInserting() && m_model->editingRow() == current.row()) {
        m_model->cancel();
        return;
    }
    QMessageBox confirm(QMessageBox::Question, QStringLiteral("Кварцон"), QStringLiteral("Удалить запись?"),
                        QMessageBox::Yes | QMessageBox::No, this);
    confirm.setDefaultButton(QMessageBox::No);
    if (confirm.exec() != QMessageBox::Yes)
        return;
    const int row = current.row();
    const int column = current.column();
    if (!guarded(this, [&] { m_model->removeRowNow(row); }))
        return;
    if (m_model->rowCount() > 0)
        setCurrentIndex(m_model->index(qMin(row, m_model->rowCount() - 1), column));
}

bool CatalogueGrid::findNext(const QString &text)
{
    if (!m_model || text.isEmpty() || m_model->rowCount() == 0)
        return false;
    QList<int> order;
    for (int visual = 0; visual < horizontalHeader()->count(); ++visual) {
        const int logical = horizontalHeader()->logicalIndex(visual);
        if (!isColumnHidden(logical))
            order << logical;
    }
    if (order.isEmpty())
        return false;
    const int width = int(order.size());
    const int total = m_model->rowCount() * width;
    const QModelIndex current = currentIndex();
    const int start = current.isValid() ? current.row() * width + int(order.indexOf(current.column())) : -1;
    for (int step = 1; step <= total; ++step) {
        const int position = ((start + step) % total + total) % total;
        const QModelIndex cell = m_model->index(position / width, order[position % width]);
        if (cell.data(Qt::DisplayRole).toString().contains(text, Qt::CaseInsensitive)) {
            setCurrentIndex(cell);
            scrollTo(cell);
            return true;
        }
    }
    return false;
}

void CatalogueGrid::keyPressEvent(QKeyEvent *event)
{
    const bool editing = state() == QAbstractItemView::EditingState;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (m_model && modifiers == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Down:
            if (currentIndex().row() == m_model->rowCount() - 1) {
                appendRow();
                event->accept();
                return;
            }
            break;
        case Qt::Key_Insert:
            appendRow();
            event->accept();
            return;
        case Qt::Key_Escape:
            if (!editing && m_model->isEditing()) {
                m_model->cancel();
                viewport()->update();
                event->accept();
                return;
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!editing && currentIndex().isValid() && (currentIndex().flags() & Qt::ItemIsEditable)) {
                edit(currentIndex());
                event->accept();
                return;
            }
            break;
        default:
            break;
        }
    } else if (m_model && modifiers == Qt::ControlModifier && event->key() == Qt::Key_Delete) {
        deleteCurrentRow();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void CatalogueGrid::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_model || m_model->table().isEmpty())
        return;
    QMenu menu(this);
    QAction *add = menu.addAction(QStringLiteral("Добавить запись"));
    add->setShortcut(QKeySequence(Qt::Key_Insert));
    QAction *remove = menu.addAction(QStringLiteral("Удалить запись"));
    remove->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    remove->setEnabled(currentIndex().isValid());
    QAction *chosen = menu.exec(event->globalPos());
    if (chosen == add)
        appendRow();
    else if (chosen == remove)
        deleteCurrentRow();
}

QWidget *CatalogueGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                             const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    const auto *model = qobject_cast<const EditorTableModel *>(index.model());
    if (model && model->isNumeric(index.column()))
        editor->setProperty(NumericCell, true);
    return editor;
}

bool CatalogueGridDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && object->property(NumericCell).toBool()) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (auto *field = qobject_cast<QLineEdit *>(object); field && key->text() == QLatin1String(".")) {
            field->insert(QLocale().decimalPoint());
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void CatalogueGridDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto *view = qobject_cast<const QAbstractItemView *>(option->widget);
    if (!view)
        return;
    const QModelIndex current = view->currentIndex();
    if (!current.isValid() || current.row() != index.row())
        return;
    if (current.column() == index.column()) {
        option->state |= QStyle::State_Selected;
    } else {
        const QPalette::ColorGroup group = view->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
        option->backgroundBrush = blend(option->palette.color(group, QPalette::Base),
                                        option->palette.color(group, QPalette::Highlight), 0.22);
    }
}

GridFindDialog::GridFindDialog(CatalogueGrid *grid, QWidget *parent)
    : QDialog(parent), m_grid(grid)
{
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(QStringLiteral("Поиск"));
    auto *label = new QLabel(QStringLiteral("Найти:"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("FindText"));
    m_text->setMinimumWidth(220);
    label->setBuddy(m_text);
    auto *next = new QPushButton(QStringLiteral("Найти далее"), this);
    next->setObjectName(QStringLiteral("FindNext"));
    next->setDefault(true);
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("FindClose"));
    auto *layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_text, 0, 1);
    layout->addWidget(next, 0, 2);
    layout->addWidget(close, 1, 2);
    layout->setColumnStretch(1, 1);
    connect(next, &QPushButton::clicked, this, &GridFindDialog::findNext);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void GridFindDialog::findNext()
{
    if (m_text->text().isEmpty() || !m_grid)
        return;
    if (!m_grid->findNext(m_text->text()))
        QMessageBox::information(this, QStringLiteral("Кварцон"),
                                 QStringLiteral("Текст «%1» не найден").arg(m_text->text()));
}

} // namespace kvartson
