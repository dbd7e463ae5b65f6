// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a play script and carries out its commands on the game's real windows.
#include "player.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "qt/inspect.h"
#include "qt/program.h"

namespace cv::script {

namespace {

void out(const QString& s) {
    std::printf("%s\n", s.toUtf8().constData());
    std::fflush(stdout);
}

QString oneLine(QString s) {
    return s.replace('\n', "\\n");
}

} // namespace

std::pair<QString, QString> splitWord(const QString& line) {
    const auto [first, rest] = words::splitWord(line.toStdString());
    return {QString::fromStdString(first), QString::fromStdString(rest)};
}

QString textArgument(const QString& rest) {
    return QString::fromStdString(words::textArgument(rest.toStdString()));
}

Player::Player(const QString& assetRoot) : assetRoot_(assetRoot) {
    stepTimer_.setSingleShot(true);
    QObject::connect(&stepTimer_, &QTimer::timeout, [this] { step(); });
}

int Player::run(QTextStream& in) {
    while (!in.atEnd())
        lines_ << in.readLine();
    qt::ProgramOptions options;
    options.rng = &rng_;
    options.messages = &messages_;
    options.fontDialog = &fonts_;
    options.assetRoot = assetRoot_;
    options.realTime = false;
    options.started = [this](qt::Game& game) {
        game_ = &game;
        QApplication::processEvents();
        step();
    };
    options.ended = [this](qt::Game&) {
        if (finished_) return;
        // The game itself ended the loop: what is left of the script checks what the program left behind.
        loopEnded_ = true;
        stepTimer_.stop();
        while (next_ < lines_.size())
            if (!runLine(next_++)) break;
    };
    qt::runProgram(options);
    game_ = nullptr;
    return status_;
}

void Player::step() {
    while (next_ < lines_.size()) {
        const QString t = lines_[next_].trimmed();
        if (t.isEmpty() || t.startsWith('#')) {
            ++next_;
            continue;
        }
        if (!runLine(next_++)) {
            finish(status_);
            return;
        }
        // The next command is the next event, so that a command that ends the program is seen to.
        stepTimer_.start(0);
        return;
    }
    finish(0);
}

void Player::finish(int status) {
    status_ = status;
    finished_ = true;
    QCoreApplication::exit(0);
}

bool Player::runLine(int index) {
    const QString t = lines_[index].trimmed();
    if (t.isEmpty() || t.startsWith('#')) return true;
    const auto [command, rest] = splitWord(t);
    auto failure = execute(command, rest);
    if (!failure) failure = serviceErrors();
    if (!failure) return true;
    out(QString("line %1: %2").arg(index + 1).arg(failure->text));
    status_ = failure->status;
    return false;
}

std::optional<Player::Failure> Player::serviceErrors() {
    if (rng_.error) return Failure{1, *std::exchange(rng_.error, std::nullopt)};
    if (fonts_.error) return Failure{1, *std::exchange(fonts_.error, std::nullopt)};
    return std::nullopt;
}

std::optional<Player::Failure> Player::execute(const QString& command, const QString& rest) {
    if (command == "click") return click(rest);
    if (command == "select") return select(rest);
    if (command == "type") return type(rest);
    if (command == "menu") return menu(rest);
    if (command == "font") return font(rest);
    if (command == "rolls") return rolls(rest, false);
    if (command == "seed") return rolls(rest, true);
    if (command == "broken") return broken(rest);
    if (command == "wait") return wait(rest);
    if (command == "tick") return tick(rest);
    if (command == "print") return print(rest);
    if (command == "expect") return expect(rest);
    if (command == "shot") return shot(rest);
    if (command == "close") return close(rest);
    return Failure{2, "unknown command '" + command + "'"};
}

std::optional<Player::Failure> Player::resolve(const QString& address, QWidget*& window, QWidget*& control) {
    const int dot = address.indexOf('.');
    const QString windowName = dot < 0 ? address : address.left(dot);
    window = game_->form(windowName);
    control = nullptr;
    if (!window) return Failure{2, "unknown window '" + windowName + "'"};
    if (dot < 0) return std::nullopt;
    const QString controlName = address.mid(dot + 1);
    control = qt::findControl(window, controlName);
    if (!control) return Failure{2, "unknown control '" + controlName + "' in window '" + windowName + "'"};
    return std::nullopt;
}

void Player::clickAt(QWidget* window, QWidget* control, QPoint point) {
    // A player's click lands on whatever the window shows there; a hidden or disabled window takes none.
    if (!window->isVisible()) return;
    const QPoint inWindow = control->mapTo(window, point);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
    QApplication::processEvents();
}

std::optional<Player::Failure> Player::click(const QString& rest) {
    QWidget *window, *control;
    if (auto f = resolve(rest.trimmed(), window, control)) return f;
    if (!control) return Failure{2, "click needs WINDOW.CONTROL"};
    QPoint point = control->rect().center();
    if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        // On the caption, where a player aims, not at the middle of a wide button.
        QStyleOptionButton opt;
        opt.initFrom(radio);
        const QRect contents = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, radio);
        point = QPoint(contents.left() + 4, radio->height() / 2);
    }
    clickAt(window, control, point);
    return std::nullopt;
}

