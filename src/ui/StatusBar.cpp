// picStatusBar: its labels, their places, and what they show.
#include "ui/StatusBar.h"

#include <QFontMetrics>

#include "ui/Twips.h"

namespace rq {

StatusBar::StatusBar(QWidget* parent)
    : PictureBox(QStringLiteral("picStatusBar"), kPanelGrey, parent),
      // The city name is centred over the whole bar, behind the clock and the count.
      lblCityName(new SteadyLabel(QStringLiteral("lblCityName"), SansFont(8.25), this)),
      lblTime(new ClockLabel(QStringLiteral("lblTime"), SansFont(8.25), this)),
      lblSymbol(MakeLabel(QStringLiteral("lblSymbol"), QStringLiteral("\u25C6"), SansFont(8.25), this)),
      lblCrystals(MakeLabel(QStringLiteral("lblCrystals"), QStringLiteral("0"), SansFont(8.25), this)),
      lblNote(new SteadyLabel(QStringLiteral("lblNote"), SansFont(8.25), this)),
      lblDemo(new SteadyLabel(QStringLiteral("lblDemo"), SansFont(8.25), this)) {
    lblDemo->setText(QStringLiteral("Demo \u2014 press any key to play"));
    lblDemo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColour(lblDemo, Qt::black, &kPanelGrey);
    lblDemo->hide();
    lblDemo->lower();  // behind the clock and the count, as the city name is
    lblCityName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColour(lblCityName, Qt::black, &kPanelGrey);
    SetTextColour(lblSymbol, Qt::black, &kPanelGrey);
    lblCrystals->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetTextColour(lblCrystals, Qt::black, &kPanelGrey);
    lblNote->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColour(lblNote, Qt::black, &kPanelGrey);
    lblNote->hide();
    lblNote->stackUnder(lblTime);  // like the city name, behind the clock and the count
    noteTimer_.setSingleShot(true);
    connect(&noteTimer_, &QTimer::timeout, this, [this] {
        lblNote->hide();
        lblCityName->setVisible(lblDemo->isHidden());
        lblTime->GroundChanged();
    });
}

double StatusBar::CrystalsWidthTwips() const {
    return Twips(QFontMetrics(lblCrystals->font()).horizontalAdvance(QStringLiteral("100")) + 4 * WindowScale());
}

void StatusBar::Layout(const WindowLayout& l) {
    const int k = WindowScale();
    lblTime->setContentsMargins(3 * k, 0, 0, 0);
    lblCrystals->setContentsMargins(0, 0, 3 * k, 0);
    setGeometry(0, 0, Px(l.StatusBar.Width), Px(l.StatusBar.Height));
    lblCityName->setGeometry(PxRect({0, 0, 9615, 195}));
    lblNote->setGeometry(lblCityName->geometry());
    lblDemo->setGeometry(lblCityName->geometry());
    FitTimeLabel();
    // The count keeps the right edge Form_Load gives it and sizes itself to its number.
    crystalsRight_ = Px(l.CrystalsLeft + CrystalsWidthTwips());
}

// The clock's label is as wide as its widest text ("h:mm:ss AM" of the widest digit, and a little
// slack) once and for all: a new second then only repaints it, without measuring it again or laying
// out the bar. The label is transparent and its text sits at its left, so the wider label shows the
// same pixels.
void StatusBar::FitTimeLabel() {
    const QFontMetrics fm(lblTime->font());
    QChar widest(u'0');
    for (char16_t d = u'1'; d <= u'9'; ++d) {
        if (fm.horizontalAdvance(QChar(d)) > fm.horizontalAdvance(widest)) {
            widest = QChar(d);
        }
    }
    const QString shown = lblTime->text();
    const QString digits = QString(2, widest) + u':' + QString(2, widest) + u':' + QString(2, widest);
    QSize size;
    for (const QString& text : {digits + QStringLiteral(" AM"), digits + QStringLiteral(" PM")}) {
        lblTime->setText(text);
        size = size.expandedTo(lblTime->sizeHint());
    }
    lblTime->setText(shown);
    // Of a fixed size, the label asks nobody to lay the bar out again when its text changes.
    lblTime->setFixedSize(size.width() + kTimeSlack * WindowScale(), size.height());
    lblTime->move(0, 0);
    lblTime->GroundChanged();
}

void StatusBar::ShowTime(const QString& text) {
    lblTime->ShowText(text);
}

void StatusBar::ShowCityName(const QString& text) {
    lblCityName->setText(text);
    lblTime->GroundChanged();
}

void StatusBar::ShowCrystals(const QString& text) {
    lblCrystals->setText(text);
    lblCrystals->adjustSize();
    lblCrystals->move(crystalsRight_ - lblCrystals->width(), 0);
    lblSymbol->adjustSize();
    lblSymbol->move(lblCrystals->x() - lblSymbol->width() - Px(60), 0);
}

void StatusBar::ShowNote(const QString& text) {
    constexpr int kNoteMilliseconds = 5000;
    lblNote->setText(text);
    lblCityName->hide();
    lblNote->show();
    noteTimer_.start(kNoteMilliseconds);
    lblTime->GroundChanged();
}

void StatusBar::ShowDemo(bool on) {
    lblDemo->setVisible(on);
    lblCityName->setVisible(!on && lblNote->isHidden());
    lblTime->GroundChanged();
}

void StatusBar::SetBlack(bool black) {
    SetBackColour(black ? Qt::black : kPanelGrey);
    lblTime->GroundChanged();
}

}  // namespace rq
