#include "coordinate_converter.h"

#include "app_icon.h"
#include "form_controls.h"
#include "spherical_conversion.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* inputField(const QString& name, const QString& text, const QString& tip, QWidget* parent)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setToolTip(tip);
    field->setAlignment(Qt::AlignRight);
    return field;
}

// A result: read-only, but selectable so that it can be copied into the ship editor.
QLabel* resultLabel(const QString& name, const QString& tip, QWidget* parent)
{
    auto* label = namedLabel(name, QString(), parent);
    label->setToolTip(tip);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setMinimumWidth(190);
    return label;
}

} // namespace

CoordinateConverter::CoordinateConverter(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CoordinateConverter"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Sperical cartesian coordinate converter"));
    setWindowIcon(applicationIcon());

    auto* spherical = new QGroupBox(QStringLiteral("Spherical coordinates"), this);
    spherical->setObjectName(QStringLiteral("Frame1"));
    radius_ = inputField(QStringLiteral("Radius"), QStringLiteral("100"),
                         QStringLiteral("Vecor radius value"), spherical);
    azimuth_ = inputField(QStringLiteral("Azimuth"), QStringLiteral("60"),
                          QStringLiteral("azimuth angle between the vector and the vector projection on "
                                         "equatorial plan in degree"),
                          spherical);
    elevation_ = inputField(
        QStringLiteral("Elevation"), QStringLiteral("30"),
        QStringLiteral("Elevation angle between equatorial plan and the vector in degree"), spherical);
    auto* sphericalGrid = new QGridLayout(spherical);
    sphericalGrid->addWidget(namedLabel(QStringLiteral("Label2"), QStringLiteral("Radiius"), spherical), 0,
                             0);
    sphericalGrid->addWidget(radius_, 0, 1);
    sphericalGrid->addWidget(namedLabel(QStringLiteral("Label3"), QStringLiteral("Azimuth"), spherical), 1,
                             0);
    sphericalGrid->addWidget(azimuth_, 1, 1);
    sphericalGrid->addWidget(new QLabel(QStringLiteral("°"), spherical), 1, 2);
    sphericalGrid->addWidget(namedLabel(QStringLiteral("Label4"), QStringLiteral("Elevation"), spherical), 2,
                             0);
    sphericalGrid->addWidget(elevation_, 2, 1);
    sphericalGrid->addWidget(new QLabel(QStringLiteral("°"), spherical), 2, 2);
    sphericalGrid->setColumnStretch(1, 1);

    auto* helpNote =
        namedLabel(QStringLiteral("Label1"), QStringLiteral("See in help for coordinate definition"), this);
    helpNote->setAlignment(Qt::AlignCenter);

    auto* cartesian = new QGroupBox(QStringLiteral("Cartesian coordinates"), this);
    cartesian->setObjectName(QStringLiteral("Frame2"));
    x_ = resultLabel(QStringLiteral("X"), QStringLiteral("Projection on X axis"), cartesian);
    y_ = resultLabel(QStringLiteral("Y"), QStringLiteral("Projection on Y axis"), cartesian);
    z_ = resultLabel(QStringLiteral("Z"), QStringLiteral("Projection on Z axis"), cartesian);
    auto* cartesianGrid = new QGridLayout(cartesian);
    cartesianGrid->addWidget(namedLabel(QStringLiteral("Label5"), QStringLiteral("X"), cartesian), 0, 0);
    cartesianGrid->addWidget(x_, 0, 1);
    cartesianGrid->addWidget(namedLabel(QStringLiteral("Label6"), QStringLiteral("Y"), cartesian), 1, 0);
    cartesianGrid->addWidget(y_, 1, 1);
    cartesianGrid->addWidget(namedLabel(QStringLiteral("Label7"), QStringLiteral("Z"), cartesian), 2, 0);
    cartesianGrid->addWidget(z_, 2, 1);
    cartesianGrid->setColumnStretch(1, 1);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setToolTip(QStringLiteral("Closes the converter windows"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(spherical);
    layout->addWidget(helpNote);
    layout->addWidget(cartesian);
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    widenToTitle(this);

    for (QLineEdit* field : {radius_, azimuth_, elevation_})
        connect(field, &QLineEdit::textChanged, this, &CoordinateConverter::Convertion);
    Convertion();
}

void CoordinateConverter::Convertion()
{
    const CartesianText result = sphericalToCartesian(radius_->text(), azimuth_->text(), elevation_->text());
    x_->setText(result.x);
    y_->setText(result.y);
    z_->setText(result.z);
}
