// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows of the character: the ready-made character screen and the creation screen / character sheet.
#include "characterforms.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace cv::qt {

namespace {
QString name(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}
} // namespace

Tcreatef::Tcreatef(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().createf.window, "createf", Role::Screen, Frame::Title) {
    auto& f = d.world().createf;
    picture(f.Image2, "Image2", "createf");
    picture(f.Image1, "Image1", "portrait");
    label(f.k, "k");
    for (int i = 0; i < 7; ++i) {
        label(f.statCaption[i], QString("Label%1").arg(i + 1));
        label(f.statValue[i], QString("Label%1").arg(i + 8));
        label(f.lineCaption[i], QString("Label%1").arg(i + 15));
        label(f.lineValue[i], QString("Label%1").arg(i + 22));
    }
    // Tab goes from button to button, Enter or Space presses the one with the green frame.
    PictureView* take = picture(f.Image4, "Image4", "button");
    focusFirst(take);
    for (PictureView* button : {take, picture(f.Image3, "Image3", "button_off"), picture(f.Image5, "Image5", "button")}) {
        button->setFocusFrame(true);
        onClick(button);
    }
}

Tcreateform::Tcreateform(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().createform.window, "createform", Role::Secondary, Frame::Title) {
    auto& f = d.world().createform;
    // Creation order is the layout's stacking: the sheet's covers lie behind until brought to the front.
    picture(f.main, "main", "createform");
    picture(f.bok1, "bok1", "bok1");
    picture(f.bok2, "bok2", "bok2");
    picture(f.bonusp, "bonusp", "bonusp");
    picture(f.traitsp, "traitsp", "traitsp");

    edit(f.namec, "namec");
    edit(f.age, "age");
    combo(f.sex, "sex");

    // The buttons have no hints; screen readers name them by what they do.
    const char* stats[screens::kStatCount] = {"Сила",     "Точность", "Выносливость", "Интеллект",
                                              "Ловкость", "Удача",    "Обояние"};
    for (int i = 0; i < screens::kStatCount; ++i) {
        picture(f.glyph[i], name(screens::kGlyphNames[i]));
        PictureView* raise = picture(f.raise[i], name(screens::kRaiseNames[i]), "statup");
        raise->setAccessibleName(QString("%1: больше").arg(stats[i]));
        onClick(raise);
        PictureView* lower = picture(f.lower[i], name(screens::kLowerNames[i]), "statdown");
        lower->setAccessibleName(QString("%1: меньше").arg(stats[i]));
        onClick(lower);
    }
    edit(f.cpleft, "cpleft");

    for (int i = 0; i < screens::kDerivedCount; ++i) {
        label(f.derivedCaption[i], QString("dc%1").arg(i + 1));
        valueLabel(f.derived[i], name(screens::kDerivedNames[i]));
    }
    for (int i = 0; i < 7; ++i)
        label(f.status[i], QString("st%1").arg(i + 1));

    for (int k = 0; k < screens::kSkillCount; ++k) {
        const int skill = k + 1;
        onClick(label(f.s[k], QString("s%1").arg(skill)));
        valueLabel(f.skill[k], name(screens::kSkillValueNames[k]));
        label(f.percent[k], QString("pc%1").arg(skill));
        PictureView* tag = picture(f.tagButton[k], name(screens::kTagButtonNames[k]), "tag");
        tag->setAccessibleName("Метка: " + QString::fromStdString(f.s[k].text));
        onClick(tag);
    }
    picture(f.tleft, "tleft");

    for (int n = 0; n < screens::kTraitCount; ++n) {
        const int trait = n + 1;
        label(f.t[n], QString("t%1").arg(trait));
        PictureView* button = picture(f.traitButton[n], name(screens::kTraitButtonNames[n]), "trait");
        button->setAccessibleName("Особенность: " + QString::fromStdString(f.t[n].text));
        onClick(button);
    }

    PictureView* accept = picture(f.Image2, "Image2", "accept");
    accept->setAccessibleName("Готово");
    onClick(accept);
    PictureView* cancel = picture(f.Image1, "Image1", "cancel");
    cancel->setAccessibleName("Отмена");
    onClick(cancel);

    onClick(button(f.kil, "kil"));
    onClick(button(f.kar, "kar"));
    onClick(button(f.bon, "bon"));
    label(f.lb1, "lb1");
    label(f.lb2, "lb2");
    picture(f.select, "select", "marker");
    picture(f.splus, "splus", "plus");
    picture(f.smin, "smin", "minus");
    label(f.scribe, "scribe");
    label(f.lb3, "lb3");
    picture(f.Image3, "Image3");
    // On the sheet, Escape does what its accept does there: the sheet closes and the screens behind take
    // input again.
    closeSheet_ = [accept = clickHandler("Image2")](World& w) {
        if (w.character.characterInPlay == 1) accept(w);
    };
    onEscape(closeSheet_);
}

void Tcreateform::closeRequested(World& w) {
    closeSheet_(w);
}

} // namespace cv::qt
