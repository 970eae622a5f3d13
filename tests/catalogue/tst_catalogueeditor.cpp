#include "app/mainwindow.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogueeditor.h"
#include "catalogue/cataloguegrid.h"
#include "catalogue/editortablemodel.h"
#include "support/messageboxwatcher.h"
#include "support/programfixture.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QTimer>
#include <QUuid>

#include <functional>

using namespace kvartson;
using namespace kvartson::test;

namespace {

using Column = EditorTableModel::Column;

// What the password box looked like when it was answered.
struct PasswordBoxSeen
{
    bool seen = false;
    QString caption;
    QString prompt;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    int maxLength = 0;
    QString shownText;
    QString okText;
    QString cancelText;
    bool okIsDefault = false;
};

// Answers the password box as a user does: types into its field and presses a key.
class PasswordTyper : public QObject
{
public:
    PasswordTyper(const QString &password, Qt::Key key)
        : m_password(password), m_key(key)
    {
        connect(&m_timer, &QTimer::timeout, this, &PasswordTyper::poll);
        m_timer.start(20);
    }

    PasswordBoxSeen seen;

private:
    void poll()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QInputDialog *>(widget);
            if (!box || !box->isVisible() || box->objectName() != QLatin1String("PasswordBox"))
                continue;
            m_timer.stop();
            auto *field = box->findChild<QLineEdit *>(QStringLiteral("PasswordText"));
            if (!field)
                qFatal("password field missing");
            seen.seen = true;
            seen.caption = box->windowTitle();
            for (QLabel *label : box->findChildren<QLabel *>())
                seen.prompt += label->text();
            seen.echo = field->echoMode();
            seen.maxLength = field->maxLength();
            const auto buttons = box->findChild<QDialogButtonBox *>();
            seen.okText = buttons->button(QDialogButtonBox::Ok)->text();
            seen.cancelText = buttons->button(QDialogButtonBox::Cancel)->text();
            seen.okIsDefault = buttons->button(QDialogButtonBox::Ok)->isDefault();
            QTest::keyClicks(field, m_password);
            seen.shownText = field->displayText();
            QTest::keyClick(field, m_key);
            return;
        }
    }

    QString m_password;
    Qt::Key m_key;
    QTimer m_timer;
};

// Presses the given button of every question box that opens, recording its text.
class QuestionAnswerer : public QObject
{
public:
    explicit QuestionAnswerer(QMessageBox::StandardButton answer)
        : m_answer(answer)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(widget);
                if (box && box->isVisible() && box->button(m_answer)) {
                    texts << box->text();
                    box->button(m_answer)->click();
                }
            }
        });
        m_timer.start(20);
    }

    QStringList texts;

private:
    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
};

// A second connection to the catalogue file: what is really stored there.
class FileReader
{
public:
    explicit FileReader(const QString &path)
        : m_name(QStringLiteral("reader-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot read the catalogue file");
    }
    ~FileReader()
    {
        QSqlDatabase::database(m_name).close();
        QSqlDatabase::removeDatabase(m_name);
    }

    QList<QVariantList> rows(const QString &sql) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        if (!query.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        QList<QVariantList> result;
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << query.value(i);
            result << row;
        }
        return result;
    }

    QVariant value(const QString &sql) const
    {
        const QList<QVariantList> found = rows(sql);
        return found.isEmpty() ? QVariant() : found.first().value(0);
    }

private:
    QString m_name;
};

CatalogueEditor *editorOf(const ProgramFixture &fixture)
{
    return fixture.find<CatalogueEditor>(QStringLiteral("f_edit"));
}

// Chooses a menu entry, answers the password box and, once the editor is on
// screen, runs the steps and closes the editor as a user would.
PasswordBoxSeen chooseEntry(const ProgramFixture &fixture, const QString &action, const QString &password,
                            const std::function<void(CatalogueEditor *)> &whileOpen = {},
                            Qt::Key key = Qt::Key_Return)
{
    PasswordTyper typer(password, key);
    CatalogueEditor *editor = editorOf(fixture);
    bool ran = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, editor, [&] {
        if (ran || !editor->isVisible())
            return;
        ran = true;
        watch.stop();
        if (whileOpen)
            whileOpen(editor);
        if (editor->isVisible())
            editor->close();
    });
    watch.start(20);
    QAction *entry = fixture.find<QAction>(action);
    if (!entry)
        qFatal("no menu entry %s", qPrintable(action));
    entry->trigger();
    return typer.seen;
}

