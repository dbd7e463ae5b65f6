// The game screen's window: story text, choices, conversation lines, side buttons and the menu bar.
#include "gameform.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QRadioButton>

#include "game/dialogue/conversations.h"
#include "game/shell/shell.h"
#include "game/story/gamescreen.h"
#include "game/story/storylog.h"

namespace cv::qt {

TGameform::TGameform(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().Gameform.window, "Gameform", Qt::Window | Qt::FramelessWindowHint,
           Placement::MaximizedCentred) {
    auto& g = d.world().Gameform;
    picture(g.fon, "fon");
    label(g.m1, "m1")->setProperty("announce", true);
    label(g.m2, "m2")->setProperty("announce", true);
    // The partner's line lies under the choice panel, which hides it in choice mode.
    label(g.rep, "rep")->setProperty("announce", true);
    QFrame* choose = panel(g.choose, "choose");
    label(g.Label1, "Label1", choose);
    for (int i = 0; i < 5; ++i) {
        QRadioButton* c = radio(g.c[i], QString("c%1").arg(i + 1), choose);
        c->setFont([] {
            QFont f("MS Sans Serif");
            f.setPixelSize(13);
            f.setBold(true);
            return f;
        }());
        onClick(c, [i](World& w) { choiceClick(w, i + 1); });
    }
    onClick(button(g.ready, "ready"), readyClick);
    // a1 .. a4 answer; a5 takes no click.
    const std::function<void(World&)> answers[4] = {answer1, answer2, answer3, answer4};
    for (int i = 0; i < 5; ++i) {
        ClickLabel* a = label(g.a[i], QString("a%1").arg(i + 1));
        if (i < 4) onClick(a, answers[i]);
    }
    onClick(picture(g.pros, "pros", "pros"), prosClick);
    onClick(button(g.mapb, "mapb"), mapbClick);
    onClick(button(g.BitBtn2, "BitBtn2"), characterClick);
    onClick(button(g.BitBtn3, "BitBtn3"), veskClick);
    onClick(button(g.BitBtn1, "BitBtn1"), inventoryClick);

    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenu1");
    QMenu* game = bar->addMenu("Игра");
    game->addAction("Сохранить")->setEnabled(false);
    game->addAction("Загрузить")->setEnabled(false);
    connect(game->addAction("Выход"), &QAction::triggered, this, [this] { handle(exitClick); });
    QMenu* window = bar->addMenu("Окно");
    connect(window->addAction("Шрифт"), &QAction::triggered, this, [this] { handle(fontMenuClick); });
    QMenu* help = bar->addMenu("Помощь!!!");
    connect(help->addAction("Помощь!!!"), &QAction::triggered, this, [this] { handle(helpClick); });
    setMenuBar(bar);
}

bool TGameform::keyPressed(QKeyEvent* e) {
    const auto& g = world().Gameform;
    const int digit = e->key() - Qt::Key_0;
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (g.choose.visible) {
        if (digit >= 1 && digit <= 5 && usable(g.c[static_cast<std::size_t>(digit - 1)])) {
            handle([digit](World& w) { choiceClick(w, digit); });
            return true;
        }
        if (enter && usable(g.ready)) {
            handle(readyClick);
            return true;
        }
        return false;
    }
    if (digit >= 1 && digit <= 4 && g.a[static_cast<std::size_t>(digit - 1)].visible) {
        const std::function<void(World&)> answers[4] = {answer1, answer2, answer3, answer4};
        handle(answers[digit - 1]);
        return true;
    }
    return false;
}

} // namespace cv::qt
