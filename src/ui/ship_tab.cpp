#include "ship_tab.h"

#include "derived_orbit_panel.h"
#include "editing/orbit_placement.h"
#include "field_hints.h"
#include "form_controls.h"
#include "name_filter.h"
#include "orbit_from_elements_window.h"
#include "place_tree_view.h"
#include "wrapping_layout.h"
#include "editing/pending_edits.h"
#include "editing/rename_note.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <vector>

namespace {

QStringList vesselClassNames(const Catalogue& catalogue)
{
    QStringList names;
    for (const NamedFile& vessel : catalogue.vesselClasses)
        names.append(vessel.name);
    return names;
}

} // namespace

ShipTab::ShipTab(Workspace& ws, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), ws_(ws), dialogs_(dialogs)
{
    auto* left = new QVBoxLayout;
    left->addWidget(buildStatusFrame());
    left->addWidget(buildEngineFrame());
    left->addWidget(buildActionFrame());
    left->addStretch(1);

    // The trees take the height the window gives; the orbiting frame keeps its own.
    auto* right = new QVBoxLayout;
    right->addWidget(buildLandedFrame(), 1);
    right->addWidget(buildDockedFrame(), 1);
    right->addWidget(buildOrbitingFrame(), 1);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 0);
    body->addLayout(right, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(buildHeading());
    page->addSpacing(6);
    page->addLayout(body, 1);

    connectControls();
    refresh();
}

ShipTab::~ShipTab()
{
    // The name box loses the focus while the tab's children are destroyed, after this object:
    // a name typed there would still make the box go to the entry of that name and call back.
    shipName_->disconnect(this);
    shipName_->lineEdit()->disconnect(this);
}

QLineEdit* ShipTab::formBox(const QString& name, QString ShipForm::*field, const QString& toolTip)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setToolTip(toolTip);
    boxes_.append({box, field});
    return box;
}

