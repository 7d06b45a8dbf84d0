// The game's own start-up (GameApp::Main) with the real files, as the player starts it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QStandardPaths>

#include "UiTestSupport.h"
#include "app/GameApp.h"

namespace rq {
namespace {

QWidget* TopLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name) {
            return w;
        }
    }
    return nullptr;
}

TEST(GameAppTest, TheFirstScreenShowsThePlayersTenCrystalsAndTheNextTrainsTimes) {
    test::App();
    QStandardPaths::setTestModeEnabled(true);  // the settings stay out of the player's folder
    GameApp app;
    ASSERT_TRUE(app.Main(7, test::AssetsDir()));
    QWidget* frmMain = TopLevel(QStringLiteral("frmMain"));
    ASSERT_NE(frmMain, nullptr);
    EXPECT_EQ(test::Find<QLabel>(*frmMain, "lblCrystals")->text(), QStringLiteral("10"));
    // Midnight of day 1 lies in slot 1's window: the first row is slot 2's train, two minutes on.
    EXPECT_EQ(test::Find<QLabel>(*frmMain, "lblTrainTime2")->text(), QStringLiteral("12:02:00 AM"));
}

}  // namespace
}  // namespace rq
