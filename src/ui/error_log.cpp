#include "error_log.h"

#include "document/scenario_reader.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString errorLogText(const ScanLog& log)
{
    return log.LogMessage.isEmpty() ? kNoScanErrors : log.text();
}

ErrorLog::ErrorLog(const ScanLog& log, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ErrorLog"));
    setWindowTitle(QStringLiteral("Error Log"));
    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("Command1"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(520, 300);
    showLog(log);
}

void ErrorLog::showLog(const ScanLog& log)
{
    text_->setPlainText(errorLogText(log));
}

QString ErrorLog::text() const
{
    return text_->toPlainText();
}
