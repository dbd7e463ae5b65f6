// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Plain-data controls and windows: what the player sees and what the rules read back; and how a screen
// declares each of its controls once, for the windows and the players to find them by.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cv {

struct World;

struct Color {
    std::uint8_t r = 0, g = 255, b = 0;
    bool operator==(const Color&) const = default;
};

inline constexpr Color brightGreen{0, 255, 0};
inline constexpr Color darkGreen{0, 128, 0};
inline constexpr Color red{255, 0, 0};
inline constexpr Color navy{0, 0, 128};

struct Font {
    std::string family = "MS Sans Serif";
    int pixelSize = 13;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

enum class Cursor { Arrow, Hand, Cross };

// Common to every control: where it is, whether it shows and takes input, its hint and pointer.
struct Control {
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool enabled = true;
    std::string hint;
    Cursor cursor = Cursor::Arrow;
    // Stacking among siblings: a higher value lies in front. Raised by bringToFront().
    int z = 0;

    void place(int l, int t, int w, int h) { left = l, top = t, width = w, height = h; }
};

struct Label : Control {
    std::string text;
    Color color = brightGreen;
    Font font;
    bool wordWrap = false;
    // What a screen reader reads while the label shows no text: the words for what an empty text tells a
    // sighted player (the story's end at the bridge). Never drawn.
    std::string reading;
};

// A one-line label of the layout: its place, text, colour and font.
inline Label makeLabel(int left, int top, int width, int height, std::string text, Color color, Font font) {
    Label l;
    l.place(left, top, width, height);
    l.text = std::move(text);
    l.color = color;
    l.font = std::move(font);
    return l;
}

// A label that shows a whole number; the number is the model, its decimal text is what is drawn.
struct NumberLabel : Control {
    int value = 0;
    Color color = brightGreen;
    Font font;
};

// A picture control; `picture` is the file last loaded into it, relative to the asset root, and `layout`
// the fixed picture of the layout it shows until one is.
struct Picture : Control {
    std::string picture;
    std::string layout;
    // What a screen reader names a picture the player can click, where its hint is not what the player
    // sees or does not tell it from another: the caption painted beside it, or which of two like places.
    std::string spoken;
};

struct Button : Control {
    std::string caption;
};

struct RadioButton : Control {
    std::string caption;
    bool checked = false;
};

struct Panel : Control {};

struct Edit : Control {
    std::string text;
    bool readOnly = false;
    std::string title; // what a screen reader calls the box
};

struct ComboBox : Control {
    std::string text;
    std::vector<std::string> items;
    std::string title; // what a screen reader calls the box
};

// A text that only grows: lines are added at its end, or all of them emptied at once (`cleared` counts
// that), so that a window adds what is new instead of drawing the whole text again.
struct LogText : Control {
    std::vector<std::string> lines;
    int cleared = 0;
    Color color = brightGreen;
    Font font;
};

struct ListBox : Control {
    std::vector<std::string> items;
    int selected = -1;
    // What a screen reader calls the list; nothing on the screen names it.
    std::string title;
};

// A timer of the game's virtual clock. It ticks every `interval` ms while running.
struct Timer {
    int interval = 0;
    bool running = false;
    std::int64_t due = 0;       // virtual time of the next tick
    std::int64_t startedAt = 0; // when its due time was set: ticks due together run in that order
};

using Handler = std::function<void(World&)>;

// What a window's frame carries: nothing (a borderless screen), a title bar with its caption alone, or a
// title bar with a close box as well.
enum class Frame { None, Title, TitleClose };

// State of a whole window.
struct Window {
    std::string name; // as the program and play scripts know the window
    std::string caption;
    Frame frame = Frame::None;
    // Shown over the screen it serves rather than as a screen of its own; a desktop keeps it above that.
    bool overOthers = false;
    // What closing the window by its frame does (the binding gives it); nothing when empty.
    Handler close;
    bool visible = false;
    bool enabled = true;
    int width = 0, height = 0; // client area
    // Counts requests to bring the window up; the window layer raises it when this changes.
    int raiseRequests = 0;
    // The screen this window serves while it is shown (the one it disables or opens over), or nullptr
    // for a screen of its own; a desktop keeps the window above its owner.
    const Window* owner = nullptr;
};

// The kinds of control a screen declares; the windows build each as its kind says.
enum class Kind { Label, Number, Picture, Button, Radio, Panel, Edit, Combo, List, Log, Command };

// One control of a screen, declared once: its name (the widget's, and a play script's WINDOW.CONTROL), its
// kind and its model, the panel it lies in and a cover that may lie over it. The binding gives it what a
// player's input on it runs: a click (or the command of a menu), the pick of a list's line, typing.
struct ControlEntry {
    std::string name;
    Kind kind = Kind::Label;
    Control* control;
    const Control* panel = nullptr;
    const Control* cover = nullptr;
    Handler click;
    std::function<void(World&, int)> pick;
    std::function<void(World&, const std::string&)> type;
    bool quits = false; // the input ends the program
};

} // namespace cv
