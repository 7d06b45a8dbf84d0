// picTickets: builds the ticket window's rows, lays them out at sevenths of its height and shows the
// departures the ticket rules list; a click on any part of a row chooses that row's train.
#include "ui/TicketWindow.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

#include "panels/Panels.h"
#include "panels/WindowLayout.h"
#include "ui/Twips.h"

namespace rq {

namespace {

// The design's 24-point title filled its 495-twip box. A desktop sans-serif of that size has a taller
// line (more room above and below its letters) and would reach into the first row: the title takes the
// largest size whose line fits the box.
QFont FitLineHeight(QFont font, int height) {
    while (font.pixelSize() > 8 && QFontMetrics(font).height() > height) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

constexpr TwipRect kTitleBox{120, 120, 3225, 495};

}  // namespace

TicketWindow::TicketWindow(Game& game, QWidget* parent)
    : PictureBox(QStringLiteral("picTickets"), kPanelGrey, parent), game_(game) {
    hide();
    shpTixBorder = new ShapeWidget(QStringLiteral("shpTixBorder"), ShapeWidget::Kind::Frame, this);
    shpTixBorder->SetBorderWidth(10);

    lblTrainTitle = MakeLabel(QStringLiteral("lblTrainTitle"), QStringLiteral("Train Schedule"),
                              FitLineHeight(SansFont(24), PxRect(kTitleBox).height()), this);
    lblTrainTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QFont rowFont = SansFont(13.5);
    for (std::size_t s = 1; s <= 5; ++s) {
        auto* option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("optTrain%1").arg(s));
        option->setFocusPolicy(Qt::NoFocus);
        connect(option, &QRadioButton::clicked, this, [this, s] { optTrain_Click(static_cast<int>(s)); });
        optTrain[s] = option;

        auto makeRowLabel = [&](const QString& name, const QString& caption) {
            auto* label = new ClickLabel(name, caption, this);
            label->setFont(rowFont);
            label->adjustSize();
            connect(label, &ClickLabel::clicked, this, [this, s] { optTrain_Click(static_cast<int>(s)); });
            return label;
        };
        lblTrainType[s] = makeRowLabel(QStringLiteral("lblTrainType%1").arg(s), QStringLiteral("*"));
        lblTrainType[s]->hide();
        lblTrainDest[s] = makeRowLabel(QStringLiteral("lblTrainDest%1").arg(s), QString());
        lblTrainTime[s] = makeRowLabel(QStringLiteral("lblTrainTime%1").arg(s), QString());
    }
    cmdExitTix = MakeButton(QStringLiteral("cmdExitTix"), QStringLiteral("OK"), this);
    connect(cmdExitTix, &QPushButton::clicked, this, &TicketWindow::exitClicked);
}

void TicketWindow::Layout(const QRect& view) {
    WindowLayout& l = game_.panels.Layout;
    const Sprite& office = game_.sprites[kTicketOfficeSlot];
    ComputeTicketWindow(l, ControlSizes{}, office.Width, office.Height);
    Place(view);
    ResetTicketRows(game_.panels.Tickets);
    Refresh();
}

void TicketWindow::Place(const QRect& view) {
    const WindowLayout& l = game_.panels.Layout;
    const QRect box = PxRect(l.Tickets).intersected(view);
    setGeometry(box);
    shpTixBorder->setGeometry(0, 0, box.width(), box.height());
    shpTixBorder->SetShapeRect(PxRect(l.TixBorder));
    shpTixBorder->lower();
    cmdExitTix->setGeometry(PxRect(l.ExitTix));
    // The title keeps its design box (wider if the desktop's font needs it), its text at the top, and
    // so stays clear of the first row, which starts where the box ends.
    const QRect titleBox = PxRect(kTitleBox);
    lblTrainTitle->setGeometry(titleBox);
    lblTrainTitle->resize(std::max(titleBox.width(), lblTrainTitle->sizeHint().width()), titleBox.height());
    for (std::size_t s = 1; s <= 5; ++s) {
        optTrain[s]->resize(Px(240), Px(360));
        for (QLabel* label : {lblTrainType[s], lblTrainDest[s], lblTrainTime[s]}) {
            label->adjustSize();
        }
    }
}

void TicketWindow::Refresh() {
    const WindowLayout& l = game_.panels.Layout;
    const TicketState& t = game_.panels.Tickets;
    for (std::size_t s = 1; s <= 5; ++s) {
        const TicketRow& row = t.Rows[s];
        const auto position =
            static_cast<std::size_t>(row.Position >= 1 && row.Position <= 5 ? row.Position : static_cast<int>(s));
        const int y = Px(l.RowTop[position]);
        optTrain[s]->move(Px(l.OptLeft), y);
        lblTrainType[s]->move(Px(l.TypeLeft), y);
        lblTrainType[s]->setHidden(!row.Marked);
        lblTrainDest[s]->SetCaption(QString::fromStdString(row.Dest));
        lblTrainDest[s]->adjustSize();
        lblTrainDest[s]->move(Px(l.DestLeft), y);
        lblTrainTime[s]->SetCaption(QString::fromStdString(row.Time));
        lblTrainTime[s]->adjustSize();
        lblTrainTime[s]->move(Px(l.TimeLeft), y);
    }
    // Option buttons of one container exclude each other; with no choice none is set.
    for (std::size_t s = 1; s <= 5; ++s) {
        const QSignalBlocker block(optTrain[s]);
        optTrain[s]->setAutoExclusive(false);
        optTrain[s]->setChecked(static_cast<int>(s) == t.CheckedSlot);
        optTrain[s]->setAutoExclusive(true);
    }
}

void TicketWindow::optTrain_Click(int index) {
    if (onAction) {
        onAction({PlayerActionKind::Ticket, index});
    }
}

}  // namespace rq
