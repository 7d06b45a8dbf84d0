// "Help → Records...": the player's games started and won, the win rate, the fastest win and the
// fewest journeys to one, the last ten wins, and the autoplayer's wins apart.
#pragma once

#include <QDialog>

#include "save/WinRecords.h"

class QLabel;
class QTreeWidget;

namespace rq {

class RecordsDialog : public QDialog {
    Q_OBJECT
public:
    RecordsDialog(const WinRecords& records, QWidget* parent);

    QLabel* lblStarted = nullptr;
    QLabel* lblWon = nullptr;
    QLabel* lblRate = nullptr;
    QLabel* lblFastest = nullptr;
    QLabel* lblFewest = nullptr;
    QLabel* lblAutoplayer = nullptr;
    QTreeWidget* lstWins = nullptr;
};

// "3 of 7 (42 %)" style texts, for the dialog and its tests.
QString WinRateText(const WinRecords& records);

}  // namespace rq
