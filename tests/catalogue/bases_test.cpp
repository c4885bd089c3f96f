#include "catalogue/bases.h"
#include "config_folder.h"

namespace {

TEST(Bases, BaseTableHoldsDisplayNamePadsAndBody)
{
    ConfigFolder cfg;
    cfg.write("Earth.cfg", {"Base = Canaveral -80.6 28.5", "BASE = kourou 5 5 ; lower",
                            "  Base = Indented 1 2", "Bases = Plain 1 2"});
    cfg.write("Canaveral.cfg", {"Name = Cape Canaveral", "LPAD 1 0 0", "  lpad 2", "LPAD 3"});
    cfg.write("Kourou.cfg", {"    Name = Kourou", "LPAD 1", "; Name = Commented"});
    cfg.write("Plain.cfg", {"; no name, no pad"});
    cfg.write("Moon.cfg", {"Base = Tranquility 23.4 0.7"});
    cfg.write("Tranquility.cfg", {"Name=Alpha", "LPAD 1"});
    ScanLog log;
    EXPECT_EQ(
        BaseUpDate(cfg.path(), {"Earth", "   Moon"}, log),
        (QStringList{" Cape Canaveral: 3:Earth", " Kourou: 1:Earth", "Plain: 0:Earth", "lpha: 1:Moon"}));
    EXPECT_FALSE(log.LogError);

    const BaseEntry entry = splitBaseEntry(" Cape Canaveral: 12:Earth");
    EXPECT_EQ(entry.displayName + "|" + QString::number(entry.padCount) + "|" + entry.body,
              " Cape Canaveral|12|Earth");
    // A display name holding ":" keeps it whole.
    const BaseEntry port = splitBaseEntry(" Port: Alpha: 2:Earth");
    EXPECT_EQ(port.displayName + "|" + QString::number(port.padCount) + "|" + port.body,
              " Port: Alpha|2|Earth");
}

TEST(Bases, BrokenLineOrMissingFileSkipsTheRestOfThatBodyOnly)
{
    ConfigFolder cfg;
    cfg.write("Earth.cfg", {"Base = Good 1 2", "Base = NoBlank", "Base = Good 1 2"});
    cfg.write("Mars.cfg", {"Base = Missing 1 2", "Base = Good 1 2"});
    cfg.write("Io.cfg", {"Base = Short 1 2", "Base = Good 1 2"});
    cfg.write("Venus.cfg", {"Base = Good 1 2"});
    cfg.write("Good.cfg", {"LPAD"});
    cfg.write("Short.cfg", {"Name"});
    ScanLog log;
    EXPECT_EQ(BaseUpDate(cfg.path(), {"Earth", "Mars", "Io", "Pluto", "Venus"}, log),
              (QStringList{"Good: 1:Earth", "Good: 1:Venus"}));
    const QString p = "Can not open the file " + cfg.path();
    EXPECT_EQ(log.LogMessage,
              p + "Earth.cfg. " + p + "Missing.cfg. " + p + "Short.cfg. " + p + "Pluto.cfg. ");
}

} // namespace
