#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "app/Tavrolin.h"

ProgramSettings THaupt::CollectSettings() const {
    ProgramSettings s;
    s.posLinks = x();
    s.posOben = y();
    s.ripImage = RaRip1->isChecked();
    s.ripDisc = RaRip2->isChecked();
    s.ripAddToList = ChRipDatei->isChecked();
    s.volume = ScLaut->value();
    s.chapterInterval = EdAlle->text();
    s.chapterCount = EdGleich->text();
    s.onePgcPerFile = ChPGC->isChecked();
    s.variant0 = RaVar0->isChecked();
    s.variant1 = RaVar1->isChecked();
    s.variant2 = RaVar2->isChecked();
    s.playMenuFirst = ChVorMenu->isChecked();
    s.menu1 = Author.Menue1;
    s.menu2 = Author.Menue2;
    s.menu3 = Author.Menue3;
    s.burn = ChBrennen->isChecked();
    s.image = ChImage->isChecked();
    s.split = ChSplit->isChecked();
    s.decrypter = RaDec->isChecked();
    s.imgTool = RaImg->isChecked();
    s.label = EdDVDLabel->text();
    s.burner = CoLW->currentIndex();
    s.speed = CoSpeed->currentIndex();
    s.erase = ChErase->isChecked();
    s.shutdown = ChShutdown->isChecked();
    s.eject = ChEject->isChecked();
    s.burnLog = ChLog->isChecked();
    s.isoPath = EdISODatei->text();
    s.tools = Tools;
    s.singleStep = ChEinzel->isChecked();
    s.ownProjectName = ChName->isChecked();
    s.editScript = ChXML->isChecked();
    s.hideToolPaths = ChTools->isChecked();
    s.tempPolicy = CoTempo->currentIndex();
    s.recover = CoRecover->currentIndex();
    s.priority = CoProcess->currentIndex();
    s.svcd = Pfade.SVCD;
    s.images = Pfade.Images;
    s.work = Pfade.Arbeit;
    s.dvdRoot = Pfade.DVDroot;
    s.ripRoot = Pfade.RIProot;
    s.projects = Pfade.Projekte;
    return s;
}

void THaupt::ApplySettings(const ProgramSettings&, bool) {}

void THaupt::LoadSettings(const QString&, bool) {}

bool THaupt::SaveSettings(const QString&, bool) {
    return true;
}
