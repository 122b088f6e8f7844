#pragma once

#include <QString>

// How far into a file a DVD navigation pack is looked for.
constexpr qint64 kNavPackWindow = 16385;

// Whether a DVD navigation pack starts in the first bytes of a file: a private
// stream 2 packet (00 00 01 BF) of length 980 (03 D4, PCI) or 1018 (03 FA, DSI)
// that ends within the window.
bool HasNavPacks(const QString& path);
