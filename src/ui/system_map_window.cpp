#include "system_map_window.h"

#include "app_icon.h"
#include "system_map_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

SystemMapWindow::SystemMapWindow(const Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws)
{
    setObjectName(QStringLiteral("SystemMapWindow"));
    setModal(false);
    setWindowTitle(QStringLiteral("System map"));
    setWindowIcon(applicationIcon());

    body_ = new QComboBox;
    body_->setObjectName(QStringLiteral("SystemMapBody"));
    body_->setToolTip(QStringLiteral("The bodies with stations or orbiting ships"));
    edgeOn_ = new QCheckBox(QStringLiteral("Edge-on"));
    edgeOn_->setObjectName(QStringLiteral("SystemMapEdgeOn"));
    edgeOn_->setToolTip(QStringLiteral("Sees the reference plane from its edge, north up"));
    auto* fit = new QPushButton(QStringLiteral("Fit"));
    fit->setObjectName(QStringLiteral("SystemMapFit"));
    auto* refreshButton = new QPushButton(QStringLiteral("Refresh"));
    refreshButton->setObjectName(QStringLiteral("SystemMapRefresh"));
    refreshButton->setToolTip(QStringLiteral("Reads the stored stations and ships again"));
    view_ = new SystemMapView;
    view_->setObjectName(QStringLiteral("SystemMapView"));
    view_->setToolTip(QStringLiteral("Wheel: zoom · drag: pan · click an object: show it in its tab"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("Body")));
    controls->addWidget(body_);
    controls->addWidget(edgeOn_);
    controls->addStretch(1);
    controls->addWidget(fit);
    controls->addWidget(refreshButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(controls);
    column->addWidget(view_, 1);

    connect(body_, &QComboBox::currentIndexChanged, this, &SystemMapWindow::showBody);
    connect(edgeOn_, &QCheckBox::toggled, view_, &SystemMapView::setEdgeOn);
    connect(fit, &QPushButton::clicked, view_, &SystemMapView::fitAll);
    connect(refreshButton, &QPushButton::clicked, this, &SystemMapWindow::refresh);
    connect(view_, &SystemMapView::objectClicked, this, &SystemMapWindow::objectClicked);
    refresh();
}

void SystemMapWindow::refresh()
{
    const QVariant shown = body_->currentData();
    bodies_ = systemMap(ws_);
    {
        const QSignalBlocker blocker(body_);
        body_->clear();
        for (const MapBody& body : bodies_)
            body_->addItem(QStringLiteral("%1 (%2)").arg(body.name).arg(body.objects.size()), body.name);
        const int again = body_->findData(shown);
        body_->setCurrentIndex(again >= 0 ? again : 0);
    }
    showBody(body_->currentIndex());
}

void SystemMapWindow::showBody(int index)
{
    view_->setBody(index >= 0 && index < bodies_.size() ? bodies_[index] : MapBody{});
}
