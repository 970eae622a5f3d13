#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QPointer>

#include <memory>

namespace Ui {
class Tf_edit;
}

namespace kvartson {

class CatalogueGrid;
class EditorTableModel;
class GridFindDialog;
class MainWindow;

// The catalogue table editor f_edit and the password-protected way into it:
// each entry of the main menu's "Данные" asks for the catalogue password and
// then edits its table here, through the main window's dataset `edit`, which
// is open exactly while the editor is on screen.
class CatalogueEditor : public QDialog
{
    Q_OBJECT

public:
    struct MenuEntry
    {
        const char *action;
        const char *table;
    };
    // The entries of "Данные" in menu order, with the table each one edits.
    static const QList<MenuEntry> &menuEntries();

    explicit CatalogueEditor(MainWindow *main);
    ~CatalogueEditor() override;

    // The access sequence of one menu entry: the password, then the editor.
    void requestAccess(const QString &table);
    // Opens the table in the editor and returns when the editor is closed.
    // Throws CatalogueError when the table cannot be opened.
    void editTable(const QString &table);

    CatalogueGrid *grid() const;
    EditorTableModel *tableModel() const { return m_model; }
    GridFindDialog *findDialog() const { return m_find; }

public slots:
    void done(int result) override;

private:
    void showFindDialog();
    void findNext();
    void setUpColumns();

    std::unique_ptr<Ui::Tf_edit> m_ui;
    QPointer<MainWindow> m_main;
    EditorTableModel *m_model = nullptr;
    GridFindDialog *m_find = nullptr;
    QByteArray m_headerState;
};

} // namespace kvartson
