// The Help menu's "Watch the Autoplayer" (the demo, from where the player stands) and "Records...".
#include <QAction>
#include <QMenu>

#include "ui/MainWindow.h"
#include "ui/RecordsDialog.h"

namespace rq {

void MainWindow::BuildHelpExtras() {
    QAction* beforeAbout = nullptr;
    for (QAction* a : mnuHelp->actions()) {
        if (a->objectName() == QLatin1String("mnuBreak3")) {
            beforeAbout = a;
        }
    }
    mnuWatchDemo = new QAction(QStringLiteral("&Watch the Autoplayer"), mnuHelp);
    mnuWatchDemo->setObjectName(QStringLiteral("mnuWatchDemo"));
    mnuRecords = new QAction(QStringLiteral("&Records..."), mnuHelp);
    mnuRecords->setObjectName(QStringLiteral("mnuRecords"));
    mnuHelp->insertActions(beforeAbout, {mnuWatchDemo, mnuRecords});
    // The demo takes the game only from the live player: not while a recording or the demo plays.
    connect(mnuHelp, &QMenu::aboutToShow, this, [this] { SyncHelpExtras(); });
    connect(mnuWatchDemo, &QAction::triggered, this, [this] {
        if (game_.shell.Input == InputFrom::Live && onWatchDemo) {
            onWatchDemo();
        }
    });
    connect(mnuRecords, &QAction::triggered, this, [this] { mnuRecords_Click(); });
}

void MainWindow::SyncHelpExtras() {
    mnuWatchDemo->setEnabled(game_.shell.Input == InputFrom::Live && static_cast<bool>(onWatchDemo));
}

void MainWindow::mnuRecords_Click() {
    const WinRecords none;
    const WinRecords* shown = records ? records() : nullptr;
    RecordsDialog dialog(shown != nullptr ? *shown : none, this);
    dialog.exec();
}

}  // namespace rq
