#include "gui/window/Hints.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>

#include "gui/window/Tavrolin.h"

namespace {

// Lines of a hint are joined by line breaks.
void Hint(QWidget* widget, std::initializer_list<const char*> lines) {
    QStringList texts;
    for (const char* line : lines)
        texts << QString::fromUtf8(line);
    widget->setToolTip(texts.join(QLatin1Char('\n')));
}

}  // namespace

QString StartHint() {
    return QStringLiteral("Starten des\nVorganges.");
}

void AssignHints(THaupt& h) {
    Hint(h.BuAbout, {"Anzeige der \"Über\"", "Informationsbox."});
    Hint(h.BuMProjekt, {"Sichern von \"Mirelvas\"", "Projekt.ini-Datei."});
    Hint(h.BuOeffnen, {"Öffnen einer", "Projektdatei."});
    Hint(h.BuSpeichern, {"Speichern einer", "Projektdatei."});
    h.BuStart->setToolTip(StartHint());
    Hint(h.RaRip1, {"Extrahieren des Videos aus einem Image.", "Möglich: BIN und NRG."});
    Hint(h.ListImages,
         {"Liste mit den Imagedateien mit Pfaden und Namen.", "Möglich sind BIN und NRG Images."});
    Hint(h.BuImgAdd, {"(S)VCD-Image (BIN oder NRG) in die Liste aufnehmen."});
    Hint(h.BuImgDelAlle, {"Alle Images aus der Liste entfernen."});
    Hint(h.BuImgDel, {"Das ausgewählte Image aus der Liste entfernen."});
    Hint(h.BuImgHoch, {"Das ausgewählte Image in der Liste nach oben schieben."});
    Hint(h.BuImgRunter, {"Das ausgewählte Image in der Liste nach unten schieben."});
    Hint(h.RaRip2, {"Rippen des Videos von einer (S)VCD."});
    QComboBox* drives[] = {h.CoLWRipA, h.CoLWRipB, h.CoLWRipC, h.CoLWRipD, h.CoLWRipE, h.CoLWRipF};
    for (int k = 0; k < 6; ++k)
        drives[k]->setToolTip(
            QStringLiteral("Leselaufwerk %1. CD/DVD-ROM.\nAuch virtuelle Laufwerke.").arg(k + 1));
    Hint(h.SpAkt, {"Holen des (S)VCD-Titels.", "(CD-Label)"});
    Hint(h.EdNameRip, {"Name der zu extrahierenden Videodatei. Ist kein",
                       "Name angegeben wird das CD-Label verwendet.", "Ggfs wird eine CD-Nummer ergänzt."});
    Hint(h.ChRipDatei, {"Nach dem Rippen der (S)VCD bzw. Extrahieren der Images werden",
                        "die MPEG-Dateien in die Liste eingetragen."});
    Hint(h.BuRipp, {"(S)VCD Rippen."});
    Hint(h.BuAdd, {"Hinzufügen von Videodateien."});
    Hint(h.BuDelAlle, {"Entfernen aller Dateien aus", "der Liste."});
    Hint(h.BuDel, {"Entfernen der markierten", "Datei aus der Liste."});
    Hint(h.BuHoch, {"Markierte Datei nach", "oben schieben."});
    Hint(h.BuRunter, {"Markierte Datei nach", "unten schieben."});
    Hint(h.ListSVCD, {"Liste der geladenen Videodateien. Nach Markieren",
                      "werden unten die Eigenschaften angezeigt. Mit den",
                      "Button links kann die Reihenfolge verändert werden."});
    Hint(h.GBox1, {"Anzeige der Eigenschaften der markierten Datei.", "Videostream und zwei Tonspuren."});
    Hint(h.ListMPEG, {"Nach dem Markieren der Datei", "wird sie in den Player geladen."});
    Hint(h.EdSpieldauer, {"Anzeige der", "Spieldauer."});
    Hint(h.BuPlay, {"Abspielen des", "Videos."});
    Hint(h.BuStop, {"Anhalten des", "Videos."});
    Hint(h.BuKAdd, {"Manuelles Einfügen", "einer Kapitelmarke."});
    Hint(h.BuKDel, {"Löschen der markier-", "ten Kapitelmarke."});
    Hint(h.BuKDelAlle, {"Löschen aller", "Kapitelmarken."});
    Hint(h.EdPosition, {"Anzeige der aktuellen", "Position. (Nicht wäh-", "rend das Abspielens.)"});
    Hint(h.ListKapitel, {"Kapitelliste der", "markierten Datei."});
    Hint(h.BuAlle, {"Kapitel in festen", "Abständen eintragen."});
    Hint(h.EdAlle, {"Abstand in Minuten."});
    Hint(h.BuGleich, {"Kapitel in gleichmäßigen", "Abständen eintragen."});
    Hint(h.EdGleich, {"Anzahl der gleichlangen", "Kapitel."});
    Hint(h.BuGeheZu, {"Gehe zu der rechts", "angebenen Position."});
    Hint(h.EdGeheZu, {"Position in Sekunden"});
    Hint(h.ScLaut, {"Lautstärke"});
    Hint(h.PaDisplay, {"Display für das Video. Für die", "Anzeige von MPEG-2 ist ein ent-",
                       "sprechender Encoder notwendig."});
    Hint(h.ScPosition, {"Videoposition."});
    Hint(h.ChPGC, {"Alle Dateien einer VTS kommen in eine PGC. Hiermit",
                   "wird für jede Datei eine eigene PGC verwendet."});
    Hint(h.RaVar0, {"Variante ohne Menü. Es werden alle Videos", "hintereinander abgespielt."});
    Hint(h.RaVar1, {"Variante mit Stillmenü. Vorgabe ist ein", "DummyMenü. Es dient der Kompatibilität."});
    Hint(h.RaVar2, {"Variante mit Haupt- und Infomenü. Vorgabe", "ist das Danke-Menü von Mirelva. ;)"});
    Hint(h.ChVorMenu, {"Soll der Film sofort anfangen oder erst", "das Menü gezeigt werden?"});
    Hint(h.EdHM, {"VOB für das Hauptmenü."});
    Hint(h.EdUM, {"Vob für das Untermenü.", "Hier nur ein Infomenü."});
    Hint(h.Strukt, {"Struktur der zukünftigen DVD.", "VTS, Bitrate und Sprache", "können geändert werden."});
    Hint(h.ChBrennen, {"Nach dem Erstellen der DVD brennen."});
    Hint(h.ChImage, {"Ein Image erstellen. Nur wenn nicht oder", "nicht mit dem ImgTool gebrannt wird."});
    Hint(h.ChSplit, {"Image in 1 GB-Dateien aufteilen. Bei FAT-", "Partitionen empfohlen."});
    Hint(h.RaDec, {"Mit dem DVD Decrypter brennen."});
    Hint(h.RaImg, {"Mit dem ImgTool Burn brennen."});
    Hint(h.EdDVDLabel, {"Name der DVD"});
    Hint(h.CoLW, {"Verfügbare CD/DVD-Laufwerke."});
    Hint(h.CoSpeed, {"Brenngeschwindigkeit."});
    Hint(h.LaImgOptions, {"Die zur Verfügung stehenden Optionen", "mit vom Brennprogramm abhängig."});
    Hint(h.ChErase, {"Eine CD/DVD-RW wird ohne Nachfrage", "durch das Brennprogramm gelöscht."});
    Hint(h.ChShutdown, {"Den Computer nach Beendigung des", "Brennens herunterfahren."});
    Hint(h.ChEject, {"CD/DVD nach dem Brennen auswerfen."});
    Hint(h.ChLog, {"Brennvorgang in Logdatei protokollieren."});
    Hint(h.EdISODatei, {"Speicherort und Name des ISO-Images."});
    Hint(h.ChEinzel,
         {"Bestätigung vor jedem Arbeitsschritt (Demuxen,", "Upmix, ...). Jedoch nicht vor jeder Datei."});
    Hint(h.ChName,
         {"Nach dem Start wird ein Projekt gespeichert.", "Damit kann der Name selbst gewählt werden."});
    Hint(h.ChXML,
         {"Nach dem Erstellen des XML-Datei kann dieses", "in einem Editorfenster bearbeitet werden."});
    Hint(h.CoTempo, {"Temporäre Dateien sofort, nach dem", "Muxen oder nicht löschen."});
    Hint(h.CoProcess, {"Prozesspriorität einstellen. Optionen", "vom Betriebssystem abhängig."});
    Hint(h.BuRecover, {"Projekt zur Wiederaufnahme des Vorganges", "(Demux, Upmix, Mux und Author) laden."});
    Hint(h.CoRecover, {"Arbeitsschritt einstellen, mit welchem", "begonnen werden soll."});
    Hint(h.BuMCI, {"Für den MediaPlayer regis-", "trierte Dateierweiterungen"});
    Hint(h.BuTools, {"Pfade zu den Tools."});
    for (QWidget* w : {static_cast<QWidget*>(h.BuRipDir), static_cast<QWidget*>(h.EdRipDir)})
        Hint(w, {"Verzeichnis, in welchem die gerippten SVCD", "und extrahierten Images abgelegt werden."});
    for (QWidget* w : {static_cast<QWidget*>(h.BuDVDDir), static_cast<QWidget*>(h.EdDVDDir)})
        Hint(w, {"Verzeichnis, in welchem die DVD abgelegt wird.",
                 "Darf nicht im Arbeitsverzeichnis liegen oder", "damit identisch sein."});
    for (QWidget* w : {static_cast<QWidget*>(h.BuArbeitDir), static_cast<QWidget*>(h.EdArbeitDir)})
        Hint(w, {"Verzeichnis, in dem die temporären Dateien", "abgelegt werden."});
    Hint(h.MemoLog, {"Protokollierung des Konvertierungsvorganges."});
    Hint(h.GaFort, {"Fortschrittsanzeige."});
}
