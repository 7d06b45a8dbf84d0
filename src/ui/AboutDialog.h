// frmAbout: the game's title, version, the maker's addresses, the credits for the public data it is
// built from, and the "System Info..." button.
#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>
#include <string>

#include "base/MessagePort.h"
#include "ui/SysInfo.h"

class QLabel;
class QPushButton;

namespace rq {

class ClickLabel;

// The maker's addresses (placeholders of the example.org domain until the project has its own).
inline constexpr const char* kMakerEMail = "railquest@example.org";
inline constexpr const char* kMakerWebSite = "https://railquest.example.org/";

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(MessagePort& messages, QWidget* parent);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    ClickLabel* lblEMail = nullptr;
    ClickLabel* lblWebSite = nullptr;
    QLabel* lblCredits = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

    // How links are opened and programs started; tests replace them. Results are not checked, as
    // a missing mail or web handler shows nothing.
    std::function<bool(const QUrl&)> OpenUrl;
    std::function<bool(const std::string&)> StartProgram;
    // Where the system-information program is looked up: filled from this system's PATH.
    MemoryKeyStore Keys;

    void cmdSysInfo_Click();
    void lblEMail_Click();
    void lblWebSite_Click();

protected:
    void done(int result) override;

private:
    MessagePort& messages_;
};

// A small picture of a crystal for the About window and the window icon.
QImage CrystalIcon(int size);

}  // namespace rq
