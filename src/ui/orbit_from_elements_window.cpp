#include "orbit_from_elements_window.h"

#include "app_icon.h"
#include "document/number_text.h"
#include "document/text_primitives.h"
#include "editing/orbit_placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

QLineEdit* numberBox(QFormLayout* form, const QString& name, const QString& caption, const QString& text,
                     const QString& toolTip = {})
{
    auto* box = new QLineEdit(text);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    box->setToolTip(toolTip);
    form->addRow(caption, box);
    return box;
}

// The numbers of the boxes, as the editor's checks read numbers; the caption of the first box
// that holds none.
struct BoxNumbers
{
    QVector<double> values;
    QString notANumber;
};

BoxNumbers numbersOf(const QVector<QLineEdit*>& boxes)
{
    BoxNumbers numbers;
    for (QLineEdit* box : boxes) {
        if (!IsANumber(box->text())) {
            auto* form = qobject_cast<QFormLayout*>(box->parentWidget()->layout());
            auto* label = form ? qobject_cast<QLabel*>(form->labelForField(box)) : nullptr;
            numbers.notANumber = label ? label->text() : box->objectName();
            return numbers;
        }
        numbers.values << numericValue(box->text());
    }
    return numbers;
}

} // namespace

OrbitFromElementsWindow::OrbitFromElementsWindow(Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws)
{
    setObjectName(QStringLiteral("OrbitFromElementsWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Orbit from elements"));
    setWindowIcon(applicationIcon());
    setMinimumWidth(480);

    body_ = new QLabel;
    body_->setObjectName(QStringLiteral("OrbitBody"));
    body_->setWordWrap(true);
    const QString planet = trimBlanks(ws_.shipForm.orbitingPlanet);
    body_->setText(QStringLiteral("Around %1, at the scenario's start date. Axes of the file: y towards the "
                                  "north of the reference plane; angles in degrees.")
                       .arg(planet.isEmpty() ? QStringLiteral("(no planet)") : planet));

    ways_ = new QTabWidget;
    ways_->setObjectName(QStringLiteral("OrbitWays"));
    ways_->addTab(buildSimplePage(), QStringLiteral("Altitudes"));
    ways_->addTab(buildElementsPage(), QStringLiteral("Six elements"));
    ways_->addTab(buildStationPage(), QStringLiteral("Match a station…"));

    result_ = new QLabel;
    result_->setObjectName(QStringLiteral("OrbitResult"));
    result_->setWordWrap(true);
    // Room for a two-line refusal, so that the window need not grow when one appears.
    result_->setMinimumHeight(2 * result_->fontMetrics().lineSpacing() + 4);
    result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* buttons = new QDialogButtonBox;
    auto* fill =
        buttons->addButton(QStringLiteral("Fill position and velocity"), QDialogButtonBox::ApplyRole);
    fill->setObjectName(QStringLiteral("OrbitFill"));
    fill->setToolTip(QStringLiteral("Writes the state at the start date into the ship's RPOS and RVEL boxes; "
                                    "press validation to store it"));
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("OrbitClose"));
    connect(fill, &QPushButton::clicked, this, &OrbitFromElementsWindow::fillClicked);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* column = new QVBoxLayout(this);
    column->addWidget(body_);
    column->addWidget(ways_);
    column->addWidget(result_);
    column->addWidget(buttons);
}

QWidget* OrbitFromElementsWindow::buildSimplePage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    simple_ = {
        numberBox(form, QStringLiteral("OrbitPeriapsisAltitude"), QStringLiteral("Periapsis altitude (m)"),
                  QStringLiteral("300000"), QStringLiteral("Above the body's mean radius")),
        numberBox(form, QStringLiteral("OrbitApoapsisAltitude"), QStringLiteral("Apoapsis altitude (m)"),
                  QStringLiteral("300000"), QStringLiteral("The periapsis altitude for a circular orbit")),
        numberBox(form, QStringLiteral("OrbitSimpleInclination"), QStringLiteral("Inclination (°)"),
                  QStringLiteral("0"), QStringLiteral("0: in the reference plane; above 90: retrograde")),
        numberBox(form, QStringLiteral("OrbitSimpleNode"), QStringLiteral("Ascending node (°)"),
                  QStringLiteral("0"), QStringLiteral("From the x axis, in the reference plane")),
        numberBox(form, QStringLiteral("OrbitArgumentOfPeriapsis"),
                  QStringLiteral("Argument of periapsis (°)"), QStringLiteral("0"),
                  QStringLiteral("From the ascending node, in the sense of motion")),
        numberBox(form, QStringLiteral("OrbitTrueAnomaly"), QStringLiteral("True anomaly (°)"),
                  QStringLiteral("0"), QStringLiteral("Where the ship is, from the periapsis"))};
    atPeriapsis_ = new QCheckBox(QStringLiteral("At periapsis"));
    atPeriapsis_->setObjectName(QStringLiteral("OrbitAtPeriapsis"));
    atPeriapsis_->setChecked(true);
    simple_.back()->setEnabled(false);
    connect(atPeriapsis_, &QCheckBox::toggled, simple_.back(), &QWidget::setDisabled);
    form->addRow(QString(), atPeriapsis_);
    return page;
}

