// The start-up catalogue is made from the files' bytes; it must be the catalogue the line reader
// gives, dock counts and scan log included.
#include "catalogue/catalogue.h"
#include "config_folder.h"
#include "document/text_file.h"

#include <QHash>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

const QString kCfg = u"/cfg/"_s;

ByteSource memoryBytes(const QHash<QString, QByteArray>& files)
{
    return [files](const QString& path, QByteArray& bytes) {
        const auto file = files.constFind(path.mid(kCfg.size()));
        if (!path.startsWith(kCfg) || file == files.cend())
            return false;
        bytes = *file;
        return true;
    };
}

LineSource memoryLines(const QHash<QString, QByteArray>& files)
{
    return [files](const QString& path) -> std::optional<QStringList> {
        const auto file = files.constFind(path.mid(kCfg.size()));
        if (!path.startsWith(kCfg) || file == files.cend())
            return std::nullopt;
        return splitLines(decodeWindows1252(*file));
    };
}

QStringList shown(const Catalogue& catalogue)
{
    QStringList out;
    for (const NamedFile& system : catalogue.planetarySystems)
        out << u"system "_s + system.name + u'|' + system.file;
    for (const NamedFile& vessel : catalogue.vesselClasses)
        out << u"vessel "_s + vessel.name + u'|' + vessel.file;
    out << u"stations "_s + catalogue.stationClasses.join(u'|');
    for (const StationClassRow& row : catalogue.stationClassTable)
        out << u"docks "_s + row.Name + u'=' + QString::number(row.DockCount);
    return out;
}

template <std::size_t N> QByteArray bytesOf(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

// Dock list keywords in every form the counter must tell apart, among the catalogue's keys.
const QByteArray kPieces[] = {
    bytesOf("BEGIN_DOCKLIST"),
    bytesOf("  begin_docklist  "),
    bytesOf("BEGIN_DOCKLIST\t"),
    bytesOf("BEGIN_DOCKLIST ;"),
    bytesOf("Begin_DockList"),
    bytesOf("BEGIN_DOCKLI\xdfT"),
    bytesOf("B\xc9GIN_DOCKLIST"),
    bytesOf("END_DOCKLIST"),
    bytesOf(" end_docklist "),
    bytesOf("END_DOCKLIST\x01"),
    bytesOf("END_DOCKLIST; c"),
    bytesOf("0 0 1 ; dock"),
    bytesOf("Meshname = Ring"),
    bytesOf("Star1 = Sun"),
    bytesOf("Name = S\xf6l"),
    bytesOf("ClassName = Falcon"),
    bytesOf("ClassName=Tight"),
    bytesOf("\x00ClassName = nul"),
    bytesOf("; Star1"),
    bytesOf(""),
    bytesOf("\x85"),
};

const QByteArray kEnds[] = {"\r\n", "\r", "\n"};

TEST(ByteCatalogue, IsTheCatalogueOfTheLinesForHostileFolders)
{
    QRandomGenerator random(2022);
    for (int round = 0; round < 1500; ++round) {
        QHash<QString, QByteArray> folder;
        QStringList files;
        for (int f = random.bounded(1, 6); f > 0; --f) {
            const QString name = u"C%1.cfg"_s.arg(random.bounded(5));
            files.append(name);
            if (random.bounded(6) == 0)
                continue; // cannot be read
            QByteArray bytes;
            for (int n = random.bounded(10); n > 0; --n)
                bytes += kPieces[random.bounded(int(std::size(kPieces)))] + kEnds[random.bounded(3)];
            if (random.bounded(2))
                bytes.chop(1);
            folder.insert(name, bytes);
            EXPECT_EQ(dockListCountOfBytes(bytes), dockListCount(splitLines(decodeWindows1252(bytes))))
                << bytes.toHex().toStdString();
        }
        ScanLog byteLog;
        ScanLog lineLog;
        EXPECT_EQ(shown(catalogueOfBytes(kCfg, files, byteLog, memoryBytes(folder))),
                  shown(catalogueOf(kCfg, files, lineLog, memoryLines(folder))));
        EXPECT_EQ(byteLog.text(), lineLog.text());
        if (HasFailure())
            FAIL() << "round " << round << ": " << files.join(u' ').toStdString();
    }
}

// The start-up scan on disk: the sample installation, the editing tests' installation, and a
// folder of hostile files, each scanned as bytes and as lines.
TEST(ByteCatalogue, IsTheCatalogueOfTheLinesOnDisk)
{
    ConfigFolder hostile;
    hostile.write(u"Long.cfg"_s, {u"ClassName = "_s + QString(4 << 20, u'c'), u"BEGIN_DOCKLIST"_s, u"x"_s});
    hostile.write(u"Empty.cfg"_s, {});
    hostile.write(u"Sub/Hidden.cfg"_s, {u"ClassName = Hidden"_s});
    hostile.write(u"Cased/Ring.cfg"_s, {u"BEGIN_DOCKLIST"_s, u"d"_s, u"END_DOCKLIST"_s});
    // A folder named in another letter case than on disk is found, and so are its files.
    const QString folders[] = {QStringLiteral(CORVANE_SAMPLE_DIR "/Config/"),
                               QStringLiteral(CORVANE_TEST_DATA_DIR "/editing/sim/Config/"), hostile.path(),
                               hostile.path() + u"CASED/"_s};
    for (const QString& cfg : folders) {
        ScanLog byteLog;
        ScanLog lineLog;
        const Catalogue bytes = buildCatalogue(cfg, byteLog);
        EXPECT_EQ(shown(bytes), shown(catalogueOf(cfg, configurationFiles(cfg), lineLog)))
            << cfg.toStdString();
        EXPECT_EQ(byteLog.text(), lineLog.text());
        EXPECT_FALSE(bytes.stationClasses.isEmpty()) << cfg.toStdString();
    }
}

} // namespace
