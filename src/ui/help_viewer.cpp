#include "help_viewer.h"

#include "app_icon.h"
#include "document/file_paths.h"
#include "document/regular_file.h"
#include "message_service.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

namespace {

const QString kViewerName = QStringLiteral("HelpViewer");

QWidget* createViewer(QWidget* parent)
{
    auto* window = new QWidget(parent, Qt::Window);
    window->setObjectName(kViewerName);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Corvane Scenario Editor Help"));
    window->setWindowIcon(applicationIcon());

    auto* browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("HelpText"));
    browser->setOpenLinks(true);
    browser->setOpenExternalLinks(false);

    auto* close = new QPushButton(QStringLiteral("Close"), window);
    close->setObjectName(QStringLiteral("HelpClose"));
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);

    auto* layout = new QVBoxLayout(window);
    layout->addWidget(browser);
    layout->addWidget(close, 0, Qt::AlignRight);
    window->resize(760, 640);
    return window;
}

} // namespace

void showHelp(const QString& helpFilePath, QWidget* parent)
{
    const QString path = resolvePath(helpFilePath);
    const auto bytes = readRegularFile(path);
    if (!bytes) {
        const QFileInfo info(path);
        const QString reason = !info.exists()   ? QStringLiteral("it does not exist")
                               : !info.isFile() ? QStringLiteral("it is no regular file")
                                                : QStringLiteral("it can not be read");
        MessageService::instance().inform({QStringLiteral("Help"),
                                           QStringLiteral("The help file %1 could not be opened: %2")
                                               .arg(QDir::toNativeSeparators(path), reason),
                                           MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    }
    const QString html = QString::fromUtf8(*bytes);

    QWidget* window = parent ? parent->findChild<QWidget*>(kViewerName, Qt::FindDirectChildrenOnly) : nullptr;
    if (!window)
        window = createViewer(parent);
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
    browser->setHtml(html);
    window->show();
    window->raise();
    window->activateWindow();
}
