#pragma once

#include "pipeline/RunContext.h"

// Resamples every audio track that is not 48 kHz at its DVD bitrate to 48 kHz
// MPEG audio (BeSweet). False = failed or stopped by the user, reason logged.
bool Upmix(RunContext& ctx);

// The BeSweet argument string for one track, as the log shows it.
QString UpmixArguments(const QString& input, const QString& output, const QString& work,
                       const QString& bitrate);
// The same, one value per argument (paths unquoted, whatever they contain).
QStringList UpmixArgumentList(const QString& input, const QString& output, const QString& work,
                              const QString& bitrate);
