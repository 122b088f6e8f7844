#pragma once

#include <QtGlobal>

// The progress gauge under the log memo. Showing it shrinks the memo to 300
// pixels, hiding it gives the memo back its 325.
class ProgressView {
  public:
    virtual ~ProgressView() = default;
    virtual void showGauge(qint64 maximumKB) = 0;
    virtual void setGaugePosition(qint64 kb) = 0;
    virtual void hideGauge() = 0;
};

class NullProgress : public ProgressView {
  public:
    void showGauge(qint64) override {}
    void setGaugePosition(qint64) override {}
    void hideGauge() override {}
};
