// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Base of every screen's window: builds a widget for each control its screen declares, names it after the
// control and wires it to the control's input, copies the models onto the widgets, and sits on the desktop
// as its screen has it.
#pragma once

#include <QMainWindow>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "dispatcher.h"
#include "game/state/screen.h"
#include "widgets.h"

namespace cv::qt {

class PictureLoader;

// How a window sits on the desktop: centred at its layout's size; maximized with its layout centred on
// black; maximized with its controls laid out over the width it has.
enum class Placement { Centred, MaximizedCentred, Maximized };

class Form : public QMainWindow {
    Q_OBJECT
  public:
    // `captionPicture` names a layout picture with the title bar's caption painted in (the main menu's).
    Form(Dispatcher& dispatcher, PictureLoader& pictures, Screen& screen,
         Placement placement = Placement::Centred, const QString& captionPicture = {});

    // Copies the window's model and every control's model onto the widgets.
    void sync();
    // Whether the window takes input now. A window the game disables keeps its look and only stops
    // taking input; its controls look disabled only where they are disabled themselves.
    bool takesInput() const { return model_.enabled; }
    // The player clicked or pressed a key on this window while it took no input: the game brings up the
    // window it waits on.
    void inputBlocked();
    const Window& model() const { return model_; }
    QWidget* canvas() const { return canvas_; }
    // The widget of a control of the window's screen; nullptr for one it lacks.
    QWidget* widget(const Control& c) const;

  protected:
    // Builds the widget of every control the screen declares, in the order the screen lays them out, each
    // named after its control and wired to its input. `make` gives a control a widget of the window's own
    // kind where it returns one (the main menu's painted buttons, the story log's text).
    using Maker = std::function<QWidget*(const ControlEntry& entry, QWidget* parent)>;
    void build(const Maker& make = {});
    template <class W> W* widgetAs(const Control& c) const { return static_cast<W*>(widget(c)); }
    // Does what the player's input on the control does (a key standing for a click).
    void run(const Control& c);
    // Runs a game handler through the dispatcher; a window that takes no input runs none.
    void handle(const Handler& handler) {
        if (takesInput() && handler) dispatcher_.run(handler);
    }
    // A fixed picture of the layout filling `where`, behind the controls.
    Backdrop* backdrop(const QString& layoutPicture, const QRect& where);
    // A redraw of the form's own beyond the controls' (widgets it keeps up itself).
    void addSync(std::function<void()> sync) { syncs_.push_back(std::move(sync)); }
    // Called first at every redraw, for a window that prepares its controls' room.
    virtual void beforeSync() {}
    // What Escape does on this window, as its own close control does; nothing when not set.
    void onEscape(Handler handler) { escape_ = std::move(handler); }
    // The control that takes the keyboard's focus whenever the window opens: its first useful one.
    void focusFirst(QWidget* w) {
        firstFocus_ = [w] { return w; };
    }
    void focusFirst(std::function<QWidget*()> first) { firstFocus_ = std::move(first); }
    // A control that takes the focus when it comes into view (the victory's button).
    void focusWhenShown(const Control& c);

    // How a new text reaches screen readers: the focus moves to it, or (where the focus must stay, as on a
    // fight's list) it passes as a notification.
    enum class Speech { ByFocus, Notice };
    // The text is spoken whenever what the readers read of it changes and it shows.
    void speaks(const Control& text, Speech how);
    // Screen readers read the figure `shown` as one phrase; its other parts are kept off the bus.
    void readAs(const Control& shown, std::vector<const Control*> parts, std::function<QString()> phrase);
    // A passing message for screen readers; one that comes as the window opens waits until the window has
    // the keyboard, so that the readers say the window first.
    void say(const QString& text);
    // The keys of a window's own; true when the key was used.
    virtual bool keyPressed(QKeyEvent*) { return false; }
    World& world() { return dispatcher_.world(); }
    // Whether a control of the model shows and takes a click now.
    static bool usable(const Control& c) { return c.visible && c.enabled; }
    // For a window that lays its controls out itself: their places are not copied from the model.
    void ownGeometry() { ownsGeometry_ = true; }
    // Called after every redraw and resize, for a window that lays out its own controls.
    virtual void layOut() {}
    // Where the window goes as it shows.
    virtual void place();

    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

    Dispatcher& dispatcher_;
    PictureLoader& pictures_;

  private:
    // The builders, one for each kind of control (builders.cpp).
    QWidget* makeWidget(const ControlEntry& e, QWidget* parent);
    QWidget* makeLabel(Label& m, QWidget* parent);
    QWidget* makeNumber(NumberLabel& m, QWidget* parent);
    QWidget* makePicture(Picture& m, QWidget* parent);
    QWidget* makeButton(Button& m, QWidget* parent);
    QWidget* makeRadio(RadioButton& m, QWidget* parent);
    QWidget* makePanel(Panel& m, QWidget* parent);
    QWidget* makeEdit(Edit& m, const ControlEntry& e, QWidget* parent);
    QWidget* makeCombo(ComboBox& m, const ControlEntry& e, QWidget* parent);
    QWidget* makeList(ListBox& m, QWidget* parent);
    void addCommand(const ControlEntry& e);
    // Wires a widget to its control's click or its list's pick.
    void wire(QWidget* w, const ControlEntry& e);
    // Keeps the widget's place, visibility, enabled state, hint and pointer as its model has them.
    void track(QWidget* w, Control& m);
    void syncControl(QWidget* w, const Control& m);
    // Before the window shows: over the screen it serves.
    void takeOwner();
    void showPlaced();

    void sayWaiting();
    // After a redraw: only what shows something to press is reached by Tab.
    void reachable();
    // After a redraw: the texts spoken, the focus given, the gate told.
    void speakChanges(bool opening);

    Screen& screen_;
    Window& model_;
    Placement placement_;
    std::function<QWidget*()> firstFocus_;
    struct Spoken {
        QWidget* widget;
        const Control* model;
        Speech how;
        QString seen;
    };
    std::vector<Spoken> spoken_;
    std::vector<std::pair<QWidget*, const Control*>> focusWhenShown_;
    std::vector<bool> shownSeen_;
    QStringList waiting_; // messages held until the opening window has the keyboard
    bool gateSeen_ = true;
    Handler escape_;
    bool ownsGeometry_ = false;
    QWidget* holder_ = nullptr; // around the layout of a maximized, centred window
    QWidget* canvas_;
    int raiseSeen_ = 0;
    bool placed_ = false;
    std::vector<std::function<void()>> syncs_;
    std::unordered_map<const Control*, QWidget*> widgets_;
    std::unordered_map<QWidget*, std::string> hints_;
    struct Stacked {
        QWidget* widget;
        const Control* model;
    };
    std::vector<Stacked> stacked_;
    std::vector<QWidget*> stackOrder_;
};

} // namespace cv::qt
