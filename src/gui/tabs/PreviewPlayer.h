#pragma once

#include <QRect>
#include <QString>

// The preview player of the chapter tab: one open file at a time, positions and
// lengths in frames at 25 per second.
class PreviewPlayer {
  public:
    virtual ~PreviewPlayer() = default;

    // Opens a file for display (closing any open one); false when it cannot.
    virtual bool open(const QString& file) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Length as the player measures it (0 when unknown).
    virtual int length() const = 0;
    virtual int position() const = 0;
    virtual void setPosition(int frames) = 0;
    // The picture's area inside the display panel.
    virtual void setDisplayRect(const QRect& rect) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    // Volume 0..1000.
    virtual void setVolume(int volume) = 0;
};
