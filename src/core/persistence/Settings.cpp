#include "persistence/Settings.h"

#include <QDir>
#include <QFileInfo>

#include "pipeline/BurnOptions.h"
#include "platform/Paths.h"
#include "platform/Product.h"

namespace {

// When a key is read or written: never, only with the settings file itself, always.
enum class When { Never, Full, Always };

bool Applies(When when, bool full) {
    return when == When::Always || (when == When::Full && full);
}

// Visits every key in the order of the file with its value, its default, when
// it is read and written, and the name of the control that shows it (if any).
template <class Visitor>
void VisitKeys(Visitor& v, ProgramSettings& s, const ProgramSettings& d) {
    using W = When;
    QString version = ProgramVersion();
    v.text("Version", "Tavrolin", version, version, W::Never, W::Always);
    v.number("Fenster", "PosLinks", s.posLinks, d.posLinks, W::Full, W::Always);
    v.number("Fenster", "PosOben", s.posOben, d.posOben, W::Full, W::Always);
    v.flag("SVCDrip", "Image", s.ripImage, d.ripImage, W::Always, W::Always, "RaRip1");
    v.flag("SVCDrip", "CDLW", s.ripDisc, d.ripDisc, W::Always, W::Always, "RaRip2");
    v.flag("SVCDrip", "Eintrag", s.ripAddToList, d.ripAddToList, W::Always, W::Always, "ChRipDatei");
    v.number("Kapitel", "Lautstärke", s.volume, d.volume, W::Always, W::Always, "ScLaut");
    v.text("Kapitel", "Abstand", s.chapterInterval, d.chapterInterval, W::Always, W::Always, "EdAlle");
    v.text("Kapitel", "Anzahl", s.chapterCount, d.chapterCount, W::Always, W::Always, "EdGleich");
    v.flag("Author", "PGC", s.onePgcPerFile, d.onePgcPerFile, W::Always, W::Always, "ChPGC");
    v.flag("Author", "Variante0", s.variant0, d.variant0, W::Always, W::Always, "RaVar0");
    v.flag("Author", "Variante1", s.variant1, d.variant1, W::Always, W::Always, "RaVar1");
    v.flag("Author", "Variante2", s.variant2, d.variant2, W::Always, W::Always, "RaVar2");
    v.flag("Author", "VorMenu", s.playMenuFirst, d.playMenuFirst, W::Always, W::Always, "ChVorMenu");
    v.text("Author", "Menü1", s.menu1, d.menu1, W::Always, W::Always);
    v.text("Author", "Menü2", s.menu2, d.menu2, W::Always, W::Always);
    v.text("Author", "Menü3", s.menu3, d.menu3, W::Always, W::Always);
    v.flag("ImageDVD", "Brennen", s.burn, d.burn, W::Always, W::Always, "ChBrennen");
    v.flag("ImageDVD", "Image", s.image, d.image, W::Always, W::Always, "ChImage");
    v.flag("ImageDVD", "Split", s.split, d.split, W::Always, W::Always, "ChSplit");
    v.flag("ImageDVD", "Decrypter", s.decrypter, d.decrypter, W::Always, W::Always, "RaDec");
    v.flag("ImageDVD", "ImgTool", s.imgTool, d.imgTool, W::Always, W::Always, "RaImg");
    v.text("ImageDVD", "Titel", s.label, d.label, W::Always, W::Always, "EdDVDLabel");
    v.number("ImageDVD", "Brenner", s.burner, d.burner, W::Always, W::Always, "CoLW");
    v.number("ImageDVD", "Speed", s.speed, d.speed, W::Always, W::Always, "CoSpeed");
    v.flag("ImageDVD", "Löschen", s.erase, d.erase, W::Always, W::Always, "ChErase");
    v.flag("ImageDVD", "Beenden", s.shutdown, d.shutdown, W::Always, W::Always, "ChShutdown");
    v.flag("ImageDVD", "Auswerfen", s.eject, d.eject, W::Always, W::Always, "ChEject");
    v.flag("ImageDVD", "Logdatei", s.burnLog, d.burnLog, W::Always, W::Always, "ChLog");
    v.text("ImageDVD", "ImgDatei", s.isoPath, d.isoPath, W::Never, W::Always, "EdISODatei");
    for (int t = 0; t < kToolCount; ++t) {
        const QByteArray key = ToolKey(static_cast<Tool>(t)).toUtf8();
        v.text("Allgemein", key.constData(), s.tools.paths[t], d.tools.paths[t], W::Full, W::Full);
    }
    v.flag("Allgemein", "Einzel", s.singleStep, d.singleStep, W::Always, W::Full, "ChEinzel");
    v.flag("Allgemein", "AutoName", s.ownProjectName, d.ownProjectName, W::Always, W::Full, "ChName");
    v.flag("Allgemein", "XML Edit", s.editScript, d.editScript, W::Always, W::Full, "ChXML");
    v.flag("Allgemein", "Tools", s.hideToolPaths, d.hideToolPaths, W::Always, W::Full, "ChTools");
    v.number("Allgemein", "Temporär", s.tempPolicy, d.tempPolicy, W::Always, W::Full, "CoTempo");
    v.number("Allgemein", "Recover", s.recover, d.recover, W::Never, W::Full, "CoRecover");
    v.number("Allgemein", "Process", s.priority, d.priority, W::Always, W::Full, "CoProcess");
    v.colour("Allgemein", "GaugeFore", s.gaugeFore, d.gaugeFore, W::Always, W::Full);
    v.colour("Allgemein", "GaugeBack", s.gaugeBack, d.gaugeBack, W::Always, W::Full);
    v.text("Pfade", "SVCD", s.svcd, d.svcd, W::Always, W::Always);
    v.text("Pfade", "Images", s.images, d.images, W::Always, W::Always);
    v.text("Pfade", "Arbeit", s.work, d.work, W::Always, W::Always, "EdArbeitDir");
    v.text("Pfade", "DVDroot", s.dvdRoot, d.dvdRoot, W::Always, W::Always, "EdDVDDir");
    v.text("Pfade", "RIProot", s.ripRoot, d.ripRoot, W::Always, W::Always, "EdRipDir");
    v.text("Pfade", "Projekte", s.projects, d.projects, W::Always, W::Always);
}

// Hands every setting that a control shows to a visit.
class ControlVisitor {
  public:
    explicit ControlVisitor(const std::function<void(const char*, SettingField)>& visit) : visit_(visit) {}

