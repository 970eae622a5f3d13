#include "catalogue/catalogueeditor.h"

#include "app/errorguard.h"
#include "app/mainwindow.h"
#include "catalogue/catalogue.h"
#include "catalogue/cataloguegrid.h"
#include "catalogue/editortablemodel.h"
#include "catalogue/passwordbox.h"
#include "ui_catalogueeditor.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace kvartson {

const QList<CatalogueEditor::MenuEntry> &CatalogueEditor::menuEntries()
{
    static const QList<MenuEntry> entries{
        {"N3", "motor"},     {"N18", "starter"},   {"N4", "pump"},       {"N5", "block"},
        {"N20", "poppetall"}, {"N6", "tankall"},   {"N7", "bracket"},    {"N8", "flow"},
        {"N9", "plastic"},   {"N10", "filter"},    {"N11", "gorl"},      {"N12", "plug"},
        {"N13", "coupling"}, {"N14", "control"},   {"N15", "subplateall"}, {"N19", "valveall"},
        {"N23", "manometr"},
    };
    return entries;
}

CatalogueEditor::CatalogueEditor(MainWindow *main)
    : QDialog(main), m_ui(std::make_unique<Ui::Tf_edit>()), m_main(main), m_model(new EditorTableModel(this))
{
    m_ui->setupUi(this);
    m_ui->DBGridEh1->setEditorModel(m_model);
    setUpColumns();

    m_find = new GridFindDialog(m_ui->DBGridEh1, this);
    auto *find = new QAction(QStringLiteral("Найти"), this);
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QAction::triggered, this, &CatalogueEditor::showFindDialog);
    addAction(find);
    auto *next = new QAction(QStringLiteral("Найти далее"), this);
    next->setShortcut(QKeySequence::FindNext);
    next->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QAction::triggered, this, &CatalogueEditor::findNext);
    addAction(next);

    for (const MenuEntry &entry : menuEntries()) {
        auto *action = main->findChild<QAction *>(QLatin1String(entry.action));
        if (!action)
            continue;
        const QString table = QLatin1String(entry.table);
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, table] {
            guarded(m_main, [this, &table] { requestAccess(table); });
        });
    }
}

CatalogueEditor::~CatalogueEditor() = default;

CatalogueGrid *CatalogueEditor::grid() const
{
    return m_ui->DBGridEh1;
}

void CatalogueEditor::setUpColumns()
{
    QHeaderView *header = m_ui->DBGridEh1->horizontalHeader();
    // A column the user moved or resized stays so for the rest of the run.
    if (!m_headerState.isEmpty() && header->restoreState(m_headerState))
        return;
    header->setDefaultSectionSize(64);
    const auto &columns = EditorTableModel::columns();
    for (int column = 0; column < EditorTableModel::ColumnCount; ++column) {
        // The widths were chosen for a narrower font than most platforms
        // have: a title never gets clipped.
        const int width = columns[column].width > 0 ? columns[column].width : header->defaultSectionSize();
        const int title = header->fontMetrics().horizontalAdvance(QString::fromUtf8(columns[column].title))
                          + 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 4;
        header->resizeSection(column, qMax(width, title));
    }
}

void CatalogueEditor::requestAccess(const QString &table)
{
    const QString typed = askCataloguePassword(m_main);
    if (typed.isEmpty())
        return;
    if (typed != m_main->cataloguePassword()) {
        QMessageBox wrong(QMessageBox::NoIcon, QStringLiteral("Кварцон"), QStringLiteral("Неверный пароль"),
                          QMessageBox::Ok, m_main);
        wrong.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        wrong.exec();
        return;
    }
    editTable(table);
}

void CatalogueEditor::editTable(const QString &table)
{
    Catalogue *catalogue = m_main->catalogue();
    Dataset *edit = catalogue->dataset(QStringLiteral("edit"));
    edit->close();
    edit->setTable(table);
    edit->open();
    try {
        m_model->load(catalogue->database(), table);
    } catch (...) {
        edit->close();
        throw;
    }
    setUpColumns();
    CatalogueGrid *grid = m_ui->DBGridEh1;
    if (m_model->rowCount() > 0)
        grid->setCurrentIndex(m_model->index(0, 0));
    grid->scrollToTop();
    grid->setFocus();
    exec();
}

void CatalogueEditor::done(int result)
{
    // Closing discards a row still in editing: nothing is stored here.
    m_find->hide();
    m_headerState = m_ui->DBGridEh1->horizontalHeader()->saveState();
    m_model->clear();
    if (m_main)
        m_main->catalogue()->dataset(QStringLiteral("edit"))->close();
    QDialog::done(result);
}

void CatalogueEditor::showFindDialog()
{
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
    m_find->textField()->selectAll();
    m_find->textField()->setFocus();
}

void CatalogueEditor::findNext()
{
    if (m_find->textField()->text().isEmpty())
        showFindDialog();
    else
        m_find->findNext();
}

} // namespace kvartson
