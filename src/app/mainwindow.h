#pragma once

#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>

namespace Ui {
class Tf_main;
}

class QLabel;

namespace kvartson {

class Catalogue;
class DriveGroup;

// The main window f_main: owns the catalogue connection and its datasets, the
// program-wide values and the two pages.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr const char *CataloguePassword = "quartzline";

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    static QString captionFor(const QString &fileVersion);
    static QString catalogueFilePath(const QString &workingDirectory);

    QString workingDirectory() const { return m_workingDirectory; }
    QString cataloguePassword() const { return m_password; }
    Catalogue *catalogue() const { return m_catalogue.get(); }
    DriveGroup *driveGroup() const { return m_driveGroup.get(); }
    Ui::Tf_main *ui() const { return m_ui.get(); }

    int nextLineNumber() const { return m_nextLineNumber; }
    void setNextLineNumber(int number) { m_nextLineNumber = number; }
    std::array<int, 12> &dimensionValues() { return m_dimensions; }

    QString statusPanelText(int panel) const;
    void setStatusPanelText(int panel, const QString &text);

signals:
    // Showing the window puts the first type into each type list; groups built
    // later join here.
    void firstShown();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void runCreationSteps();
    void setUpLayout();
    void addBadge(QWidget *group, int number, bool topRight = false);
    void addPicture(QWidget *group, const QString &name);

    std::unique_ptr<Ui::Tf_main> m_ui;
    std::unique_ptr<Catalogue> m_catalogue;
    std::unique_ptr<DriveGroup> m_driveGroup;
    QString m_workingDirectory;
    QString m_password;
    int m_nextLineNumber = 0;
    std::array<int, 12> m_dimensions{};
    std::array<QLabel *, 2> m_statusPanels{};
    bool m_shown = false;
};

} // namespace kvartson
