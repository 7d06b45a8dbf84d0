// lblTime: the clock's text from pictures of its characters, each drawn once by Qt's own text drawing.
#include "ui/ClockLabel.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <climits>
#include <cmath>
#include <cstring>

#include "ui/Controls.h"

namespace rq {

namespace {

// The characters a clock shows; anything else (a shaped script, a tab) is left to a plain label.
bool PlainCharacters(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < u' ' || c.unicode() > u'~' || c == u'&') {
            return false;
        }
    }
    return true;
}

}  // namespace

ClockLabel::ClockLabel(const QString& name, const QFont& font, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setFont(font);
    setTextFormat(Qt::PlainText);
}

void ClockLabel::ShowText(const QString& text) {
    GroundChanged();
    setText(text);
}

void ClockLabel::GroundChanged() {
    // Opaque, the label is drawn over its own copy of the parent's back colour, and Qt paints nothing
    // under it: a new second is then one small picture, not the bar's background and the label.
    const bool opaque = PlainGround() && Drawable();
    if (opaque != testAttribute(Qt::WA_OpaquePaintEvent)) {
        setAttribute(Qt::WA_OpaquePaintEvent, opaque);
        update();
    }
}

bool ClockLabel::PlainGround() const {
    const QWidget* parent = parentWidget();
    if (parent == nullptr || !parent->autoFillBackground()) {
        return false;
    }
    const QBrush& ground = parent->palette().brush(parent->backgroundRole());
    if (ground.style() != Qt::SolidPattern || !ground.isOpaque()) {
        return false;
    }
    // Only the controls stacked under the clock show through it; their ink, not their whole box.
    for (const QObject* child : parent->children()) {
        if (child == this) {
            return true;
        }
        const auto* w = qobject_cast<const QWidget*>(child);
        if (w == nullptr || w->isHidden()) {
            continue;
        }
        QRect ink = w->geometry();
        if (const auto* steady = qobject_cast<const SteadyLabel*>(w)) {
            ink = steady->InkBox().translated(w->pos());
        }
        if (ink.intersects(geometry())) {
            return false;
        }
    }
    return true;
}

