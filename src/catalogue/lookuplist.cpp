#include "catalogue/lookuplist.h"

#include "app/errorguard.h"
#include "catalogue/dataset.h"
#include "catalogue/stockcolourmodel.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableView>
#include <QTextLayout>
#include <QVBoxLayout>

namespace kvartson {

namespace {

const QString idColumn = QStringLiteral("id");

// The text as it fits into the given number of word-wrapped lines, the last
// line cut with an ellipsis when the text is longer.
QString wrappedToLines(const QString &text, const QFont &font, int width, int lines)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList shown;
    for (int index = 0; index < lines; ++index) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        const QString part = text.mid(line.textStart(), line.textLength());
        const bool last = index == lines - 1 && line.textStart() + line.textLength() < text.size();
        shown << (last ? QFontMetrics(font).elidedText(text.mid(line.textStart()), Qt::ElideRight, width)
                       : part.trimmed());
    }
    layout.endLayout();
    return shown.join(QLatin1Char('\n'));
}

} // namespace

LookupList::LookupList(QWidget *parent)
    : QComboBox(parent)
{
    // Always editable underneath so that the list's own text can be shown; a
    // pick-only list makes its edit field read-only.
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, &LookupList::onTextEdited);

    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setObjectName(QStringLiteral("dropDown"));
    m_popup->setFrameShape(QFrame::Box);
    m_popup->setLineWidth(1);
    auto *layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QTableView(m_popup);
    m_view->setObjectName(QStringLiteral("dropDownView"));
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setShowGrid(false);
    m_view->setWordWrap(false);
    m_view->horizontalHeader()->hide();
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    layout->addWidget(m_view);
    m_colourModel = new StockColourModel(this);
    m_view->setModel(m_colourModel);
    connect(m_view, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            guarded(this, [&] { chooseRow(index.row()); });
    });
    updateBackground();
}

LookupList::~LookupList() = default;

void LookupList::setDataset(Dataset *dataset, const QString &listColumn)
{
    m_dataset = dataset;
    m_listColumn = listColumn;
    m_colourModel->setSourceModel(dataset ? dataset->model() : nullptr);
    connect(dataset->model(), &QAbstractItemModel::modelReset, this, &LookupList::applyColumns);
    if (m_columns.isEmpty())
        m_columns = {{listColumn}};
    applyColumns();
}

void LookupList::configure(Dataset *dataset, const Settings &settings)
{
    m_columns = settings.columns;
    setDataset(dataset, settings.listColumn);
    setPickOnly(settings.pickOnly);
    if (settings.rows > 0)
        setDropDownRows(settings.rows);
    setDropDownWidth(settings.width);
    setAutoDrop(settings.autoDrop);
    setDropDownOnClick(settings.dropDownOnClick);
    setOutOfStockColour(settings.outOfStock);
}

void LookupList::setTextLines(int lines)
{
    m_textLines = qMax(1, lines);
    if (m_textLines > 1 && !m_wrappedText) {
        m_wrappedText = new QLabel(lineEdit());
        m_wrappedText->setObjectName(QStringLiteral("wrappedText"));
        m_wrappedText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_wrappedText->setAttribute(Qt::WA_TransparentForMouseEvents);
        // Drawn in the window-text colour: the edit field's own text colour is
        // made transparent while the wrapped text is shown.
        m_wrappedText->setForegroundRole(QPalette::WindowText);
    }
    const int frame = height() - lineEdit()->height();
    setMinimumHeight(m_textLines * fontMetrics().lineSpacing() + qMax(frame, 6) + 2);
    updateWrappedText();
}

void LookupList::updateWrappedText()
{
    if (!m_wrappedText)
        return;
    const bool typing = lineEdit()->hasFocus() && !lineEdit()->isReadOnly();
    const QRect area = lineEdit()->rect().adjusted(2, 0, -2, 0);
    m_wrappedText->setText(wrappedToLines(m_text, m_wrappedText->font(), area.width(), m_textLines));
    m_wrappedText->setGeometry(area);
    m_wrappedText->setVisible(!typing);
    // The one-line text of the edit field stays underneath, unseen, until the
    // user types.
    QPalette palette = lineEdit()->palette();
    const QColor text = QApplication::palette().color(QPalette::Active, QPalette::Text);
    palette.setColor(QPalette::Text, typing ? text : QColor(Qt::transparent));
    lineEdit()->setPalette(palette);
}

void LookupList::setPickOnly(bool pickOnly)
{
    m_pickOnly = pickOnly;
    lineEdit()->setReadOnly(pickOnly);
}

void LookupList::setDropDownColumns(const QList<Column> &columns)
{
    m_columns = columns;
    applyColumns();
}

void LookupList::setOutOfStockColour(const QColor &colour)
{
    m_outOfStock = colour;
    m_colourModel->setOutOfStockColour(colour);
}

