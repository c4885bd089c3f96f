#include "environment_tab.h"

#include "description_text.h"
#include "editing/save_text_checks.h"
#include "editing/scenario_session.h"
#include "form_controls.h"
#include "wide_popup_list.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QComboBox* dropDownList(const QString& name, const QString& toolTip)
{
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setToolTip(toolTip);
    return box;
}

QComboBox* numberList(const QString& name, const QString& toolTip, int count)
{
    QComboBox* box = dropDownList(name, toolTip);
    for (int k = 0; k < count; ++k)
        box->addItem(QString::number(k));
    box->setCurrentIndex(-1);
    limitPopupRows(box, 12);
    return box;
}

QLabel* caption(const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

} // namespace

EnvironmentTab::EnvironmentTab(Workspace& ws, UserDialogs& dialogs, std::function<bool()> settleForms,
                               QWidget* parent)
    : QWidget(parent), ws_(ws), dialogs_(dialogs), settleForms_(std::move(settleForms))
{
    buildControls();
    refresh();
}

void EnvironmentTab::buildControls()
{
    auto* descriptionFrame = new QGroupBox(QStringLiteral("Description of the scenario"));
    descriptionFrame->setObjectName(QStringLiteral("Frame4"));
    description_ = new QPlainTextEdit;
    description_->setObjectName(QStringLiteral("Description"));
    description_->setToolTip(QStringLiteral("Contains the scenario description that will be displayed to "
                                            "summarize the scenario at its selection"));
    description_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    description_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // What Save would refuse or ask about the description, told while it is typed.
    descriptionHint_ = new QLabel;
    descriptionHint_->setObjectName(QStringLiteral("DescriptionHint"));
    descriptionHint_->setWordWrap(true);
    descriptionHint_->setStyleSheet(QStringLiteral("QLabel { color: #b71c1c; }"));
    descriptionHint_->hide();
    auto* descriptionLayout = new QVBoxLayout(descriptionFrame);
    descriptionLayout->addWidget(description_);
    descriptionLayout->addWidget(descriptionHint_);

    auto* environmentFrame = new QGroupBox(QStringLiteral("Environment"));
    environmentFrame->setObjectName(QStringLiteral("Frame5"));
    planetarySystem_ = dropDownList(
        QStringLiteral("PlanetarySystem"),
        QStringLiteral(
            "Allows to select a planetary system from the ones installed in the corvane configuration, and "
            "then only the planets and moons of the selected palentary system will be available for "
            "(coherent scenario) settings."));
    planetarySystem_->setEnabled(false);
    lock_ = new QCheckBox(QStringLiteral("Lock security"));
    lock_->setObjectName(QStringLiteral("Check2"));
    lock_->setToolTip(
        QStringLiteral("Forbids to change the planetary system to avoid to reset the scenario by mystake"));
    lock_->setChecked(true);
    appliedSystem_ = new QLineEdit(QStringLiteral("Text2"));
    appliedSystem_->setObjectName(QStringLiteral("Text2"));
    appliedSystem_->hide();
    shipFocus_ = new QLabel;
    shipFocus_->setObjectName(QStringLiteral("ShipFocus"));
    shipFocus_->setToolTip(
        QStringLiteral("Displays the user-controlled ship. It can be selected from the \"possible "
                       "ships\" list, that can be updated at the Ship list tab"));
    shipFocus_->setFrameShape(QFrame::Panel);
    shipFocus_->setFrameShadow(QFrame::Sunken);
    shipFocus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    possibleShipFocus_ = new WidePopupList;
    possibleShipFocus_->setObjectName(QStringLiteral("PossibleShipFocus"));
    holdEntriesAsTexts(possibleShipFocus_);
    possibleShipFocus_->setToolTip(QStringLiteral("List of the ships available in the scenario"));
    // Entries are "name:class": the box is wide enough for most, the open list shows them whole.
    // Measuring the entries instead would go over thousands of them at every added ship.
    possibleShipFocus_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    possibleShipFocus_->setMinimumContentsLength(20);
    possibleShipFocus_->setMaximumWidth(possibleShipFocus_->fontMetrics().averageCharWidth() * 40);
    limitPopupRows(possibleShipFocus_, 12);
    auto* changeFocus = new QPushButton(QStringLiteral("Change user-controled ship"));
    changeFocus->setObjectName(QStringLiteral("Command7"));
    changeFocus->setToolTip(QStringLiteral(
        "Replace the user-controlled ship by the ship displayed at the \"Possible ships\" combo box"));

    auto* environmentLayout = new QGridLayout(environmentFrame);
    environmentLayout->addWidget(caption(QStringLiteral("Label4"), QStringLiteral("Planetary System")), 0, 0);
    environmentLayout->addWidget(planetarySystem_, 0, 1);
    environmentLayout->addWidget(lock_, 0, 2);
    environmentLayout->addWidget(caption(QStringLiteral("Label12"), QStringLiteral("User-controlled ship")),
                                 1, 0);
    environmentLayout->addWidget(shipFocus_, 1, 1);
    environmentLayout->addWidget(caption(QStringLiteral("Label39"), QStringLiteral("Possible ships")), 2, 0);
    environmentLayout->addWidget(possibleShipFocus_, 2, 1);
    environmentLayout->addWidget(changeFocus, 2, 2);
    environmentLayout->addWidget(appliedSystem_, 3, 0);
    environmentLayout->setColumnStretch(1, 1);

    auto* timeFrame = new QGroupBox(QStringLiteral("Scenario start time"));
    timeFrame->setObjectName(QStringLiteral("Frame2"));
    calendar_ = new QCalendarWidget;
    calendar_->setObjectName(QStringLiteral("Calendar"));
    calendar_->setToolTip(QStringLiteral("Defines the scenario start time date"));
    calendar_->setMinimumDate(QDate(100, 1, 1));
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setGridVisible(true);
    hour_ = numberList(QStringLiteral("Hour"), QStringLiteral("Defines the scenario start time hour"), 24);
    minute_ =
        numberList(QStringLiteral("Minute"), QStringLiteral("Defines the scenario start time minutes"), 60);
    julian_ = new QLabel;
    julian_->setObjectName(QStringLiteral("Julian"));
    julian_->hide();
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(hour_);
    timeRow->addWidget(new QLabel(QStringLiteral("h")));
    timeRow->addSpacing(12);
    timeRow->addWidget(minute_);
    timeRow->addWidget(new QLabel(QStringLiteral("mn")));
    timeRow->addStretch();
    timeRow->addWidget(julian_);
    auto* timeLayout = new QVBoxLayout(timeFrame);
    timeLayout->addWidget(calendar_);
    timeLayout->addLayout(timeRow);

    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(environmentFrame);
    rightColumn->addWidget(timeFrame);
    rightColumn->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(descriptionFrame, 1);
    layout->addLayout(rightColumn);

    connect(lock_, &QCheckBox::clicked, this, &EnvironmentTab::lockClicked);
    connect(planetarySystem_, &QComboBox::activated, this, &EnvironmentTab::systemChosen);
    connect(changeFocus, &QPushButton::clicked, this, &EnvironmentTab::changeFocus);
    connect(description_, &QPlainTextEdit::textChanged, this, &EnvironmentTab::descriptionEdited);
    connect(possibleShipFocus_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_)
            ws_.doc.possibleShipFocusIndex = index;
    });
    connect(calendar_, &QCalendarWidget::selectionChanged, this, [this] {
        if (!showing_)
            setStartDate(ws_, calendar_->selectedDate());
    });
    connect(hour_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0)
            setStartTime(ws_, index, ws_.doc.startMinute);
    });
    connect(minute_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0)
            setStartTime(ws_, ws_.doc.startHour, index);
    });
    // Typing in the description is one step of the history per pause or until the field is left.
    typingPause_ = new QTimer(this);
    typingPause_->setSingleShot(true);
    typingPause_->setInterval(1000);
    connect(typingPause_, &QTimer::timeout, this, [this] { ws_.history.seal(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old == description_)
            ws_.history.seal();
    });
}