QWidget* ShipTab::buildHeading()
{
    shipName_ =
        listBox(QStringLiteral("ShipName"), QStringLiteral("List of the ship integrated in the scenario"));
    connect(makeNameBox(shipName_), &NameFilter::picked, this, &ShipTab::searchPicked);
    renameNote_ = noteLabel(QStringLiteral("ShipRenameNote"));

    shipIndex_ = new QLabel;
    shipIndex_->setObjectName(QStringLiteral("ShipIndex"));
    shipIndex_->hide();

    shipClass_ = valueLabel(QStringLiteral("ShipClass"),
                            QStringLiteral("Class of the ship selected in the Ship name combo box"));
    spacecraft_ = listBox(QStringLiteral("Spacecraft"));
    auto* changeClass = commandButton(
        QStringLiteral("Command10"), QStringLiteral("Change class"),
        QStringLiteral("Sets the Ship class to the class selected in the \"Possible Ship Class\" combo box"));
    connect(changeClass, &QPushButton::clicked, this, [this] {
        changeShipClass(ws_);
        refresh();
    });

    auto* heading = new QWidget;
    auto* grid = new QGridLayout(heading);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Ship name")), 0, 0);
    grid->addWidget(shipName_, 0, 1, 1, 2);
    grid->addWidget(shipIndex_, 0, 3);
    grid->addWidget(renameNote_, 0, 3, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Ship Class")), 1, 0);
    grid->addWidget(shipClass_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Possible Ship Class")), 1, 2, Qt::AlignRight);
    grid->addWidget(spacecraft_, 1, 3);
    grid->addWidget(changeClass, 1, 4);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 2);
    grid->setColumnStretch(5, 1);
    return heading;
}

QRadioButton* ShipTab::statusOption(const QString& name, const QString& caption, const QString& toolTip,
                                    ShipStatusOption option)
{
    auto* radio = new QRadioButton(caption);
    radio->setObjectName(name);
    radio->setToolTip(toolTip);
    // A ship may have no status at all (a new ship), so the three buttons must all be able to
    // show as cleared; the one selected is decided by the form alone.
    radio->setAutoExclusive(false);
    options_.append({radio, option});
    connect(radio, &QRadioButton::clicked, this, [this, option] { statusClicked(option); });
    return radio;
}

QWidget* ShipTab::buildStatusFrame()
{
    auto* status = frame(QStringLiteral("Frame9"), QStringLiteral("Status"));
    auto* column = new QVBoxLayout(status);
    column->addWidget(new QLabel(QStringLiteral("Select the ship status")));
    auto* row = new QHBoxLayout;
    row->addWidget(statusOption(QStringLiteral("OrbitingShipOption"), QStringLiteral("Orbiting"), {},
                                ShipStatusOption::Orbiting));
    row->addWidget(statusOption(QStringLiteral("DockedShipOption"), QStringLiteral("Docked"),
                                QStringLiteral("Sets the ship status to \"Docked\""),
                                ShipStatusOption::Docked));
    row->addWidget(statusOption(QStringLiteral("LandedShipOption"), QStringLiteral("Landed"),
                                QStringLiteral("Sets the ship status to \"Landed\""),
                                ShipStatusOption::Landed));
    row->addStretch(1);
    column->addLayout(row);
    return status;
}

ShipTab::Level ShipTab::level(const QString& name, int minimum, int maximum, const QString& toolTip,
                              ShipSlider which)
{
    Level level;
    level.slider = new QSlider(Qt::Horizontal);
    level.slider->setObjectName(name + QStringLiteral("Slider"));
    level.slider->setRange(minimum, maximum);
    level.slider->setToolTip(toolTip);
    level.slider->setMinimumWidth(100);
    level.readOut = valueLabel(name, toolTip);
    level.readOut->setMinimumWidth(64);
    level.readOut->setAlignment(Qt::AlignCenter);
    connect(level.slider, &QSlider::valueChanged, this, [this, which](int position) {
        shipSliderChanged(ws_, which, position);
        showLevels();
        showPending();
    });
    return level;
}

QWidget* ShipTab::buildEngineFrame()
{
    fuel_ =
        level(QStringLiteral("ShipFuel"), 0, 100,
              QStringLiteral("Defines the ship tank fuel level (percentage from 0 to 1)"), ShipSlider::Fuel);
    mainEngine_ =
        level(QStringLiteral("MainEngineStatus"), -100, 100,
              QStringLiteral("Main/retro engine power percentage in action (percentage from -1 to 1). "
                             "This value must be set to zero when landed or docked"),
              ShipSlider::MainEngine);
    hoverEngine_ =
        level(QStringLiteral("HoverEngineStatus"), 0, 100,
              QStringLiteral("Hover engine power percentage in action (from 0 to 1). This value must "
                             "be set to zero when landed or docked"),
              ShipSlider::HoverEngine);

    auto* engines = frame(QStringLiteral("Frame8"), QStringLiteral("Engine settings"));
    auto* grid = new QGridLayout(engines);
    const std::pair<QString, Level> rows[] = {{QStringLiteral("Fuel level"), fuel_},
                                              {QStringLiteral("Engine status"), mainEngine_},
                                              {QStringLiteral("Hover engine status"), hoverEngine_}};
    int row = 0;
    for (const auto& [caption, level] : rows) {
        grid->addWidget(new QLabel(caption), row, 0);
        grid->addWidget(level.slider, row, 1);
        grid->addWidget(level.readOut, row, 2);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return engines;
}

QWidget* ShipTab::buildActionFrame()
{
    auto* validate = validate_ =
        commandButton(QStringLiteral("Command4"), QStringLiteral("Ship parameter validation"),
                      QStringLiteral("Validates all ship parameters. If the values are not validated, they "
                                     "are not memorized and lost and the former values taken into account "
                                     "when passing to another ship."));
    auto* add = commandButton(QStringLiteral("Command5"), QStringLiteral("Add a new ship"),
                              QStringLiteral("To create a new ship within the scenario"));
    auto* remove = commandButton(
        QStringLiteral("Command6"), QStringLiteral("Delete ship"),
        QStringLiteral(
            "Deletes the ship from the scenario (the ship file in the configuration is not removed)"));
    connect(validate, &QPushButton::clicked, this, &ShipTab::validateClicked);
    connect(add, &QPushButton::clicked, this, &ShipTab::addClicked);
    connect(remove, &QPushButton::clicked, this, &ShipTab::deleteClicked);

    auto* actions = frame(QStringLiteral("Frame10"), QStringLiteral("Actions"));
    auto* column = new QVBoxLayout(actions);
    column->addWidget(validate);
    column->addWidget(add);
    column->addWidget(remove);
    return actions;
}

QGroupBox* ShipTab::buildLandedFrame()
{
    landingTree_ = new PlaceTreeView;
    landingTree_->setObjectName(QStringLiteral("ShipLandingTree"));
    landingTree_->setToolTip(
        QStringLiteral("Base (with their landing pads) list within the planetary system; "
                       "double click on a pad to select it for the ship"));
    landingTree_->setMinimumSize(220, 320);
    landedPlanet_ = valueLabel(QStringLiteral("ShipLandedPlanet"));
    landedBase_ = valueLabel(QStringLiteral("ShipLandedBase"));
    landedPad_ = valueLabel(QStringLiteral("ShipLandedPad"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Planet"), landedPlanet_);
    form->addRow(QStringLiteral("Base"), landedBase_);
    form->addRow(QStringLiteral("Landed pad"), landedPad_);
    form->addRow(QStringLiteral("Heading"),
                 formBox(QStringLiteral("ShipLandedHeading"), &ShipForm::landedHeading,
                         QStringLiteral("Ship orientation (in °) at the landing pad")));

    landed_ = frame(QStringLiteral("Landed"), QStringLiteral("Landed ship parameters"));
    auto* row = new WrappingLayout(landed_);
    row->addWidget(landingTree_, 3);
    row->addLayout(form, 2);
    connect(landingTree_, &PlaceTreeView::nodeDoubleClicked, this, &ShipTab::padDoubleClicked);
    return landed_;
}

QGroupBox* ShipTab::buildDockedFrame()
{
    dockedTree_ = new PlaceTreeView;
    dockedTree_->setObjectName(QStringLiteral("ShipDockedTree"));
    dockedTree_->setToolTip(
        QStringLiteral("Station (with their dock ports) list within the planetary system; "
                       "double click on a dock to select it for the ship"));
    dockedTree_->setMinimumSize(220, 320);
    dockedPlanet_ = valueLabel(QStringLiteral("ShipDockedPlanet"));
    dockedStation_ = valueLabel(QStringLiteral("ShipDockedStation"));
    dockedPort_ = valueLabel(QStringLiteral("ShipDockedPort"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Planet"), dockedPlanet_);
    form->addRow(QStringLiteral("Station"), dockedStation_);
    form->addRow(QStringLiteral("Dock port"), dockedPort_);
    auto* nextToStation = commandButton(
        QStringLiteral("OrbitNextToStation"), QStringLiteral("Orbiting next to the station"),
        QStringLiteral(
            "Puts the ship in orbit 100 m behind its station at the start date; press validation to "
            "store it"));
    connect(nextToStation, &QPushButton::clicked, this, [this] {
        const Placement placed = orbitBesideDockStation(ws_);
        if (!placed.state)
            dialogs_.inform({QStringLiteral("Orbiting next to the station"), placed.refusal,
                             MessageButtons::Ok, MessageIcon::Exclamation});
        refresh();
    });
    form->addRow(QString(), nextToStation);

    docked_ = frame(QStringLiteral("Docked"), QStringLiteral("Docked ship parameters"));
    auto* row = new WrappingLayout(docked_);
    row->addWidget(dockedTree_, 3);
    row->addLayout(form, 2);
    connect(dockedTree_, &PlaceTreeView::nodeDoubleClicked, this, &ShipTab::dockDoubleClicked);
    return docked_;
}

QGroupBox* ShipTab::vectorFrame(const QString& title, const QString& prefix, QString ShipForm::*x,
                                QString ShipForm::*y, QString ShipForm::*z)
{
    auto* box = new QGroupBox(title);
    box->setObjectName(prefix + QStringLiteral("Frame"));
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("X"), formBox(prefix + QStringLiteral("X"), x));
    form->addRow(QStringLiteral("Y"), formBox(prefix + QStringLiteral("Y"), y));
    form->addRow(QStringLiteral("Z"), formBox(prefix + QStringLiteral("Z"), z));
    return box;
}

QGroupBox* ShipTab::buildOrbitingFrame()
{
    orbitingPlanet_ = valueLabel(QStringLiteral("ShipOrbitingPlanet"),
                                 QStringLiteral("Displays the planet the ship orbits around"));
    orbitingRef_ = listBox(QStringLiteral("OrbitingRef"));
    auto* changePlanet = commandButton(
        QStringLiteral("Command11"), QStringLiteral("Change planet"),
        QStringLiteral(
            "Changes the planet the ships orbits around by choosing it from the \"Possible Planet\" list"));
    connect(changePlanet, &QPushButton::clicked, this, [this] {
        changeShipPlanet(ws_);
        refresh();
    });

    auto* planetRows = new QGridLayout;
    planetRows->addWidget(new QLabel(QStringLiteral("Planet")), 0, 0);
    planetRows->addWidget(orbitingPlanet_, 0, 1);
    planetRows->addWidget(new QLabel(QStringLiteral("Possible planet")), 1, 0);
    planetRows->addWidget(orbitingRef_, 1, 1);
    planetRows->addWidget(changePlanet, 1, 2);
    planetRows->setColumnStretch(1, 1);
    planetRows->setColumnStretch(3, 1);

    // Three frames a row in a wide window, fewer in a narrow one.
    auto* vectors = new WrappingLayout;
    vectors->addWidget(vectorFrame(QStringLiteral("Position rel. to reference"),
                                   QStringLiteral("ShipOrbitingRpos"), &ShipForm::rposX, &ShipForm::rposY,
                                   &ShipForm::rposZ));
    vectors->addWidget(vectorFrame(QStringLiteral("Velocity rel. to reference"),
                                   QStringLiteral("ShipOrbitingRvel"), &ShipForm::rvelX, &ShipForm::rvelY,
                                   &ShipForm::rvelZ));
    vectors->addWidget(vectorFrame(QStringLiteral("Rot. angles orientation"),
                                   QStringLiteral("ShipOrbitingArot"), &ShipForm::arotX, &ShipForm::arotY,
                                   &ShipForm::arotZ));

    auto* angularRow = new QHBoxLayout;
    angularRow->addWidget(new QLabel(QStringLiteral("Angular velocity (°/s)")));
    angularRow->addWidget(formBox(QStringLiteral("ShipOrbitingAngularVelocity"), &ShipForm::angularVelocity));
    angularRow->addStretch(1);
    auto* fromElements =
        commandButton(QStringLiteral("OrbitFromElements"), QStringLiteral("Orbit from elements…"),
                      QStringLiteral("Sets the position and velocity from an orbit's elements, "
                                     "altitudes or a station's track"));
    connect(fromElements, &QPushButton::clicked, this, [this] {
        auto* window = new OrbitFromElementsWindow(ws_, this);
        connect(window, &OrbitFromElementsWindow::stateFilled, this, &ShipTab::refresh);
        window->show();
    });
    angularRow->addWidget(fromElements);

    orbitPanel_ = new DerivedOrbitPanel(QStringLiteral("Ship"), Qt::Horizontal);

    orbiting_ = frame(QStringLiteral("Orbiting"), QStringLiteral("Orbiting ship parameters"));
    auto* column = new QVBoxLayout(orbiting_);
    column->addLayout(planetRows);
    column->addLayout(vectors);
    column->addLayout(angularRow);
    column->addWidget(orbitPanel_, 1);
    return orbiting_;
}

void ShipTab::connectControls()
{
    for (const auto& [box, field] : boxes_) {
        connect(box, &QLineEdit::textEdited, this, [this, field = field](const QString& text) {
            ws_.shipForm.*field = text;
            showOrbitAndHints();
            showPending();
        });
    }
    // Only typing renames: picking an entry of the list shows that ship instead.
    connect(shipName_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        ws_.shipForm.name = text;
        showOrbitAndHints();
        showPending();
        showRenameNote();
    });
    connect(shipName_, &QComboBox::activated, this, &ShipTab::shipActivated);
    connect(spacecraft_, &QComboBox::currentIndexChanged, this,
            [this](int index) { ws_.shipForm.spacecraftIndex = index; });
    connect(orbitingRef_, &QComboBox::currentIndexChanged, this,
            [this](int index) { ws_.shipForm.orbitingRefIndex = index; });
}

void ShipTab::refresh()
{
    const ShipForm& form = ws_.shipForm;
    std::vector<QSignalBlocker> blockers;
    for (QObject* control : std::initializer_list<QObject*>{shipName_, spacecraft_, orbitingRef_})
        blockers.emplace_back(control);
    for (const auto& [box, field] : boxes_)
        blockers.emplace_back(box);
    for (const auto& [radio, option] : options_)
        blockers.emplace_back(radio);

    showEntries(shipName_, ws_.doc.shipNames, ws_.doc.shipIndex);
    shipName_->setEditText(form.name);
    shipIndex_->setText(QString::number(ws_.doc.shipIndex));
    shipClass_->setText(form.shipClass);
    showEntries(spacecraft_, vesselClassNames(ws_.catalogue), form.spacecraftIndex);

    for (const auto& [radio, option] : options_)
        radio->setChecked(form.status == option);
    landed_->setVisible(form.status == ShipStatusOption::Landed);
    docked_->setVisible(form.status == ShipStatusOption::Docked);
    orbiting_->setVisible(form.status == ShipStatusOption::Orbiting);

    landedPlanet_->setText(form.landedPlanet);
    landedBase_->setText(form.landedBase);
    landedPad_->setText(form.landedPad);
    dockedPlanet_->setText(form.dockedPlanet);
    dockedStation_->setText(form.dockedStation);
    dockedPort_->setText(form.dockedPort);
    orbitingPlanet_->setText(form.orbitingPlanet);
    showEntries(orbitingRef_, ws_.bodies, form.orbitingRefIndex);
    for (const auto& [box, field] : boxes_) {
        if (box->text() != form.*field)
            box->setText(form.*field);
    }
    showLevels();
    landingTree_->setPlaceTree(ws_.landingTree);
    dockedTree_->setPlaceTree(ws_.dockTree);
    showOrbitAndHints();
    showPending();
    showRenameNote();
}

void ShipTab::showRenameNote()
{
    const QString note = renameNote(ws_.shipShown.name, ws_.shipForm.name);
    renameNote_->setText(note);
    renameNote_->setVisible(!note.isEmpty());
}

void ShipTab::showPending()
{
    const bool pending = shipFormPending(ws_);
    if (pending == shownPending_)
        return;
    shownPending_ = pending;
    showValidationPending(validate_, pending);
    emit pendingChanged(pending);
}

bool ShipTab::settlePending()
{
    if (!shipFormPending(ws_))
        return true;
    const bool goOn = settlePendingEdits(
        dialogs_, pendingShipQuestion(ws_),
        [this] {
            validateClicked();
            return !shipFormPending(ws_);
        },
        [this] { discardShipForm(ws_); });
    refresh();
    return goOn;
}

void ShipTab::showOrbitAndHints()
{
    orbitPanel_->showOrbit(shipFormOrbitWithElements(ws_.shipForm, ws_.folders.CfgDir));
    // The checks read the body file here too; a file that cannot be read is told once, by
    // validation, not at every key stroke.
    ScanLog unrecorded;
    const auto failures = shipFieldFailures(ws_.shipForm, ws_.folders.CfgDir, unrecorded);
    for (const auto& [box, field] : boxes_)
        showTextHint(box, fieldHint(failures, field));
    showTextHint(shipName_->lineEdit(), fieldHint(failures, &ShipForm::name));
}

void ShipTab::showLevels()
{
    const ShipForm& form = ws_.shipForm;
    const std::pair<Level, int> levels[] = {
        {fuel_, form.fuelSlider}, {mainEngine_, form.mainSlider}, {hoverEngine_, form.hoverSlider}};
    for (const auto& [level, position] : levels) {
        const QSignalBlocker blocker(level.slider);
        level.slider->setValue(position);
    }
    fuel_.readOut->setText(form.fuelLabel);
    mainEngine_.readOut->setText(form.mainLabel);
    hoverEngine_.readOut->setText(form.hoverLabel);
    mainEngine_.readOut->setEnabled(form.engineLabelsEnabled);
    hoverEngine_.readOut->setEnabled(form.engineLabelsEnabled);
}

void ShipTab::shipActivated(int index)
{
    // The box goes to the entry whose name was typed whole (Enter, or leaving the box): that
    // text found a ship, it is no new name for the one shown.
    if (index >= 0 && index < ws_.doc.shipNames.size() && index != ws_.doc.shipIndex &&
        ws_.shipForm.name.compare(ws_.doc.shipNames[index], Qt::CaseInsensitive) == 0)
        ws_.shipForm.name = ws_.shipShown.name;
    showShip(index);
}

void ShipTab::searchPicked(int row)
{
    // What was typed to find the ship was a search, not a new name for the ship shown.
    ws_.shipForm.name = ws_.shipShown.name;
    showShip(row);
}

bool ShipTab::showShip(int row)
{
    // Picking the ship shown keeps what the form holds: the box itself goes back to the row's
    // entry when a name differing only in letter case is typed, and a re-showing would lose it.
    if (row == ws_.doc.shipIndex) {
        refresh();
        return true;
    }
    // Validating first may rebuild the list: the chosen ship is found again by its place.
    if (!settlePending() || row < 0 || row >= ws_.doc.shipNames.size())
        return false;
    selectShip(ws_, row);
    refresh();
    return true;
}

void ShipTab::statusClicked(ShipStatusOption option)
{
    // Clicking the selected option keeps it selected and runs its handler all the same: a click
    // on Landed or Docked always sets the engine labels to "0", so a moved engine slider is not
    // stored for a ship that can not use its engines.
    shipStatusClicked(ws_, option);
    refresh();
}

void ShipTab::validateClicked()
{
    const QString name = ws_.shipForm.name;
    const bool stored = validateShip(ws_, dialogs_);
    refresh();
    if (stored) {
        emit shipsChanged();
        emit shipValidated(name);
    }
}

void ShipTab::addClicked()
{
    // The new ship is shown in the form: what was typed for the shown one is settled first.
    if (!settlePending())
        return;
    addShip(ws_);
    refresh();
    emit shipsChanged();
}

void ShipTab::deleteClicked()
{
    const QStringList names = ws_.doc.shipNames;
    const QString focus = ws_.doc.shipFocus;
    if (!dialogs_.confirm(kDeleteShipQuestion))
        return;
    const ShipDeletion deletion = deleteShip(ws_);
    refresh();
    for (const UserMessage& notice : shipDeletionNotices(deletion))
        dialogs_.inform(notice);
    if (ws_.doc.shipNames != names || ws_.doc.shipFocus != focus)
        emit shipsChanged();
}

void ShipTab::dockDoubleClicked(int node)
{
    if (const auto labels = dockDoubleClick(ws_.dockTree, node)) {
        dockChosen(ws_, *labels);
        refresh();
    }
}

void ShipTab::padDoubleClicked(int node)
{
    if (const auto labels = padDoubleClick(ws_.landingTree, node)) {
        padChosen(ws_, *labels);
        refresh();
    }
}
