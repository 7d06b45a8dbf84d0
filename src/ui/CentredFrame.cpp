// The black frame that centres the window's content.
#include "ui/CentredFrame.h"

namespace rq {

CentredFrame::CentredFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmCentre"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
}

void CentredFrame::FitContent(bool fixed) {
    if (content_ == nullptr) {
        return;
    }
    if (fixed) {
        setFixedSize(content_->size());
    } else {
        setMinimumSize(content_->size());
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    Centre();
}

void CentredFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Centre();
}

void CentredFrame::Centre() {
    if (content_ != nullptr) {
        content_->move((width() - content_->width()) / 2, (height() - content_->height()) / 2);
    }
}

}  // namespace rq