void EnvironmentTab::refresh()
{
    showing_ = true;
    const Scenario& doc = ws_.doc;

    QStringList systems;
    for (const NamedFile& system : ws_.planetarySystems)
        systems.append(system.name);
    showEntries(planetarySystem_, systems, ws_.planetarySystemIndex);
    if (ws_.planetarySystemIndex >= 0)
        appliedSystem_->setText(QString::number(ws_.appliedSystemIndex));

    // A description too long for the field is shown as an overview and kept as read.
    const bool editable = isEditableDescription(doc.description);
    const QString description =
        editable ? descriptionForDisplay(doc.description) : descriptionOverview(doc.description);
    if (typedText(description_) != description)
        description_->setPlainText(description);
    description_->setReadOnly(!editable);
    showDescriptionHint();

    shipFocus_->setText(doc.shipFocus);
    showEntries(possibleShipFocus_, doc.possibleShipFocus, doc.possibleShipFocusIndex);

    if (doc.startDate.isValid()) {
        calendar_->setSelectedDate(doc.startDate);
        hour_->setCurrentIndex(doc.startHour);
        minute_->setCurrentIndex(doc.startMinute);
    }
    julian_->setText(QString::number(doc.julianDate, 'g', 15));
    showing_ = false;
}

void EnvironmentTab::lockClicked(bool locked)
{
    if (!locked) {
        dialogs_.inform(
            {QStringLiteral("Warning"),
             QStringLiteral(
                 "As soon as you select a planetary system, all the stations and ships are reset !"),
             MessageButtons::Ok, MessageIcon::Exclamation});
    }
    planetarySystem_->setEnabled(!locked);
}

void EnvironmentTab::systemChosen(int position)
{
    // Another system empties both forms: what was typed there is settled first, and Cancel puts
    // the list back on the system applied.
    if (position != ws_.appliedSystemIndex && !settleForms_()) {
        refresh();
        return;
    }
    // Applying a system reads its body and base files: the pointer shows the wait.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool applied = choosePlanetarySystem(ws_, position);
    QApplication::restoreOverrideCursor();
    refresh();
    if (applied)
        emit systemApplied();
}

void EnvironmentTab::changeFocus()
{
    changeFocusShip(ws_);
    shipFocus_->setText(ws_.doc.shipFocus);
}

void EnvironmentTab::descriptionEdited()
{
    if (!showing_ && !description_->isReadOnly()) {
        setDescription(ws_, descriptionFromDisplay(typedText(description_)));
        typingPause_->start();
        showDescriptionHint();
    }
}

void EnvironmentTab::showDescriptionHint()
{
    const QString hint = descriptionHint(ws_.doc.description);
    descriptionHint_->setText(hint);
    descriptionHint_->setVisible(!hint.isEmpty());
}
