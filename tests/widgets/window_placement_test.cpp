// The window's place and size kept beside the saved state: written and read back, a file that
// is too large, damaged or holds absurd values read as none, and the window fitted to the
// screen it opens on.
#include <gtest/gtest.h>

#include <QCborMap>
#include <QCborValue>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "WindowPlacement.h"

namespace {

class Placement : public testing::Test {
protected:
    void write(const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray map(int width, int tab) {
        QCborMap values;
        values.insert(QStringLiteral("X"), 10);
        values.insert(QStringLiteral("Y"), 20);
        values.insert(QStringLiteral("Width"), width);
        values.insert(QStringLiteral("Height"), 600);
        values.insert(QStringLiteral("Maximised"), false);
        values.insert(QStringLiteral("Tab"), tab);
        return values.toCborValue().toCbor();
    }

    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("Library/Preferences/windowState"));
};

TEST_F(Placement, IsWrittenAtomicallyAndReadBack) {
    const WindowPlacement placement{QRect(-40, 25, 1280, 900), true, 2};
    ASSERT_TRUE(writeWindowPlacement(path, placement));
    EXPECT_EQ(readWindowPlacement(path), placement);
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList{"windowState"})
        << "no temporary file left beside it";
}

TEST_F(Placement, AnythingButAPlacementReadsAsNone) {
    EXPECT_FALSE(readWindowPlacement(path)) << "missing";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    write(map(360, 1));
    EXPECT_TRUE(readWindowPlacement(path));
    write(map(0, 1));
    EXPECT_FALSE(readWindowPlacement(path)) << "an empty window";
    write(map(360, 4));
    EXPECT_FALSE(readWindowPlacement(path)) << "a tab that is not there";
    write(map(360, 1).chopped(3));
    EXPECT_FALSE(readWindowPlacement(path)) << "cut short";
    write(QByteArray("not a placement"));
    EXPECT_FALSE(readWindowPlacement(path));
    write(map(360, 1) + QByteArray(5000, '\0'));
    EXPECT_FALSE(readWindowPlacement(path)) << "larger than a placement can be";
}

TEST(FitToScreen, TheWindowStaysWithinTheAvailableAreaBelowItsTitleBar) {
    const QRect screen(0, 0, 960, 600);  // a 1920 x 1200 screen at scale factor 2
    const QRect fitted = fitToScreen(QRect(280, 0, 400, 720), screen);
    EXPECT_TRUE(screen.contains(fitted));
    EXPECT_EQ(fitted.size(), QSize(400, 560));
    EXPECT_EQ(fitted.top(), 40) << "room for the title bar the desktop adds";
    EXPECT_EQ(fitToScreen(QRect(1800, 900, 400, 300), screen), QRect(560, 300, 400, 300))
        << "moved back onto the screen";
    EXPECT_EQ(fitToScreen(QRect(100, 100, 400, 300), screen), QRect(100, 100, 400, 300));
    EXPECT_EQ(openingFrame(std::nullopt, QSize(400, 300), screen), QRect(280, 150, 400, 300))
        << "the first time in the middle";
    EXPECT_EQ(openingFrame(WindowPlacement{QRect(5, 50, 300, 300), false, 0}, QSize(400, 300),
                           screen),
              QRect(5, 50, 300, 300));
}

}  // namespace
