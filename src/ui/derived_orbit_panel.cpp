#include "derived_orbit_panel.h"

#include "editing/orbit_text.h"
#include "form_controls.h"
#include "orbit_view.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

DerivedOrbitPanel::DerivedOrbitPanel(const QString& prefix, QWidget* parent)
    : QGroupBox(QStringLiteral("Orbit"), parent)
{
    setObjectName(prefix + QStringLiteral("DerivedOrbit"));
    periapsisAltitude_ = valueLabel(prefix + QStringLiteral("PeriapsisAltitude"),
                                    QStringLiteral("Periapsis altitude above the mean radius (in km)"));
    apoapsisAltitude_ = valueLabel(prefix + QStringLiteral("ApoapsisAltitude"),
                                   QStringLiteral("Apoapsis altitude above the mean radius (in km)"));
    period_ = valueLabel(prefix + QStringLiteral("OrbitPeriod"), QStringLiteral("Orbital period"));
    note_ = new QLabel;
    note_->setObjectName(prefix + QStringLiteral("OrbitNote"));
    note_->setWordWrap(true);
    view_ = new OrbitView;
    view_->setObjectName(prefix + QStringLiteral("OrbitView"));
    view_->setToolTip(QStringLiteral("The orbit seen in its own plane, the body and its atmosphere to scale: "
                                     "Pe periapsis, Ap apoapsis, the yellow dot the current position"));

    auto* values = new QFormLayout;
    values->addRow(QStringLiteral("Periapsis altitude"), periapsisAltitude_);
    values->addRow(QStringLiteral("Apoapsis altitude"), apoapsisAltitude_);
    values->addRow(QStringLiteral("Period"), period_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(values);
    column->addWidget(note_);
    column->addWidget(view_, 1);
}

void DerivedOrbitPanel::showOrbit(const FormOrbit& orbit)
{
    const DerivedOrbitTexts texts = derivedOrbitTexts(orbit);
    periapsisAltitude_->setText(texts.periapsisAltitude);
    apoapsisAltitude_->setText(texts.apoapsisAltitude);
    period_->setText(texts.period);
    note_->setText(texts.note);
    QPalette palette = note_->palette();
    palette.setColor(QPalette::WindowText, texts.warning ? OrbitView::warningColour().darker(130)
                                                         : this->palette().color(QPalette::WindowText));
    note_->setPalette(palette);
    view_->setOrbit(orbit);
}
