// Message boxes and questions as real dialogs.
#include "ui/QtMessagePort.h"

#include <QMessageBox>

namespace rq {

void QtMessagePort::ShowMessage(const std::string& text) {
    Show(text, QMessageBox::NoIcon);
}

void QtMessagePort::ShowExclamation(const std::string& text) {
    Show(text, QMessageBox::Warning);
}

void QtMessagePort::Show(const std::string& text, int icon) {
    ++open_;
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), QStringLiteral("Railquest"), QString::fromStdString(text),
                    QMessageBox::Ok, owner_);
    box.setObjectName(QStringLiteral("msgRailquest"));
    box.exec();
    --open_;
}

bool QtMessagePort::AskYesNo(const std::string& question) {
    ++open_;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Railquest"), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    box.setObjectName(QStringLiteral("msgRailquest"));
    const int answer = box.exec();
    --open_;
    return answer == QMessageBox::Yes;
}

}  // namespace rq
