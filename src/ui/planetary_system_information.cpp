#include "planetary_system_information.h"

#include "app_icon.h"
#include "catalogue/planetary_system.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QLabel* titleLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel* valueLabel(const QString& name, const QString& tip, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setToolTip(tip);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(200);
    return label;
}

} // namespace

PlanetarySystemInformation::PlanetarySystemInformation(Workspace& ws, QWidget* parent)
    : QDialog(parent), ws_(ws)
{
    setObjectName(QStringLiteral("PlanetarySystemInformation"));
    setModal(false);
    setWindowTitle(QStringLiteral("Planetary System Information"));
    setWindowIcon(applicationIcon());

    planet_ = new QComboBox(this);
    planet_->setObjectName(QStringLiteral("Planet"));
    planet_->setToolTip(QStringLiteral("Displays the planetary system planet list."));
    planet_->setMaxVisibleItems(20);
    connect(planet_, &QComboBox::currentIndexChanged, this, &PlanetarySystemInformation::showBody);

    mass_ = valueLabel(QStringLiteral("PlanetMass"), QStringLiteral("Displays the planet mass in kg."), this);
    meanRadius_ = valueLabel(QStringLiteral("PlanetMeanRadius"),
                             QStringLiteral("Displays the planet mean radius in m."), this);
    rotationPeriod_ = valueLabel(QStringLiteral("PlanetSideralRotationPeriod"),
                                 QStringLiteral("Displays the planet sideral rotation period."), this);
    atmosphereLimit_ = valueLabel(QStringLiteral("PlanetAtmosphereLimit"), QString(), this);

    auto* grid = new QGridLayout;
    grid->addWidget(titleLabel(QStringLiteral("Label1"), QStringLiteral("Mass"), this), 0, 0);
    grid->addWidget(mass_, 0, 1);
    grid->addWidget(titleLabel(QStringLiteral("Label2"), QStringLiteral("Mean radius"), this), 1, 0);
    grid->addWidget(meanRadius_, 1, 1);
    grid->addWidget(titleLabel(QStringLiteral("Label3"), QStringLiteral("Siderial rotation period"), this), 2,
                    0);
    grid->addWidget(rotationPeriod_, 2, 1);
    grid->addWidget(titleLabel(QStringLiteral("Label5"), QStringLiteral("Atmosphere altitude limit"), this),
                    3, 0);
    grid->addWidget(atmosphereLimit_, 3, 1);
    grid->setColumnStretch(1, 1);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setToolTip(QStringLiteral("Hide the Planetary System Information dialog box."));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(planet_);
    layout->addLayout(grid);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void PlanetarySystemInformation::bodiesChanged()
{
    fillBodies(defaultBodyIndex(ws_.bodies));
}

void PlanetarySystemInformation::loadStep(bool menu31Enabled)
{
    if (menu31Enabled)
        fillBodies(ws_.bodies.isEmpty() ? -1 : 0);
}

void PlanetarySystemInformation::fillBodies(int selected)
{
    {
        const QSignalBlocker blocker(planet_);
        planet_->clear();
        planet_->addItems(ws_.bodies);
        planet_->setCurrentIndex(selected);
    }
    showBody(selected);
}

void PlanetarySystemInformation::showBody(int index)
{
    if (index < 0 || index >= planet_->count()) {
        for (QLabel* value : {mass_, meanRadius_, rotationPeriod_, atmosphereLimit_})
            value->clear();
        return;
    }
    const BodyDisplay data = bodyDisplay(ws_.folders.CfgDir, planet_->itemText(index), ws_.doc.scanLog);
    mass_->setText(data.mass);
    meanRadius_->setText(data.meanRadius);
    rotationPeriod_->setText(data.rotationPeriod);
    atmosphereLimit_->setText(data.atmosphereLimit);
}
