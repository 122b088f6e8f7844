#include "gui/tabs/MediaPreviewPlayer.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

#include <dlfcn.h>

#include "chapters/TimeText.h"

namespace {

constexpr int kMsPerFrame = 1000 / kFramesPerSecond;
constexpr int kLoadTimeoutMs = 15000;
// An elementary stream learns its length only once the first picture is decoded.
constexpr int kLengthTimeoutMs = 3000;

}  // namespace

MediaPreviewPlayer::MediaPreviewPlayer(QWidget* display) : display_(display) {
    if (display) rect_ = QRect(QPoint(0, 0), display->size());
}

MediaPreviewPlayer::~MediaPreviewPlayer() {
    delete video_;  // with the player and the audio output; gone already when the panel went first
}

void MediaPreviewPlayer::makePlayer() {
    if (player_ || !display_) return;
    video_ = new QVideoWidget(display_);
    video_->setObjectName(QStringLiteral("PreviewVideo"));
    video_->setAspectRatioMode(Qt::IgnoreAspectRatio);  // the display rectangle sets the aspect
    video_->setGeometry(rect_);
    video_->hide();
    player_ = new QMediaPlayer(video_);
    audio_ = new QAudioOutput(video_);
    audio_->setVolume(volume_ / 1000.0f);
    player_->setAudioOutput(audio_);
    player_->setVideoOutput(video_);
}

bool MediaPreviewPlayer::loaded() const {
    const QMediaPlayer::MediaStatus status = player_->mediaStatus();
    return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia ||
           status == QMediaPlayer::EndOfMedia;
}

bool MediaPreviewPlayer::failed() const {
    return player_->error() != QMediaPlayer::NoError || player_->mediaStatus() == QMediaPlayer::InvalidMedia;
}

bool MediaPreviewPlayer::waitFor(const std::function<bool()>& done, int timeoutMs) {
    if (done()) return true;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto check = [&] {
        if (done()) loop.quit();
    };
    QObject::connect(player_, &QMediaPlayer::mediaStatusChanged, &loop, check);
    QObject::connect(player_, &QMediaPlayer::errorOccurred, &loop, check);
    QObject::connect(player_, &QMediaPlayer::durationChanged, &loop, check);
    timeout.start(timeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return done();
}

bool MediaPreviewPlayer::open(const QString& file) {
    close();
    makePlayer();
    if (!player_) return false;
    player_->setSource(QUrl::fromLocalFile(file));
    if (!waitFor([this] { return loaded() || failed(); }, kLoadTimeoutMs) || failed()) {
        player_->setSource(QUrl());
        return false;
    }
    open_ = true;
    video_->show();
    player_->pause();  // shows the first picture
    waitFor([this] { return player_->duration() > 0 || failed(); }, kLengthTimeoutMs);
    // The first picture stands at the stream's start time (0.5 s in many files):
    // positions count from it.
    startMs_ = qMax<qint64>(0, player_->position());
    return true;
}

void MediaPreviewPlayer::close() {
    if (!player_) return;
    player_->setSource(QUrl());
    video_->hide();
    open_ = false;
    startMs_ = 0;
}

bool MediaPreviewPlayer::isOpen() const {
    return open_ && player_;
}

int MediaPreviewPlayer::length() const {
    return isOpen() ? static_cast<int>(player_->duration() / kMsPerFrame) : 0;
}

int MediaPreviewPlayer::position() const {
    return isOpen() ? static_cast<int>(qMax<qint64>(0, player_->position() - startMs_) / kMsPerFrame) : 0;
}

void MediaPreviewPlayer::setPosition(int frames) {
    if (isOpen()) player_->setPosition(qint64(frames) * kMsPerFrame + startMs_);
}

void MediaPreviewPlayer::setDisplayRect(const QRect& rect) {
    rect_ = rect;
    if (video_) video_->setGeometry(rect);
}

void MediaPreviewPlayer::play() {
    if (isOpen()) player_->play();
}

void MediaPreviewPlayer::pause() {
    if (isOpen()) player_->pause();
}

void MediaPreviewPlayer::setVolume(int volume) {
    volume_ = volume;
    if (audio_) audio_->setVolume(volume / 1000.0f);
}

QStringList PlayableExtensions(const std::function<bool(const char*)>& hasElement) {
    const bool mpeg2 = hasElement("avdec_mpeg2video") || hasElement("mpeg2dec");
    const bool mpeg1 = mpeg2 || hasElement("avdec_mpeg1video");
    const bool program = hasElement("mpegpsdemux") && mpeg1;
    const bool elementary = hasElement("mpegvideoparse");
    const std::pair<const char*, bool> extensions[] = {
        {"mpg", program},  {"m1v", elementary && mpeg1}, {"mpv", elementary && mpeg1},
        {"mpeg", program}, {"m2v", elementary && mpeg2}, {"mpv2", elementary && mpeg2}};
    QStringList playable;
    for (const auto& [extension, opens] : extensions)
        if (opens) playable << QLatin1String(extension);
    return playable;
}

// GStreamer is asked at run time, as the player's back end loads it.
QStringList PlayableExtensions() {
    void* gst = dlopen("libgstreamer-1.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!gst) return {};
    using Init = int (*)(int*, char***, void**);
    using Find = void* (*)(const char*);
    using Unref = void (*)(void*);
    const auto init = reinterpret_cast<Init>(dlsym(gst, "gst_init_check"));
    const auto find = reinterpret_cast<Find>(dlsym(gst, "gst_element_factory_find"));
    const auto unref = reinterpret_cast<Unref>(dlsym(gst, "gst_object_unref"));
    QStringList playable;
    if (init && find && unref && init(nullptr, nullptr, nullptr))
        playable = PlayableExtensions([&](const char* element) {
            void* factory = find(element);
            if (factory) unref(factory);
            return factory != nullptr;
        });
    dlclose(gst);
    return playable;
}
