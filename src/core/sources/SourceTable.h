#pragma once

#include <QStringList>
#include <array>

#include "sources/MPEGInfo.h"

constexpr int kMaxSources = 30;
// A DVD holds at most nine title sets.
constexpr int kMaxTitleSets = 9;

// The sources in DVD order: records 1..count(), the rest in the empty state.
// The source list ListSVCD shows record i as its item i-1. After every change the
// owner runs the title-set pass (and acts on its count).
class SourceTable {
  public:
    int count() const { return count_; }
    bool isEmpty() const { return count_ == 0; }
    bool isFull() const { return count_ >= kMaxSources; }

    // Record i, 1-based (1..30).
    MPEGInfo& operator[](int i) { return records_.at(i - 1); }
    const MPEGInfo& operator[](int i) const { return records_.at(i - 1); }

    // Adds an empty record for path at the end; returns its index (0 when full).
    int append(const QString& path);
    // Removes list item k (0-based) and shifts the later records down.
    void remove(int k);
    void removeAll();
    // Exchanges list items a and b (0-based) with their whole records.
    void exchange(int a, int b);

    // Recomputes Hart, Weich (where forced) and VTS; returns the number of title sets.
    int titleSetPass();

    QStringList paths() const;

  private:
    std::array<MPEGInfo, kMaxSources> records_;
    int count_ = 0;
};

// Why a run cannot start with this many title sets; empty when it can.
QString TitleSetWarning(int titleSets);

// Whether two neighbouring sources can share a title set: among the rest, their
// tracks have the same formats on the disc.
bool AlikeForTitleSet(const MPEGInfo& a, const MPEGInfo& b);
// The first title set whose neighbouring sources would carry different audio
// formats on the disc (a loaded project keeps its stored numbering); 0 when none.
int MixedTitleSet(const SourceTable& table);
