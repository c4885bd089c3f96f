#include "station_tab.h"

#include "derived_orbit_panel.h"
#include "editing/form_elements.h"
#include "editing/station_editing.h"
#include "editing/pending_edits.h"
#include "editing/rename_note.h"
#include "field_hints.h"
#include "form_controls.h"
#include "name_filter.h"
#include "wrapping_layout.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <vector>

namespace {

QStringList wholeNumbers(int count)
{
    QStringList entries;
    for (int k = 0; k < count; ++k)
        entries.append(QString::number(k));
    return entries;
}

} // namespace

StationTab::StationTab(Workspace& ws, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), ws_(ws), dialogs_(dialogs)
{
    buildControls();
    connectControls();
    refresh();
}

StationTab::~StationTab()
{
    // The name box loses the focus while the tab's children are destroyed, after this object:
    // a name typed there would still make the box go to the entry of that name and call back.
    stationName_->disconnect(this);
    stationName_->lineEdit()->disconnect(this);
}

QLineEdit* StationTab::formBox(const QString& name, QString StationForm::*field, const QString& toolTip)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setToolTip(toolTip);
    boxes_.append({box, field});
    return box;
}

void StationTab::buildControls()
{
    stationName_ = listBox(QStringLiteral("StationName"),
                           QStringLiteral("Displays all the stations integrated in the scenario file"));
    connect(makeNameBox(stationName_), &NameFilter::picked, this, &StationTab::searchPicked);
    renameNote_ = noteLabel(QStringLiteral("StationRenameNote"));

    stationIndex_ = new QLabel;
    stationIndex_->setObjectName(QStringLiteral("StationIndex"));
    stationIndex_->hide();

    className_ = valueLabel(QStringLiteral("StationClassName"), QStringLiteral("Displays the station class"));
    stationClass_ = listBox(QStringLiteral("StationClass"),
                            QStringLiteral("Defines the station class, from the station class files "
                                           "available in the Corvane configuration"));
    auto* changeClass = commandButton(QStringLiteral("Command9"), QStringLiteral("Change class"));

    refPlanet_ = valueLabel(QStringLiteral("StationRefPlanet"),
                            QStringLiteral("Defines the planet/moon the station orbits around"));
    stationRef_ = listBox(QStringLiteral("StationRef"),
                          QStringLiteral("List of the planets (belonging to the selected planetary system) "
                                         "that can be set to the station"));
    auto* changePlanet = commandButton(
        QStringLiteral("Command8"), QStringLiteral("Change Planet"),
        QStringLiteral(
            "Sets the Station reference planet to the planet selected in the \"Possible planet\" combo box"));

    auto* heading = new QGridLayout;
    heading->addWidget(new QLabel(QStringLiteral("Station name")), 0, 0);
    heading->addWidget(stationName_, 0, 1, 1, 2);
    heading->addWidget(stationIndex_, 0, 3);
    heading->addWidget(renameNote_, 0, 3, 1, 3);
    heading->addWidget(new QLabel(QStringLiteral("Station Class")), 1, 0);
    heading->addWidget(className_, 1, 1);
    heading->addWidget(new QLabel(QStringLiteral("Possible station class")), 1, 2, Qt::AlignRight);
    heading->addWidget(stationClass_, 1, 3);
    heading->addWidget(changeClass, 1, 4);
    heading->addWidget(new QLabel(QStringLiteral("Station Ref Planet")), 2, 0);
    heading->addWidget(refPlanet_, 2, 1);
    heading->addWidget(new QLabel(QStringLiteral("Possible planet")), 2, 2, Qt::AlignRight);
    heading->addWidget(stationRef_, 2, 3);
    heading->addWidget(changePlanet, 2, 4);
    heading->setColumnStretch(1, 2);
    heading->setColumnStretch(3, 2);
    heading->setColumnStretch(5, 1);

    // The elements, the frames of rotation and actions, and the orbit side by side in a wide
    // window; in a narrow one the orbit goes below, and the actions stay in sight at the top.
    orbitPanel_ = new DerivedOrbitPanel(QStringLiteral("Station"), Qt::Vertical);
    auto* body = new WrappingLayout;
    body->addWidget(buildOrbitFrame(), 3);
    body->addWidget(buildRightColumn(), 2);
    body->addWidget(orbitPanel_, 3);

    auto* page = new QVBoxLayout(this);
    page->addLayout(heading);
    page->addSpacing(6);
    page->addLayout(body, 1);

    connect(changeClass, &QPushButton::clicked, this, [this] {
        changeStationClass(ws_);
        refresh();
    });
    connect(changePlanet, &QPushButton::clicked, this, [this] {
        changeStationPlanet(ws_);
        refresh();
    });
}

