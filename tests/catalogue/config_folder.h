#pragma once

#include "document/text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for texts and text lists.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A configuration folder built for one test: files written with CR LF line ends.
class ConfigFolder
{
public:
    QString path() const { return dir.path() + u'/'; }
    void write(const QString& name, const QStringList& lines) const
    {
        QDir(dir.path()).mkpath(QFileInfo(dir.filePath(name)).path());
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
        for (const QString& line : lines)
            file.write(encodeWindows1252(line) + "\r\n");
    }

private:
    QTemporaryDir dir;
};
