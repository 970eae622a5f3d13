#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class CalculatorPage;
}

class QLabel;
class QLineEdit;

namespace kvartson {

class Catalogue;

// The page "Расчеты": a live calculator for a double-acting cylinder, the drive
// (pump displacement, nearest catalogue pump, maximum pressure) and the pipe.
//
// Every input field has one change handler. A handler's leading part runs only
// while its own field has the keyboard focus, so a value written into another
// field by a handler never echoes back; writing a field runs that field's
// handler at once, nested, and only when its text really changes.
class CalculatorPage : public QWidget
{
    Q_OBJECT

public:
    // Fills `parent` (the page widget of the main window) and reads motors and
    // pumps from the catalogue.
    CalculatorPage(Catalogue *catalogue, QWidget *parent);
    ~CalculatorPage() override;

    // The values kept between events; everything else is worked out and shown.
    double pistonArea() const { return m_pistonArea; }
    double annulusArea() const { return m_annulusArea; }
    double pistonVolume() const { return m_pistonVolume; }
    double rodVolume() const { return m_rodVolume; }

    // The smallest catalogue pump displacement that is at least `displacement`,
    // or 0 when no pump is that large.
    double nearestPumpSize(double displacement) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpLook();
    void setUpMotorList();
    void connectHandlers();
    void handle(QLineEdit *field, void (CalculatorPage::*handler)());

    // Change handlers, named after what their field holds.
    void onPistonDiameterChanged();
    void onRodDiameterChanged();
    void onStrokeChanged();
    void onExtensionTimeChanged();
    void onFlowChanged();
    void onPressureChanged();
    void onForceChanged();
    void onDriveFlowChanged();
    void onMotorChanged();
    void onDisplacementChanged();
    void onPipeFlowChanged();
    void onPipeBoreChanged();

    // Steps shared by several handlers.
    void updateAreas();
    void updateVolumes();
    void updateFlowFromTime();
    void showExtensionSpeed();
    void showReturnStroke();
    void showDifferentialExtension();
    void showStrokeTime(long double volume, QLabel *timeLabel, QLabel *speedLabel);
    void showReturnForce();
    void showDrivePower();
    void showMotorFigures();
    void showPipeSpeed();

    std::unique_ptr<Ui::CalculatorPage> m_ui;
    Catalogue *m_catalogue;
    double m_pistonArea = 0;
    double m_annulusArea = 0;
    double m_pistonVolume = 0;
    double m_rodVolume = 0;
};

} // namespace kvartson
