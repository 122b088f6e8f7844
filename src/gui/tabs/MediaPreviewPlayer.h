#pragma once

#include <QPointer>
#include <QStringList>
#include <functional>

#include "gui/tabs/PreviewPlayer.h"

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;
class QWidget;

// The preview player on Qt Multimedia: a QMediaPlayer drawing into a QVideoWidget
// inside the display panel. Player and picture are made on the first open and
// belong to the panel.
class MediaPreviewPlayer : public PreviewPlayer {
  public:
    explicit MediaPreviewPlayer(QWidget* display);
    ~MediaPreviewPlayer() override;

    bool open(const QString& file) override;
    void close() override;
    bool isOpen() const override;
    int length() const override;
    int position() const override;
    void setPosition(int frames) override;
    void setDisplayRect(const QRect& rect) override;
    void play() override;
    void pause() override;
    void setVolume(int volume) override;

  private:
    void makePlayer();
    bool loaded() const;
    bool failed() const;
    // Runs the event loop (without user input) until done() or timeoutMs.
    bool waitFor(const std::function<bool()>& done, int timeoutMs);

    QPointer<QWidget> display_;
    QPointer<QVideoWidget> video_;
    QPointer<QMediaPlayer> player_;
    QPointer<QAudioOutput> audio_;
    QRect rect_;
    qint64 startMs_ = 0;  // the stream's start time, which the player's positions include
    int volume_ = 700;
    bool open_ = false;
};

// The extensions of the six the player opens (without dot, in the MCI window's
// order), judged by the media back end's (GStreamer's) elements: a program
// stream needs the demultiplexer and a decoder, an elementary stream the
// parser and a decoder of its MPEG version ("m1v", "mpv" MPEG-1; "m2v", "mpv2"
// MPEG-2).
QStringList PlayableExtensions(const std::function<bool(const char* element)>& hasElement);
// The same for the back end of this system.
QStringList PlayableExtensions();
