#include "calculator/calculatorpage.h"

#include "app/captions.h"
#include "app/errorguard.h"
#include "app/numbers.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogueerror.h"
#include "catalogue/lookuplist.h"
#include "ui_calculatorpage.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QVBoxLayout>

namespace kvartson {

namespace {

// The calculator's own approximation of π; results are expected to match it,
// not the true value.
constexpr long double pi = 3.1415L;

const QString areaUnit = QStringLiteral(" см2");
const QString volumeUnit = QStringLiteral(" л");
const QString speedUnit = QStringLiteral(" см/сек");
// A Latin c, unlike the Cyrillic unit caption beside the time field.
const QString timeUnit = QStringLiteral(" c");
const QString forceUnit = QStringLiteral(" кг");
const QString powerUnit = QStringLiteral(" кВт");
const QString displacementUnit = QStringLiteral(" см3/об");
const QString pressureUnit = QStringLiteral(" бар");
const QString pipeSpeedUnit = QStringLiteral(" м/сек");

const QColor blue(0, 0, 255);
const QColor green(0, 128, 0);
const QColor gray(128, 128, 128);
const QColor maroon(128, 0, 0);

double valueOf(const QLineEdit *field)
{
    return Numbers::read(field->text());
}

bool isPositive(const QLineEdit *field)
{
    return !field->text().isEmpty() && valueOf(field) > 0;
}

void showValue(QLabel *label, long double value, const QString &unit)
{
    label->setText(Numbers::show(value) + unit);
}

// QLineEdit::setText emits textChanged only when the text differs, which is
// exactly when the written field's handler has to run.
void write(QLineEdit *field, const QString &text)
{
    field->setText(text);
}

void write(QLineEdit *field, long double value)
{
    write(field, Numbers::show(value));
}

void colour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

CalculatorPage::CalculatorPage(Catalogue *catalogue, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::CalculatorPage>()), m_catalogue(catalogue)
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("calculatorPage"));
    auto *pageLayout = new QVBoxLayout(parent);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(this);
    setUpLook();
    setUpMotorList();
    connectHandlers();
}

CalculatorPage::~CalculatorPage() = default;

void CalculatorPage::setUpLook()
{
    for (QGroupBox *group : {m_ui->GroupBox9, m_ui->GroupBox10, m_ui->GroupBox11})
        makeCaptionBold(group);
    auto *ui = m_ui.get();
    for (QLabel *label : {ui->ppoCaption, ui->pshoCaption, ui->opoCaption, ui->oshoCaption, ui->ooCaption,
                          ui->ronCaption, ui->mdCaption, ui->spCaption})
        colour(label, blue);
    for (QLabel *label : {ui->vvCaption, ui->svCaption})
        colour(label, green);
    for (QLabel *label : {ui->vvdCaption, ui->svdCaption, ui->vohCaption, ui->sohlabel, ui->uohCaption,
                          ui->brnCaption, ui->brn})
        colour(label, gray);
    colour(ui->mpCaption, maroon);

    // Room for a usual figure, so that the rows do not shift as results change.
    const QFontMetrics metrics = ui->ppo->fontMetrics();
    const int resultWidth = metrics.horizontalAdvance(QStringLiteral("0000,00 см/сек"));
    for (QLabel *result : {ui->ppo, ui->psho, ui->opo, ui->osho, ui->oo, ui->sv, ui->vvd, ui->svd, ui->voh, ui->soh,
                           ui->uoh, ui->mp, ui->ron, ui->brn, ui->md, ui->sp})
        result->setMinimumWidth(resultWidth);
    ui->DBLookupComboboxEh15->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("АИР100L4 4 кВт 1500")) + 40);

    // Rows of one height from the top down, whether they hold a field or a result.
    const int rowHeight = ui->dp->sizeHint().height();
    for (QGroupBox *group : {ui->GroupBox9, ui->GroupBox10, ui->GroupBox11}) {
        auto *grid = static_cast<QGridLayout *>(group->layout());
        for (int row = 0; row < grid->rowCount(); ++row)
            grid->setRowMinimumHeight(row, rowHeight);
        grid->setRowStretch(grid->rowCount(), 1);
    }

    // The groups keep their given size where the platform's font allows and
    // grow together, one width for all three, where it needs more.
    int width = 0;
    for (QGroupBox *group : {ui->GroupBox9, ui->GroupBox10, ui->GroupBox11})
        width = qMax(width, qMax(group->minimumWidth(), group->sizeHint().width()));
    for (QGroupBox *group : {ui->GroupBox9, ui->GroupBox10, ui->GroupBox11})
        group->setMinimumWidth(width);

    // Every field but the extension time turns a typed full stop into the
    // locale's decimal separator.
    for (QLineEdit *field : {ui->dp, ui->dsh, ui->dh, ui->rd, ui->dd, ui->uu, ui->rd1, ui->rd2, ui->up})
        field->installEventFilter(this);
}