QWidget* StationTab::buildOrbitFrame()
{
    auto* elements = frame(QStringLiteral("Frame1"), QStringLiteral("Orbital element references"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Semi-major axis (m)"),
                 formBox(QStringLiteral("StationSemiMajorAxis"), &StationForm::semiMajorAxis,
                         QStringLiteral("Defines the station orbit semi-major axis (in m)")));
    form->addRow(QStringLiteral("Eccentricity"),
                 formBox(QStringLiteral("StationExcentricity"), &StationForm::excentricity,
                         QStringLiteral("Defines the station orbit eccentricity")));
    form->addRow(QStringLiteral("Inclination (°)"),
                 formBox(QStringLiteral("StationInclination"), &StationForm::inclination,
                         QStringLiteral("Defines the station orbit inclination")));
    form->addRow(QStringLiteral("Ascending node longitude (°)"),
                 formBox(QStringLiteral("StationAscendingNodeLongitude"),
                         &StationForm::ascendingNodeLongitude,
                         QStringLiteral("Defines the station orbit ascending node longitude")));
    form->addRow(QStringLiteral("Periapsis longitude (°)"),
                 formBox(QStringLiteral("StationPeriapsisLongitude"), &StationForm::periapsisLongitude,
                         QStringLiteral("Defines the station orbit periapsis longitude")));
    form->addRow(QStringLiteral("Mean longitude (°)"),
                 formBox(QStringLiteral("StationMeanLongitude"), &StationForm::meanLongitude,
                         QStringLiteral("Defines the station orbit mean longitude")));

    epochDate_ = new QDateEdit;
    epochDate_->setObjectName(QStringLiteral("StationOrbitalRefTime"));
    epochDate_->setToolTip(
        QStringLiteral("Defines the date for which the orbital element parameters are valid"));
    epochDate_->setCalendarPopup(true);
    epochDate_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    // A station without an epoch (a file without EL_MJD, a new station) holds no date: the
    // lowest date of the box stands for it and shows blank.
    epochDate_->setSpecialValueText(QStringLiteral(" "));
    epochDate_->calendarWidget()->installEventFilter(this);

    epochHour_ =
        listBox(QStringLiteral("StationOrbitalRefHour"),
                QStringLiteral("Defines the time hour for which the orbital element parameters are valid"));
    epochHour_->addItems(wholeNumbers(24));
    epochHour_->setMinimumContentsLength(2);
    limitPopupRows(epochHour_, 12);
    epochMinute_ = listBox(
        QStringLiteral("StationOrbitalRefMin"),
        QStringLiteral("Defines the time minutes for which the orbital element parameters are valid"));
    epochMinute_->addItems(wholeNumbers(60));
    epochMinute_->setMinimumContentsLength(2);
    limitPopupRows(epochMinute_, 12);

    auto* epoch = new QGroupBox(QStringLiteral("Orbital element reference time"));
    epoch->setObjectName(QStringLiteral("OrbitalElementReferenceTime"));
    auto* epochRow = new QHBoxLayout(epoch);
    epochRow->addWidget(epochDate_, 1);
    epochRow->addSpacing(12);
    epochRow->addWidget(epochHour_);
    epochRow->addWidget(new QLabel(QStringLiteral("h")));
    epochRow->addWidget(epochMinute_);
    epochRow->addWidget(new QLabel(QStringLiteral("mn")));
    epochRow->addStretch(1);

    auto* column = new QVBoxLayout(elements);
    column->addLayout(form);
    column->addWidget(epoch);
    column->addStretch(1);
    return elements;
}

QWidget* StationTab::buildRightColumn()
{
    rotationFrequency_ =
        formBox(QStringLiteral("StationRotationFrequency"), &StationForm::rotationFrequency,
                QStringLiteral("Rotation frequency for spinning stations; if not specified, the "
                               "class value is used"));
    check1_ = new QCheckBox(QStringLiteral("Refered to station class"));
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setToolTip(
        QStringLiteral("Select the option either to enter a customised spinning frequency, or to "
                       "use the spinning frequency of the station class value"));
    auto* frequency = frame(QStringLiteral("Frame6"), QStringLiteral("Rotation frequency (Hz)"));
    // The box above its check box: side by side, the column left the box too narrow for the
    // "Class value" it shows while the class frequency is used.
    auto* frequencyColumn = new QVBoxLayout(frequency);
    frequencyColumn->addWidget(rotationFrequency_);
    frequencyColumn->addWidget(check1_);

    auto* angles = frame(QStringLiteral("Frame7"), QStringLiteral("Station frame rotation angles"));
    auto* angleForm = new QFormLayout(angles);
    angleForm->addRow(QStringLiteral("X angle (°)"),
                      formBox(QStringLiteral("StationXAngle"), &StationForm::angleX,
                              QStringLiteral("Station frame rotation angle around X axis")));
    angleForm->addRow(QStringLiteral("Y angle (°)"),
                      formBox(QStringLiteral("StationYAngle"), &StationForm::angleY,
                              QStringLiteral("Station frame rotation angle around Y axis")));
    angleForm->addRow(QStringLiteral("Z angle (°)"),
                      formBox(QStringLiteral("StationZAngle"), &StationForm::angleZ,
                              QStringLiteral("Station frame rotation angle around Z axis")));

    auto* validate = validate_ =
        commandButton(QStringLiteral("Command1"), QStringLiteral("Station parameter validation"),
                      QStringLiteral("Validates all station parameters. If the values are not validated, "
                                     "they are not memorized and lost and the former values taken into "
                                     "account when passing to another station."));
    auto* remove = commandButton(
        QStringLiteral("Command2"), QStringLiteral("Delete station"),
        QStringLiteral(
            "Deletes the station from the scenario (the station file in the configuration is not removed)"));
    auto* add = commandButton(QStringLiteral("Command3"), QStringLiteral("Add a new station"),
                              QStringLiteral("To create a new station within the scenario"));
    auto* actions = frame(QStringLiteral("Frame3"), QStringLiteral("Actions"));
    auto* actionColumn = new QVBoxLayout(actions);
    actionColumn->addWidget(validate);
    actionColumn->addWidget(remove);
    actionColumn->addWidget(add);

    connect(validate, &QPushButton::clicked, this, &StationTab::validateClicked);
    connect(remove, &QPushButton::clicked, this, &StationTab::deleteClicked);
    connect(add, &QPushButton::clicked, this, &StationTab::addClicked);

    auto* right = new QWidget;
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(frequency);
    column->addWidget(angles);
    column->addWidget(actions);
    column->addStretch(1);
    return right;
}

void StationTab::connectControls()
{
    for (const auto& [box, field] : boxes_) {
        connect(box, &QLineEdit::textEdited, this, [this, field = field](const QString& text) {
            ws_.stationForm.*field = text;
            showOrbitAndHints();
            showPending();
        });
    }
    // Only typing renames: picking an entry of the list shows that station instead.
    connect(stationName_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        ws_.stationForm.name = text;
        showOrbitAndHints();
        showPending();
        showRenameNote();
    });
    connect(stationName_, &QComboBox::activated, this, &StationTab::stationActivated);
    connect(stationRef_, &QComboBox::currentIndexChanged, this,
            [this](int index) { ws_.stationForm.stationRefIndex = index; });
    connect(stationClass_, &QComboBox::currentIndexChanged, this,
            [this](int index) { ws_.stationForm.stationClassIndex = index; });
    connect(epochHour_, &QComboBox::currentIndexChanged, this, [this](int index) {
        ws_.stationForm.epochHour = index;
        showPending();
    });
    connect(epochMinute_, &QComboBox::currentIndexChanged, this, [this](int index) {
        ws_.stationForm.epochMinute = index;
        showPending();
    });
    connect(epochDate_, &QDateEdit::dateChanged, this, &StationTab::epochDateChanged);
    connect(check1_, &QCheckBox::clicked, this, &StationTab::classRotationClicked);
}

