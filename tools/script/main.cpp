// cindervale-script: plays a script of clicks and checks on the game's real windows, headless.
#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "player.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QString assets, file;
    const QStringList args = QApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--assets" && i + 1 < args.size())
            assets = args[++i];
        else if (args[i] == "--help" || args[i] == "-h") {
            std::printf("usage: cindervale-script [--assets DIR] [FILE]\n");
            return 0;
        } else if (file.isEmpty() && !args[i].startsWith("--"))
            file = args[i];
        else {
            std::fprintf(stderr, "cindervale-script: unexpected argument '%s'\n",
                         args[i].toUtf8().constData());
            return 2;
        }
    }

    QFile input;
    if (file.isEmpty()) {
        if (!input.open(stdin, QIODevice::ReadOnly)) return 2;
    } else {
        input.setFileName(file);
        if (!input.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cindervale-script: cannot read %s\n", file.toUtf8().constData());
            return 2;
        }
    }
    QTextStream in(&input);
    in.setEncoding(QStringConverter::Utf8);
    cv::script::Player player(assets);
    return player.run(in);
}
