// The main window's central area: black, with the window's content (status bar, game view, panels)
// at its centre. In a window it is exactly the content's size; full screen it fills the screen.
#pragma once

#include <QWidget>

namespace rq {

class CentredFrame : public QWidget {
    Q_OBJECT
public:
    explicit CentredFrame(QWidget* parent);
    // The content: a child of the frame, of a fixed size.
    void SetContent(QWidget* content) { content_ = content; }
    // Takes the content's size exactly (in a window) or any size (full screen).
    void FitContent(bool fixed);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Centre();
    QWidget* content_ = nullptr;
};

}  // namespace rq
