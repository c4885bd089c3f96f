#include "about_box.h"

#include "app_icon.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

About::About(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About..."));
    setWindowIcon(applicationIcon());

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(applicationPixmap());
    image->setAlignment(Qt::AlignCenter);

    auto* name = new QLabel(QStringLiteral("Corvane Scenario Editor"), this);
    name->setObjectName(QStringLiteral("Label4"));
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);
    name->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(QStringLiteral("Version v1.09"), this);
    version->setObjectName(QStringLiteral("Label5"));
    version->setAlignment(Qt::AlignCenter);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* frameText = new QLabel(QString(), frame);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(frameText);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command2"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(image);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(frame);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setMinimumWidth(300);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void About::done(int result)
{
    if (parentWidget())
        parentWidget()->setEnabled(true);
    QDialog::done(result);
}
