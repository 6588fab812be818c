#pragma once

// Closes the windows the end of a game opens, as a player would: the top ten,
// the scoreboard once its buttons show, the statistics. Active while it lives.

#include "recordwindows/frmGameStats.h"
#include "recordwindows/frmScoreboard.h"
#include "recordwindows/frmTopTen.h"
#include "support/WindowTest.h"

#include <QPushButton>
#include <QTimer>

namespace test {

class GameEndCloser {
public:
    GameEndCloser()
    {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto* t = VisibleWindow<frmTopTen>())
                t->btnOK->click();
            else if (auto* s = VisibleWindow<frmScoreboard>(); s && s->btnClose->isVisible())
                s->btnClose->click();
            else if (auto* st = VisibleWindow<frmGameStats>())
                st->btnOK->click();
        });
        timer_.start(10);
    }

private:
    QTimer timer_;
};

} // namespace test
