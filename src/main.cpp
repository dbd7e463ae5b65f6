// The program: starts the game with the main menu and runs until the main menu is closed.
#include <QApplication>

#include "qt/program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Cindervale");
    return cv::qt::runProgram();
}