QWidget* OrbitFromElementsWindow::buildElementsPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    // The ship's own orbit as the starting values, when it has a closed one.
    const FormElements current = shipFormElements(ws_.shipForm, ws_.folders.CfgDir);
    const OrbitalElements shown = current.elements.value_or(OrbitalElements{7000000.0, 0, 0, 0, 0, 0});
    const auto angle = [](double radians) { return plainNumberText(radians / kDegree); };
    elements_ = {
        numberBox(form, QStringLiteral("OrbitSemiMajorAxis"), QStringLiteral("Semi-major axis (m)"),
                  plainNumberText(shown.semiMajorAxis)),
        numberBox(form, QStringLiteral("OrbitEccentricity"), QStringLiteral("Eccentricity"),
                  plainNumberText(shown.eccentricity), QStringLiteral("From 0 (circular) to below 1")),
        numberBox(form, QStringLiteral("OrbitInclination"), QStringLiteral("Inclination (°)"),
                  angle(shown.inclination)),
        numberBox(form, QStringLiteral("OrbitAscendingNode"),
                  QStringLiteral("Longitude of ascending node (°)"), angle(shown.ascendingNodeLongitude)),
        numberBox(form, QStringLiteral("OrbitPeriapsisLongitude"),
                  QStringLiteral("Longitude of periapsis (°)"), angle(shown.periapsisLongitude),
                  QStringLiteral("Ascending node + argument of periapsis")),
        numberBox(form, QStringLiteral("OrbitMeanLongitude"), QStringLiteral("Mean longitude (°)"),
                  angle(shown.meanLongitude),
                  QStringLiteral("Periapsis longitude + mean anomaly, at the start date"))};
    return page;
}

QWidget* OrbitFromElementsWindow::buildStationPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    station_ = new QComboBox;
    station_->setObjectName(QStringLiteral("OrbitStation"));
    station_->setToolTip(QStringLiteral("The stations of the ship's planet, as stored"));
    station_->addItems(stationsAround(ws_.doc, ws_.shipForm.orbitingPlanet));
    form->addRow(QStringLiteral("Station"), station_);
    trackDistance_ =
        numberBox(form, QStringLiteral("OrbitTrackDistance"), QStringLiteral("Along its track (m)"),
                  QStringLiteral("-2000"), QStringLiteral("Ahead of the station; negative: behind it"));
    return page;
}

void OrbitFromElementsWindow::showResult(const QString& text, bool refusal)
{
    result_->setText(text);
    result_->setStyleSheet(refusal ? QStringLiteral("color: #b00000;") : QString());
}

void OrbitFromElementsWindow::fillClicked()
{
    const BodyLookup lookup = lookUpOrbitBody(ws_.folders.CfgDir, ws_.shipForm.orbitingPlanet);
    if (!lookup.body) {
        showResult(lookup.problem, true);
        return;
    }
    Placement placed;
    QWidget* page = ways_->currentWidget();
    if (page == simple_.front()->parentWidget()) {
        const BoxNumbers n = numbersOf(atPeriapsis_->isChecked() ? simple_.mid(0, 5) : simple_);
        if (!n.notANumber.isEmpty()) {
            showResult(QStringLiteral("%1: not a number.").arg(n.notANumber), true);
            return;
        }
        SimpleOrbit orbit{n.values[0],           n.values[1],           n.values[2] * kDegree,
                          n.values[3] * kDegree, n.values[4] * kDegree, std::nullopt};
        if (!atPeriapsis_->isChecked())
            orbit.trueAnomaly = n.values[5] * kDegree;
        placed = placeBySimpleOrbit(orbit, *lookup.body);
    } else if (page == elements_.front()->parentWidget()) {
        const BoxNumbers n = numbersOf(elements_);
        if (!n.notANumber.isEmpty()) {
            showResult(QStringLiteral("%1: not a number.").arg(n.notANumber), true);
            return;
        }
        placed = placeByElements({n.values[0], n.values[1], n.values[2] * kDegree, n.values[3] * kDegree,
                                  n.values[4] * kDegree, n.values[5] * kDegree},
                                 *lookup.body);
    } else {
        if (station_->currentIndex() < 0) {
            showResult(QStringLiteral("No station orbits this planet."), true);
            return;
        }
        const BoxNumbers n = numbersOf({trackDistance_});
        if (!n.notANumber.isEmpty()) {
            showResult(QStringLiteral("%1: not a number.").arg(n.notANumber), true);
            return;
        }
        placed = placeBesideStation(ws_, station_->currentText(), n.values[0]);
    }
    if (!placed.state) {
        showResult(placed.refusal, true);
        return;
    }
    fillShipState(ws_.shipForm, *placed.state);
    showResult(QStringLiteral("Position and velocity filled in; press validation to store them."), false);
    emit stateFilled();
}
