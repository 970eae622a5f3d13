#pragma once

#include <QObject>

namespace kvartson {

class Catalogue;
class Dataset;
class LookupList;
class MainWindow;
class BoundField;

// The drive of the unit: motor type, motor, starter, pump group, pump, central
// plate with its unloading option, relief valve and coil, and the coupling
// pre-filled from the motor type. Ties the lists together and writes flow and
// pressure into the status bar.
class DriveGroup : public QObject
{
    Q_OBJECT

public:
    explicit DriveGroup(MainWindow *window);
    ~DriveGroup() override;

    // Puts the first motor type and pump group into their lists.
    void showFirstTypes();

signals:
    // The motor list changed; runs after the coupling and the flow and pressure.
    void motorChanged();
    // "С разгрузкой" changed; the throttle box follows it.
    void unloadingChanged(bool checked);

private:
    void configureLists();
    void connectRules();

    void onMotorTypeTextChanged();
    void onMotorTypeKeyChanged();
    void onMotorTextChanged();
    void onPumpGroupTextChanged();
    void onPumpGroupKeyChanged();
    void onPumpTextChanged();
    void onUnloadingToggled(bool checked);
    void onReliefValveTextChanged();

    void applyStarterRule();
    void prefillCoupling();
    void showFlowAndPressure(LookupList *changedList);
    void clearStatusPanels();

    Dataset *dataset(const char *name) const;

    MainWindow *m_window;
    Catalogue *m_catalogue;
    BoundField *m_plateField = nullptr;
};

} // namespace kvartson
