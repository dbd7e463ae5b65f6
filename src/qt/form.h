// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Base of every screen's window: builds controls from the core's models and copies the models onto them.
#pragma once

#include <QMainWindow>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include <QPushButton>
#include <QRadioButton>

#include "dispatcher.h"
#include "game/state/screens/createform.h"
#include "widgets.h"

class QAction;
class QLineEdit;
class QComboBox;
class QFrame;

namespace cv::qt {

class PictureLoader;

// The size a text is drawn at: `size` where it fits, else the largest smaller size that fits, and never
// below 7 pixels (7 when nothing larger fits), found by halving.
int largestFittingSize(int size, const std::function<bool(int)>& fits);

// How a window sits on the desktop: centred at its layout's size; maximized with its layout centred on
// black; maximized with its controls laid out over the width it has.
enum class Placement { Centred, MaximizedCentred, Maximized };

// What a window's frame carries, as its screen has it: nothing (a borderless screen), a title bar with its
// caption alone, or a title bar with a close box as well. The game draws its title bars itself: a window
// manager's own would add minimise and maximise boxes that do nothing for a fixed screen, or hide a screen
// the game waits on.
enum class Frame { None, Title, TitleClose };

// A screen of its own, or a window shown over the screen it serves: for the desktop, a dialog of that
// screen's, which it keeps above the screen whatever is clicked.
enum class Role { Screen, Secondary };

class Form : public QMainWindow {
    Q_OBJECT
  public:
    // `captionPicture` names a layout picture with the title bar's caption painted in (the main menu's).
    Form(Dispatcher& dispatcher, PictureLoader& pictures, Window& model, const QString& name, Role role,
         Frame frame, Placement placement = Placement::Centred, const QString& captionPicture = {});

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

  protected:
    // Builders: each makes the widget named after its control, places it and keeps it in step with the model.
    ClickLabel* label(Label& m, const QString& name, QWidget* parent = nullptr);
    ClickLabel* valueLabel(NumberLabel& m, const QString& name, QWidget* parent = nullptr);
    // A picture control; `layoutPicture` is a fixed picture of the layout shown until a file is loaded.
    PictureView* picture(Picture& m, const QString& name, const QString& layoutPicture = {},
                         QWidget* parent = nullptr);
    QPushButton* button(Button& m, const QString& name, QWidget* parent = nullptr);
    // A button whose looks are parts of the layout pictures `lit` and `pressed` (see PaintedButton).
    PaintedButton* paintedButton(Button& m, const QString& name, const QString& lit, const QString& pressed);
    // A fixed picture of the layout filling `where`, behind the controls.
    Backdrop* backdrop(const QString& layoutPicture, const QRect& where);
    QRadioButton* radio(RadioButton& m, const QString& name, QWidget* parent = nullptr);
    QLineEdit* edit(Edit& m, const QString& name, QWidget* parent = nullptr);
    QComboBox* combo(ComboBox& m, const QString& name, QWidget* parent = nullptr);
    QFrame* panel(Panel& m, const QString& name, QWidget* parent = nullptr);
    // A list box whose lines run its handler with the line the player picked.
    GameList* list(ListBox& m, const QString& name);

    // Runs a game handler through the dispatcher; a window that takes no input runs none.
    void handle(const std::function<void(World&)>& handler) {
        if (takesInput()) dispatcher_.run(handler);
    }
    // The handler of the player's input at `address` in the game's list of inputs; a window asks for no
    // input the list lacks (that would be a widget the random player never tries).
    std::function<void(World&)> inputHandler(const std::string& address);
    // The handler of a click on this window's control `control`.
    std::function<void(World&)> clickHandler(const QString& control);
    // Wires a widget's click to its control's handler, found by the widget's name.
    void onClick(ClickLabel* w);
    void onClick(QAbstractButton* w);
    // Wires a command of the window's menu, "MENU/COMMAND", to its handler.
    void onMenu(QAction* action, const QString& path);

    // A redraw of the form's own beyond the builders' (widgets it makes itself).
    void addSync(std::function<void()> sync) { syncs_.push_back(std::move(sync)); }
    // The control that takes the keyboard's focus when the window shows, unless one of its own has it.
    void focusFirst(QWidget* w) { firstFocus_ = w; }
    void showEvent(QShowEvent* e) override;
    // What Escape does on this window, as its own close control does; nothing when not set.
    void onEscape(std::function<void(World&)> handler) { escape_ = std::move(handler); }
    void keyPressEvent(QKeyEvent* e) override;
    // The keys of a window's own; true when the key was used.
    virtual bool keyPressed(QKeyEvent*) { return false; }
    World& world() { return dispatcher_.world(); }
    // Whether a control of the model shows and takes a click now.
    static bool usable(const Control& c) { return c.visible && c.enabled; }

    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    // For a window that lays its controls out itself: their places are not copied from the model.
    void ownGeometry() { ownsGeometry_ = true; }
    // Called after every redraw and resize, for a window that lays out its own controls.
    virtual void layOut() {}
    // Where the window goes as it shows.
    virtual void place();
    // What closing the window through its title bar does: a window with a close button is hidden;
    // one without (Alt+F4 still asks) stays, so that no screen the game waits on can vanish.
    virtual void closeRequested(World& w);

    Dispatcher& dispatcher_;
    PictureLoader& pictures_;

  private:
    ClickLabel* newLabel(Control& m, const QString& name, QWidget* parent);
    // Before the window shows: over the screen it serves.
    void takeOwner();
    void showPlaced();
    void track(QWidget* w, Control& m);
    void syncControl(QWidget* w, const Control& m);

    Window& model_;
    Placement placement_;
    Frame frame_;
    QWidget* firstFocus_ = nullptr;
    std::function<void(World&)> escape_;
    bool ownsGeometry_ = false;
    QWidget* holder_ = nullptr; // around the layout of a maximized, centred window
    QWidget* canvas_;
    int raiseSeen_ = 0;
    bool placed_ = false;
    std::vector<std::function<void()>> syncs_;
    std::unordered_map<QWidget*, std::string> hints_;
    struct Stacked {
        QWidget* widget;
        const Control* model;
    };
    std::vector<Stacked> stacked_;
    std::vector<QWidget*> stackOrder_;
};

} // namespace cv::qt
