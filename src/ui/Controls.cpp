// Small controls of the game's windows.
#include "ui/Controls.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "ui/Twips.h"

namespace rq {

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

void SetTextColour(QWidget* w, const QColor& text, const QColor* back) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    if (back != nullptr) {
        p.setColor(QPalette::Window, *back);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

PictureBox::PictureBox(const QString& name, const QColor& back, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAutoFillBackground(true);
    SetBackColour(back);
}

void PictureBox::SetBackColour(const QColor& back) {
    QPalette p = palette();
    p.setColor(QPalette::Window, back);
    setPalette(p);
}

SteadyLabel::SteadyLabel(const QString& name, const QFont& font, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setFont(font);
    setTextFormat(Qt::PlainText);
}

QRect SteadyLabel::InkBox() const {
    const QRect contents = contentsRect();
    if (text() != boxText_ || contents != boxContents_ || alignment() != boxAlignment_ || font() != boxFont_) {
        boxText_ = text();
        boxContents_ = contents;
        boxAlignment_ = alignment();
        boxFont_ = font();
        const QFontMetrics fm(font());
        const int room = fm.height();
        box_ = style()
                   ->itemTextRect(fm, contents, static_cast<int>(alignment()), isEnabled(), text())
                   .adjusted(-room, -room, room, room);
    }
    return box_;
}

void SteadyLabel::paintEvent(QPaintEvent* event) {
    // What lies under the text (the back colour, or the parent) is painted already; without a frame
    // the text is all the label itself draws.
    if (frameShape() == QFrame::NoFrame && !event->region().intersects(InkBox())) {
        return;
    }
    QLabel::paintEvent(event);
}

ClickLabel::ClickLabel(const QString& name, const QString& caption, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    SetCaption(caption);
}

void ClickLabel::SetCaption(const QString& caption) {
    caption_ = caption;
    ShowCaption();
}

void ClickLabel::SetFitToWidth(bool fit) {
    fit_ = fit;
    ShowCaption();
}

void ClickLabel::ShowCaption() {
    if (!fit_) {
        setText(caption_);
        setToolTip(QString());
        return;
    }
    const QFontMetrics fm(font());
    const int room = width() - 2;
    QString shown = caption_;
    if (fm.horizontalAdvance(shown) > room) {
        // "Colorado Springs, Colorado" reads well as "Colorado Springs" when the state does not fit.
        const qsizetype comma = shown.indexOf(QLatin1Char(','));
        if (comma > 0) {
            shown = shown.left(comma);
        }
        shown = fm.elidedText(shown, Qt::ElideRight, room);
    }
    setText(shown);
    setToolTip(shown == caption_ ? QString() : caption_);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit clicked();
}

void ClickLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (fit_) {
        ShowCaption();
    }
}

ShapeWidget::ShapeWidget(const QString& name, Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents, kind == Kind::Frame);
}

void ShapeWidget::SetFill(const QColor& fill) {
    fill_ = fill;
    update();
}

void ShapeWidget::SetBorderWidth(int pixels) {
    border_ = pixels;
    update();
}

void ShapeWidget::SetShapeRect(const QRect& rect) {
    shape_ = rect;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    if (kind_ == Kind::Frame) {
        // The frame's line is centred on the shape's edges; the container clips what lies outside.
        QPen pen(Qt::black, border_ * WindowScale());
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const QRect r = shape_.translated(-pos());
        p.drawRect(QRectF(r).adjusted(0, 0, -1, -1));
        return;
    }
    p.setPen(QPen(Qt::black, WindowScale()));
    p.setBrush(fill_);
    const double inset = 0.5 * WindowScale();
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (kind_ == Kind::Circle) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(box);
    } else {
        p.drawRect(box);
    }
}

}  // namespace rq
