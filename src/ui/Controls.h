// Small controls of the game's windows: a picture box with a back colour, a label that can be
// clicked, a label under a busier one, the shape controls (legend markers, panel frames), and the
// makers of named labels and buttons.
#pragma once

#include <QLabel>
#include <QWidget>

class QPushButton;

namespace rq {

inline const QColor kPanelGrey(192, 192, 192);  // &HC0C0C0, the panels' back colour
inline const QColor kLinkBlue(0, 0, 255);       // &HFF0000, the text of labels that lead somewhere

// A label with its design name as objectName.
QLabel* MakeLabel(const QString& name, const QString& caption, const QFont& font, QWidget* parent);

// A button in the panels' 8.25 pt face that never takes the keyboard focus.
QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent);

// The text colour of a label, and its back colour when one is given.
void SetTextColour(QWidget* w, const QColor& text, const QColor* back = nullptr);

// A plain picture box: a rectangle in its back colour that holds other controls.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QString& name, const QColor& back, QWidget* parent);
    void SetBackColour(const QColor& back);
};

// A plain-text label over its back colour that leaves its text alone when a repaint misses it: the
// status bar's city name lies under the clock, and each new second of the clock would otherwise lay
// out and draw the whole name again for pixels that only show its back colour.
class SteadyLabel : public QLabel {
    Q_OBJECT
public:
    SteadyLabel(const QString& name, const QFont& font, QWidget* parent);

    // Where the text may put ink, with room for glyphs that reach beyond their advance.
    QRect InkBox() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable QString boxText_;
    mutable QRect boxContents_;
    mutable Qt::Alignment boxAlignment_;
    mutable QFont boxFont_;
    mutable QRect box_;
};

// A label that reports a press of any mouse button. Its caption is the text the game reads; what
// shows is the caption, or when it does not fit the label's width a shortened form (the city without
// its state, then an ellipsis), with the whole caption as a tool tip.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(const QString& name, const QString& caption, QWidget* parent);
    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }
    // Fit the caption into the label's width instead of letting it size itself.
    void SetFitToWidth(bool fit);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowCaption();
    QString caption_;
    bool fit_ = false;
};

// The shape controls: a marker (circle or square, black outline, filled) or a frame (a rectangle
// outline of a given pen width in pixels, drawn centred on the shape's edges and clipped by its container).
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Circle, Square, Frame };
    ShapeWidget(const QString& name, Kind kind, QWidget* parent);
    void SetFill(const QColor& fill);
    void SetBorderWidth(int pixels);
    // For a frame: the shape's own rectangle, which may reach beyond its container.
    void SetShapeRect(const QRect& rect);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor fill_ = Qt::white;
    int border_ = 1;
    QRect shape_;
};

}  // namespace rq