void LookupList::applyColumns()
{
    if (!m_dataset)
        return;
    const QAbstractItemModel *model = m_dataset->model();
    for (int column = 0; column < model->columnCount(); ++column)
        m_view->setColumnHidden(column, true);
    for (const Column &column : std::as_const(m_columns)) {
        const int index = m_dataset->columnIndex(column.name);
        if (index >= 0)
            m_view->setColumnHidden(index, !column.visible);
    }
}

void LookupList::setText(const QString &text)
{
    const int row = (m_dataset && m_dataset->isOpen() && !text.isEmpty())
                        ? m_dataset->findRow(m_listColumn, text, true)
                        : -1;
    if (row >= 0) {
        selectRow(row);
    } else if (m_pickOnly || text.isEmpty()) {
        applyChoice(QString(), QVariant());
    } else {
        applyChoice(text, QVariant());
    }
}

void LookupList::setKey(const QVariant &key)
{
    const int row = (m_dataset && m_dataset->isOpen() && !key.isNull()) ? m_dataset->findRow(idColumn, key) : -1;
    if (row >= 0) {
        selectRow(row);
    } else {
        applyChoice(QString(), key);
    }
}

void LookupList::clearChoice()
{
    applyChoice(QString(), QVariant());
}

void LookupList::chooseRow(int row)
{
    hidePopup();
    if (!m_dataset || !m_dataset->isOpen() || row < 0 || row >= m_dataset->count())
        return;
    selectRow(row);
    lineEdit()->selectAll();
}

void LookupList::selectRow(int row)
{
    m_dataset->setCurrentRow(row);
    applyChoice(m_dataset->valueAt(row, m_listColumn).toString(), m_dataset->valueAt(row, idColumn));
}

void LookupList::applyChoice(const QString &text, const QVariant &key)
{
    const bool textChanged = text != m_text;
    const bool keyChanged = !(key == m_key) || key.isNull() != m_key.isNull();
    m_text = text;
    m_key = key;
    // Text the user is typing is already in the field; a text set by the
    // program or a pick is shown from its start.
    if (lineEdit()->text() != text) {
        lineEdit()->setText(text);
        lineEdit()->setCursorPosition(0);
    }
    setToolTip(text);
    updateWrappedText();
    // A rule run by the text change may set this list again; then that newer
    // choice has announced itself and the key change here is stale.
    const QString textAfter = m_text;
    const QVariant keyAfter = m_key;
    if (textChanged)
        emit listTextChanged(text);
    if (keyChanged && m_text == textAfter && m_key == keyAfter)
        emit listKeyChanged(key);
}

void LookupList::onTextEdited(const QString &text)
{
    if (m_pickOnly)
        return;
    guarded(this, [&] { followTypedText(text); });
}

void LookupList::followTypedText(const QString &text)
{
    int row = -1;
    if (m_dataset && m_dataset->isOpen() && !text.isEmpty())
        row = m_dataset->findRow(m_listColumn, text, true);
    if (row >= 0) {
        m_dataset->setCurrentRow(row);
        applyChoice(text, m_dataset->valueAt(row, idColumn));
    } else {
        applyChoice(text, QVariant());
    }
    if (m_autoDrop && !isDropDownVisible() && !text.isEmpty())
        openDropDown();
    highlightPrefix(text);
}

void LookupList::highlightPrefix(const QString &text)
{
    if (!m_dataset || !m_dataset->isOpen() || text.isEmpty())
        return;
    for (int row = 0; row < m_dataset->count(); ++row) {
        if (m_dataset->valueAt(row, m_listColumn).toString().startsWith(text, Qt::CaseInsensitive)) {
            m_view->selectRow(row);
            m_view->scrollTo(m_colourModel->index(row, 0));
            return;
        }
    }
}

bool LookupList::hasInputFocus() const
{
    return hasFocus() || isDropDownVisible();
}

bool LookupList::isDropDownVisible() const
{
    return m_popup->isVisible();
}

void LookupList::showPopup()
{
    guarded(this, [this] { openDropDown(); });
}

