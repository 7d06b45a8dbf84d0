// lblTime: the status bar's clock, a label that shows exactly what a plain label would, but draws a
// new second from small pictures of its characters instead of laying out and drawing the text anew.
#pragma once

#include <QImage>
#include <QLabel>
#include <unordered_map>

namespace rq {

class ClockLabel : public QLabel {
    Q_OBJECT
public:
    ClockLabel(const QString& name, const QFont& font, QWidget* parent);
    // The text, after checking what lies under the label.
    void ShowText(const QString& text);
    // To call when a control under the clock changed its text, place or visibility: while anything but
    // the parent's back colour shows under the clock, it is drawn as a plain label over it.
    void GroundChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A character's ink drawn over the ground: the columns it touches, from the whole pixel of its pen
    // position, for one fraction of a pixel of that position.
    struct Glyph {
        QImage pixels;  // null for a character without ink
        int left = 0;
    };

    bool PlainGround() const;
    bool Drawable() const;  // the label shows plain left-aligned text, as the clock does
    void CheckLook();       // forgets the glyphs when the font, colours or text box changed
    bool Compose();         // picture_ for the text; false when two characters' ink would touch
    const Glyph& GlyphAt(QChar c, int sixtyFourths);
    double Advance(QChar c, QChar next);

    std::unordered_map<std::uint32_t, Glyph> glyphs_;
    std::unordered_map<std::uint32_t, double> advances_;
    QImage picture_;  // the whole label as it shows, ground and text
    QString pictureText_;
    bool pictureValid_ = false;  // picture_ was composed for pictureText_ in the present look
    bool pictureDrawn_ = false;  // and holds it (not when two characters' ink touched)
    QFont lookFont_;
    QColor lookInk_;
    QColor lookGround_;
    QRect lookContents_;
};

}  // namespace rq
