#include "derived_orbit_panel.h"

#include "editing/orbit_text.h"
#include "form_controls.h"
#include "orbit_view.h"
#include "wrapping_layout.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

DerivedOrbitPanel::DerivedOrbitPanel(const QString& prefix, Qt::Orientation viewPlacement, QWidget* parent)
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
    elements_ = new QLabel;
    elements_->setObjectName(prefix + QStringLiteral("OrbitElements"));
    elements_->setToolTip(
        QStringLiteral("The orbit's six elements at the start date, as a station's ELEMENTS "
                       "hold them: a, e, inclination i, ascending node Ω, periapsis longitude ϖ, "
                       "mean longitude L"));
    elements_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    elements_->hide();
    view_ = new OrbitView;
    view_->setObjectName(prefix + QStringLiteral("OrbitView"));
    view_->setToolTip(QStringLiteral("The orbit seen in its own plane, the body and its atmosphere to scale: "
                                     "Pe periapsis, Ap apoapsis, the yellow dot the current position"));

    auto* values = new QFormLayout;
    values->addRow(QStringLiteral("Periapsis altitude"), periapsisAltitude_);
    values->addRow(QStringLiteral("Apoapsis altitude"), apoapsisAltitude_);
    values->addRow(QStringLiteral("Period"), period_);
    auto* text = new QVBoxLayout;
    text->addLayout(values);
    text->addWidget(note_);
    text->addWidget(elements_);
    if (viewPlacement == Qt::Vertical) {
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(text, 0);
        layout->addWidget(view_, 3);
        return;
    }
    // Beside the values while the frame is wide enough for both, below them in a narrow window.
    text->addStretch(1);
    auto* layout = new WrappingLayout(this);
    layout->addLayout(text, 2);
    layout->addWidget(view_, 3);
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
    elements_->setVisible(orbit.elements.has_value());
    elements_->setText(orbit.elements ? elementsText(*orbit.elements) : QString());
    view_->setOrbit(orbit);
}
