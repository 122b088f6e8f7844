#pragma once

#include <QString>

// Stream kinds of a media file as the library numbers them.
enum class MediaStream { General = 0, Video = 1, Audio = 2 };

// The media-information library. Implementations answer in the vocabulary of the
// old library generation ("MPEG2", "MPA1/2", "48 KHz" ...), whatever the loaded
// library says, so the rest of the program sees one vocabulary.
class MediaLibrary {
  public:
    virtual ~MediaLibrary() = default;

    // The library's version text; empty when there is no library.
    virtual QString version() = 0;
    // Loads the entry points of a generation (4 old, 5 new); true only when the
    // library is there and every entry point resolved.
    virtual bool load(int generation) = 0;
    // Releases the library.
    virtual void unload() = 0;

    // Opens one file for reading its parameters; false when the library cannot.
    virtual bool open(const QString& path) = 0;
    // A parameter of the open file (kind, stream number, name); empty when unknown.
    virtual QString get(MediaStream kind, int number, const QString& parameter) = 0;
    virtual void close() = 0;
};

// Loads a library generation for one analysis, check or comparison and releases
// it when it ends.
class LibrarySession {
  public:
    LibrarySession(MediaLibrary& library, int generation);
    ~LibrarySession();
    LibrarySession(const LibrarySession&) = delete;
    LibrarySession& operator=(const LibrarySession&) = delete;

    bool loaded() const { return loaded_; }

  private:
    MediaLibrary& library_;
    bool loaded_;
};

// One file opened in a loaded library; closed when it goes out of scope. A file
// the library could not open answers every parameter with an empty text.
class MediaFile {
  public:
    MediaFile(MediaLibrary& library, const QString& path);
    ~MediaFile();
    MediaFile(const MediaFile&) = delete;
    MediaFile& operator=(const MediaFile&) = delete;

    QString general(const QString& parameter) const;
    QString video(const QString& parameter) const;
    QString audio(int track, const QString& parameter) const;

  private:
    MediaLibrary& library_;
    bool open_;
};

// What the version probe makes of a version text: the generation (0 none, 4, 5)
// and the caption of the properties group box.
struct LibraryProbe {
    int generation = 0;
    QString caption;
    bool red = false;
};
LibraryProbe ProbeVersion(const QString& version, bool nt5);

// Index into BitrateTable of a text beginning with the kbit/s value; 255 if none.
quint8 BitrateIndex(const QString& text);
// Index of the smallest BitrateTable entry above the kbit/s value a text begins
// with ("48 kb/s" -> 64); 255 if none.
quint8 BitrateIndexAbove(const QString& text);
// Index into VideoFormatTable (case-sensitive); 255 if none.
quint8 VideoFormatIndex(const QString& text);
// Index into AudioFormatTable (case-sensitive); 255 if none.
quint8 AudioFormatIndex(const QString& text);

// A decimal text without trailing zeros after the point: "25.000" -> "25",
// "29.970" -> "29.97". Other texts stay as they are.
QString TrimDecimals(const QString& text);
// A sampling rate in Hz as the old library wrote it: "48000" -> "48 KHz",
// "44100" -> "44.1 KHz"; empty when the text is not a positive number.
QString SamplingRateText(const QString& hertz);
