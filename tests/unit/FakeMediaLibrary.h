#pragma once

#include <QMap>

#include "sources/MediaInfo.h"
#include "support/TestSupport.h"

// A media library that answers from a table, for the analysis and admission
// without the real library (and for the old generation, which the real one is
// not). It records the calls, so tests can check that every load is released
// and every file closed, and that files are read only while loaded.
class FakeMediaLibrary : public MediaLibrary {
  public:
    QString versionText = QStringLiteral("MediaInfoLib - v0.7.99");
    bool loadable = true;
    int loads = 0, unloads = 0, opens = 0, closes = 0;
    QStringList opened;  // every path opened, in order
    QStringList misuse;  // calls out of order

    void set(const QString& path, MediaStream kind, int number, const QString& parameter,
             const QString& value) {
        values_[path][{kind, number, parameter}] = value;
    }
    // A readable file: open() succeeds even when no parameter is set.
    void add(const QString& path) { values_[path]; }

    bool balanced() const { return loads == unloads && opens == closes && !current_; }

    QString version() override { return versionText; }
    bool load(int) override {
        ++loads;
        return loaded_ = loadable;
    }
    void unload() override {
        ++unloads;
        if (current_) misuse << QStringLiteral("unloaded with a file open");
        loaded_ = false;
    }
    bool open(const QString& path) override {
        if (!loaded_) misuse << QStringLiteral("open without load: ") + path;
        if (current_) misuse << QStringLiteral("open while another is open: ") + path;
        opened << path;
        if (!values_.contains(path)) return false;
        ++opens;
        current_ = &values_[path];
        return true;
    }
    QString get(MediaStream kind, int number, const QString& parameter) override {
        if (!current_) {
            misuse << QStringLiteral("get without open: ") + parameter;
            return QString();
        }
        return current_->value({kind, number, parameter});
    }
    void close() override {
        ++closes;
        current_ = nullptr;
    }

  private:
    using Values = QMap<std::tuple<MediaStream, int, QString>, QString>;
    QMap<QString, Values> values_;
    Values* current_ = nullptr;
    bool loaded_ = false;
};

// Describes fake media files in the old library's vocabulary (which the new
// generation also answers for everything but the sampling rate).
struct FakeTrack {
    QString codec = "MPA1/2", codecText = "MPEG-1 Audio Layer 2", bitrate = "224 kb/s";
    QString rateText = "44.1 KHz", rate = "44100";  // old generation, new generation
};

// An AC-3 track, 48 kHz at 192 kbit/s.
inline FakeTrack Ac3Track() {
    return {"AC3", "AC-3", "192 kb/s", "48 KHz", "48000"};
}

inline void SetTrack(FakeMediaLibrary& lib, const QString& path, int track, const FakeTrack& t) {
    lib.set(path, MediaStream::Audio, track, "Codec", t.codec);
    lib.set(path, MediaStream::Audio, track, "Codec_String", t.codecText);
    lib.set(path, MediaStream::Audio, track, "BitRate_String", t.bitrate);
    lib.set(path, MediaStream::Audio, track, "SamplingRate_String", t.rateText);
    lib.set(path, MediaStream::Audio, track, "SamplingRate", t.rate);
}

// A video file: format, play time in ms, audio count and the usual picture.
inline void SetVideo(FakeMediaLibrary& lib, const QString& path, const QString& format,
                     const QString& audioCount, const QString& playTime = QStringLiteral("3725000")) {
    lib.set(path, MediaStream::General, 0, "Format", format);
    lib.set(path, MediaStream::General, 0, "Format_String", format + " text");
    lib.set(path, MediaStream::General, 0, "PlayTime", playTime);
    lib.set(path, MediaStream::General, 0, "AudioCount", audioCount);
    lib.set(path, MediaStream::Video, 0, "Width", "480");
    lib.set(path, MediaStream::Video, 0, "Height", "576");
    lib.set(path, MediaStream::Video, 0, "FrameRate", "25");
    lib.set(path, MediaStream::Video, 0, "AspectRatio_String", "4/3");
}

// A separate audio file (companion of an elementary stream).
inline void SetAudioFile(FakeMediaLibrary& lib, const QString& path, const FakeTrack& t,
                         const QString& playTime = QStringLiteral("61500")) {
    lib.set(path, MediaStream::General, 0, "PlayTime", playTime);
    lib.set(path, MediaStream::General, 0, "AudioCount", "1");
    SetTrack(lib, path, 0, t);
}

// Tests over files on disk that the fake library describes. Every test checks at
// its end that the library was loaded, read and released in order.
class FakeLibraryTest : public ::testing::Test {
  protected:
    void TearDown() override {
        EXPECT_TRUE(lib.balanced()) << "loads " << lib.loads << " unloads " << lib.unloads << " opens "
                                    << lib.opens << " closes " << lib.closes;
        EXPECT_TRUE(lib.misuse.isEmpty()) << lib.misuse.join(QStringLiteral("; ")).toStdString();
    }
    // A file on disk that the fake library knows.
    QString file(const QString& name, const QByteArray& content = QByteArray(2048, 'x')) {
        const QString path = folder.write(name, content);
        lib.add(path);
        return path;
    }

    // film.mpg: an MPEG-2 program stream, track 0 MP2 44.1 kHz 224 kbit/s, track 1 AC-3.
    QString twoTrackStream() {
        const QString path = file("film.mpg");
        SetVideo(lib, path, "MPEG2", "2");
        SetTrack(lib, path, 0, FakeTrack());
        SetTrack(lib, path, 1, Ac3Track());
        return path;
    }

    TempFolder folder;
    FakeMediaLibrary lib;
};
