// picInfo: builds the information panel's controls, lays them out around the map and shows the
// panels' state; its clicks go to the map and history rules.
#include "ui/InfoPanel.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <tuple>

#include "base/Rounding.h"
#include "panels/Panels.h"
#include "panels/WindowLayout.h"
#include "ui/GameView.h"
#include "ui/MapViews.h"
#include "ui/Twips.h"

namespace rq {

namespace {

struct LegendRow {
    const char* Caption;
    double Top;
    double ShapeTop;
    QColor Fill;
    bool Square;
};
const std::array<LegendRow, 5> kLegend{{
    {"You Are Here", 0, 50, QColor(0, 255, 0), false},
    {"Fuzzed City", 600, 645, QColor(0, 0, 0), false},
    {"Fuzzbomb City", 300, 345, QColor(255, 0, 0), false},
    {"Unfuzzed City", 900, 945, QColor(255, 255, 255), false},
    {"Capital", 1200, 1245, QColor(255, 255, 255), true},
}};

}  // namespace

InfoPanel::InfoPanel(Game& game, QWidget* parent)
    : PictureBox(QStringLiteral("picInfo"), kPanelGrey, parent), game_(game) {
    hide();
    // The children are made in the design's order, which is also their order front to back.
    shpInfoBorder = new ShapeWidget(QStringLiteral("shpInfoBorder"), ShapeWidget::Kind::Frame, this);
    shpInfoBorder->SetBorderWidth(10);
    BuildMap();
    BuildLegend();
    BuildCityCaption();
    BuildButtons();
}

void InfoPanel::BuildMap() {
    picUSA = new MapPicture(QStringLiteral("picUSA"), 1, this);
    picUSAZoomContain = new PictureBox(QStringLiteral("picUSAZoomContain"), kPanelGrey, this);
    picUSAZoom = new MapPicture(QStringLiteral("picUSAZoom"), 2, picUSAZoomContain);
    picUSAZoomContain->hide();
    hscUSA = new QScrollBar(Qt::Horizontal, this);
    hscUSA->setObjectName(QStringLiteral("hscUSA"));
    vscUSA = new QScrollBar(Qt::Vertical, this);
    vscUSA->setObjectName(QStringLiteral("vscUSA"));
    for (QScrollBar* bar : {hscUSA, vscUSA}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        // The bars run from 0 to the negative Max; the widgets count the other way.
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            Act({PlayerActionKind::Scroll, -hscUSA->value(), -vscUSA->value()});
        });
    }
    imgPointer = new PointerImage(picUSA);
    imgPointer->hide();

    for (MapPicture* map : {picUSA, picUSAZoom}) {
        connect(map, &MapPicture::pressed, this, [this](QPointF where) {
            // The map's own pixel: what the click means, and what a recording keeps.
            const QPointF at = Unscaled(where);
            const int x = CInt(at.x());
            const int y = CInt(at.y());
            Act({PlayerActionKind::Map, x, y});
        });
    }
    connect(imgPointer, &PointerImage::pressed, this, [this](QPointF where) {
        const QPointF at = Unscaled(where);
        Act({PlayerActionKind::Pointer, CInt(at.x()), CInt(at.y())});
    });
}

void InfoPanel::BuildLegend() {
    // A marker and a caption per kind of city, at their design places.
    picInfoLegend = new PictureBox(QStringLiteral("picInfoLegend"), kPanelGrey, this);
    for (std::size_t i = 0; i < kLegend.size(); ++i) {
        const LegendRow& row = kLegend[i];
        auto* shape =
            new ShapeWidget(QStringLiteral("shpLegend%1").arg(i),
                            row.Square ? ShapeWidget::Kind::Square : ShapeWidget::Kind::Circle, picInfoLegend);
        shape->SetFill(row.Fill);
        shpLegend[i] = shape;
        auto* label =
            new ClickLabel(QStringLiteral("lblLegend%1").arg(i), QString::fromLatin1(row.Caption), picInfoLegend);
        label->setFont(SansFont(8.25));
        // "You Are Here" and "Fuzzbomb City" lead to their cities.
        if (i == 0 || i == 2) {
            SetTextColour(label, kLinkBlue);
            label->setCursor(Qt::PointingHandCursor);
        }
        connect(label, &ClickLabel::clicked, this, [this, i] { lblLegend_Click(static_cast<int>(i)); });
        lblLegend[i] = label;
    }
}

