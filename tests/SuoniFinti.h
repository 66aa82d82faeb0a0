#pragma once

#include "platform/Suoni.h"

#include <QStringList>

// Records every sound asked for instead of playing it; installs itself as the
// program's player for its lifetime.
class SuoniFinti : public Suoni
{
public:
    SuoniFinti() { impostaSuoni(this); }
    ~SuoniFinti() override { impostaSuoni(nullptr); }
    SuoniFinti(const SuoniFinti &) = delete;
    SuoniFinti &operator=(const SuoniFinti &) = delete;

    void suona(const QString &file) override { suonati << file; }
    void ferma() override { ++fermate; }

    QStringList suonati;
    int fermate = 0;
};
