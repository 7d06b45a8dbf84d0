// The Records window.
#include "ui/RecordsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rq {

namespace {

QLabel* Value(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QString Journeys(std::int32_t n) {
    return n < 0 ? QStringLiteral("not known") : QString::number(n);
}

}  // namespace

QString WinRateText(const WinRecords& r) {
    if (r.Started == 0) {
        return QStringLiteral("no games yet");
    }
    return QStringLiteral("%1 %").arg(static_cast<int>(100 * r.Won / r.Started));
}

RecordsDialog::RecordsDialog(const WinRecords& r, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmRecords"));
    setWindowTitle(QStringLiteral("Records"));
    auto* form = new QFormLayout;
    lblStarted = Value(QStringLiteral("lblStarted"), QString::number(r.Started), this);
    lblWon = Value(QStringLiteral("lblWon"), QString::number(r.Won), this);
    lblRate = Value(QStringLiteral("lblRate"), WinRateText(r), this);
    lblFastest = Value(QStringLiteral("lblFastest"),
                       r.Fastest ? QStringLiteral("%1 of game time, on %2")
                                       .arg(QString::fromStdString(GameTimeText(r.Fastest->GameSeconds)),
                                            QString::fromStdString(r.Fastest->Date))
                                 : QStringLiteral("no win yet"),
                       this);
    lblFewest = Value(QStringLiteral("lblFewest"),
                      r.FewestJourneys ? QStringLiteral("%1, on %2")
                                             .arg(r.FewestJourneys->Journeys)
                                             .arg(QString::fromStdString(r.FewestJourneys->Date))
                      : r.Won > 0 ? QStringLiteral("not known")  // won only in games opened without their count
                                  : QStringLiteral("no win yet"),
                      this);
    lblAutoplayer =
        Value(QStringLiteral("lblAutoplayer"),
              r.AutoplayerWon == 0 ? QStringLiteral("none")
                                   : QStringLiteral("%1 (fastest %2), not counted above")
                                         .arg(r.AutoplayerWon)
                                         .arg(QString::fromStdString(GameTimeText(r.AutoplayerFastest->GameSeconds))),
              this);
    form->addRow(QStringLiteral("Games started:"), lblStarted);
    form->addRow(QStringLiteral("Games won:"), lblWon);
    form->addRow(QStringLiteral("Win rate:"), lblRate);
    form->addRow(QStringLiteral("Fastest win:"), lblFastest);
    form->addRow(QStringLiteral("Fewest journeys to a win:"), lblFewest);
    form->addRow(QStringLiteral("Won with the autoplayer:"), lblAutoplayer);

    lstWins = new QTreeWidget(this);
    lstWins->setObjectName(QStringLiteral("lstWins"));
    lstWins->setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Game time"), QStringLiteral("Journeys")});
    lstWins->setRootIsDecorated(false);
    lstWins->setSelectionMode(QAbstractItemView::NoSelection);
    for (const WinEntry& win : r.LastWins) {
        lstWins->addTopLevelItem(
            new QTreeWidgetItem({QString::fromStdString(win.Date),
                                 QString::fromStdString(GameTimeText(win.GameSeconds)), Journeys(win.Journeys)}));
    }
    lstWins->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("The last ten wins:"), this));
    layout->addWidget(lstWins);
    layout->addWidget(buttons);
    resize(420, 380);
}

}  // namespace rq