void StationTab::refresh()
{
    const StationForm& form = ws_.stationForm;
    std::vector<QSignalBlocker> blockers;
    for (QObject* control : std::initializer_list<QObject*>{stationName_, stationRef_, stationClass_, check1_,
                                                            epochDate_, epochHour_, epochMinute_})
        blockers.emplace_back(control);
    for (const auto& [box, field] : boxes_)
        blockers.emplace_back(box);

    showEntries(stationName_, ws_.doc.stationNames, ws_.doc.stationIndex);
    stationName_->setEditText(form.name);
    stationIndex_->setText(QString::number(ws_.doc.stationIndex));
    refPlanet_->setText(form.refPlanet);
    className_->setText(form.className);
    showEntries(stationRef_, ws_.bodies, form.stationRefIndex);
    showEntries(stationClass_, ws_.catalogue.stationClasses, form.stationClassIndex);

    for (const auto& [box, field] : boxes_) {
        if (box->text() != form.*field)
            box->setText(form.*field);
    }
    rotationFrequency_->setEnabled(form.rotationFrequencyEnabled);
    check1_->setChecked(form.useClassRotation);

    epochDate_->setDate(form.epochDate.isValid() ? form.epochDate : epochDate_->minimumDate());
    epochHour_->setCurrentIndex(form.epochHour >= 0 && form.epochHour < epochHour_->count() ? form.epochHour
                                                                                            : -1);
    epochMinute_->setCurrentIndex(
        form.epochMinute >= 0 && form.epochMinute < epochMinute_->count() ? form.epochMinute : -1);
    showOrbitAndHints();
    showPending();
    showRenameNote();
}

