#pragma once

#include <QString>
#include <memory>

#include "sources/MediaInfo.h"

// The installed MediaInfo library (libmediainfo), loaded at run time through its
// C interface with 8-bit UTF-8 texts. Only the current interface exists on this
// platform, so only generation 5 loads; its answers are translated into the old
// vocabulary. Non-ASCII file names need a UTF-8 LC_CTYPE.
class LibMediaInfo : public MediaLibrary {
  public:
    explicit LibMediaInfo(QString libraryName = QStringLiteral("libmediainfo.so.0"));
    ~LibMediaInfo() override;
    LibMediaInfo(const LibMediaInfo&) = delete;
    LibMediaInfo& operator=(const LibMediaInfo&) = delete;

    QString version() override;
    bool load(int generation) override;
    void unload() override;
    bool open(const QString& path) override;
    QString get(MediaStream kind, int number, const QString& parameter) override;
    void close() override;

  private:
    struct EntryPoints;

    bool loadModule();
    QString rawGet(MediaStream kind, int number, const QString& parameter);

    const QString libraryName_;
    void* module_ = nullptr;
    std::unique_ptr<EntryPoints> calls_;
    void* handle_ = nullptr;
};