    void flag(const char*, const char*, bool& value, bool, When, When, const char* control = nullptr) {
        if (control) visit_(control, &value);
    }
    void number(const char*, const char*, int& value, int, When, When, const char* control = nullptr) {
        if (control) visit_(control, &value);
    }
    void text(const char*, const char*, QString& value, const QString&, When, When,
              const char* control = nullptr) {
        if (control) visit_(control, &value);
    }
    void colour(const char*, const char*, QString&, const QString&, When, When) {}

  private:
    const std::function<void(const char*, SettingField)>& visit_;
};

QString Name(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class Writer {
  public:
    Writer(IniFile& ini, bool full) : ini_(ini), full_(full) {}

    void flag(const char* section, const char* key, bool& value, bool, When, When save,
              const char* = nullptr) {
        if (Applies(save, full_)) ini_.setBool(Name(section), Name(key), value);
    }
    void number(const char* section, const char* key, int& value, int, When, When save,
                const char* = nullptr) {
        if (Applies(save, full_)) ini_.setInt(Name(section), Name(key), value);
    }
    void text(const char* section, const char* key, QString& value, const QString&, When, When save,
              const char* = nullptr) {
        if (Applies(save, full_)) ini_.setValue(Name(section), Name(key), value);
    }
    void colour(const char* section, const char* key, QString& value, const QString& fallback, When,
                When save, const char* = nullptr) {
        if (!Applies(save, full_)) return;
        const IniFile::Colour colour = ParseColour(value).value_or(*ParseColour(fallback));
        ini_.setColour(Name(section), Name(key), colour);
    }

  private:
    IniFile& ini_;
    bool full_;
};

class Reader {
  public:
    Reader(const IniFile& ini, bool full) : ini_(ini), full_(full) {}

    void flag(const char* section, const char* key, bool& value, bool fallback, When load, When,
              const char* = nullptr) {
        if (Applies(load, full_)) value = ini_.boolValue(Name(section), Name(key), fallback);
    }
    void number(const char* section, const char* key, int& value, int fallback, When load, When,
                const char* = nullptr) {
        if (Applies(load, full_)) value = ini_.intValue(Name(section), Name(key), fallback);
    }
    void text(const char* section, const char* key, QString& value, const QString& fallback, When load, When,
              const char* = nullptr) {
        if (Applies(load, full_)) value = ini_.value(Name(section), Name(key), fallback);
    }
    // A value that is neither a colour name nor a number leaves the default.
    void colour(const char* section, const char* key, QString& value, const QString& fallback, When load,
                When, const char* = nullptr) {
        if (!Applies(load, full_)) return;
        const std::optional<IniFile::Colour> colour = ParseColour(ini_.value(Name(section), Name(key)));
        value = colour ? ColourText(*colour) : fallback;
    }

  private:
    const IniFile& ini_;
    bool full_;
};

// The defaults of a load. A project file carries no general options, so for it
// their current values are the defaults (its window position and tool paths are
// not read at all).
ProgramSettings Defaults(const SettingsContext& c, const ProgramSettings& current, bool full) {
    ProgramSettings d;
    const QString& dir = c.programDir;
    d.posLinks = c.screenWidth / 2 - c.windowWidth / 2;
    d.posOben = c.screenHeight / 2 - c.windowHeight / 2;
    d.menu1 = JoinPath(c.menuDir, QStringLiteral("menue/dummymenu.vob"));
    d.menu2 = JoinPath(c.menuDir, QStringLiteral("menue/menu01sub.vob"));
    d.menu3 = JoinPath(c.menuDir, QStringLiteral("menue/menu02sub.vob"));
    d.svcd = dir;
    d.images = JoinPath(dir, QStringLiteral("Arbeit"));
    d.work = JoinPath(dir, QStringLiteral("Arbeit"));
    d.dvdRoot = JoinPath(dir, QStringLiteral("Dvd"));
    d.ripRoot = JoinPath(dir, QStringLiteral("Ripp"));
    d.projects = dir;
    if (!full) {
        d.singleStep = current.singleStep;
        d.ownProjectName = current.ownProjectName;
        d.editScript = current.editScript;
        d.hideToolPaths = current.hideToolPaths;
        d.tempPolicy = current.tempPolicy;
        d.priority = current.priority;
        d.gaugeFore = current.gaugeFore;
        d.gaugeBack = current.gaugeBack;
    }
    return d;
}

bool IsFile(const QString& path) {
    return QFileInfo(path).isAbsolute() && FileExists(path);
}

bool IsFolder(const QString& path) {
    return QFileInfo(path).isAbsolute() && QFileInfo(path).isDir();
}

int Selection(int stored, int count, int fallback) {
    return stored >= 0 && stored < count ? stored : fallback;
}

void CorrectSelections(ProgramSettings& s, const SettingsContext& c) {
    s.burner = Selection(s.burner, c.burnerCount, 0);
    s.speed = Selection(s.speed, c.speedCount, 0);
    s.tempPolicy = Selection(s.tempPolicy, c.tempCount, 0);
    s.priority = Selection(s.priority, c.priorityCount, 2);
}

// A menu file that does not exist falls back to its default, then to "".
QString MenuFile(const QString& stored, const QString& fallback) {
    if (IsFile(stored)) return stored;
    return IsFile(fallback) ? fallback : QString();
}

void CorrectMenuFiles(ProgramSettings& s, const ProgramSettings& d) {
    s.menu1 = MenuFile(s.menu1, d.menu1);
    s.menu2 = MenuFile(s.menu2, d.menu2);
    s.menu3 = MenuFile(s.menu3, d.menu3);
}

QString ExistingOr(const QString& folder, const QString& fallback) {
    return IsFolder(folder) ? folder : fallback;
}

// The DVD folder must be none of the other folders and lie above none of them.
// An empty one is in none of them; having no parent, it becomes <program>/DVD.
void CorrectDvdFolder(ProgramSettings& s, const QString& programDir) {
    for (const QString& other : {s.work, s.svcd, s.ripRoot, s.projects, JoinPath(programDir, QString())})
        if (!s.dvdRoot.isEmpty() && other.contains(s.dvdRoot))
            s.dvdRoot = JoinPath(s.work, QStringLiteral("DVD"));
    if (!IsFolder(QFileInfo(s.dvdRoot).path())) s.dvdRoot = JoinPath(programDir, QStringLiteral("DVD"));
    if (!IsFolder(s.dvdRoot)) QDir().mkpath(s.dvdRoot);
}

void CorrectFolders(ProgramSettings& s, const QString& programDir) {
    for (QString* folder : {&s.work, &s.svcd, &s.dvdRoot, &s.ripRoot, &s.projects})
        *folder = WithoutTrailingSlash(*folder);
    s.work = ExistingOr(s.work, programDir);
    s.projects = ExistingOr(s.projects, programDir);
    s.ripRoot = ExistingOr(s.ripRoot, programDir);
    CorrectDvdFolder(s, programDir);
}

}  // namespace

QString WithoutTrailingSlash(QString folder) {
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    return folder;
}

void ForEachShownSetting(ProgramSettings& settings,
                         const std::function<void(const char* control, SettingField field)>& visit) {
    const ProgramSettings defaults;
    ControlVisitor visitor(visit);
    VisitKeys(visitor, settings, defaults);
}

void SettingsWrite(IniFile& file, bool full, const ProgramSettings& settings) {
    ProgramSettings values = settings;
    const ProgramSettings defaults;
    Writer writer(file, full);
    VisitKeys(writer, values, defaults);
}

bool SettingsSave(const QString& path, bool full, const ProgramSettings& settings) {
    IniFile file;
    if (!file.load(path)) return false;
    SettingsWrite(file, full, settings);
    return file.save();
}

SettingsLoadOutcome SettingsRead(const IniFile& file, bool full, ProgramSettings& settings,
                                 const SettingsContext& context) {
    const ProgramSettings defaults = Defaults(context, settings, full);
    Reader reader(file, full);
    VisitKeys(reader, settings, defaults);
    CorrectSelections(settings, context);
    CorrectMenuFiles(settings, defaults);
    SettingsLoadOutcome outcome;
    if (full) {
        outcome.tools = ToolSearch(settings.tools, context.toolDir, context.executablePath);
        ChooseBurnTool(settings.decrypter, settings.imgTool, *outcome.tools);
    }
    CorrectFolders(settings, context.programDir);
    // The label as the label edit cleans it: the image stays in the working folder.
    settings.label = DvdLabelText(settings.label);
    if (settings.label.isEmpty()) settings.label = defaults.label;
    settings.isoPath = ImagePath(settings.work, settings.label);
    return outcome;
}

SettingsLoadOutcome SettingsLoad(const QString& path, bool full, ProgramSettings& settings,
                                 const SettingsContext& context) {
    IniFile file;
    file.load(path);
    return SettingsRead(file, full, settings, context);
}
