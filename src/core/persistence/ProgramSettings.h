#pragma once

#include <QString>

#include "tools/ToolPaths.h"

// The program's settings, named after their section and key in tavrolin.ini.
// Most of them live in the main window's controls; the window collects them
// into this record for saving and spreads a loaded record back over them.
struct ProgramSettings {
    // Fenster
    int posLinks = 0;
    int posOben = 0;
    // SVCDrip
    bool ripImage = false;      // RaRip1
    bool ripDisc = true;        // RaRip2
    bool ripAddToList = false;  // ChRipDatei
    // Kapitel
    int volume = 700;
    QString chapterInterval = QStringLiteral("10");
    QString chapterCount = QStringLiteral("10");
    // Author
    bool onePgcPerFile = false;  // ChPGC
    bool variant0 = true;
    bool variant1 = false;
    bool variant2 = false;
    bool playMenuFirst = true;  // ChVorMenu
    QString menu1;              // Author.Menü1
    QString menu2;              // Author.Menü2
    QString menu3;              // Author.Menü3
    // ImageDVD
    bool burn = false;       // ChBrennen
    bool image = false;      // ChImage
    bool split = false;      // ChSplit
    bool decrypter = false;  // RaDec
    bool imgTool = false;    // RaImg
    QString label = QStringLiteral("Meine_DVD");
    int burner = 0;         // CoLW index
    int speed = 0;          // CoSpeed index
    bool erase = false;     // ChErase
    bool shutdown = false;  // ChShutdown
    bool eject = false;     // ChEject
    bool burnLog = false;   // ChLog
    QString isoPath;        // EdISODatei
    // Allgemein
    ToolPaths tools;
    bool singleStep = false;      // ChEinzel
    bool ownProjectName = false;  // ChName (AutoName)
    bool editScript = false;      // ChXML (XML Edit)
    bool hideToolPaths = false;   // ChTools
    int tempPolicy = 0;           // CoTempo index
    int recover = -1;             // CoRecover index
    int priority = 2;             // CoProcess index
    QString gaugeFore = QStringLiteral("clGradientActiveCaption");
    QString gaugeBack = QStringLiteral("clBtnFace");
    // Pfade
    QString svcd;  // LastSourceFolder
    QString images;
    QString work;      // Pfade.Arbeit
    QString dvdRoot;   // Pfade.DVDroot
    QString ripRoot;   // Pfade.RIProot
    QString projects;  // Pfade.Projekte
};

// The values of the temporary-file policy CoTempo.
enum TempPolicy { kDeleteAtOnce = 0, kDeleteAfterMux = 1, kKeepFiles = 2 };
