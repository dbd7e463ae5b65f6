// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout and texts of the main menu, the credits and the help.
#include "menuform.h"

namespace cv::screens {

Menuform::Menuform() {
    window.caption = "Cindervale: Brassmoth Post Edition";
    window.width = 432;
    window.height = 425;
    window.visible = true;
    const int left = 96;
    BitBtn6.place(left, 200, 241, 24);
    BitBtn6.caption = "Новая игра";
    BitBtn4.place(left, 236, 241, 24);
    BitBtn4.caption = "Авторы";
    BitBtn1.place(left, 272, 241, 24);
    BitBtn1.caption = "Помощь";
    BitBtn3.place(left, 308, 241, 24);
    BitBtn3.caption = "Выход";
}

Auth::Auth() {
    window.caption = "Авторы";
    window.width = 267;
    window.height = 40;
    Label1.place(0, 0, 267, 40);
    Label1.wordWrap = true;
    Label1.font = Font{"MS Sans Serif", 15, true};
    Label1.text = "Графика: Мирела Ковш. Всё остальное: Тимофей Латунин.";
}

namespace {

// The keys, after the two memos of the help.
void addKeys(Help& h) {
    const Font bold{"MS Sans Serif", 15, true};
    h.heading3.place(16, 600, 300, 20);
    h.heading3.font = bold;
    h.heading3.text = "Клавиши";
    h.Memo3.place(16, 622, 760, 200);
    h.Memo3.font = bold;
    h.Memo3.wordWrap = true;
    h.Memo3.text =
        "Главное меню и выбор героини: Tab переходит от кнопки к кнопке, Enter или пробел нажимает её.\n"
        "Игровой экран: 1 … 5 выбирают действие, Enter нажимает «Выбрано»; в разговоре 1 … 4 выбирают "
        "ответ.\n"
        "Карта: Tab и стрелки переходят от места к месту (выбранное обведено зелёной рамкой), Enter входит, "
        "Esc - «Назад».\n"
        "Драка: стрелки вверх и вниз выбирают действие, Enter - «Сделать», а после выбора удара Enter бьёт "
        "по "
        "противнику; E (в русской раскладке У) - «Конец хода».\n"
        "Прицеливание: 1 … 5 выбирают часть тела, Enter - «Бить».\n"
        "Помощь листается стрелками, PgUp, PgDn, Home и End.\n"
        "Esc закрывает инвентарь, Вескарь, окно персонажа, помощь, окно авторов и весь разговор.";
}

} // namespace

Help::Help() {
    window.caption = "Помощь";
    window.width = 800;
    window.height = 600;
    const Font bold{"MS Sans Serif", 15, true};
    ca.place(16, 8, 760, 44);
    ca.font = bold;
    ca.wordWrap = true;
    ca.text = "Это помощь по демо-версии игры \"Cindervale: Brassmoth Post Edition\". Здесь собраны самые "
              "важные сведения о демо-версии и немного о будущей полной версии.";
    heading1.place(16, 58, 300, 20);
    heading1.font = bold;
    heading1.text = "Об Игре";
    Memo1.place(16, 80, 760, 200);
    Memo1.font = bold;
    Memo1.wordWrap = true;
    Memo1.text =
        "Cindervale - это смесь текстового квеста и ролевой игры. Действие происходит в постапокалиптическом "
        "мире, придуманном нами целиком: у игры свой сюжет и свои задания.\n"
        "Правила боя и характеристик персонажа взяты из классической ролевой системы и используются без "
        "изменений.\n"
        "В демо-версии нет большинства применений навыков (работают только воровство, холодное оружие и "
        "рукопашная), прицельной стрельбы и боя двумя оружиями сразу. Всё это появится в полной версии.\n"
        "По нашим прикидкам полная версия будет раз в десять больше демо-версии: около сорока мест и сотни "
        "разговоров. На саму демо-версию ушло около трёх месяцев.";
    heading2.place(16, 290, 300, 20);
    heading2.font = bold;
    heading2.text = "По Игре";
    Memo2.place(16, 312, 760, 280);
    Memo2.font = bold;
    Memo2.wordWrap = true;
    Memo2.text =
        "Кнопка \"Карта\" - главная кнопка игры: она переносит вас из одного места в другое. Если задержать "
        "указатель на месте карты на полсекунды, появится его краткое описание. Войти можно только туда, где "
        "указатель превращается в руку.\n"
        "Придя на место, вы выбираете одно из действий. Если выбранное действие - разговор, игра переходит в "
        "режим беседы. Кнопка просмотра всего разговора под текстом открывает всё, что было сказано в этой "
        "игре.\n"
        "Инвентарь спрашивает, что сделать с вещью: нож берётся в руку, целебная инъекция вкалывается.\n"
        "В окне персонажа меняются только два навыка. Вескарь записывает все задания (часы на нём не "
        "работают).\n"
        "Бой - это отдельный разговор с очками действия, но без анимации и без фона. Расстояние - это число "
        "очков действия между вами и противником; от него же зависит, достанет ли оружие. Так как драться "
        "приходится с одним противником, координата всего одна.";
    addKeys(*this);
}

Fonts::Fonts() {
    window.caption = "fonts";
    window.width = 200;
    window.height = 100;
}

} // namespace cv::screens
