#pragma once

#include <QString>
#include <functional>

#include "sources/MediaInfo.h"

// Reads a parameter as the loaded library reports it.
using RawParameter = std::function<QString(MediaStream kind, int number, const QString& parameter)>;

// A parameter in the old library's vocabulary, worked out from the answers of a
// current library (MediaInfoLib 0.7 and later):
//  general Format        "MPEG-PS" -> "MPEG1"/"MPEG2" (by the video's version),
//                        "MPEG Video" -> "MPV1"/"MPV2"
//  general AudioCount    "0" for a video elementary stream
//  general PlayTime      whole milliseconds
//  video FrameRate       "25.000" -> "25"
//  audio Codec           "MPA1/2" (MPEG audio layer 1 or 2), "MPA1L3", "AC3"
//  audio Codec_String    "MPEG-1 Audio Layer 2", "AC-3"
//  audio BitRate_String  "224 kb/s" (whole kbit/s)
//  audio SamplingRate_String "48 KHz", "44.1 KHz"
// Everything else is passed on as reported.
QString OldVocabulary(MediaStream kind, int number, const QString& parameter, const RawParameter& raw);
