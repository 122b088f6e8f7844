#pragma once

#include <QString>

#include "base/CommandPlan.h"
#include "base/Outcome.h"
#include "pipeline/RunContext.h"

// Burns the DVD folder with ImgTool Burn; a stop is logged.
Outcome BurnWithImgTool(RunContext& ctx);
// Burns the ISO image with DVD Decrypter; a stop (also: no image) is logged.
Outcome BurnWithDecrypter(RunContext& ctx);

// Rewrites every line of ImgTool.ini that contains "Device" as "Device: " + device.
bool UpdateDeviceLines(const QString& iniPath, const QString& device);
// What ImgTool's device line names for a drive entry: the device to burn to,
// then the drive's name in parentheses ("/dev/sr0 (HL-DT-ST DVDRAM GH24NSD1)").
QString ImgToolDevice(const QString& driveEntry);
// The speed text for a CoSpeed index ("Max", "1x", ... "16x"; empty for "20x").
QString SpeedText(int index);

// ImgTool Burn's options, each with its flag.
struct ImgToolOptions {
    bool erase = false;  // -o: erase a DVD-RW without asking
    bool eject = false;  // -e: leave the disc in the drive
    bool log = false;    // -l: keep the tool's log
};
// The ImgTool Burn call that burns the DVD folder root with the volume label.
CommandPlan ImgToolPlan(const QString& tool, const QString& root, const QString& label,
                        const ImgToolOptions& options);
// The DVD Decrypter call that writes image to drive at speed (erase: a rewritable
// disc is erased without asking).
CommandPlan DecrypterPlan(const QString& tool, const QString& image, const QString& drive,
                          const QString& speed, bool erase);
