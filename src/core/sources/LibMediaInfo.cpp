#include "sources/LibMediaInfo.h"

#include <dlfcn.h>

#include <utility>

#include "sources/MediaVocabulary.h"

namespace {

// Info kind "the value as text" and search kind "by parameter name".
constexpr int kInfoText = 1;
constexpr int kSearchByName = 0;

using NewFn = void* (*)();
using DeleteFn = void (*)(void*);
using OpenFn = size_t (*)(void*, const char*);
using CloseFn = void (*)(void*);
using GetFn = const char* (*)(void*, int, size_t, const char*, int, int);
using OptionFn = const char* (*)(void*, const char*, const char*);
using VersionFn = const char* (*)();

template <class Fn>
bool Resolve(void* module, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(dlsym(module, name));
    return fn != nullptr;
}

QString Copy(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

}  // namespace

// The new generation's entry points in their 8-bit form. The last four are not
// called; they are resolved to make sure the interface is complete.
struct LibMediaInfo::EntryPoints {
    NewFn New = nullptr;
    DeleteFn Delete = nullptr;
    OpenFn Open = nullptr;
    CloseFn Close = nullptr;
    GetFn Get = nullptr;
    OptionFn Option = nullptr;
    void *Inform = nullptr, *GetI = nullptr, *State_Get = nullptr, *Count_Get = nullptr;

    bool resolve(void* module) {
        return Resolve(module, "MediaInfoA_New", New) && Resolve(module, "MediaInfoA_Delete", Delete) &&
               Resolve(module, "MediaInfoA_Open", Open) && Resolve(module, "MediaInfoA_Close", Close) &&
               Resolve(module, "MediaInfoA_Get", Get) && Resolve(module, "MediaInfoA_Option", Option) &&
               Resolve(module, "MediaInfoA_Inform", Inform) && Resolve(module, "MediaInfoA_GetI", GetI) &&
               Resolve(module, "MediaInfoA_State_Get", State_Get) &&
               Resolve(module, "MediaInfoA_Count_Get", Count_Get);
    }
};

LibMediaInfo::LibMediaInfo(QString libraryName) : libraryName_(std::move(libraryName)) {}

LibMediaInfo::~LibMediaInfo() {
    unload();
}

QString LibMediaInfo::version() {
    void* module = dlopen(libraryName_.toUtf8().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!module) return QString();
    QString text;
    OptionFn option = nullptr;
    VersionFn infoVersion = nullptr;
    if (Resolve(module, "MediaInfoA_Option", option))
        text = Copy(option(nullptr, "Info_Version", ""));
    else if (Resolve(module, "MediaInfo_Info_Version", infoVersion))
        text = Copy(infoVersion());
    dlclose(module);
    return text;
}

bool LibMediaInfo::loadModule() {
    if (!module_) module_ = dlopen(libraryName_.toUtf8().constData(), RTLD_NOW | RTLD_LOCAL);
    return module_ != nullptr;
}

bool LibMediaInfo::load(int generation) {
    unload();
    if (generation != 5 || !loadModule()) return false;
    auto calls = std::make_unique<EntryPoints>();
    if (!calls->resolve(module_)) return false;
    calls_ = std::move(calls);
    return true;
}

void LibMediaInfo::unload() {
    close();
    calls_.reset();
    if (module_) dlclose(module_);
    module_ = nullptr;
}

bool LibMediaInfo::open(const QString& path) {
    close();
    if (!calls_) return false;
    handle_ = calls_->New();
    if (handle_ && calls_->Open(handle_, path.toUtf8().constData()) != 0) return true;
    close();
    return false;
}

QString LibMediaInfo::get(MediaStream kind, int number, const QString& parameter) {
    return OldVocabulary(kind, number, parameter,
                         [this](MediaStream k, int n, const QString& p) { return rawGet(k, n, p); });
}

QString LibMediaInfo::rawGet(MediaStream kind, int number, const QString& parameter) {
    if (!handle_ || number < 0) return QString();
    return Copy(calls_->Get(handle_, static_cast<int>(kind), static_cast<size_t>(number),
                            parameter.toUtf8().constData(), kInfoText, kSearchByName));
}

void LibMediaInfo::close() {
    if (!handle_) return;
    calls_->Close(handle_);
    calls_->Delete(handle_);
    handle_ = nullptr;
}
