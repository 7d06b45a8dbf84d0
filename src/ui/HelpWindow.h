// frmHelp: the game's help page in a window of its own.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace rq {

// The help page's file name in the program folder.
inline constexpr const char* kHelpFile = "railquest.html";

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);
    // Shows the page at `path`; a missing file shows nothing and returns false.
    bool Open(const QString& path);

    QTextBrowser* txtHelp = nullptr;
};

}  // namespace rq
