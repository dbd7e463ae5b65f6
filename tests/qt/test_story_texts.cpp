// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the story can put on the game screen, as the scene table, the entry scenes, the victories and
// the conversations leave it, fits its label and runs into no other text, with the second story text at
// both of its places.
#include <QTest>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "game/dialogue/conversations.h"
#include "game/story/gamescreen.h"
#include "game/story/map.h"
#include "game/story/scenes.h"
#include "game/story/victory.h"
#include "support.h"

using namespace cv;

namespace {

// What a handler leaves on the game screen along one way through its effects.
struct Shown {
    std::string m1, m2, rep;
    std::array<std::string, 5> a;
    bool dialogue = false;
};

// Every way through the effects from `at` on: each branch of a condition, a check or a theft is a way.
void ways(const fx::Effects& effects, std::size_t at, Shown s, const std::function<void(const Shown&)>& out) {
    for (; at < effects.size(); ++at) {
        const fx::Effect& e = effects[at];
        if (const auto* text = fx::as<fx::Text>(e)) {
            if (text->where == fx::Where::Story) (text->n == 1 ? s.m1 : s.m2) = text->text;
            if (text->where == fx::Where::Partner) s.rep = text->text;
            if (text->where == fx::Where::Answer) s.a.at(static_cast<std::size_t>(text->n - 1)) = text->text;
        } else if (const auto* go = fx::as<fx::Go>(e)) {
            if (go->place == fx::Place::Dialogue) {
                s.dialogue = true;
                s.rep.clear();
            }
            if (go->place == fx::Place::Choices) {
                s.dialogue = false;
                s.a[0] = s.a[1] = s.a[2] = "";
            }
        } else if (const auto* say = fx::as<fx::Say>(e)) {
            s.rep = say->texts[0];
            for (std::size_t i = 0; i < 5; ++i)
                s.a[i] = say->texts[i + 1];
        }
        const auto branches = fx::branchesOf(e);
        if (branches.empty()) continue;
        // Each branch of a condition or a roll is a way, going on with what follows.
        for (const fx::Effects* branch : branches) {
            fx::Effects rest(*branch);
            rest.insert(rest.end(), effects.begin() + static_cast<long>(at) + 1, effects.end());
            ways(rest, 0, s, out);
        }
        return;
    }
    out(s);
}

} // namespace

class StoryTextsTest : public QObject {
    Q_OBJECT
  private slots:
    void everyStoryTextFitsWithTheOthers() {
        testqt::TestGame t;
        t.newGame();
        std::vector<Shown> all;
        auto collect = [&all](const Shown& s) { all.push_back(s); };
        for (int location = 1; location <= kLocationCount; ++location)
            ways(entryScene(location), 0, {}, collect);
        for (const SceneRow& row : allScenes())
            ways(row.effects, 0, {}, collect);
        for (int fight = 1; fight <= 3; ++fight)
            ways(victoryOutcome(fight), 0, {}, collect);
        // An answer leaves the story texts of the scene before it: the longest pair stands there.
        Shown talking;
        talking.dialogue = true;
        for (const TalkEntry& entry : allTalk())
            ways(entry.effects, 0, talking, collect);
        QVERIFY(all.size() > 150); // the walk reached the tables

        QStringList faults;
        for (const int m2Top : {120, 80}) {
            for (const Shown& s : all) {
                t.game->dispatcher().run([&s, m2Top](World& w) {
                    auto& g = w.Gameform;
                    g.m2.top = m2Top;
                    g.m1.text = fx::withName(w, s.m1);
                    g.m2.text = fx::withName(w, s.m2);
                    g.choose.visible = g.ready.visible = !s.dialogue;
                    // In choice mode the panel lies over the partner's line and the answers.
                    g.rep.text = s.dialogue ? fx::withName(w, s.rep) : "";
                    for (std::size_t i = 0; i < 5; ++i)
                        g.a[i].text = s.dialogue ? fx::withName(w, s.a[i]) : "";
                });
                for (const QString& f : testqt::textLayoutFaults(t.form("Gameform"), false))
                    faults << QString("m2 at %1: %2").arg(m2Top).arg(f);
            }
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }
};

CINDERVALE_QT_TEST_MAIN(StoryTextsTest)

#include "test_story_texts.moc"
