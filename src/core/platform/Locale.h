#pragma once

// Prepares the process before Qt starts: a UTF-8 character type (the media
// library opens non-ASCII file names only then) and the preview player's backend.
void PrepareProcessEnvironment();

class QTranslator;

// German throughout Qt's own texts: the default locale (numbers, dates, the
// file dialogs' sizes and days) and Qt's translation, installed with translator.
void UseGerman(QTranslator& translator);
