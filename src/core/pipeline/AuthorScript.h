#pragma once

#include <QStringList>

#include "pipeline/RunContext.h"

// Builds the dvdauthor script for the sources: the video manager with the
// chosen menu variant, then one title set per title-set number. Checks the menu
// files and the video files as it goes; false (reason logged) when one is missing.
bool BuildAuthorScript(RunContext& ctx, QStringList& lines);

// A text made safe for an XML attribute value.
QString XmlAttribute(const QString& text);