const QString Password = QStringLiteral("quartzline");

CatalogueGrid *gridOf(CatalogueEditor *editor)
{
    return editor->findChild<CatalogueGrid *>(QStringLiteral("DBGridEh1"));
}

QString cell(CatalogueGrid *grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

QStringList columnTexts(CatalogueGrid *grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        texts << cell(grid, row, column);
    return texts;
}

// Types any text, Cyrillic included, one key at a time.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(ch.toUpper().unicode()), QString(ch), Qt::NoModifier);
}

void clickCell(CatalogueGrid *grid, int row, int column)
{
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
}

// Opens the cell's editor with F2 and replaces its text by typing.
QLineEdit *typeIntoCell(CatalogueGrid *grid, int row, int column, const QString &text)
{
    clickCell(grid, row, column);
    QTest::keyClick(grid, Qt::Key_F2);
    QLineEdit *field = nullptr;
    for (QLineEdit *candidate : grid->viewport()->findChildren<QLineEdit *>()) {
        if (candidate->isVisible())
            field = candidate;
    }
    if (!field)
        return nullptr;
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        typeText(field, text);
    return field;
}

QString motorDump(const FileReader &file)
{
    QStringList lines;
    for (const QVariantList &row : file.rows(QStringLiteral("SELECT * FROM motor ORDER BY id"))) {
        QStringList values;
        for (const QVariant &value : row)
            values << (value.isNull() ? QStringLiteral("NULL") : value.toString());
        lines << values.join(QLatin1Char('|'));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class CatalogueEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void passwordBoxAsksMaskedWithItsOwnButtons()
    {
        ProgramFixture fixture;
        const PasswordBoxSeen seen = chooseEntry(fixture, QStringLiteral("N3"), QStringLiteral("geheim"), {},
                                                 Qt::Key_Escape);
        QVERIFY(seen.seen);
        QCOMPARE(seen.caption, QStringLiteral("Доступ к базе данных"));
        QCOMPARE(seen.prompt, QStringLiteral("Введите пароль"));
        QCOMPARE(seen.echo, QLineEdit::Password);
        QCOMPARE(seen.maxLength, 255);
        QCOMPARE(seen.shownText, QStringLiteral("******"));
        QCOMPARE(seen.okText, QStringLiteral("OK"));
        QCOMPARE(seen.cancelText, QStringLiteral("Отмена"));
        QVERIFY(seen.okIsDefault);
    }

    void passwordDecidesAccess_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("messages");
        const QStringList wrong{QStringLiteral("Неверный пароль")};
        QTest::newRow("right, Enter") << Password << int(Qt::Key_Return) << true << QStringList();
        QTest::newRow("first letter capital") << QStringLiteral("Quartzline") << int(Qt::Key_Return) << false << wrong;
        QTest::newRow("all capitals") << QStringLiteral("QUARTZLINE") << int(Qt::Key_Return) << false << wrong;
        QTest::newRow("blank before") << QStringLiteral(" quartzline") << int(Qt::Key_Return) << false << wrong;
        QTest::newRow("blank after") << QStringLiteral("quartzline ") << int(Qt::Key_Return) << false << wrong;
        QTest::newRow("something else") << QStringLiteral("quartz") << int(Qt::Key_Return) << false << wrong;
        QTest::newRow("right, Esc") << Password << int(Qt::Key_Escape) << false << QStringList();
        QTest::newRow("empty, Enter") << QString() << int(Qt::Key_Return) << false << QStringList();
    }

    void passwordDecidesAccess()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(bool, opens);
        QFETCH(QStringList, messages);
        ProgramFixture fixture;
        MessageBoxWatcher boxes;
        Dataset *edit = fixture.main()->catalogue()->dataset(QStringLiteral("edit"));
        bool opened = false;
        bool editOpenWhileShown = false;
        chooseEntry(fixture, QStringLiteral("N3"), typed, [&](CatalogueEditor *) {
            opened = true;
            editOpenWhileShown = edit->isOpen();
        }, Qt::Key(key));
        QCOMPARE(opened, opens);
        QCOMPARE(editOpenWhileShown, opens);
        QCOMPARE(boxes.texts(), messages);
        if (!messages.isEmpty())
            QCOMPARE(boxes.titles().first(), QStringLiteral("Кварцон"));
        QVERIFY(!edit->isOpen());
    }

    void editorShowsTheSixColumnsInAWindowOfItsOwn()
    {
        ProgramFixture fixture;
        chooseEntry(fixture, QStringLiteral("N3"), Password, [](CatalogueEditor *editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("Редактирование базы данных"));
            QVERIFY(editor->isModal());
            QCOMPARE(editor->size(), QSize(1305, 675));
            CatalogueGrid *grid = gridOf(editor);
            QVERIFY(grid);
            QCOMPARE(grid->geometry(), editor->rect());
            QHeaderView *header = grid->horizontalHeader();
            const QStringList titles{"Тип", "Производитель", "Код", "Описание", "Цена евро", "Склад"};
            const QList<int> widths{43, 86, 405, 359, header->defaultSectionSize(), header->defaultSectionSize()};
            QCOMPARE(grid->model()->columnCount(), titles.size());
            for (int column = 0; column < titles.size(); ++column) {
                QCOMPARE(grid->model()->headerData(column, Qt::Horizontal).toString(), titles[column]);
                QCOMPARE(Qt::Alignment(grid->model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt()),
                         Qt::Alignment(Qt::AlignCenter));
                // The given width, unless the platform's font needs more for the title.
                QVERIFY(header->sectionSize(column) >= widths[column]);
                QVERIFY(header->fontMetrics().horizontalAdvance(titles[column]) < header->sectionSize(column));
                QCOMPARE(header->sectionResizeMode(column), QHeaderView::Interactive);
            }
            QCOMPARE(header->sectionSize(Column::IdType), 43);
            QCOMPARE(header->sectionSize(Column::Code), 405);
            QCOMPARE(header->sectionSize(Column::Description), 359);
            QVERIFY(header->sectionsMovable());
            // The hidden columns (id, rpm, pow, dimid) are nowhere in the grid.
            QCOMPARE(cell(grid, 0, Column::Code), QStringLiteral("M-055"));
            QCOMPARE(cell(grid, 0, Column::Euro), QStringLiteral("80,5"));
            QCOMPARE(grid->model()->index(0, Column::Stock).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
            QCOMPARE(grid->model()->index(1, Column::Stock).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        });
    }

    void everyEntryOpensItsWholeTable_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("rows");
        const struct { const char *action, *entry, *table; int rows; } entries[] = {
            {"N3", "Электродвигатели", "motor", 6},
            {"N18", "Стартеры", "starter", 4},
            {"N4", "Насосы", "pump", 5},
            {"N5", "Центральные плиты", "block", 4},
            {"N20", "Разгрузочные клапана", "poppetall", 3},
            {"N6", "Баки", "tankall", 4},
            {"N7", "Лапы", "bracket", 1},
            {"N8", "Дроссель", "flow", 2},
            {"N9", "Обратный пластик", "plastic", 1},
            {"N10", "Фильтры", "filter", 2},
            {"N11", "Заливная горловина", "gorl", 3},
            {"N12", "Заглушки", "plug", 1},
            {"N13", "Муфта соединительная", "coupling", 3},
            {"N14", "Пульт", "control", 2},
            {"N15", "Промежуточные плиты", "subplateall", 2},
            {"N19", "Распределители", "valveall", 2},
            {"N23", "Манометры", "manometr", 6},
        };
        for (const auto &e : entries)
            QTest::newRow(e.entry) << e.action << QString::fromUtf8(e.entry) << e.table << e.rows;
    }

    void everyEntryOpensItsWholeTable()
    {
        QFETCH(QString, action);
        QFETCH(QString, entry);
        QFETCH(QString, table);
        QFETCH(int, rows);
        ProgramFixture fixture;
        QAction *menuEntry = fixture.find<QAction>(action);
        QVERIFY(menuEntry);
        QCOMPARE(menuEntry->text(), entry);
        QVERIFY(menuEntry->isEnabled());
        FileReader file(fixture.cataloguePath());
        const bool hasType = !file.rows(QStringLiteral("SELECT 1 FROM pragma_table_info('%1') WHERE name = 'id_type'")
                                            .arg(table)).isEmpty();
        QStringList codes, brands, types;
        const QString typeColumn = hasType ? QStringLiteral("id_type") : QStringLiteral("NULL");
        for (const QVariantList &row : file.rows(QStringLiteral("SELECT code, brand, %1 FROM %2").arg(typeColumn, table))) {
            codes << row[0].toString();
            brands << row[1].toString();
            types << row[2].toString();
        }
        Dataset *edit = fixture.main()->catalogue()->dataset(QStringLiteral("edit"));
        bool opened = false;
        chooseEntry(fixture, action, Password, [&](CatalogueEditor *editor) {
            opened = true;
            QVERIFY(edit->isOpen());
            QCOMPARE(edit->table(), table);
            CatalogueGrid *grid = gridOf(editor);
            QCOMPARE(grid->model()->rowCount(), rows);
            QCOMPARE(columnTexts(grid, Column::Code), codes);
            QCOMPARE(columnTexts(grid, Column::Brand), brands);
            QCOMPARE(columnTexts(grid, Column::IdType), types);
        });
        QVERIFY(opened);
        QVERIFY(!edit->isOpen());
    }

    void starterShowsAnEmptyTypeColumnAndControlEveryRow()
    {
        ProgramFixture fixture;
        chooseEntry(fixture, QStringLiteral("N18"), Password, [](CatalogueEditor *editor) {
            CatalogueGrid *grid = gridOf(editor);
            QCOMPARE(columnTexts(grid, Column::IdType), QStringList(4, QString()));
            QCOMPARE(cell(grid, 0, Column::Description), QStringLiteral("Стартер 24 В"));
            QVERIFY(!(grid->model()->index(0, Column::IdType).flags() & Qt::ItemIsEditable));
        });
        chooseEntry(fixture, QStringLiteral("N14"), Password, [](CatalogueEditor *editor) {
            CatalogueGrid *grid = gridOf(editor);
            QCOMPARE(columnTexts(grid, Column::IdType), (QStringList{"0", "1"}));
            QCOMPARE(columnTexts(grid, Column::Code), (QStringList{"RC-1", "RC-2"}));
        });
        // The configurator's own list still offers only type 0.
        QCOMPARE(fixture.main()->catalogue()->dataset(QStringLiteral("control"))->count(), 1);
    }

    void twoEntriesInTurnShowOnlyTheirOwnRows()
    {
        ProgramFixture fixture;
        QStringList first, second;
        chooseEntry(fixture, QStringLiteral("N3"), Password,
                    [&](CatalogueEditor *editor) { first = columnTexts(gridOf(editor), Column::Code); });
        chooseEntry(fixture, QStringLiteral("N9"), Password,
                    [&](CatalogueEditor *editor) { second = columnTexts(gridOf(editor), Column::Code); });
        QCOMPARE(first, (QStringList{"M-055", "M-150", "M-075", "M-000", "DC-22", "M-220"}));
        QCOMPARE(second, QStringList{"PL-1"});
    }

    void editIsStoredWhenTheRowIsLeft_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("price with comma") << int(Column::Euro) << "99,25" << "euro" << QVariant(99.25);
        QTest::newRow("price with full stop") << int(Column::Euro) << "99.25" << "euro" << QVariant(99.25);
        QTest::newRow("price emptied") << int(Column::Euro) << "" << "euro" << QVariant();
        QTest::newRow("description") << int(Column::Description) << "Новый мотор" << "description"
                                     << QVariant(QStringLiteral("Новый мотор"));
        QTest::newRow("type") << int(Column::IdType) << "2" << "id_type" << QVariant(2);
        QTest::newRow("brand of 20 letters") << int(Column::Brand) << QString(20, QLatin1Char('b')) << "brand"
                                             << QVariant(QString(20, QLatin1Char('b')));
    }

    void editIsStoredWhenTheRowIsLeft()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, field);
        QFETCH(QVariant, stored);
        ProgramFixture fixture;
        FileReader file(fixture.cataloguePath());
        const QString select = QStringLiteral("SELECT %1 FROM motor WHERE id = 1").arg(field);
        const QVariant before = file.value(select);
        QVariant whileInRow;
        QVariant afterLeaving;
        chooseEntry(fixture, QStringLiteral("N3"), Password, [&](CatalogueEditor *editor) {
            CatalogueGrid *grid = gridOf(editor);
            QLineEdit *cellEditor = typeIntoCell(grid, 0, column, typed);
            QVERIFY(cellEditor);
            QTest::keyClick(cellEditor, Qt::Key_Tab);
            whileInRow = file.value(select);
            QTest::keyClick(grid, Qt::Key_Down);
            QCOMPARE(grid->currentIndex().row(), 1);
            afterLeaving = file.value(select);
            QVERIFY(!editor->tableModel()->isEditing());
        });
        QCOMPARE(whileInRow, before);
        if (stored.isNull())
            QVERIFY(afterLeaving.isNull());
        else
            QCOMPARE(afterLeaving.toString(), stored.toString());
    }

    void stockIsTickedWithTheSpaceBar()
    {
        ProgramFixture fixture;
        FileReader file(fixture.cataloguePath());
        chooseEntry(fixture, QStringLiteral("N3"), Password, [&](CatalogueEditor *editor) {
            CatalogueGrid *grid = gridOf(editor);
            clickCell(grid, 1, Column::Stock);
            QTest::keyClick(grid, Qt::Key_Space);
            QCOMPARE(grid->model()->index(1, Column::Stock).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
            QCOMPARE(file.value(QStringLiteral("SELECT stock FROM motor WHERE id = 2")).toInt(), 0);
            QTest::keyClick(grid, Qt::Key_Up);
        });
        QCOMPARE(file.value(QStringLiteral("SELECT stock FROM motor WHERE id = 2")).toInt(), 1);
    }

    void newRowGetsANewId_data()
    {
        QTest::addColumn<int>("fromRow");
        QTest::addColumn<int>("key");
        QTest::newRow("Down on the last row") << 5 << int(Qt::Key_Down);
        QTest::newRow("Insert on the first row") << 0 << int(Qt::Key_Insert);
    }

    void newRowGetsANewId()
    {
        QFETCH(int, fromRow);
        QFETCH(int, key);
        ProgramFixture fixture;
        FileReader file(fixture.cataloguePath());
        chooseEntry(fixture, QStringLiteral("N3"), Password, [&](CatalogueEditor *editor) {
            CatalogueGrid *grid = gridOf(editor);
            clickCell(grid, fromRow, Column::Code);
            QTest::keyClick(grid, Qt::Key(key));
            QCOMPARE(grid->model()->rowCount(), 7);
            QCOMPARE(grid->currentIndex().row(), 6);
            QLineEdit *cellEditor = typeIntoCell(grid, 6, Column::Code, QStringLiteral("M-300"));
            QVERIFY(cellEditor);
            QTest::keyClick(cellEditor, Qt::Key_Return);
            cellEditor = typeIntoCell(grid, 6, Column::Description, QStringLiteral("АИР90 3 кВт"));
            QVERIFY(cellEditor);
            QTest::keyClick(cellEditor, Qt::Key_Up);
            QCOMPARE(grid->currentIndex().row(), 5);
            QCOMPARE(cell(grid, 6, Column::Code), QStringLiteral("M-300"));
        });
        const QList<QVariantList> rows = file.rows(
            QStringLiteral("SELECT id, code, description, rpm, pow, dimid FROM motor WHERE code = 'M-300'"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0].toInt(), 7);
        QCOMPARE(rows[0][2].toString(), QStringLiteral("АИР90 3 кВт"));
        QVERIFY(rows[0][3].isNull() && rows[0][4].isNull() && rows[0][5].isNull());
        QCOMPARE(file.value(QStringLiteral("SELECT count(*) FROM motor")).toInt(), 7);
    }

    void rowLeftUntouchedAddsNothing()
    {
        ProgramFixture fixture;
        FileReader file(fixture.cataloguePath());
        chooseEntry(fixture, QStringLiteral("N7"), Password, [&](CatalogueEditor *editor) {
            CatalogueGrid *grid = gridOf(editor);
            clickCell(grid, 0, Column::Code);
            QTest::keyClick(grid, Qt::Key_Down);
            QCOMPARE(grid->model()->rowCount(), 2);
            QTest::keyClick(grid, Qt::Key_Up);
            QCOMPARE(grid->model()->rowCount(), 1);
        });
        QCOMPARE(file.value(QStringLiteral("SELECT count(*) FROM bracket")).toInt(), 1);
    }

    void deletedRowIsGoneFromTheFile_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("codesLeft");
        QTest::newRow("confirmed") << int(QMessageBox::Yes) << QStringList{"F-1"};
        QTest::newRow("refused") << int(QMessageBox::No) << QStringList{"F-1", "F-2"};
    }

    void deletedRowIsGoneFromTheFile()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, codesLeft);
        ProgramFixture fixture;
        FileReader file(fixture.cataloguePath());
        QuestionAnswerer question{QMessageBox::StandardButton(answer)};
        QStringList shown;
        chooseEntry(fixture, QStringLiteral("N8"), Password, [&](CatalogueEditor *editor) {
            CatalogueGrid *grid = gridOf(editor);
            clickCell(grid, 1, Column::Description);
            QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
            shown = columnTexts(grid, Column::Code);
        });
        QCOMPARE(question.texts, QStringList{QStringLiteral("Удалить запись?")});
        QCOMPARE(shown, codesLeft);
        QStringList stored;
        for (const QVariantList &row : file.rows(QStringLiteral("SELECT code FROM flow")))
            stored << row[0].toString();
        QCOMPARE(stored, codesLeft);
    }

    void badValueIsRefusedAndTheRowStaysInEditing_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("brand of 21 letters") << int(Column::Brand) << QString(21, QLatin1Char('b'))
                                             << "CHECK constraint failed: length(brand) <= 20.";
        QTest::newRow("letter in the price") << int(Column::Euro) << "12a" << "'12a' is not a valid floating point value.";
        QTest::newRow("letter in the type") << int(Column::IdType) << "x1" << "'x1' is not a valid integer value.";
        QTest::newRow("fraction in the type") << int(Column::IdType) << "1,5" << "'1,5' is not a valid integer value.";
    }

    void badValueIsRefusedAndTheRowStaysInEditing()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ProgramFixture fixture;
        FileReader file(fixture.cataloguePath());
        const QString before = motorDump(file);
        MessageBoxWatcher boxes;
        QString afterRefusal;
        chooseEntry(fixture, QStringLiteral("N3"), Password, [&](CatalogueEditor *editor) {
            CatalogueGrid *grid = gridOf(editor);
            EditorTableModel *model = editor->tableModel();
            QLineEdit *cellEditor = typeIntoCell(grid, 2, column, typed);
            QVERIFY(cellEditor);
            QTest::keyClick(cellEditor, Qt::Key_Down);
            QTRY_COMPARE(boxes.texts().size(), 1);
            QTRY_COMPARE(grid->currentIndex().row(), 2);
            QVERIFY(model->isEditing());
            QCOMPARE(cell(grid, 2, column), typed);
            afterRefusal = motorDump(file);
            // Leaving again is refused again; Esc gives the row back.
            QTest::keyClick(grid, Qt::Key_Up);
            QTRY_COMPARE(boxes.texts().size(), 2);
            QTRY_COMPARE(grid->currentIndex().row(), 2);
            QTest::keyClick(grid, Qt::Key_Escape);
            QVERIFY(!model->isEditing());
            QVERIFY(editor->isVisible());
            QTest::keyClick(grid, Qt::Key_Up);
            QCOMPARE(grid->currentIndex().row(), 1);
        });
        QCOMPARE(boxes.texts().value(0), message);
        QCOMPARE(boxes.titles().value(0), QStringLiteral("Кварцон"));
        QCOMPARE(boxes.texts().size(), 2);
        QCOMPARE(afterRefusal, before);
        QCOMPARE(motorDump(file), before);
    }

    void movedAndResizedColumnsStaySoForTheRun()
    {
        ProgramFixture fixture;
        chooseEntry(fixture, QStringLiteral("N3"), Password, [](CatalogueEditor *editor) {
            QHeaderView *header = gridOf(editor)->horizontalHeader();
            header->moveSection(header->visualIndex(Column::Euro), 0);
            header->resizeSection(Column::Code, 200);
        });
        chooseEntry(fixture, QStringLiteral("N4"), Password, [](CatalogueEditor *editor) {
            QHeaderView *header = gridOf(editor)->horizontalHeader();
            QCOMPARE(header->visualIndex(Column::Euro), 0);
            QCOMPARE(header->sectionSize(Column::Code), 200);
            QCOMPARE(header->sectionSize(Column::Description), 359);
        });
    }

    void closingDiscardsThePendingEdit()
    {
        ProgramFixture fixture;
        FileReader file(fixture.cataloguePath());
        const QString before = motorDump(file);
        chooseEntry(fixture, QStringLiteral("N3"), Password, [&](CatalogueEditor *editor) {
            CatalogueGrid *grid = gridOf(editor);
            QLineEdit *cellEditor = typeIntoCell(grid, 0, Column::Euro, QStringLiteral("1"));
            QTest::keyClick(cellEditor, Qt::Key_Return);
            QTRY_VERIFY(editor->tableModel()->isEditing());
            QCOMPARE(cell(grid, 0, Column::Euro), QStringLiteral("1"));
        });
        QCOMPARE(motorDump(file), before);
    }

    void configuratorSeesAChangeOnlyWhenItsDatasetIsOpenedAgain()
    {
        ProgramFixture fixture;
        Dataset *motor = fixture.main()->catalogue()->dataset(QStringLiteral("motor"));
        auto priceOfFirstMotor = [motor] { return motor->valueAt(motor->findRow(QStringLiteral("id"), 1), QStringLiteral("euro")).toDouble(); };
        QCOMPARE(priceOfFirstMotor(), 80.5);
        chooseEntry(fixture, QStringLiteral("N3"), Password, [&](CatalogueEditor *editor) {
            CatalogueGrid *grid = gridOf(editor);
            QLineEdit *cellEditor = typeIntoCell(grid, 0, Column::Euro, QStringLiteral("55"));
            QTest::keyClick(cellEditor, Qt::Key_Down);
            QVERIFY(!editor->tableModel()->isEditing());
        });
        QCOMPARE(priceOfFirstMotor(), 80.5);
        motor->close();
        motor->open();
        QCOMPARE(priceOfFirstMotor(), 55.0);
    }

    void tableThatCannotBeOpenedIsReported()
    {
        ProgramFixture fixture;
        {
            FileReader file(fixture.cataloguePath());
            file.rows(QStringLiteral("DROP TABLE plug"));
        }
        MessageBoxWatcher boxes;
        bool opened = false;
        chooseEntry(fixture, QStringLiteral("N12"), Password, [&](CatalogueEditor *) { opened = true; });
        QVERIFY(!opened);
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("no such table: plug.")});
        QCOMPARE(boxes.titles(), QStringList{QStringLiteral("Кварцон")});
        QVERIFY(!fixture.main()->catalogue()->dataset(QStringLiteral("edit"))->isOpen());
    }

    void searchDialogFindsTextInTheGrid()
    {
        ProgramFixture fixture;
        MessageBoxWatcher boxes;
        QList<QPoint> found;
        chooseEntry(fixture, QStringLiteral("N3"), Password, [&](CatalogueEditor *editor) {
            CatalogueGrid *grid = gridOf(editor);
            clickCell(grid, 0, Column::IdType);
            QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
            auto *dialog = editor->findChild<QDialog *>(QStringLiteral("FindDialog"));
            QVERIFY(dialog && dialog->isVisible());
            auto *text = dialog->findChild<QLineEdit *>(QStringLiteral("FindText"));
            auto *next = dialog->findChild<QPushButton *>(QStringLiteral("FindNext"));
            typeText(text, QStringLiteral("вэмз"));
            for (int i = 0; i < 4; ++i) {
                QTest::mouseClick(next, Qt::LeftButton);
                found << QPoint(grid->currentIndex().column(), grid->currentIndex().row());
            }
            text->clear();
            typeText(text, QStringLiteral("нет такого"));
            QTest::keyClick(text, Qt::Key_Return);
        });
        const int brand = Column::Brand;
        QCOMPARE(found, (QList<QPoint>{{brand, 2}, {brand, 3}, {brand, 5}, {brand, 2}}));
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Текст «нет такого» не найден")});
    }
};

QTEST_MAIN(CatalogueEditorTest)
#include "tst_catalogueeditor.moc"