bool ClockLabel::Drawable() const {
    const Qt::Alignment across = QStyle::visualAlignment(layoutDirection(), alignment()) &
                                 (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
    return textFormat() == Qt::PlainText && frameShape() == QFrame::NoFrame && margin() == 0 && indent() <= 0 &&
           !wordWrap() && across == Qt::AlignLeft && isEnabled() && layoutDirection() == Qt::LeftToRight &&
           devicePixelRatioF() == 1.0 && PlainCharacters(text());
}

void ClockLabel::CheckLook() {
    const QColor ground = parentWidget()->palette().color(parentWidget()->backgroundRole());
    const QColor ink = palette().color(foregroundRole());
    if (font() != lookFont_ || ink != lookInk_ || ground != lookGround_ || contentsRect() != lookContents_ ||
        picture_.size() != size()) {
        glyphs_.clear();
        advances_.clear();
        lookFont_ = font();
        lookInk_ = ink;
        lookGround_ = ground;
        lookContents_ = contentsRect();
        picture_ = QImage(size(), QImage::Format_RGB32);
        pictureValid_ = false;
    }
}

// The pen moves on by each character's advance in front of the next one, as Qt's shaping gives it
// for the pair, so a kerned pair stands where it stands in the whole text.
double ClockLabel::Advance(QChar c, QChar next) {
    const std::uint32_t key = static_cast<std::uint32_t>(c.unicode()) << 16 | next.unicode();
    const auto found = advances_.find(key);
    if (found != advances_.end()) {
        return found->second;
    }
    const QFontMetricsF fm(font());
    const double advance = fm.horizontalAdvance(QString(c) + next) - fm.horizontalAdvance(QString(next));
    advances_.emplace(key, advance);
    return advance;
}

// Drawn by the style as the label draws its text, in the same box, shifted so that the pen stands
// the given sixty-fourths of a pixel right of a whole pixel: glyphs are drawn at quarter pixels.
const ClockLabel::Glyph& ClockLabel::GlyphAt(QChar c, int sixtyFourths) {
    const std::uint32_t key = static_cast<std::uint32_t>(c.unicode()) << 8 | static_cast<std::uint32_t>(sixtyFourths);
    const auto found = glyphs_.find(key);
    if (found != glyphs_.end()) {
        return found->second;
    }
    const QFontMetricsF fm(font());
    const int pad = static_cast<int>(std::ceil(fm.height()));
    QImage drawn(static_cast<int>(std::ceil(fm.horizontalAdvance(c))) + 2 * pad, height(), QImage::Format_RGB32);
    drawn.fill(lookGround_);
    {
        QPainter p(&drawn);
        p.setFont(font());
        p.translate(pad + sixtyFourths / 64.0 - contentsRect().left(), 0);
        const int flags =
            static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::TextForceLeftToRight;
        style()->drawItemText(&p, contentsRect(), flags | Qt::TextDontClip, palette(), true, QString(c),
                              foregroundRole());
    }
    const QRgb ground = lookGround_.rgb();
    int first = INT_MAX;
    int last = -1;
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            if (line[x] != ground) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    Glyph glyph;
    if (last >= 0) {
        glyph.pixels = drawn.copy(first, 0, last - first + 1, drawn.height());
        glyph.left = first - pad;
    }
    return glyphs_.emplace(key, std::move(glyph)).first->second;
}

bool ClockLabel::Compose() {
    picture_.fill(lookGround_);
    const QString shown = text();
    const auto stride = static_cast<std::size_t>(picture_.bytesPerLine());
    uchar* const bits = picture_.bits();
    double pen = contentsRect().left();
    int inkEnd = INT_MIN;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        double whole = std::floor(pen);
        int sixtyFourths = static_cast<int>(std::lround((pen - whole) * 64.0));
        if (sixtyFourths == 64) {
            whole += 1.0;
            sixtyFourths = 0;
        }
        const Glyph& glyph = GlyphAt(shown[i], sixtyFourths);
        if (!glyph.pixels.isNull()) {
            const int from = static_cast<int>(whole) + glyph.left;
            // Ink of two characters on one column is blended there: only the whole text draws that.
            if (from < inkEnd) {
                return false;
            }
            inkEnd = from + glyph.pixels.width();
            const int left = std::max(from, 0);
            const int right = std::min(inkEnd, picture_.width());
            for (int y = 0; left < right && y < picture_.height(); ++y) {
                const auto* source = reinterpret_cast<const QRgb*>(glyph.pixels.constScanLine(y)) + (left - from);
                std::memcpy(bits + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(left) * sizeof(QRgb),
                            source, static_cast<std::size_t>(right - left) * sizeof(QRgb));
            }
        }
        if (i + 1 < shown.size()) {
            pen += Advance(shown[i], shown[i + 1]);
        }
    }
    return true;
}

void ClockLabel::paintEvent(QPaintEvent* event) {
    if (!testAttribute(Qt::WA_OpaquePaintEvent)) {
        QLabel::paintEvent(event);
        return;
    }
    CheckLook();
    if (Drawable()) {
        if (!pictureValid_ || pictureText_ != text()) {
            pictureText_ = text();
            pictureValid_ = true;
            pictureDrawn_ = Compose();
        }
        if (pictureDrawn_) {
            QPainter p(this);
            for (const QRect& r : event->region()) {
                p.drawImage(r.topLeft(), picture_, r);
            }
            return;
        }
    }
    // Touching ink, or a label no longer plain: the ground, then the label as Qt draws it.
    {
        QPainter p(this);
        p.fillRect(event->rect(), lookGround_);
    }
    QLabel::paintEvent(event);
}

}  // namespace rq
