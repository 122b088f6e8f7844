#include "chapters/ChapterFile.h"
#include "gui/tabs/MpegTab.h"
#include "gui/window/BusyCursor.h"
#include "gui/window/LibraryCaption.h"
#include "gui/window/Tavrolin.h"
#include "sources/Admission.h"
#include "sources/Analysis.h"
#include "sources/MediaInfo.h"

int THaupt::ProbeLibrary() {
    const LibraryProbe probe = ProbeVersion(services_.mediaLibrary()->version(), true);
    ShowLibraryCaption(*mpegTab->libraryBox(), probe);
    return probe.generation;
}

bool THaupt::AddSource(const QString& path) {
    const bool jrDmux = !settings_.tools[Tool::jrDMUX].isEmpty();
    if (!AdmitBySize(path, jrDmux, dialogs_)) return false;
    const std::unique_ptr<MediaLibrary> library = services_.mediaLibrary();
    int index = 0;
    {
        const BusyCursor busy;
        // The analysis follows the library found now, not the one found at start-up.
        MediaInfoApi = ProbeLibrary();
        if (!AdmitByContent(path, MediaInfoApi, *library, jrDmux, dialogs_)) return false;
        index = AnalyseSource(path, MediaInfoApi, *library, Sources);
    }
    if (index == 0) return false;
    ReadChapterFile(Sources[index]);
    return true;
}
