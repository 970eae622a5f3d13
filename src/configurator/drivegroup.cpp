#include "configurator/drivegroup.h"

#include "app/errorguard.h"
#include "app/mainwindow.h"
#include "app/numbers.h"
#include "catalogue/boundfield.h"
#include "catalogue/catalogue.h"
#include "catalogue/lookuplist.h"
#include "configurator/listappearance.h"
#include "ui_mainwindow.h"

namespace kvartson {

namespace {

const QColor silver(192, 192, 192);
const QColor red(255, 0, 0);
const QString description = QStringLiteral("description");

LookupList::Settings componentList(int rows = 0, int width = 0, const QColor &outOfStock = silver)
{
    LookupList::Settings settings;
    settings.listColumn = description;
    settings.rows = rows;
    settings.width = width;
    settings.dropDownOnClick = true;
    settings.outOfStock = outOfStock;
    return settings;
}

LookupList::Settings typeList(const QString &column)
{
    LookupList::Settings settings;
    settings.listColumn = column;
    settings.pickOnly = true;
    return settings;
}

} // namespace

DriveGroup::DriveGroup(MainWindow *window)
    : QObject(window), m_window(window), m_catalogue(window->catalogue())
{
    configureLists();
    connectRules();
    m_plateField = new BoundField(window->ui()->DBEditEh2, dataset("block"), description, this);
    auto *ui = window->ui();
    setListEnabled(ui->DBLookupComboboxEh14, ui->Label21, false);
    connect(window, &MainWindow::firstShown, this, &DriveGroup::showFirstTypes);
}

DriveGroup::~DriveGroup() = default;

Dataset *DriveGroup::dataset(const char *name) const
{
    return m_catalogue->dataset(QLatin1String(name));
}

void DriveGroup::configureLists()
{
    auto *ui = m_window->ui();
    ui->DBLookupComboboxEh1->configure(dataset("motortype"), typeList(QStringLiteral("type")));

    LookupList::Settings motor = componentList(10, 380);
    motor.columns = {{QStringLiteral("brand"), 520}, {description}, {QStringLiteral("stock"), 0, false}};
    ui->DBLookupComboboxEh2->configure(dataset("motor"), motor);
    ui->DBLookupComboboxEh2->setTextLines(2);

    ui->DBLookupComboboxEh3->configure(dataset("starter"), componentList(10));
    ui->DBLookupComboboxEh4->configure(dataset("pumptype"), typeList(description));

    LookupList::Settings pump = componentList(10);
    pump.columns = {{description}, {QStringLiteral("brand"), 0, false}, {QStringLiteral("stock"), 0, false}};
    ui->DBLookupComboboxEh5->configure(dataset("pump"), pump);

    LookupList::Settings poppet = componentList(10, 281);
    poppet.columns = {{description, 400}, {QStringLiteral("brand"), 0, false}, {QStringLiteral("stock"), 0, false}};
    ui->DBLookupComboboxEh6->configure(dataset("poppet"), poppet);

    LookupList::Settings coil = componentList();
    coil.autoDrop = false;
    ui->DBLookupComboboxEh14->configure(dataset("coil"), coil);

    ui->DBLookupComboboxEh12->configure(dataset("coupling"), componentList(0, 320, red));
}

void DriveGroup::connectRules()
{
    auto *ui = m_window->ui();
    auto guard = [this](void (DriveGroup::*rule)()) {
        return [this, rule] { guarded(m_window, [this, rule] { (this->*rule)(); }); };
    };
    connect(ui->DBLookupComboboxEh1, &LookupList::listTextChanged, this, guard(&DriveGroup::onMotorTypeTextChanged));
    connect(ui->DBLookupComboboxEh1, &LookupList::listKeyChanged, this, guard(&DriveGroup::onMotorTypeKeyChanged));
    connect(ui->DBLookupComboboxEh2, &LookupList::listTextChanged, this, guard(&DriveGroup::onMotorTextChanged));
    connect(ui->DBLookupComboboxEh4, &LookupList::listTextChanged, this, guard(&DriveGroup::onPumpGroupTextChanged));
    connect(ui->DBLookupComboboxEh4, &LookupList::listKeyChanged, this, guard(&DriveGroup::onPumpGroupKeyChanged));
    connect(ui->DBLookupComboboxEh5, &LookupList::listTextChanged, this, guard(&DriveGroup::onPumpTextChanged));
    connect(ui->DBLookupComboboxEh6, &LookupList::listTextChanged, this, guard(&DriveGroup::onReliefValveTextChanged));
    connect(ui->CheckBox1, &QCheckBox::toggled, this, [this](bool checked) {
        guarded(m_window, [this, checked] { onUnloadingToggled(checked); });
    });
}

void DriveGroup::showFirstTypes()
{
    auto *ui = m_window->ui();
    guarded(m_window, [&] {
        Dataset *motorTypes = dataset("motortype");
        if (motorTypes->isOpen())
            ui->DBLookupComboboxEh1->setText(motorTypes->text(QStringLiteral("type")));
    });
    guarded(m_window, [&] {
        Dataset *pumpGroups = dataset("pumptype");
        if (pumpGroups->isOpen())
            ui->DBLookupComboboxEh4->setText(pumpGroups->text(description));
    });
}

void DriveGroup::clearStatusPanels()
{
    m_window->setStatusPanelText(0, QString());
    m_window->setStatusPanelText(1, QString());
}

void DriveGroup::onMotorTypeTextChanged()
{
    applyStarterRule();
}

void DriveGroup::applyStarterRule()
{
    clearStatusPanels();
    auto *ui = m_window->ui();
    const QVariant key = ui->DBLookupComboboxEh1->key();
    // Motor types 1 and 2 run without a starter.
    const bool noStarter = !key.isNull() && (key.toLongLong() == 1 || key.toLongLong() == 2);
    setListEnabled(ui->DBLookupComboboxEh3, ui->Label3, !noStarter);
}

void DriveGroup::onMotorTypeKeyChanged()
{
    auto *ui = m_window->ui();
    ui->DBLookupComboboxEh2->clearChoice();
    ui->DBLookupComboboxEh3->clearChoice();
    ui->DBLookupComboboxEh12->clearChoice();
}

void DriveGroup::onMotorTextChanged()
{
    prefillCoupling();
    showFlowAndPressure(m_window->ui()->DBLookupComboboxEh2);
    emit motorChanged();
}

void DriveGroup::prefillCoupling()
{
    Dataset *couplings = dataset("coupling");
    const QString text = couplings->isOpen() && couplings->currentRow() >= 0 ? couplings->text(description) : QString();
    m_window->ui()->DBLookupComboboxEh12->setText(text);
}

void DriveGroup::showFlowAndPressure(LookupList *changedList)
{
    auto *ui = m_window->ui();
    if (!ui->DBLookupComboboxEh5->isChosen() || !ui->DBLookupComboboxEh2->isChosen() || !changedList->hasInputFocus())
        return;
    Dataset *motor = dataset("motor");
    Dataset *pump = dataset("pump");
    const long double rpm = motor->real(QStringLiteral("rpm"));
    const long double volume = pump->real(QStringLiteral("vol"));
    const long double power = motor->real(QStringLiteral("pow"));
    const double flow = Numbers::onePlace(rpm * volume * 0.95L / 1000.0L);
    m_window->setStatusPanelText(0, QStringLiteral("Подача: ") + Numbers::show(flow) + QStringLiteral(" л/мин"));
    // A motor without speed or a pump without displacement gives no flow, and
    // without flow there is no pressure to show.
    if (flow == 0) {
        m_window->setStatusPanelText(1, QString());
        return;
    }
    const double pressure = Numbers::onePlace(power * 550.0L / flow);
    m_window->setStatusPanelText(1, QStringLiteral("Давление: ") + Numbers::show(pressure) + QStringLiteral(" бар"));
}

void DriveGroup::onPumpGroupTextChanged()
{
    clearStatusPanels();
}

void DriveGroup::onPumpGroupKeyChanged()
{
    auto *ui = m_window->ui();
    ui->DBLookupComboboxEh5->clearChoice();
    ui->DBLookupComboboxEh6->clearChoice();
}

void DriveGroup::onPumpTextChanged()
{
    showFlowAndPressure(m_window->ui()->DBLookupComboboxEh5);
}

void DriveGroup::onUnloadingToggled(bool checked)
{
    auto *ui = m_window->ui();
    Dataset *block = dataset("block");
    block->close();
    block->setTable(checked ? QStringLiteral("block1") : QStringLiteral("block0"));
    block->open();
    if (checked) {
        setListEnabled(ui->DBLookupComboboxEh6, ui->Label20, true);
        setLabelEnabledLook(ui->Label21, true);
    } else {
        setListEnabled(ui->DBLookupComboboxEh6, ui->Label20, false);
        ui->DBLookupComboboxEh6->clearChoice();
        setListEnabled(ui->DBLookupComboboxEh14, ui->Label21, false);
        ui->DBLookupComboboxEh14->clearChoice();
    }
    emit unloadingChanged(checked);
}

void DriveGroup::onReliefValveTextChanged()
{
    auto *ui = m_window->ui();
    Dataset *poppet = dataset("poppet");
    // A relief valve of kind 0 has no solenoid and so takes no coil.
    const bool takesCoil = poppet->isOpen() && poppet->currentRow() >= 0
        && poppet->integer(QStringLiteral("id_type")) != 0;
    if (!takesCoil) {
        setListEnabled(ui->DBLookupComboboxEh14, ui->Label21, false);
        ui->DBLookupComboboxEh14->clearChoice();
        return;
    }
    setListEnabled(ui->DBLookupComboboxEh14, ui->Label21, true);
    Dataset *coil = dataset("coil");
    ui->DBLookupComboboxEh14->setText(coil->isOpen() && coil->currentRow() >= 0 ? coil->text(description) : QString());
}

} // namespace kvartson