void CalculatorPage::setUpMotorList()
{
    LookupList::Settings settings;
    settings.listColumn = QStringLiteral("description");
    settings.pickOnly = true;
    settings.autoDrop = false;
    settings.dropDownOnClick = false;
    m_ui->DBLookupComboboxEh15->configure(m_catalogue->dataset(QStringLiteral("motors")), settings);
}

void CalculatorPage::handle(QLineEdit *field, void (CalculatorPage::*handler)())
{
    // Each handler has its own guard, so a failing nested handler stops only
    // itself and the handler that wrote its field goes on.
    connect(field, &QLineEdit::textChanged, this,
            [this, handler] { guarded(this, [this, handler] { (this->*handler)(); }); });
}

void CalculatorPage::connectHandlers()
{
    auto *ui = m_ui.get();
    handle(ui->dp, &CalculatorPage::onPistonDiameterChanged);
    handle(ui->dsh, &CalculatorPage::onRodDiameterChanged);
    handle(ui->dh, &CalculatorPage::onStrokeChanged);
    handle(ui->vv, &CalculatorPage::onExtensionTimeChanged);
    handle(ui->rd, &CalculatorPage::onFlowChanged);
    handle(ui->dd, &CalculatorPage::onPressureChanged);
    handle(ui->uu, &CalculatorPage::onForceChanged);
    handle(ui->rd1, &CalculatorPage::onDriveFlowChanged);
    handle(ui->bon, &CalculatorPage::onDisplacementChanged);
    handle(ui->rd2, &CalculatorPage::onPipeFlowChanged);
    handle(ui->up, &CalculatorPage::onPipeBoreChanged);
    // The key, not the text: two motors may share a description but not a speed.
    connect(ui->DBLookupComboboxEh15, &LookupList::listKeyChanged, this,
            [this] { guarded(this, [this] { onMotorChanged(); }); });
}

