#pragma once

#include <QString>

#include "pipeline/RunContext.h"

// Burns the DVD folder with ImgTool Burn. False = refused or failed.
bool BurnWithImgTool(RunContext& ctx);
// Burns the ISO image with DVD Decrypter. False = refused, no image or failed.
bool BurnWithDecrypter(RunContext& ctx);

// Rewrites every line of ImgTool.ini that contains "Device" as "Device: " + device.
bool UpdateDeviceLines(const QString& iniPath, const QString& device);
// What ImgTool's device line names for a drive entry: the device to burn to,
// then the drive's name in parentheses ("/dev/sr0 (HL-DT-ST DVDRAM GH24NSD1)").
QString ImgToolDevice(const QString& driveEntry);
// The speed text for a CoSpeed index ("Max", "1x", ... "16x"; empty for "20x").
QString SpeedText(int index);
