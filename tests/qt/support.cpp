// Helpers for window tests: a whole game on the offscreen platform with scripted services.
#include "support.h"

#include <QApplication>
#include <QTest>

#include "qt/inspect.h"

namespace cv::testqt {

TestGame::TestGame(const QString& assetRoot) {
    qt::Game::Services s;
    s.rng = &rng;
    s.messages = &messages;
    s.fontDialog = &fonts;
    s.quit = [this] { ++quits; };
    s.assetRoot = assetRoot;
    s.realTime = false;
    game = std::make_unique<qt::Game>(s);
    QApplication::processEvents();
}

QWidget* TestGame::control(const QString& window, const QString& name) {
    qt::Form* f = form(window);
    return f ? qt::findControl(f, name) : nullptr;
}

void TestGame::clickAt(QWidget* window, QPoint inWindow) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
    QApplication::processEvents();
}

void TestGame::click(const QString& window, const QString& name) {
    QWidget* w = form(window);
    QWidget* c = control(window, name);
    Q_ASSERT(w && c);
    clickAt(w, c->mapTo(w, c->rect().center()));
}

} // namespace cv::testqt