void InfoPanel::BuildCityCaption() {
    const QFont font = SansFont(8.25);
    picInfoInfo = new PictureBox(QStringLiteral("picInfoInfo"), kPanelGrey, this);
    lblInfoInfo = MakeLabel(QStringLiteral("lblInfoInfo"), QString(), font, picInfoInfo);

    picInfoTrainDests = new PictureBox(QStringLiteral("picInfoTrainDests"), kPanelGrey, this);
    picInfoTrainDests->hide();
    lblInfoTrainDestTip = MakeLabel(QStringLiteral("lblInfoTrainDestTip"), QStringLiteral("Trains available to:"), font,
                                    picInfoTrainDests);
    lblInfoTrainDestTip->move(0, 0);
    for (std::size_t i = 1; i <= 5; ++i) {
        auto* label = new ClickLabel(QStringLiteral("lblInfoTrainDest%1").arg(i), QString(), picInfoTrainDests);
        label->setFont(font);
        SetTextColour(label, kLinkBlue);
        label->setCursor(Qt::PointingHandCursor);
        label->SetFitToWidth(true);
        connect(label, &ClickLabel::clicked, this, [this, i] { lblInfoTrainDest_Click(static_cast<int>(i)); });
        lblInfoTrainDest[i] = label;
    }
}

