#include "scan_log.h"

void ScanLog::reset()
{
    LogMessage.clear();
    LogError = false;
}

void ScanLog::addFileFailure(const QString& path)
{
    addRawFailure(path + QStringLiteral(". "));
}

void ScanLog::addRawFailure(const QString& text)
{
    addEntry(QStringLiteral("Can not open the file ") + text);
}

void ScanLog::addEntry(const QString& text)
{
    LogMessage += text;
    LogError = true;
}
