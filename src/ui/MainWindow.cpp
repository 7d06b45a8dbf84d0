// frmMain: builds the controls, lays them out once, shows the game state and passes clicks to the rules.
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>

#include "main/GameShell.h"
#include "main/Panels.h"
#include "main/Settings.h"
#include "main/WindowLayout.h"
#include "ui/AboutDialog.h"
#include "ui/Controls.h"
#include "ui/GameView.h"
#include "ui/HelpWindow.h"
#include "ui/MapViews.h"
#include "ui/Twips.h"

namespace rq {

namespace {

const QColor kPanelGrey(192, 192, 192);  // &HC0C0C0
const QColor kLinkBlue(0, 0, 255);       // &HFF0000

QLabel* MakeLabel(const QString& name, const QString& caption, const QFont& font, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    return label;
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(SansFont(8.25));
    // The keys steer the player; a button with the focus would take the Space bar for itself.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void SetTextColour(QWidget* w, const QColor& text, const QColor* back = nullptr) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    if (back != nullptr) {
        p.setColor(QPalette::Window, *back);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

QAction* AddItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QAction* AddBreak(QMenu* menu, const QString& name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(name);
    return action;
}

// The sizes of the controls that the layout reads, from the fonts the controls have here.
ControlSizes MeasureControls(const QLabel* banner, const QLabel* crystals) {
    ControlSizes sizes;
    sizes.BannerHeight = Twips(banner->sizeHint().height());
    sizes.CrystalsWidth = Twips(QFontMetrics(crystals->font()).horizontalAdvance(QStringLiteral("100")) + 4);
    return sizes;
}

}  // namespace

void PrepareHighDpi() {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

MainWindow::MainWindow(Game& game, QWidget* parent)
    : QMainWindow(parent), game_(game), dialogs_(this), messages_(&dialogs_) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Railquest"));
    setWindowIcon(QIcon(QPixmap::fromImage(CrystalIcon(32))));

    BuildMenus();
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    BuildStatusBar();
    BuildGameView();

    picTrainDest = new PictureBox(QStringLiteral("picTrainDest"), Qt::black, client);
    lblTrainDestBanner = MakeLabel(QStringLiteral("lblTrainDestBanner"), QString(), MonoBoldFont(9.75), picTrainDest);
    lblTrainDestBanner->setAlignment(Qt::AlignCenter);
    SetTextColour(lblTrainDestBanner, Qt::white);
    picTrainDest->hide();

    BuildInfoPanel();
    BuildTicketWindow();
    picTrainDest->raise();

    frmHelp = new HelpWindow(this);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelPressed(); });

    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus() {
    mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuNew = AddItem(mnuGame, QStringLiteral("mnuNew"), QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuOpen = AddItem(mnuGame, QStringLiteral("mnuOpen"), QStringLiteral("&Open..."));
    mnuSave = AddItem(mnuGame, QStringLiteral("mnuSave"), QStringLiteral("&Save"));
    mnuOpen->setVisible(false);
    mnuSave->setVisible(false);
    mnuBreak1 = AddBreak(mnuGame, QStringLiteral("mnuBreak1"));
    mnuSkipToTrain = AddItem(mnuGame, QStringLiteral("mnuSkipToTrain"), QStringLiteral("Skip To Next &Train"),
                             QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuBreak4 = AddBreak(mnuGame, QStringLiteral("mnuBreak4"));
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
    mnuBreak2 = AddBreak(mnuGame, QStringLiteral("mnuBreak2"));
    mnuExit = AddItem(mnuGame, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuContents =
        AddItem(mnuHelp, QStringLiteral("mnuContents"), QStringLiteral("&Contents"), QKeySequence(Qt::Key_F1));
    mnuBreak3 = AddBreak(mnuHelp, QStringLiteral("mnuBreak3"));
    mnuAbout = AddItem(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("&About..."));

    // The menu shortcuts work wherever the focus is in the window.
    for (QAction* a : mnuGame->actions() + mnuHelp->actions()) {
        a->setShortcutContext(Qt::WindowShortcut);
    }

    connect(mnuOpen, &QAction::triggered, this, [this] { mnuOpen_Click(); });
    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(mnuSkipToTrain, &QAction::triggered, this, [this] { mnuSkipToTrain_Click(game_); });
    connect(mnuSound, &QAction::toggled, this, [this](bool on) { game_.effects.SoundOn = on; });
    connect(mnuPause, &QAction::triggered, this, [this] {
        mnuPause_Click(game_.shell);
        SyncMenus();
    });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuContents, &QAction::triggered, this, [this] { mnuContents_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void MainWindow::BuildStatusBar() {
    picStatusBar = new PictureBox(QStringLiteral("picStatusBar"), kPanelGrey, client);
    const QFont font = SansFont(8.25);
    // The city name is centred over the whole bar, behind the clock and the count.
    lblCityName = MakeLabel(QStringLiteral("lblCityName"), QString(), font, picStatusBar);
    lblCityName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColour(lblCityName, Qt::black, &kPanelGrey);
    lblTime = MakeLabel(QStringLiteral("lblTime"), QString(), font, picStatusBar);
    lblTime->setContentsMargins(3, 0, 0, 0);
    lblSymbol = MakeLabel(QStringLiteral("lblSymbol"), QStringLiteral("\u25C6"), font, picStatusBar);
    SetTextColour(lblSymbol, Qt::black, &kPanelGrey);
    lblCrystals = MakeLabel(QStringLiteral("lblCrystals"), QStringLiteral("0"), font, picStatusBar);
    lblCrystals->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblCrystals->setContentsMargins(0, 0, 3, 0);
    SetTextColour(lblCrystals, Qt::black, &kPanelGrey);
}

void MainWindow::BuildGameView() {
    picGameView = new GameView(client);
    picGameView->setFocusPolicy(Qt::StrongFocus);
    const std::array<std::pair<QLabel**, std::pair<const char*, double>>, 3> labels{{
        {&lblDayNum, {"lblDayNum", 18}},
        {&lblInTransit, {"lblInTransit", 12}},
        {&lblTransitTime, {"lblTransitTime", 48}},
    }};
    for (const auto& [member, design] : labels) {
        QLabel* label =
            MakeLabel(QString::fromLatin1(design.first), QString(), MonoBoldFont(design.second), picGameView);
        label->setAlignment(Qt::AlignCenter);
        SetTextColour(label, Qt::white);
        label->hide();
        *member = label;
    }
}

void MainWindow::BuildInfoPanel() {
    picInfo = new PictureBox(QStringLiteral("picInfo"), kPanelGrey, client);
    picInfo->hide();
    const QFont font = SansFont(8.25);

    shpInfoBorder = new ShapeWidget(QStringLiteral("shpInfoBorder"), ShapeWidget::Kind::Frame, picInfo);
    shpInfoBorder->SetBorderWidth(10);

    picUSA = new MapPicture(QStringLiteral("picUSA"), 1, picInfo);
    picUSAZoomContain = new PictureBox(QStringLiteral("picUSAZoomContain"), kPanelGrey, picInfo);
    picUSAZoom = new MapPicture(QStringLiteral("picUSAZoom"), 2, picUSAZoomContain);
    picUSAZoomContain->hide();
    hscUSA = new QScrollBar(Qt::Horizontal, picInfo);
    hscUSA->setObjectName(QStringLiteral("hscUSA"));
    vscUSA = new QScrollBar(Qt::Vertical, picInfo);
    vscUSA->setObjectName(QStringLiteral("vscUSA"));
    for (QScrollBar* bar : {hscUSA, vscUSA}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        // The bars run from 0 to the negative Max; the widgets count the other way.
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            SetZoomScroll(game_, -hscUSA->value(), -vscUSA->value());
            picUSAZoom->move(Px(game_.panels.Map.HscValue), Px(game_.panels.Map.VscValue));
        });
    }
    imgPointer = new PointerImage(picUSA);
    imgPointer->hide();

    connect(picUSA, &MapPicture::pressed, this, [this](QPointF at) {
        MapClick(game_, Twips(at.x()), Twips(at.y()));
        RefreshInfoPanel();
    });
    connect(picUSAZoom, &MapPicture::pressed, this, [this](QPointF at) {
        MapClick(game_, Twips(at.x()), Twips(at.y()));
        RefreshInfoPanel();
    });
    connect(imgPointer, &PointerImage::pressed, this, [this](QPointF at) {
        PointerClick(game_, Twips(at.x()), Twips(at.y()));
        RefreshInfoPanel();
    });

    // The legend: a marker and a caption per kind of city, at their design places.
    picInfoLegend = new PictureBox(QStringLiteral("picInfoLegend"), kPanelGrey, picInfo);
    struct LegendRow {
        const char* Caption;
        double Top;
        double ShapeTop;
        QColor Fill;
        bool Square;
    };
    const std::array<LegendRow, 5> legend{{
        {"You Are Here", 0, 50, QColor(0, 255, 0), false},
        {"Fuzzed City", 600, 645, QColor(0, 0, 0), false},
        {"Fuzzbomb City", 300, 345, QColor(255, 0, 0), false},
        {"Unfuzzed City", 900, 945, QColor(255, 255, 255), false},
        {"Capital", 1200, 1245, QColor(255, 255, 255), true},
    }};
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const LegendRow& row = legend[i];
        auto* shape =
            new ShapeWidget(QStringLiteral("shpLegend%1").arg(i),
                            row.Square ? ShapeWidget::Kind::Square : ShapeWidget::Kind::Circle, picInfoLegend);
        shape->SetFill(row.Fill);
        shape->setGeometry(PxRect({0, row.ShapeTop, 105, 105}));
        shpLegend[i] = shape;
        auto* label =
            new ClickLabel(QStringLiteral("lblLegend%1").arg(i), QString::fromLatin1(row.Caption), picInfoLegend);
        label->setFont(font);
        label->move(Px(180), Px(row.Top));
        label->adjustSize();
        // "You Are Here" and "Fuzzbomb City" lead to their cities.
        if (i == 0 || i == 2) {
            SetTextColour(label, kLinkBlue);
            label->setCursor(Qt::PointingHandCursor);
        }
        connect(label, &ClickLabel::clicked, this, [this, i] { lblLegend_Click(static_cast<int>(i)); });
        lblLegend[i] = label;
    }

    picInfoInfo = new PictureBox(QStringLiteral("picInfoInfo"), kPanelGrey, picInfo);
    lblInfoInfo = MakeLabel(QStringLiteral("lblInfoInfo"), QString(), SansFont(8.25, true), picInfoInfo);
    lblInfoInfo->setContentsMargins(3, 1, 3, 1);

    picInfoTrainDests = new PictureBox(QStringLiteral("picInfoTrainDests"), kPanelGrey, picInfo);
    picInfoTrainDests->hide();
    lblInfoTrainDestTip = MakeLabel(QStringLiteral("lblInfoTrainDestTip"), QStringLiteral("Trains available to:"), font,
                                    picInfoTrainDests);
    lblInfoTrainDestTip->move(0, 0);
    for (std::size_t i = 1; i <= 5; ++i) {
        auto* label = new ClickLabel(QStringLiteral("lblInfoTrainDest%1").arg(i), QString(), picInfoTrainDests);
        label->setFont(font);
        SetTextColour(label, kLinkBlue);
        label->setCursor(Qt::PointingHandCursor);
        label->setGeometry(PxRect({0, 240.0 * static_cast<double>(i), 1110, 195}));
        label->SetFitToWidth(true);
        connect(label, &ClickLabel::clicked, this, [this, i] { lblInfoTrainDest_Click(static_cast<int>(i)); });
        lblInfoTrainDest[i] = label;
    }

    cmdZoom = MakeButton(QStringLiteral("cmdZoom"), QStringLiteral("Zoom In"), picInfo);
    cmdBack = MakeButton(QStringLiteral("cmdBack"), QStringLiteral("Back"), picInfo);
    cmdForward = MakeButton(QStringLiteral("cmdForward"), QStringLiteral("Forward"), picInfo);
    cmdExitInfo = MakeButton(QStringLiteral("cmdExitInfo"), QStringLiteral("OK"), picInfo);
    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);
    connect(cmdZoom, &QPushButton::clicked, this, [this] { cmdZoom_Click(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    connect(cmdForward, &QPushButton::clicked, this, [this] { cmdForward_Click(); });
    connect(cmdExitInfo, &QPushButton::clicked, this, [this] { cmdExitInfo_Click(); });
}

void MainWindow::BuildTicketWindow() {
    picTickets = new PictureBox(QStringLiteral("picTickets"), kPanelGrey, client);
    picTickets->hide();
    shpTixBorder = new ShapeWidget(QStringLiteral("shpTixBorder"), ShapeWidget::Kind::Frame, picTickets);
    shpTixBorder->SetBorderWidth(10);

    lblTrainTitle =
        MakeLabel(QStringLiteral("lblTrainTitle"), QStringLiteral("Train Schedule"), SansFont(24), picTickets);
    lblTrainTitle->setGeometry(PxRect({120, 120, 3225, 495}));
    // The title keeps its design box (wider if the desktop's font needs it), its text at the top so
    // that it stays clear of the first row.
    lblTrainTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTrainTitle->resize(std::max(lblTrainTitle->width(), lblTrainTitle->sizeHint().width()), lblTrainTitle->height());

    const QFont rowFont = SansFont(13.5);
    for (std::size_t s = 1; s <= 5; ++s) {
        auto* option = new QRadioButton(picTickets);
        option->setObjectName(QStringLiteral("optTrain%1").arg(s));
        option->setFocusPolicy(Qt::NoFocus);
        option->resize(Px(240), Px(360));
        connect(option, &QRadioButton::clicked, this, [this, s] { optTrain_Click(static_cast<int>(s)); });
        optTrain[s] = option;

        auto makeRowLabel = [&](const QString& name, const QString& caption) {
            auto* label = new ClickLabel(name, caption, picTickets);
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
    cmdExitTix = MakeButton(QStringLiteral("cmdExitTix"), QStringLiteral("OK"), picTickets);
    connect(cmdExitTix, &QPushButton::clicked, this, [this] { cmdExitTix_Click(); });
}

// ---- The layout ----

void MainWindow::Form_Load() {
    WindowLayout& l = game_.panels.Layout;
    lblTrainDestBanner->adjustSize();
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const double screenTwips = s != nullptr ? Twips(s->geometry().width()) : Twips(1024);
    ComputeFormLoad(l, MeasureControls(lblTrainDestBanner, lblCrystals), screenTwips);

    const int barHeight = Px(l.StatusBar.Height);
    picStatusBar->setGeometry(0, 0, Px(l.StatusBar.Width), barHeight);
    lblCityName->setGeometry(PxRect({0, 0, 9615, 195}));
    lblTime->move(0, 0);
    // The game view is the 640 × 377 picture; the twips of its border are not drawn.
    picGameView->setGeometry(0, Px(l.GameView.Top), kViewWidth, kViewHeight);
    SyncMenus();

    client->setFixedSize(Px(l.StatusBar.Width), Px(l.GameView.Top) + kViewHeight);
    adjustSize();
    setFixedSize(size());
    move(Px(l.Window.Left), Px(l.Window.Top));

    picTrainDest->setGeometry(PxRect(l.TrainDest));
    lblTrainDestBanner->move(0, 0);
    lblTrainDestBanner->resize(Px(l.Banner.Width), Px(l.Banner.Height));

    // The count keeps the right edge Form_Load gives it and sizes itself to its number.
    crystalsRight_ = Px(l.CrystalsLeft + MeasureControls(lblTrainDestBanner, lblCrystals).CrystalsWidth);
    UpdateCrystalDisplay();
    picGameView->setFocus();
}

void MainWindow::LayoutTicketWindow() {
    WindowLayout& l = game_.panels.Layout;
    const Sprite& office = game_.sprites[kTicketOfficeSlot];
    ComputeTicketWindow(l, ControlSizes{}, office.Width, office.Height);
    const QRect view = picGameView->geometry();
    const QRect box = PxRect(l.Tickets).intersected(view);
    picTickets->setGeometry(box);
    shpTixBorder->setGeometry(0, 0, box.width(), box.height());
    shpTixBorder->SetShapeRect(PxRect(l.TixBorder));
    shpTixBorder->lower();
    cmdExitTix->setGeometry(PxRect(l.ExitTix));
    ResetTicketRows(game_.panels.Tickets);
    RefreshTicketWindow();
}

void MainWindow::LayoutInfoPanel() {
    WindowLayout& l = game_.panels.Layout;
    const Surface& map = game_.sprites.Map;
    ComputeInfoPanel(l, ControlSizes{}, map.Width, map.Height);

    const QRect view = picGameView->geometry();
    const QRect box = PxRect(l.Info).intersected(view);
    picInfo->setGeometry(box);
    shpInfoBorder->setGeometry(0, 0, box.width(), box.height());
    shpInfoBorder->SetShapeRect(PxRect(l.InfoBorder));

    const QImage picture = SurfaceToImage(map);
    picUSA->setGeometry(PxRect(l.Usa));
    picUSA->SetPicture(picture);
    // The enlargement is a plain stretched copy, two screen pixels for each map pixel.
    picUSAZoom->SetPicture(
        picture.isNull() ? picture : picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
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
        lblInfoTrainDest[i]->resize(picInfoTrainDests->width(), lblInfoTrainDest[i]->height());
    }
    cmdBack->setGeometry(PxRect(l.Back));
    cmdForward->setGeometry(PxRect(l.Forward));

    shpInfoBorder->lower();
    picUSA->lower();
    cmdBack->raise();
    cmdForward->raise();
    RefreshInfoPanel();
}

// ---- Showing the state ----

void MainWindow::RefreshInfoPanel() {
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

void MainWindow::RefreshTicketWindow() {
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

void MainWindow::PlaceCrystalSymbol() {
    lblCrystals->adjustSize();
    lblCrystals->move(crystalsRight_ - lblCrystals->width(), 0);
    // The symbol sits 60 twips to the left of the number.
    lblSymbol->adjustSize();
    lblSymbol->move(lblCrystals->x() - lblSymbol->width() - Px(60), 0);
}

// ---- Frontend ----

void MainWindow::SetMessagePort(MessagePort* port) {
    messages_ = port != nullptr ? port : &dialogs_;
}

void MainWindow::ShowMessage(const std::string& text) {
    messages_->ShowMessage(text);
}

void MainWindow::ShowExclamation(const std::string& text) {
    messages_->ShowExclamation(text);
}

bool MainWindow::AskYesNo(const std::string& question) {
    return messages_->AskYesNo(question);
}

void MainWindow::ShowTime(const std::string& text) {
    lblTime->setText(QString::fromStdString(text));
    lblTime->adjustSize();
}

void MainWindow::ShowCityName(const std::string& text) {
    lblCityName->setText(QString::fromStdString(text));
}

void MainWindow::UpdateCrystalDisplay() {
    lblCrystals->setText(QString::fromStdString(CrystalDisplayText(game_.world)));
    PlaceCrystalSymbol();
}

void MainWindow::SetStatusBarBlack(bool black) {
    picStatusBar->SetBackColour(black ? Qt::black : kPanelGrey);
}

void MainWindow::SetBannerText(const std::string& text) {
    lblTrainDestBanner->setText(QString::fromStdString(text));
    // The label sizes itself to its text; its left edge stays at 0.
    lblTrainDestBanner->adjustSize();
    lblTrainDestBanner->move(0, 0);
}

void MainWindow::SetBannerVisible(bool visible) {
    picTrainDest->setHidden(!visible);
}

void MainWindow::FillTrainSchedule(std::int16_t city) {
    rq::FillTrainSchedule(game_, city);
    RefreshTicketWindow();
}

void MainWindow::ShowTicketWindow() {
    picTickets->show();
    picTickets->raise();
    picTrainDest->raise();
    SetCancelButton(cmdExitTix);
}

void MainWindow::HideTicketWindow() {
    picTickets->hide();
    if (cancelButton_ == cmdExitTix) {
        SetCancelButton(nullptr);
    }
}

bool MainWindow::IsTicketWindowVisible() const {
    return !picTickets->isHidden();
}

void MainWindow::ShowCapitalInfo(std::int16_t city) {
    ShowCapitalCity(game_, city);
    RefreshInfoPanel();
}

void MainWindow::OpenMapFromCapitol() {
    OpenMapAtCapitol(game_);
    SetCancelButton(cmdExitInfo);
    picInfo->show();
    picInfo->raise();
    picTrainDest->raise();
    RefreshInfoPanel();
}

bool MainWindow::IsInfoPanelVisible() const {
    return !picInfo->isHidden();
}

void MainWindow::HideInfoPanel() {
    picInfo->hide();
    if (cancelButton_ == cmdExitInfo) {
        SetCancelButton(nullptr);
    }
}

void MainWindow::RefreshMapAndInfo() {
    DrawCityMarkers(game_);
    rq::RefreshInfoForCurrentCity(game_, IsInfoPanelVisible());
    RefreshInfoPanel();
}

void MainWindow::RefreshInfoForCurrentCity() {
    if (rq::RefreshInfoForCurrentCity(game_, IsInfoPanelVisible())) {
        RefreshInfoPanel();
    }
}

void MainWindow::ClearPanels() {
    HideInfoPanel();
    HideTicketWindow();
    ClearHistory(game_.panels.Hist);
    ClearTrainChoice(game_);
    RefreshInfoPanel();
    RefreshTicketWindow();
}

void MainWindow::ShowTransit(const std::string& route, const std::string& time, const std::string& day) {
    lblInTransit->setText(QString::fromStdString(route));
    UpdateTransit(time, day);
    // The route and the time are centred as a pair; the day hangs below them.
    const int width = picGameView->width();
    const int inHeight = lblInTransit->sizeHint().height();
    const int timeHeight = lblTransitTime->sizeHint().height();
    const int dayHeight = lblDayNum->sizeHint().height();
    const int top = (picGameView->height() - (inHeight + timeHeight)) / 2;
    lblInTransit->setGeometry(0, top, width, inHeight);
    lblTransitTime->setGeometry(0, top + inHeight, width, timeHeight);
    lblDayNum->setGeometry(0, top + inHeight + timeHeight, width, dayHeight);
    SetStatusBarBlack(true);
    ClearGameView();
    lblInTransit->show();
    lblTransitTime->show();
    lblDayNum->show();
}

void MainWindow::UpdateTransit(const std::string& time, const std::string& day) {
    lblTransitTime->setText(QString::fromStdString(time));
    lblDayNum->setText(QString::fromStdString(day));
}

void MainWindow::HideTransit() {
    lblInTransit->hide();
    lblTransitTime->hide();
    lblDayNum->hide();
}

void MainWindow::PresentView(const Surface& view) {
    picGameView->ShowView(view);
}

void MainWindow::ClearGameView() {
    picGameView->Clear();
}

void MainWindow::SyncMenus() {
    mnuPause->setText(game_.shell.Paused ? QStringLiteral("Un&pause") : QStringLiteral("&Pause"));
    mnuJoystick->setVisible(!game_.scene.JoystickMode);
    mnuKeyboard->setVisible(game_.scene.JoystickMode);
    const QSignalBlocker block(mnuSound);
    mnuSound->setChecked(game_.effects.SoundOn);
}

WindowState MainWindow::CurrentWindowState() const {
    WindowState state;
    state.Active = isActiveWindow() && dialogs_.OpenDialogs() == 0 && QApplication::activeModalWidget() == nullptr;
    state.Minimized = isMinimized();
    return state;
}

// ---- Events ----

void MainWindow::cmdZoom_Click() {
    rq::cmdZoom_Click(game_);
    RefreshInfoPanel();
}

void MainWindow::cmdBack_Click() {
    rq::cmdBack_Click(game_);
    RefreshInfoPanel();
}

void MainWindow::cmdForward_Click() {
    rq::cmdForward_Click(game_);
    RefreshInfoPanel();
}

void MainWindow::cmdExitInfo_Click() {
    HideInfoPanel();
    rq::cmdExitInfo_Click(game_);
}

void MainWindow::cmdExitTix_Click() {
    HideTicketWindow();
    rq::cmdExitTix_Click(game_);
}

void MainWindow::lblInfoTrainDest_Click(int index) {
    rq::lblInfoTrainDest_Click(game_, index);
    RefreshInfoPanel();
}

void MainWindow::lblLegend_Click(int index) {
    rq::lblLegend_Click(game_, index);
    RefreshInfoPanel();
}

void MainWindow::optTrain_Click(int index) {
    rq::optTrain_Click(game_, index);
    RefreshTicketWindow();
}

void MainWindow::SetCancelButton(QPushButton* button) {
    cancelButton_ = button;
}

void MainWindow::CancelPressed() {
    if (cancelButton_ != nullptr && cancelButton_->parentWidget() != nullptr &&
        !cancelButton_->parentWidget()->isHidden()) {
        cancelButton_->click();
    }
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

void MainWindow::closeEvent(QCloseEvent* event) {
    if (Form_Unload()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool MainWindow::Form_Unload() {
    if (quitConfirmed_) {
        return true;
    }
    if (!messages_->AskYesNo("Are you sure you want to quit?")) {
        // The game goes on as it was, with every key released.
        game_.scene.InputBits = 0;
        return false;
    }
    quitConfirmed_ = true;
    if (!settingsPath_.empty()) {
        SaveSettings(game_.scene.JoystickMode, settingsPath_);
    }
    game_.world.StopTransit = true;
    frmHelp->close();
    if (onQuitConfirmed) {
        onQuitConfirmed();
    } else {
        QCoreApplication::quit();
    }
    return true;
}

}  // namespace rq
