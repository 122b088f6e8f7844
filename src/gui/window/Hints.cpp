#include "gui/window/Hints.h"

#include <QWidget>

namespace {

// Gives the control of that name its hint; lines are joined by line breaks.
void Hint(QWidget& window, const char* name, std::initializer_list<const char*> lines) {
    QStringList texts;
    for (const char* line : lines)
        texts << QString::fromUtf8(line);
    QWidget* control = window.findChild<QWidget*>(QLatin1String(name));
    Q_ASSERT_X(control, "Hint", name);
    control->setToolTip(texts.join(QLatin1Char('\n')));
}

}  // namespace

QString StartHint() {
    return QStringLiteral("Starten des\nVorganges.");
}

void AssignHints(QWidget& w) {
    Hint(w, "BuAbout", {"Anzeige der \"Über\"", "Informationsbox."});
    Hint(w, "BuMProjekt", {"Sichern von \"Mirelvas\"", "Projekt.ini-Datei."});
    Hint(w, "BuOeffnen", {"Öffnen einer", "Projektdatei."});
    Hint(w, "BuSpeichern", {"Speichern einer", "Projektdatei."});
    w.findChild<QWidget*>(QStringLiteral("BuStart"))->setToolTip(StartHint());
    Hint(w, "RaRip1", {"Extrahieren des Videos aus einem Image.", "Möglich: BIN und NRG."});
    Hint(w, "ListImages",
         {"Liste mit den Imagedateien mit Pfaden und Namen.", "Möglich sind BIN und NRG Images."});
    Hint(w, "BuImgAdd", {"(S)VCD-Image (BIN oder NRG) in die Liste aufnehmen."});
    Hint(w, "BuImgDelAlle", {"Alle Images aus der Liste entfernen."});
    Hint(w, "BuImgDel", {"Das ausgewählte Image aus der Liste entfernen."});
    Hint(w, "BuImgHoch", {"Das ausgewählte Image in der Liste nach oben schieben."});
    Hint(w, "BuImgRunter", {"Das ausgewählte Image in der Liste nach unten schieben."});
    Hint(w, "RaRip2", {"Rippen des Videos von einer (S)VCD."});
    for (int k = 0; k < 6; ++k)
        w.findChild<QWidget*>(QStringLiteral("CoLWRip") + QChar('A' + k))
            ->setToolTip(
                QStringLiteral("Leselaufwerk %1. CD/DVD-ROM.\nAuch virtuelle Laufwerke.").arg(k + 1));
    Hint(w, "SpAkt", {"Holen des (S)VCD-Titels.", "(CD-Label)"});
    Hint(w, "EdNameRip",
         {"Name der zu extrahierenden Videodatei. Ist kein", "Name angegeben wird das CD-Label verwendet.",
          "Ggfs wird eine CD-Nummer ergänzt."});
    Hint(w, "ChRipDatei",
         {"Nach dem Rippen der (S)VCD bzw. Extrahieren der Images werden",
          "die MPEG-Dateien in die Liste eingetragen."});
    Hint(w, "BuRipp", {"(S)VCD Rippen."});
    Hint(w, "BuAdd", {"Hinzufügen von Videodateien."});
    Hint(w, "BuDelAlle", {"Entfernen aller Dateien aus", "der Liste."});
    Hint(w, "BuDel", {"Entfernen der markierten", "Datei aus der Liste."});
    Hint(w, "BuHoch", {"Markierte Datei nach", "oben schieben."});
    Hint(w, "BuRunter", {"Markierte Datei nach", "unten schieben."});
    Hint(w, "ListSVCD",
         {"Liste der geladenen Videodateien. Nach Markieren",
          "werden unten die Eigenschaften angezeigt. Mit den",
          "Button links kann die Reihenfolge verändert werden."});
    Hint(w, "GBox1", {"Anzeige der Eigenschaften der markierten Datei.", "Videostream und zwei Tonspuren."});
    Hint(w, "ListMPEG", {"Nach dem Markieren der Datei", "wird sie in den Player geladen."});
    Hint(w, "EdSpieldauer", {"Anzeige der", "Spieldauer."});
    Hint(w, "BuPlay", {"Abspielen des", "Videos."});
    Hint(w, "BuStop", {"Anhalten des", "Videos."});
    Hint(w, "BuKAdd", {"Manuelles Einfügen", "einer Kapitelmarke."});
    Hint(w, "BuKDel", {"Löschen der markier-", "ten Kapitelmarke."});
    Hint(w, "BuKDelAlle", {"Löschen aller", "Kapitelmarken."});
    Hint(w, "EdPosition", {"Anzeige der aktuellen", "Position. (Nicht wäh-", "rend das Abspielens.)"});
    Hint(w, "ListKapitel", {"Kapitelliste der", "markierten Datei."});
    Hint(w, "BuAlle", {"Kapitel in festen", "Abständen eintragen."});
    Hint(w, "EdAlle", {"Abstand in Minuten."});
    Hint(w, "BuGleich", {"Kapitel in gleichmäßigen", "Abständen eintragen."});
    Hint(w, "EdGleich", {"Anzahl der gleichlangen", "Kapitel."});
    Hint(w, "BuGeheZu", {"Gehe zu der rechts", "angebenen Position."});
    Hint(w, "EdGeheZu", {"Position in Sekunden"});
    Hint(w, "ScLaut", {"Lautstärke"});
    Hint(w, "PaDisplay",
         {"Display für das Video. Für die", "Anzeige von MPEG-2 ist ein ent-",
          "sprechender Encoder notwendig."});
    Hint(w, "ScPosition", {"Videoposition."});
    Hint(w, "ChPGC",
         {"Alle Dateien einer VTS kommen in eine PGC. Hiermit",
          "wird für jede Datei eine eigene PGC verwendet."});
    Hint(w, "RaVar0", {"Variante ohne Menü. Es werden alle Videos", "hintereinander abgespielt."});
    Hint(w, "RaVar1", {"Variante mit Stillmenü. Vorgabe ist ein", "DummyMenü. Es dient der Kompatibilität."});
    Hint(w, "RaVar2", {"Variante mit Haupt- und Infomenü. Vorgabe", "ist das Danke-Menü von Mirelva. ;)"});
    Hint(w, "ChVorMenu", {"Soll der Film sofort anfangen oder erst", "das Menü gezeigt werden?"});
    Hint(w, "EdHM", {"VOB für das Hauptmenü."});
    Hint(w, "EdUM", {"Vob für das Untermenü.", "Hier nur ein Infomenü."});
    Hint(w, "Strukt",
         {"Struktur der zukünftigen DVD.", "VTS, Bitrate und Sprache", "können geändert werden."});
    Hint(w, "ChBrennen", {"Nach dem Erstellen der DVD brennen."});
    Hint(w, "ChImage", {"Ein Image erstellen. Nur wenn nicht oder", "nicht mit dem ImgTool gebrannt wird."});
    Hint(w, "ChSplit", {"Image in 1 GB-Dateien aufteilen. Bei FAT-", "Partitionen empfohlen."});
    Hint(w, "RaDec", {"Mit dem DVD Decrypter brennen."});
    Hint(w, "RaImg", {"Mit dem ImgTool Burn brennen."});
    Hint(w, "EdDVDLabel", {"Name der DVD"});
    Hint(w, "CoLW", {"Verfügbare CD/DVD-Laufwerke."});
    Hint(w, "CoSpeed", {"Brenngeschwindigkeit."});
    Hint(w, "LaImgOptions", {"Die zur Verfügung stehenden Optionen", "mit vom Brennprogramm abhängig."});
    Hint(w, "ChErase", {"Eine CD/DVD-RW wird ohne Nachfrage", "durch das Brennprogramm gelöscht."});
    Hint(w, "ChShutdown", {"Den Computer nach Beendigung des", "Brennens herunterfahren."});
    Hint(w, "ChEject", {"CD/DVD nach dem Brennen auswerfen."});
    Hint(w, "ChLog", {"Brennvorgang in Logdatei protokollieren."});
    Hint(w, "EdISODatei", {"Speicherort und Name des ISO-Images."});
    Hint(w, "ChEinzel",
         {"Bestätigung vor jedem Arbeitsschritt (Demuxen,", "Upmix, ...). Jedoch nicht vor jeder Datei."});
    Hint(w, "ChName",
         {"Nach dem Start wird ein Projekt gespeichert.", "Damit kann der Name selbst gewählt werden."});
    Hint(w, "ChXML",
         {"Nach dem Erstellen des XML-Datei kann dieses", "in einem Editorfenster bearbeitet werden."});
    Hint(w, "CoTempo", {"Temporäre Dateien sofort, nach dem", "Muxen oder nicht löschen."});
    Hint(w, "CoProcess", {"Prozesspriorität einstellen. Optionen", "vom Betriebssystem abhängig."});
    Hint(w, "BuRecover",
         {"Projekt zur Wiederaufnahme des Vorganges", "(Demux, Upmix, Mux und Author) laden."});
    Hint(w, "CoRecover", {"Arbeitsschritt einstellen, mit welchem", "begonnen werden soll."});
    Hint(w, "BuMCI", {"Für den MediaPlayer regis-", "trierte Dateierweiterungen"});
    Hint(w, "BuTools", {"Pfade zu den Tools."});
    for (const char* name : {"BuRipDir", "EdRipDir"})
        Hint(w, name,
             {"Verzeichnis, in welchem die gerippten SVCD", "und extrahierten Images abgelegt werden."});
    for (const char* name : {"BuDVDDir", "EdDVDDir"})
        Hint(w, name,
             {"Verzeichnis, in welchem die DVD abgelegt wird.",
              "Darf nicht im Arbeitsverzeichnis liegen oder", "damit identisch sein."});
    for (const char* name : {"BuArbeitDir", "EdArbeitDir"})
        Hint(w, name, {"Verzeichnis, in dem die temporären Dateien", "abgelegt werden."});
    Hint(w, "MemoLog", {"Protokollierung des Konvertierungsvorganges."});
    Hint(w, "GaFort", {"Fortschrittsanzeige."});
}