std::optional<Player::Failure> Player::select(const QString& rest) {
    const auto [address, n] = splitWord(rest);
    QWidget *window, *control;
    if (auto f = resolve(address, window, control)) return f;
    bool ok = false;
    const int index = n.toInt(&ok);
    if (!control || !ok) return Failure{2, "select needs WINDOW.CONTROL N"};
    if (auto* list = qobject_cast<QListWidget*>(control)) {
        if (index < 0 || index >= list->count())
            return Failure{1, QString("list %1 has no line %2").arg(address).arg(index)};
        QListWidgetItem* item = list->item(index);
        list->scrollToItem(item);
        const QPoint p = list->visualItemRect(item).center();
        clickAt(window, list->viewport(), p);
        return std::nullopt;
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (index < 0 || index >= combo->count())
            return Failure{1, QString("combo box %1 has no item %2").arg(address).arg(index)};
        auto* form = qobject_cast<qt::Form*>(window);
        if (window->isVisible() && (!form || form->takesInput()) && combo->isVisible() && combo->isEnabled())
            combo->setCurrentIndex(index);
        QApplication::processEvents();
        return std::nullopt;
    }
    return Failure{2, address + " is neither a list box nor a combo box"};
}

std::optional<Player::Failure> Player::type(const QString& rest) {
    const auto [address, text] = splitWord(rest);
    QWidget *window, *control;
    if (auto f = resolve(address, window, control)) return f;
    if (!control) return Failure{2, "type needs WINDOW.CONTROL TEXT"};
    const QString value = textArgument(text);
    // Typing needs a control the player can reach.
    auto* form = qobject_cast<qt::Form*>(window);
    const bool reachable =
        window->isVisible() && (!form || form->takesInput()) && control->isVisible() && control->isEnabled();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (reachable && !edit->isReadOnly()) {
            edit->setText(value);
            emit edit->textEdited(value);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (reachable) combo->setEditText(value);
    } else {
        return Failure{2, address + " is not an edit or combo box"};
    }
    QApplication::processEvents();
    return std::nullopt;
}

std::optional<Player::Failure> Player::menu(const QString& rest) {
    const auto [windowName, path] = splitWord(rest);
    QWidget *window, *control;
    if (auto f = resolve(windowName, window, control)) return f;
    auto* bar = window->findChild<QMenuBar*>();
    if (!bar) return Failure{2, "window '" + windowName + "' has no menu"};
    const QStringList captions = textArgument(path).split('/');
    QList<QAction*> actions = bar->actions();
    QAction* found = nullptr;
    for (int i = 0; i < captions.size(); ++i) {
        found = nullptr;
        for (QAction* a : actions)
            if (a->text() == captions[i]) found = a;
        if (!found) return Failure{2, "no menu command '" + captions.mid(0, i + 1).join('/') + "'"};
        if (i + 1 < captions.size()) {
            if (!found->menu()) return Failure{2, "'" + captions[i] + "' is not a menu"};
            actions = found->menu()->actions();
        }
    }
    auto* form = qobject_cast<qt::Form*>(window);
    if (window->isVisible() && (!form || form->takesInput()) && found->isEnabled()) found->trigger();
    QApplication::processEvents();
    return std::nullopt;
}

