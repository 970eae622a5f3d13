#include "app/mainwindow.h"

#include "app/captions.h"
#include "app/errorguard.h"
#include "calculator/calculatorpage.h"
#include "catalogue/catalogue.h"
#include "configurator/drivegroup.h"
#include "ui_mainwindow.h"
#include "version.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>

namespace kvartson {

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::Tf_main>()), m_catalogue(std::make_unique<Catalogue>())
{
    m_ui->setupUi(this);
    setUpLayout();
    m_driveGroup = std::make_unique<DriveGroup>(this);
    new CalculatorPage(m_catalogue.get(), m_ui->TabSheet2);
    guarded(this, [this] { runCreationSteps(); });
}

MainWindow::~MainWindow()
{
    // The windows and lists show the catalogue's datasets: they go before it.
    m_driveGroup.reset();
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

QString MainWindow::captionFor(const QString &fileVersion)
{
    return QStringLiteral("Кварцон  ") + fileVersion;
}

QString MainWindow::catalogueFilePath(const QString &workingDirectory)
{
    return QDir(workingDirectory).filePath(QStringLiteral("Data/data.sqlite"));
}

void MainWindow::runCreationSteps()
{
    m_workingDirectory = QDir::currentPath();
    m_password = QLatin1String(CataloguePassword);
    m_catalogue->connectTo(catalogueFilePath(m_workingDirectory));
    m_catalogue->openStartDatasets();
    m_catalogue->emptyScratchTables();
    setWindowTitle(captionFor(QStringLiteral(KVARTSON_FILE_VERSION)));
}

void MainWindow::setUpLayout()
{
    // Scroll while the thumb is dragged; the vertical bar steps by 70 pixels.
    m_ui->ScrollBox->verticalScrollBar()->setTracking(true);
    m_ui->ScrollBox->horizontalScrollBar()->setTracking(true);
    m_ui->ScrollBox->verticalScrollBar()->setSingleStep(70);

    for (int panel = 0; panel < 2; ++panel) {
        auto *label = new QLabel(m_ui->StatusBar1);
        label->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(panel));
        label->setFixedWidth(panel == 0 ? 150 : 100);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        m_ui->StatusBar1->addWidget(label);
        m_statusPanels[panel] = label;
    }

    for (QGroupBox *group : m_ui->TabSheet1->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly))
        makeCaptionBold(group);
    // The central plate's description shows two whole lines, never a cut one.
    m_ui->DBEditEh2->document()->setDocumentMargin(0);
    m_ui->DBEditEh2->setFixedHeight(2 * m_ui->DBEditEh2->fontMetrics().lineSpacing() + 2);
    m_ui->DBEditEh2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    // Commands whose windows arrive later stay disabled until then.
    for (QAction *action : m_ui->MainMenu1->actions()) {
        if (QMenu *menu = action->menu()) {
            for (QAction *item : menu->actions())
                item->setEnabled(false);
        }
    }

    addBadge(m_ui->GroupBox1, 1);
    addBadge(m_ui->GroupBox2, 2);
    addBadge(m_ui->GroupBox3, 3);
    addBadge(m_ui->GroupBox7, 6);
    addPicture(m_ui->GroupBox1, QStringLiteral("motor"));
    addPicture(m_ui->GroupBox2, QStringLiteral("pump"));
    addPicture(m_ui->GroupBox3, QStringLiteral("plate"));
    addPicture(m_ui->GroupBox7, QStringLiteral("coupling"));
}

void MainWindow::addBadge(QWidget *group, int number, bool topRight)
{
    auto *badge = new QLabel(QString::number(number), group);
    badge->setObjectName(group->objectName() + QStringLiteral("Badge"));
    badge->setAlignment(Qt::AlignCenter);
    badge->setAutoFillBackground(true);
    QPalette palette = badge->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    badge->setPalette(palette);
    QFont font = badge->font();
    font.setBold(false);
    font.setPointSize(10);
    badge->setFont(font);
    badge->setGeometry(group->width() - 12 - 2, topRight ? 2 : group->height() - 16 - 2, 12, 16);
}

void MainWindow::addPicture(QWidget *group, const QString &name)
{
    auto *picture = group->findChild<QLabel *>(group->objectName() + QStringLiteral("Picture"));
    const QPixmap pixmap(QDir::current().filePath(QStringLiteral("Images/components/%1.png").arg(name)));
    if (picture && !pixmap.isNull())
        picture->setPixmap(pixmap);
}

QString MainWindow::statusPanelText(int panel) const
{
    return m_statusPanels.at(panel)->text();
}

void MainWindow::setStatusPanelText(int panel, const QString &text)
{
    m_statusPanels.at(panel)->setText(text);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    emit firstShown();
}

} // namespace kvartson
