// Renders the editor's icon, the drawing of its window icon, as PNG files for the desktop's icon
// theme: render_icon FOLDER NAME SIZE... writes FOLDER/SIZExSIZE/apps/NAME.png for each size.
#include "ui/app_icon.h"

#include <QDir>
#include <QImage>
#include <QTextStream>

int main(int argc, char** argv)
{
    if (argc < 4) {
        QTextStream(stderr) << "usage: render_icon FOLDER NAME SIZE...\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int k = 3; k < argc; ++k) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[k]).toInt(&ok);
        const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString path = sizeFolder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!ok || size <= 0 || !QDir().mkpath(sizeFolder) || !applicationImage(size).save(path, "PNG")) {
            QTextStream(stderr) << "render_icon: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
