// The main window's Game and Help menus: their entries with captions and shortcuts, the player's
// action each hands to the game (Open and Save: the file chosen), and their state shown from the game's.
#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSignalBlocker>

#include "save/SaveFolder.h"
#include "ui/AboutDialog.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/StatusBar.h"

namespace rq {

namespace {

QAction* AddItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

void AddBreak(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

}  // namespace

void MainWindow::BuildMenus() {
    mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuNew = AddItem(mnuGame, QStringLiteral("mnuNew"), QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuOpen =
        AddItem(mnuGame, QStringLiteral("mnuOpen"), QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    // Ctrl+S is the sound's: Save has no shortcut.
    mnuSave = AddItem(mnuGame, QStringLiteral("mnuSave"), QStringLiteral("&Save"));
    AddBreak(mnuGame, QStringLiteral("mnuBreak1"));
    mnuSkipToTrain = AddItem(mnuGame, QStringLiteral("mnuSkipToTrain"), QStringLiteral("Skip To Next &Train"),
                             QKeySequence(Qt::CTRL | Qt::Key_T));
    AddBreak(mnuGame, QStringLiteral("mnuBreak4"));
    mnuJoystick = AddItem(mnuGame, QStringLiteral("mnuJoystick"), QStringLiteral("Switch to &Joystick"),
                          QKeySequence(Qt::CTRL | Qt::Key_J));
    mnuKeyboard = AddItem(mnuGame, QStringLiteral("mnuKeyboard"), QStringLiteral("Switch to &Keyboard"),
                          QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuKeyboard->setVisible(false);
    mnuSound =
        AddItem(mnuGame, QStringLiteral("mnuSound"), QStringLiteral("Soun&d"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSound->setCheckable(true);
    mnuSound->setChecked(true);
    mnuPause =
        AddItem(mnuGame, QStringLiteral("mnuPause"), QStringLiteral("&Pause"), QKeySequence(Qt::CTRL | Qt::Key_P));
    AddBreak(mnuGame, QStringLiteral("mnuBreak2"));
    mnuExit = AddItem(mnuGame, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuContents =
        AddItem(mnuHelp, QStringLiteral("mnuContents"), QStringLiteral("&Contents"), QKeySequence(Qt::Key_F1));
    AddBreak(mnuHelp, QStringLiteral("mnuBreak3"));
    mnuAbout = AddItem(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("&About..."));

    // The menu shortcuts work wherever the focus is in the window.
    for (QAction* a : mnuGame->actions() + mnuHelp->actions()) {
        a->setShortcutContext(Qt::WindowShortcut);
    }

    connect(mnuNew, &QAction::triggered, this, [this] { Act({PlayerActionKind::MenuNew}); });
    connect(mnuOpen, &QAction::triggered, this, [this] { mnuOpen_Click(); });
    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    // The game's entries hand the player's action to the game; the menus then show what it holds.
    connect(mnuSkipToTrain, &QAction::triggered, this, [this] { Act({PlayerActionKind::MenuSkip}); });
    connect(mnuSound, &QAction::triggered, this, [this] { Act({PlayerActionKind::MenuSound}); });
    connect(mnuPause, &QAction::triggered, this, [this] { Act({PlayerActionKind::MenuPause}); });
    connect(mnuJoystick, &QAction::triggered, this, [this] { Act({PlayerActionKind::MenuJoystick}); });
    connect(mnuKeyboard, &QAction::triggered, this, [this] { Act({PlayerActionKind::MenuKeyboard}); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuContents, &QAction::triggered, this, [this] { mnuContents_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void MainWindow::SyncMenus() {
    mnuPause->setText(game_.shell.Paused ? QStringLiteral("Un&pause") : QStringLiteral("&Pause"));
    mnuJoystick->setVisible(!game_.scene.JoystickMode);
    mnuKeyboard->setVisible(game_.scene.JoystickMode);
    const QSignalBlocker block(mnuSound);
    mnuSound->setChecked(game_.effects.SoundOn);
}

void MainWindow::ShowReplay(const std::string& name) {
    const bool replaying = !name.empty();
    for (QAction* a : {mnuNew, mnuOpen, mnuSave, mnuSkipToTrain, mnuJoystick, mnuKeyboard, mnuSound, mnuPause}) {
        a->setEnabled(!replaying);
    }
    escape_->setEnabled(!replaying);
    setWindowTitle(replaying ? QStringLiteral("Railquest - replaying %1").arg(QString::fromStdString(name))
                             : QStringLiteral("Railquest"));
}

void MainWindow::mnuOpen_Click() {
    if (const std::string path = ChooseFile(SaveDialog::Open); !path.empty() && onOpen) {
        onOpen(path);
    }
}

void MainWindow::mnuSave_Click() {
    if (const std::string path = ChooseFile(SaveDialog::Save); !path.empty() && onSave) {
        onSave(path);
    }
}

// The dialogs start in the player's folder of saved games.
std::string MainWindow::ChooseFile(SaveDialog dialog) {
    const std::string folder = UserSaveFolder();
    return chooseFile ? chooseFile(dialog, folder) : ChooseInDialog(dialog, folder);
}

std::string MainWindow::ChooseInDialog(SaveDialog dialog, const std::string& folder) {
    std::string whyNot;
    MakeSaveFolder(folder, whyNot);  // without it the dialog starts where the system puts it
    QFileDialog choose(
        this, dialog == SaveDialog::Open ? QStringLiteral("Open a saved game") : QStringLiteral("Save the game"),
        QString::fromStdString(folder), QStringLiteral("Railquest saved games (*.rqsave)"));
    choose.setObjectName(QStringLiteral("dlgSavedGame"));
    if (dialog == SaveDialog::Save) {
        choose.setAcceptMode(QFileDialog::AcceptSave);
        choose.setDefaultSuffix(QStringLiteral("rqsave"));
        choose.selectFile(QStringLiteral("railquest.rqsave"));
    } else {
        choose.setFileMode(QFileDialog::ExistingFile);
    }
    if (choose.exec() != QDialog::Accepted || choose.selectedFiles().isEmpty()) {
        return {};
    }
    return choose.selectedFiles().constFirst().toStdString();
}

void MainWindow::ShowDemo(bool on) {
    picStatusBar->ShowDemo(on);
}

void MainWindow::ShowInputFrom(InputFrom who) {
    ShowDemo(who == InputFrom::Autoplayer);
    if (who != InputFrom::Recording) {
        ShowReplay({});
    }
    SyncMenus();
}

void MainWindow::mnuContents_Click() {
    QString folder = QString::fromStdString(game_.shell.AppPath);
    if (folder.isEmpty()) {
        folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    }
    // A missing help file shows nothing.
    frmHelp->Open(folder + QString::fromLatin1(kHelpFile));
}

void MainWindow::mnuAbout_Click() {
    AboutDialog about(*messages_, this);
    about.exec();
}

void MainWindow::mnuExit_Click() {
    close();
}

}  // namespace rq
