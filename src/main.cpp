// The program: starts the game with the main menu and runs until the main menu is closed.
#include <QApplication>
#include <QMessageBox>
#include <random>

#include "qt/game.h"
#include "qt/look.h"

namespace {

// One generator, seeded once at start.
class RandomRng : public cv::Rng {
  public:
    RandomRng() : gen_(std::random_device{}()) {}
    int uniform(int lo, int hi) override { return std::uniform_int_distribution<int>(lo, hi)(gen_); }

  private:
    std::mt19937 gen_;
};

class MessageBoxSink : public cv::qt::MessageSink {
  public:
    void showMessage(const QString& text) override {
        QMessageBox::critical(QApplication::activeWindow(), "Cindervale", text);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Cindervale");
    QApplication::setQuitOnLastWindowClosed(false);
    cv::qt::applyLook();

    RandomRng rng;
    MessageBoxSink messages;
    cv::qt::Game::Services services;
    services.rng = &rng;
    services.messages = &messages;
    services.quit = [] { QCoreApplication::quit(); };
    cv::qt::Game game(services);
    return QApplication::exec();
}