void LookupList::openDropDown()
{
    if (!isEnabled() || !m_dataset)
        return;
    applyColumns();
    const int rowHeight = fontMetrics().height() + 4;
    m_view->verticalHeader()->setDefaultSectionSize(rowHeight);
    const int rows = qBound(1, m_dataset->count(), m_dropDownRows);
    const int frame = 2 * m_popup->frameWidth();
    const int popupWidth = qMax(m_dropDownWidth > 0 ? m_dropDownWidth : width(), 60);
    const bool needsScrollBar = m_dataset->count() > m_dropDownRows;
    const int innerWidth = popupWidth - frame
        - (needsScrollBar ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);

    // Fixed widths are kept while they fit; columns without a width (the
    // descriptions) share what is left and never get less than 70 percent.
    QList<QPair<int, int>> shown; // model column, configured width
    int fixed = 0;
    int flexible = 0;
    for (const Column &column : std::as_const(m_columns)) {
        const int index = m_dataset->columnIndex(column.name);
        if (index < 0 || !column.visible)
            continue;
        shown.append({index, column.width});
        if (column.width > 0)
            fixed += column.width;
        else
            ++flexible;
    }
    const int flexibleSpace = flexible > 0 ? qMax(innerWidth - fixed, innerWidth * 7 / 10) : 0;
    const double fixedScale = fixed > 0 ? qMin(1.0, double(innerWidth - flexibleSpace) / fixed) : 1.0;
    int used = 0;
    for (int i = 0; i < shown.size(); ++i) {
        const auto [index, configured] = shown.at(i);
        int width = configured > 0 ? int(configured * fixedScale) : flexibleSpace / flexible;
        if (i == shown.size() - 1)
            width = qMax(innerWidth - used, 20);
        m_view->setColumnWidth(index, width);
        used += width;
    }

    m_popup->resize(popupWidth, rows * rowHeight + frame);
    QPoint below = mapToGlobal(QPoint(0, height()));
    if (const QScreen *screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        if (below.y() + m_popup->height() > available.bottom())
            below.setY(mapToGlobal(QPoint(0, 0)).y() - m_popup->height());
        below.setX(qBound(available.left(), below.x(), qMax(available.left(), available.right() - m_popup->width())));
    }
    m_popup->move(below);

    m_view->clearSelection();
    const int current = m_key.isNull() ? -1 : m_dataset->findRow(idColumn, m_key);
    if (current >= 0)
        m_view->selectRow(current);
    else if (!m_text.isEmpty())
        highlightPrefix(m_text);
    m_popup->show();
    m_view->setFocus();
}

void LookupList::hidePopup()
{
    m_popup->hide();
}

bool LookupList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit()) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut || event->type() == QEvent::Resize)
            updateWrappedText();
        if (event->type() == QEvent::MouseButtonPress && m_dropOnClick && isEnabled() && !isDropDownVisible()) {
            QComboBox::eventFilter(watched, event);
            showPopup();
            return false;
        }
    } else if ((watched == m_view || watched == m_view->viewport()) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            const QModelIndexList selected = m_view->selectionModel()->selectedRows();
            if (!selected.isEmpty())
                guarded(this, [&] { chooseRow(selected.first().row()); });
            else
                hidePopup();
            return true;
        }
        case Qt::Key_Escape:
        case Qt::Key_F4:
            hidePopup();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return false;
        default:
            if (m_pickOnly) {
                if (!key->text().isEmpty())
                    guarded(this, [&] { highlightPrefix(key->text()); });
                return true;
            }
            // Typing goes on in the edit field while the drop-down is open.
            QApplication::sendEvent(lineEdit(), event);
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void LookupList::keyPressEvent(QKeyEvent *event)
{
    bool handled = false;
    guarded(this, [&] { handled = stepOrDropDown(event); });
    if (!handled)
        QComboBox::keyPressEvent(event);
}

bool LookupList::stepOrDropDown(const QKeyEvent *event)
{
    if (!m_dataset || !m_dataset->isOpen())
        return false;
    // Up and Down step through the rows without opening the drop-down, as in
    // any combo box.
    if ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) && !(event->modifiers() & Qt::AltModifier)) {
        if (m_dataset->count() == 0)
            return true;
        const int current = m_key.isNull() ? -1 : m_dataset->findRow(idColumn, m_key);
        const int row = current < 0 ? 0
                        : event->key() == Qt::Key_Down ? qMin(current + 1, m_dataset->count() - 1)
                                                       : qMax(current - 1, 0);
        if (row != current)
            chooseRow(row);
        return true;
    }
    // Typing into a pick-only list drops it down at the first row that begins
    // with the typed character; typing into an editable one goes to its text.
    const QString typed = event->text();
    if (m_pickOnly && m_autoDrop && !typed.isEmpty() && typed.at(0).isPrint()) {
        openDropDown();
        highlightPrefix(typed);
        return true;
    }
    return false;
}

void LookupList::changeEvent(QEvent *event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateBackground();
}

void LookupList::setListEnabled(bool enabled)
{
    setEnabled(enabled);
    lineEdit()->setReadOnly(m_pickOnly || !enabled);
    updateBackground();
}

void LookupList::updateBackground()
{
    QPalette palette = this->palette();
    const QColor window = QApplication::palette().color(QPalette::Active, QPalette::Base);
    const QColor buttonFace = QApplication::palette().color(QPalette::Active, QPalette::Button);
    palette.setColor(QPalette::Base, isEnabled() ? window : buttonFace);
    setPalette(palette);
    lineEdit()->setPalette(palette);
    updateWrappedText();
}

} // namespace kvartson
