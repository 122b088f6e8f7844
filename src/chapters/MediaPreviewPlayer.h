#pragma once

#include <QPointer>
#include <functional>

#include "chapters/PreviewPlayer.h"

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
    int volume_ = 700;
    bool open_ = false;
};
