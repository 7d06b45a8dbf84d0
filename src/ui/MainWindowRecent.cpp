// The Game menu's "Open Recent": the saved games last opened or saved, newest first, and "Clear".
#include <QAction>
#include <QDir>
#include <QMenu>
#include <iostream>

#include "ui/MainWindow.h"
#include "ui/RecentGames.h"

namespace rq {

void MainWindow::BuildRecentMenu() {
    mnuRecent = new QMenu(QStringLiteral("Open &Recent"), mnuGame);
    mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    mnuGame->insertMenu(mnuSave, mnuRecent);
    mnuRecent->menuAction()->setObjectName(QStringLiteral("mnuRecent"));
    // Filled as it opens, so that a file removed meanwhile is left out.
    connect(mnuRecent, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    FillRecentMenu();
}

void MainWindow::FillRecentMenu() {
    mnuRecent->clear();
    const bool canOpen = game_.shell.Input == InputFrom::Live && mnuOpen->isEnabled();
    const std::vector<std::string> names =
        settingsPath_.empty() ? std::vector<std::string>{} : RecentGames(settingsPath_);
    int n = 0;
    for (const std::string& name : names) {
        ++n;
        QString shown = QDir::toNativeSeparators(QString::fromStdString(name));
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = mnuRecent->addAction(QStringLiteral("&%1 %2").arg(n).arg(shown));
        a->setObjectName(QStringLiteral("mnuRecent%1").arg(n));
        a->setEnabled(canOpen);
        connect(a, &QAction::triggered, this, [this, name] {
            if (onOpen) {
                onOpen(name);
            }
        });
    }
    mnuRecent->addSeparator();
    QAction* clear = mnuRecent->addAction(QStringLiteral("Clear"));
    clear->setObjectName(QStringLiteral("mnuRecentClear"));
    clear->setEnabled(!names.empty());
    connect(clear, &QAction::triggered, this, [this] {
        std::string whyNot;
        if (!ClearRecentGames(settingsPath_, &whyNot)) {
            std::cerr << "railquest: the list of recent games is not cleared: " << whyNot << '\n';
        }
    });
}

void MainWindow::NoteRecentGame(const std::string& path) {
    std::string whyNot;
    if (!settingsPath_.empty() && !rq::NoteRecentGame(settingsPath_, path, &whyNot)) {
        std::cerr << "railquest: the list of recent games is not kept: " << whyNot << '\n';
    }
}

}  // namespace rq