void InfoPanel::BuildButtons() {
    cmdZoom = MakeButton(QStringLiteral("cmdZoom"), QStringLiteral("Zoom In"), this);
    cmdBack = MakeButton(QStringLiteral("cmdBack"), QStringLiteral("Back"), this);
    cmdForward = MakeButton(QStringLiteral("cmdForward"), QStringLiteral("Forward"), this);
    cmdExitInfo = MakeButton(QStringLiteral("cmdExitInfo"), QStringLiteral("OK"), this);
    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);
    connect(cmdZoom, &QPushButton::clicked, this, [this] { cmdZoom_Click(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    connect(cmdForward, &QPushButton::clicked, this, [this] { cmdForward_Click(); });
    connect(cmdExitInfo, &QPushButton::clicked, this, &InfoPanel::exitClicked);
}

void InfoPanel::Layout(const QRect& view) {
    WindowLayout& l = game_.panels.Layout;
    const Surface& map = game_.sprites.Map;
    ComputeInfoPanel(l, ControlSizes{}, map.Width, map.Height);
    const QImage picture = SurfaceToImage(map);
    picUSA->SetPicture(picture);
    // The enlargement is a plain stretched copy, two pixels for each map pixel.
    picUSAZoom->SetPicture(
        picture.isNull() ? picture : picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    Place(view);
}

void InfoPanel::Place(const QRect& view) {
    const WindowLayout& l = game_.panels.Layout;

    const QRect box = PxRect(l.Info).intersected(view);
    setGeometry(box);
    shpInfoBorder->setGeometry(0, 0, box.width(), box.height());
    shpInfoBorder->SetShapeRect(PxRect(l.InfoBorder));

    picUSA->setGeometry(PxRect(l.Usa));
    picUSA->Draw();
    picUSAZoom->Draw();
    imgPointer->Rescale();
    picUSAZoomContain->setGeometry(PxRect(l.ZoomContain));
    picUSAZoom->resize(PxRect(l.UsaZoom).size());
    hscUSA->setGeometry(PxRect(l.Hsc));
    vscUSA->setGeometry(PxRect(l.Vsc));
    for (auto [bar, max, page] :
         {std::tuple{hscUSA, l.HscMax, l.HscLargeChange}, std::tuple{vscUSA, l.VscMax, l.VscLargeChange}}) {
        const QSignalBlocker block(bar);
        bar->setRange(0, -max);
        bar->setPageStep(static_cast<int>(page));
        bar->setSingleStep(l.SmallChange);
    }

    picInfoInfo->setGeometry(PxRect(l.InfoInfo));
    cmdExitInfo->setGeometry(PxRect(l.ExitInfo));
    cmdZoom->setGeometry(PxRect(l.Zoom));
    picInfoLegend->setGeometry(PxRect(l.Legend));
    picInfoTrainDests->setGeometry(PxRect(l.TrainDests));
    // The destinations take the box's width: a city's name with its state is wider than the design's labels.
    for (std::size_t i = 1; i <= 5; ++i) {
        lblInfoTrainDest[i]->setGeometry(PxRect({0, 240.0 * static_cast<double>(i), 1110, 195}));
        lblInfoTrainDest[i]->resize(picInfoTrainDests->width(), lblInfoTrainDest[i]->height());
    }
    for (std::size_t i = 0; i < kLegend.size(); ++i) {
        shpLegend[i]->setGeometry(PxRect({0, kLegend[i].ShapeTop, 105, 105}));
        lblLegend[i]->move(Px(180), Px(kLegend[i].Top));
        lblLegend[i]->adjustSize();
    }
    const int k = WindowScale();
    lblInfoInfo->setContentsMargins(3 * k, k, 3 * k, k);
    cmdBack->setGeometry(PxRect(l.Back));
    cmdForward->setGeometry(PxRect(l.Forward));

    shpInfoBorder->lower();
    picUSA->lower();
    cmdBack->raise();
    cmdForward->raise();
    Refresh();
}

void InfoPanel::Refresh() {
    const Panels& p = game_.panels;
    const MapState& map = p.Map;

    lblInfoInfo->setText(QString::fromStdString(p.Info.InfoText));
    lblInfoInfo->adjustSize();
    picInfoInfo->resize(p.Info.InfoText.empty() ? 0 : lblInfoInfo->width(), picInfoInfo->height());
    lblInfoInfo->move(0, (picInfoInfo->height() - lblInfoInfo->height()) / 2);
    for (std::size_t i = 1; i <= 5; ++i) {
        lblInfoTrainDest[i]->SetCaption(QString::fromStdString(p.Info.DestCaptions[i]));
    }
    picInfoTrainDests->setHidden(!p.Info.DestsVisible);
    cmdBack->setEnabled(p.Hist.BackEnabled);
    cmdForward->setEnabled(p.Hist.ForwardEnabled);

    cmdZoom->setText(map.Zoomed ? QStringLiteral("Zoom Out") : QStringLiteral("Zoom In"));
    picUSA->setHidden(map.Zoomed);
    picUSAZoomContain->setHidden(!map.Zoomed);
    hscUSA->setHidden(!map.Zoomed);
    vscUSA->setHidden(!map.Zoomed);
    {
        const QSignalBlocker blockH(hscUSA);
        const QSignalBlocker blockV(vscUSA);
        hscUSA->setValue(-map.HscValue);
        vscUSA->setValue(-map.VscValue);
    }
    picUSAZoom->move(Px(map.HscValue), Px(map.VscValue));

    MapPicture* holder = map.PointerOnZoom ? picUSAZoom : picUSA;
    if (imgPointer->parentWidget() != holder) {
        imgPointer->setParent(holder);
    }
    imgPointer->move(Px(map.PointerLeft), Px(map.PointerTop));
    imgPointer->setHidden(!map.PointerVisible);
    imgPointer->raise();

    picUSA->SetMarkers(map.UsaMarkers, game_.world);
    picUSAZoom->SetMarkers(map.ZoomMarkers, game_.world);
}

void InfoPanel::Act(const PlayerAction& action) {
    if (onAction) {
        onAction(action);
    }
}

void InfoPanel::cmdZoom_Click() {
    Act({PlayerActionKind::Zoom});
}

void InfoPanel::cmdBack_Click() {
    Act({PlayerActionKind::Back});
}

void InfoPanel::cmdForward_Click() {
    Act({PlayerActionKind::Forward});
}

void InfoPanel::lblInfoTrainDest_Click(int index) {
    Act({PlayerActionKind::Dest, index});
}

void InfoPanel::lblLegend_Click(int index) {
    Act({PlayerActionKind::Legend, index});
}

}  // namespace rq
