#pragma once

#include <string>
#include <vector>

// Shared by the two burner adapters, which both burn with growisofs.

// TAVROLIN_DRY_RUN set (and not "0"): growisofs only shows what it would do,
// nothing is blanked or ejected.
bool DryRun();

// "growisofs [-dry-run] -dvd-compat [-speed=N]"; speed like "8x", "Max" or empty.
std::vector<std::string> GrowisofsCommand(const std::string& speed);

// A device named by a drive entry: the text itself when it names an existing
// path, else the text before " (" when that does ("/dev/sr0 (NAME)" gives
// "/dev/sr0"), else its first word.
std::string DeviceOf(const std::string& entry);

// Blanks a used sequential DVD-RW, which growisofs cannot overwrite. True when
// nothing was needed or blanking succeeded.
bool BlankIfNeeded(const std::string& adapter, const std::string& device);

// Opens the tray. Reports a failure but does not fail the burn.
void Eject(const std::string& adapter, const std::string& device);