bool CalculatorPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString separator = QLocale().decimalPoint();
        if (key->text() == QLatin1String(".") && separator != QLatin1String(".")) {
            QKeyEvent replaced(QEvent::KeyPress, separator == QLatin1String(",") ? Qt::Key_Comma : Qt::Key_unknown,
                               key->modifiers(), separator, key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(watched, &replaced);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- cylinder -------------------------------------------------------------

void CalculatorPage::onPistonDiameterChanged()
{
    auto *ui = m_ui.get();
    if (ui->dp->hasFocus() && !ui->dp->text().isEmpty())
        updateAreas();
    showDifferentialExtension();
    if (isPositive(ui->dd))
        write(ui->uu, Numbers::twoPlaces(valueOf(ui->dd) * static_cast<long double>(m_pistonArea)));
    else
        write(ui->uu, QStringLiteral("0"));
}

void CalculatorPage::onRodDiameterChanged()
{
    auto *ui = m_ui.get();
    if (ui->dsh->hasFocus() && !ui->dsh->text().isEmpty())
        updateAreas();
    showReturnStroke();
    showDifferentialExtension();
    if (!ui->dd->text().isEmpty())
        showReturnForce();
}

void CalculatorPage::onStrokeChanged()
{
    auto *ui = m_ui.get();
    if (ui->dh->hasFocus() && !ui->dh->text().isEmpty()) {
        updateVolumes();
        updateFlowFromTime();
    }
    showExtensionSpeed();
    showDifferentialExtension();
}

void CalculatorPage::onExtensionTimeChanged()
{
    auto *ui = m_ui.get();
    if (ui->vv->hasFocus() && isPositive(ui->vv))
        write(ui->rd, Numbers::twoPlaces(60 / static_cast<long double>(valueOf(ui->vv)) * m_pistonVolume));
    showExtensionSpeed();
}

void CalculatorPage::onFlowChanged()
{
    auto *ui = m_ui.get();
    if (ui->rd->hasFocus() && isPositive(ui->rd))
        write(ui->vv, Numbers::twoPlaces(m_pistonVolume / static_cast<long double>(valueOf(ui->rd))) * 60.0L);
    showReturnStroke();
    showDifferentialExtension();
    showDrivePower();
    write(ui->rd1, ui->rd->text());
    write(ui->rd2, ui->rd->text());
}

void CalculatorPage::onPressureChanged()
{
    auto *ui = m_ui.get();
    if (ui->dd->hasFocus() && !ui->dd->text().isEmpty())
        write(ui->uu, Numbers::twoPlaces(valueOf(ui->dd) * static_cast<long double>(m_pistonArea)));
    if (!ui->dd->text().isEmpty())
        showReturnForce();
    showDrivePower();
}

void CalculatorPage::onForceChanged()
{
    auto *ui = m_ui.get();
    if (ui->uu->hasFocus() && !ui->uu->text().isEmpty() && m_pistonArea > 0)
        write(ui->dd, Numbers::twoPlaces(valueOf(ui->uu) / static_cast<long double>(m_pistonArea)));
}

// Piston and annulus areas, then the volumes and the flow that follow from them.
void CalculatorPage::updateAreas()
{
    auto *ui = m_ui.get();
    const long double piston = valueOf(ui->dp);
    m_pistonArea = Numbers::twoPlaces(piston * piston * pi / 400);
    showValue(ui->ppo, m_pistonArea, areaUnit);
    const long double rod = valueOf(ui->dsh);
    // Two rounded areas; their difference is deliberately not rounded again.
    m_annulusArea = static_cast<long double>(Numbers::twoPlaces(piston * piston * pi / 400))
                    - Numbers::twoPlaces(rod * rod * pi / 400);
    showValue(ui->psho, m_annulusArea, areaUnit);
    updateVolumes();
    updateFlowFromTime();
}

void CalculatorPage::updateVolumes()
{
    auto *ui = m_ui.get();
    const long double stroke = valueOf(ui->dh);
    m_pistonVolume = Numbers::twoPlaces(stroke * m_pistonArea / 10000);
    showValue(ui->opo, m_pistonVolume, volumeUnit);
    m_rodVolume = Numbers::twoPlaces(stroke * m_annulusArea / 10000);
    showValue(ui->osho, m_rodVolume, volumeUnit);
    showValue(ui->oo, static_cast<long double>(m_pistonVolume) + m_rodVolume, volumeUnit);
}

void CalculatorPage::updateFlowFromTime()
{
    auto *ui = m_ui.get();
    if (isPositive(ui->vv))
        write(ui->rd, Numbers::twoPlaces(60 / static_cast<long double>(valueOf(ui->vv)) * m_pistonVolume));
    else
        write(ui->rd, QStringLiteral("0"));
}

void CalculatorPage::showExtensionSpeed()
{
    auto *ui = m_ui.get();
    if (isPositive(ui->vv))
        showValue(ui->sv, Numbers::twoPlaces(static_cast<long double>(valueOf(ui->dh)) / valueOf(ui->vv) / 10), speedUnit);
    else
        ui->sv->setText(QStringLiteral("0"));
}

void CalculatorPage::showReturnStroke()
{
    showStrokeTime(m_rodVolume, m_ui->voh, m_ui->soh);
}

void CalculatorPage::showDifferentialExtension()
{
    showStrokeTime(static_cast<long double>(m_pistonVolume) - m_rodVolume, m_ui->vvd, m_ui->svd);
}

// The time to move the given oil volume at the flow, and the speed over the
// stroke. The minutes are rounded to two places before they become seconds,
// so every time shown is a multiple of 0.6 s.
void CalculatorPage::showStrokeTime(long double volume, QLabel *timeLabel, QLabel *speedLabel)
{
    auto *ui = m_ui.get();
    if (isPositive(ui->rd) && valueOf(ui->dh) > 0) {
        const long double time = Numbers::twoPlaces(volume / static_cast<long double>(valueOf(ui->rd))) * 60.0L;
        showValue(timeLabel, time, timeUnit);
        if (time > 0)
            showValue(speedLabel, Numbers::twoPlaces(valueOf(ui->dh) / time / 10), speedUnit);
    } else {
        timeLabel->setText(QStringLiteral("0"));
        speedLabel->setText(QStringLiteral("0"));
    }
}

void CalculatorPage::showReturnForce()
{
    showValue(m_ui->uoh, Numbers::twoPlaces(valueOf(m_ui->dd) * static_cast<long double>(m_annulusArea)), forceUnit);
}

void CalculatorPage::showDrivePower()
{
    const long double flow = valueOf(m_ui->rd);
    const long double pressure = valueOf(m_ui->dd);
    showValue(m_ui->mp, Numbers::twoPlaces(flow * pressure / 520), powerUnit);
}

// --- drive and pipe -------------------------------------------------------

void CalculatorPage::onDriveFlowChanged()
{
    if (!m_ui->rd1->text().isEmpty() && m_ui->DBLookupComboboxEh15->isChosen())
        showMotorFigures();
}

void CalculatorPage::onMotorChanged()
{
    if (!m_ui->rd1->text().isEmpty())
        showMotorFigures();
}

void CalculatorPage::showMotorFigures()
{
    auto *ui = m_ui.get();
    const Dataset *motors = m_catalogue->dataset(QStringLiteral("motors"));
    const long double speed = motors->real(QStringLiteral("rpm"));
    const long double power = motors->real(QStringLiteral("pow"));
    const long double flow = valueOf(ui->rd1);
    // A motor without a speed in the catalogue gives no displacement rather
    // than a division by zero.
    const double displacement = speed > 0 ? Numbers::twoPlaces(flow / (speed * 0.95L) * 1000) : 0.0;
    showValue(ui->ron, displacement, displacementUnit);
    write(ui->bon, displacement);
    if (flow > 0)
        showValue(ui->md, Numbers::twoPlaces(power * 550 / flow), pressureUnit);
    else
        ui->md->setText(QStringLiteral("0"));
}

void CalculatorPage::onDisplacementChanged()
{
    const double displacement = valueOf(m_ui->bon);
    if (!(displacement > 0)) {
        m_ui->brn->setText(QStringLiteral("0") + displacementUnit);
        return;
    }
    // Two blanks before the unit: the catalogue size reads apart from the
    // computed one above it.
    m_ui->brn->setText(Numbers::show(nearestPumpSize(displacement)) + QStringLiteral("  см3/об"));
}

double CalculatorPage::nearestPumpSize(double displacement) const
{
    return m_catalogue->smallestPumpVolumeAtLeast(displacement);
}

void CalculatorPage::onPipeFlowChanged()
{
    if (!m_ui->rd2->text().isEmpty() && valueOf(m_ui->up) > 0)
        showPipeSpeed();
}

void CalculatorPage::onPipeBoreChanged()
{
    if (m_ui->up->hasFocus() && isPositive(m_ui->up))
        showPipeSpeed();
}

// Flow in l/min over 60 times 1000 is cm³/s; over the bore in mm² that is m/s.
void CalculatorPage::showPipeSpeed()
{
    const long double flow = valueOf(m_ui->rd2);
    const long double bore = valueOf(m_ui->up);
    showValue(m_ui->sp, Numbers::twoPlaces((flow / 60 * 1000) / (bore * bore * pi / 4)), pipeSpeedUnit);
}

} // namespace kvartson
