#pragma once

#include "document/scan_log.h"

#include <QDialog>

class QPlainTextEdit;

// The scan error log of the last scenario read: the files that could not be opened, entries
// run together as they were logged. Created filled from the log; afterwards it shows what it
// was last given, until it is closed and created again.
class ErrorLog : public QDialog
{
    Q_OBJECT
public:
    ErrorLog(const ScanLog& log, QWidget* parent);

    // The text of a log: its entries, or the notice that there were none.
    void showLog(const ScanLog& log);
    QString text() const;

private:
    QPlainTextEdit* text_;
};

QString errorLogText(const ScanLog& log);
