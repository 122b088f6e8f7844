#pragma once

#include <QString>
#include <QStringList>

#include "sources/MPEGInfo.h"

// Names of the intermediate files of source i (from 1) in the working folder.
namespace WorkFiles {

// svcd-i-j.mp2 / .ac3 by the track's format; empty for another format.
QString DemuxAudio(const QString& work, int i, int j, quint8 tonFormat);
// svcd-i-0.m1v / .m2v by the source's format; empty for another format.
QString DemuxVideo(const QString& work, int i, const QString& format);
// svcd-i-j-48.mp2, the upmixed track.
QString Upmixed(const QString& work, int i, int j);
// dvd-i.mpg, the DVD program stream.
QString Muxed(const QString& work, int i);
// The authoring script.
QString Script(const QString& work);
// besweet-i-j.log, the upmix tool's log file for track j (one per track, as
// tracks are upmixed side by side).
QString UpmixLog(const QString& work, int i, int j);

}  // namespace WorkFiles

// The files the run writes for source i in the working folder: the demultiplexed
// streams (not for an elementary source), the upmixed tracks with their tool logs
// and the program stream; none for a source with navigation packets.
QStringList PlannedFiles(const QString& work, int i, const MPEGInfo& source);
// The audio file that the multiplexer takes for track j.
QString MuxAudioInput(const QString& work, int i, int j, const MPEGInfo& source);
// The video file that the multiplexer takes.
QString MuxVideoInput(const QString& work, int i, const MPEGInfo& source);
// The video file of source i in the authoring script.
QString AuthorVideoFile(const QString& work, int i, const MPEGInfo& source);