std::optional<Player::Failure> Player::font(const QString& rest) {
    if (rest.trimmed() == "cancel") {
        fonts_.answer(std::nullopt);
        return std::nullopt;
    }
    const int space = rest.lastIndexOf(' ');
    bool ok = false;
    const int size = space < 0 ? 0 : rest.mid(space + 1).toInt(&ok);
    if (!ok || size <= 0) return Failure{2, "font needs FAMILY SIZE or cancel"};
    Font f;
    f.family = textArgument(rest.left(space).trimmed()).toStdString();
    f.pixelSize = size;
    f.bold = false;
    fonts_.answer(f);
    return std::nullopt;
}

std::optional<Player::Failure> Player::rolls(const QString& rest, bool seed) {
    const QStringList values = rest.split(' ', Qt::SkipEmptyParts);
    if (values.isEmpty() || (seed && values.size() != 1))
        return Failure{2, seed ? "seed needs N" : "rolls needs N ..."};
    for (const QString& v : values) {
        bool ok = false;
        const int n = v.toInt(&ok);
        if (!ok) return Failure{2, "'" + v + "' is not a whole number"};
        if (seed)
            rng_.seed(static_cast<unsigned>(n));
        else
            rng_.queue(n);
    }
    return std::nullopt;
}

std::optional<Player::Failure> Player::broken(const QString& rest) {
    const QString path = rest.trimmed();
    if (path.isEmpty()) return Failure{2, "broken needs FILE"};
    game_->pictures().failNextLoad(path.toStdString());
    return std::nullopt;
}

std::optional<Player::Failure> Player::wait(const QString& rest) {
    bool ok = false;
    const qint64 ms = rest.trimmed().toLongLong(&ok);
    if (!ok || ms < 0) return Failure{2, "wait needs MS"};
    game_->advance(ms);
    QApplication::processEvents();
    return std::nullopt;
}

std::optional<Player::Failure> Player::tick(const QString& rest) {
    const QString address = rest.trimmed();
    Timer* timer = findTimer(game_->world(), address.toStdString());
    if (!timer) return Failure{2, "unknown timer '" + address + "'"};
    if (!game_->tick(*timer)) return Failure{1, "timer " + address + " is not running"};
    QApplication::processEvents();
    return std::nullopt;
}

std::optional<Player::Failure> Player::print(const QString& rest) {
    QWidget *window, *control;
    if (auto f = resolve(rest.trimmed(), window, control)) return f;
    if (control) {
        out(oneLine(qt::describeControl(window, control)));
        return std::nullopt;
    }
    out(oneLine(qt::describeWindow(window)));
    for (QWidget* c : qt::controlsOf(window))
        out(oneLine(qt::describeControl(window, c)));
    return std::nullopt;
}

std::optional<Player::Failure> Player::expect(const QString& rest) {
    const auto [address, more] = splitWord(rest);
    auto mismatch = [](const QString& want, const QString& got) -> std::optional<Failure> {
        if (want == got) return std::nullopt;
        return Failure{1, "expected " + oneLine(want) + ", got " + oneLine(got)};
    };
    if (address == "message")
        return mismatch(textArgument(more), messages_.any ? messages_.last : "(no message)");
    // The program really ended: its event loop returned.
    if (address == "quit") return mismatch(textArgument(more), loopEnded_ ? "1" : "0");

    const auto [property, value] = splitWord(more);
    QWidget *window, *control;
    if (auto f = resolve(address, window, control)) return f;
    const auto got = control ? qt::controlProperty(control, property) : qt::windowProperty(window, property);
    if (!got) return Failure{2, address + " has no property '" + property + "'"};
    return mismatch(textArgument(value), *got);
}

std::optional<Player::Failure> Player::close(const QString& rest) {
    QWidget *window, *control;
    if (auto f = resolve(rest.trimmed(), window, control)) return f;
    if (control) return Failure{2, "close needs WINDOW"};
    // The window's own close button; a window the player cannot see has none to press.
    if (window->isVisible()) window->close();
    QApplication::processEvents();
    return std::nullopt;
}

std::optional<Player::Failure> Player::shot(const QString& rest) {
    const auto [windowName, file] = splitWord(rest);
    QWidget *window, *control;
    if (auto f = resolve(windowName, window, control)) return f;
    if (file.isEmpty()) return Failure{2, "shot needs WINDOW FILE.png"};
    QApplication::processEvents();
    if (!window->grab().save(textArgument(file), "PNG")) return Failure{1, "cannot write " + file};
    return std::nullopt;
}

} // namespace cv::script