void StationTab::showRenameNote()
{
    const QString note = renameNote(ws_.stationShown.name, ws_.stationForm.name);
    renameNote_->setText(note);
    renameNote_->setVisible(!note.isEmpty());
}

void StationTab::showPending()
{
    const bool pending = stationFormPending(ws_);
    if (pending == shownPending_)
        return;
    shownPending_ = pending;
    showValidationPending(validate_, pending);
    emit pendingChanged(pending);
}

bool StationTab::settlePending()
{
    if (!stationFormPending(ws_))
        return true;
    const bool goOn = settlePendingEdits(
        dialogs_, pendingStationQuestion(ws_),
        [this] {
            validateClicked();
            return !stationFormPending(ws_);
        },
        [this] { discardStationForm(ws_); });
    refresh();
    return goOn;
}

void StationTab::showOrbitAndHints()
{
    orbitPanel_->showOrbit(stationFormOrbitAtStart(ws_.stationForm, ws_.folders.CfgDir, startMjd(ws_.doc)));
    // A page that shows no station has nothing to hint at. The checks read the body file here
    // too; a file that cannot be read is told once, by validation, not at every key stroke.
    ScanLog unrecorded;
    const auto failures = ws_.doc.stationNames.isEmpty()
                              ? QVector<FieldFailure<StationForm>>()
                              : stationFieldFailures(ws_.stationForm, ws_.folders.CfgDir, unrecorded);
    for (const auto& [box, field] : boxes_)
        showTextHint(box, fieldHint(failures, field));
    showTextHint(stationName_->lineEdit(), fieldHint(failures, &StationForm::name));
}

bool StationTab::eventFilter(QObject* watched, QEvent* event)
{
    // The calendar of a blank epoch opens on the scenario's start month, not on December 1899.
    QCalendarWidget* calendar = epochDate_->calendarWidget();
    if (watched == calendar && event->type() == QEvent::Show &&
        epochDate_->date() == epochDate_->minimumDate()) {
        const QDate start = ws_.doc.startDate.isValid() ? ws_.doc.startDate : QDate::currentDate();
        calendar->setCurrentPage(start.year(), start.month());
    }
    return QWidget::eventFilter(watched, event);
}

void StationTab::stationActivated(int index)
{
    // The box goes to the entry whose name was typed whole (Enter, or leaving the box): that
    // text found a station, it is no new name for the one shown.
    if (index >= 0 && index < ws_.doc.stationNames.size() && index != ws_.doc.stationIndex &&
        ws_.stationForm.name.compare(ws_.doc.stationNames[index], Qt::CaseInsensitive) == 0)
        ws_.stationForm.name = ws_.stationShown.name;
    showStation(index);
}

void StationTab::searchPicked(int row)
{
    // What was typed to find the station was a search, not a new name for the station shown.
    ws_.stationForm.name = ws_.stationShown.name;
    showStation(row);
}

bool StationTab::showStation(int row)
{
    // Picking the station shown keeps what the form holds: the box itself goes back to the
    // row's entry when a name differing only in letter case is typed, and a re-showing would
    // lose it.
    if (row == ws_.doc.stationIndex) {
        refresh();
        return true;
    }
    if (!settlePending() || row < 0 || row >= ws_.doc.stationNames.size())
        return false;
    selectStation(ws_, row);
    refresh();
    return true;
}

void StationTab::validateClicked()
{
    const QString name = ws_.stationForm.name;
    const bool stored = validateStation(ws_, dialogs_);
    refresh();
    if (stored) {
        emit stationsChanged();
        emit stationValidated(name);
    }
}

void StationTab::deleteClicked()
{
    const QStringList before = ws_.doc.stationNames;
    if (!canDeleteStation(ws_, dialogs_) || !dialogs_.confirm(kDeleteStationQuestion))
        return;
    deleteStation(ws_);
    refresh();
    if (ws_.doc.stationNames != before)
        emit stationsChanged();
}

void StationTab::addClicked()
{
    // The new station is shown in the form: what was typed for the shown one is settled first.
    if (!settlePending())
        return;
    addStation(ws_);
    refresh();
}

void StationTab::classRotationClicked(bool ticked)
{
    ws_.stationForm.useClassRotation = ticked;
    stationClassRotationClicked(ws_, ticked);
    refresh();
}

void StationTab::epochDateChanged(const QDate& date)
{
    ws_.stationForm.epochDate = date == epochDate_->minimumDate() ? QDate() : date;
    showPending();
}
