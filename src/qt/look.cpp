// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's look: converting the core's colours and fonts, and the green-on-black style sheet.
#include "look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QProxyStyle>
#include <QResource>
#include <QStyleFactory>
#include <QTranslator>
#include <cstring>

namespace cv::qt {

namespace {

// Expands a layout picture as the picture maker writes it (compressed by the resource compiler): "CVP1",
// width, height, colour count, the colours and a byte a pixel; or "CVR1", width, height and 32-bit pixels.
QImage expandLayoutPicture(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid()) return {};
    const QByteArray data = resource.uncompressedData();
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    quint32 head[3] = {};
    if (data.size() >= 16 && data.startsWith("CVP1")) {
        std::memcpy(head, bytes + 4, sizeof head);
        const qint64 colours = head[2], pixels = qint64(head[0]) * head[1];
        if (colours > 256 || data.size() < 16 + 4 * colours + pixels) return {};
        QList<QRgb> table(colours);
        std::memcpy(table.data(), bytes + 16, 4 * colours);
        QImage indexed(bytes + 16 + 4 * colours, int(head[0]), int(head[1]), int(head[0]),
                       QImage::Format_Indexed8);
        indexed.setColorTable(table);
        return indexed.convertToFormat(QImage::Format_RGB32);
    }
    if (data.size() >= 12 && data.startsWith("CVR1")) {
        std::memcpy(head, bytes + 4, 2 * sizeof(quint32));
        if (data.size() < 12 + qint64(head[0]) * head[1] * 4) return {};
        return QImage(bytes + 12, int(head[0]), int(head[1]), int(head[0]) * 4, QImage::Format_RGB32).copy();
    }
    return {};
}

} // namespace

QImage layoutImage(const QString& name) {
    // A high-density screen gets the picture drawn at twice the density.
    if (qApp->devicePixelRatio() > 1.0) {
        QImage dense = expandLayoutPicture(":/layout/" + name + "@2x.raw");
        if (!dense.isNull()) {
            dense.setDevicePixelRatio(2);
            return dense;
        }
    }
    return expandLayoutPicture(":/layout/" + name + ".raw");
}

QPixmap layoutPixmap(const QString& name) {
    return QPixmap::fromImage(layoutImage(name));
}

QColor toQColor(const Color& c) {
    return QColor(c.r, c.g, c.b);
}

QFont toQFont(const Font& f) {
    QFont font(QString::fromStdString(f.family));
    font.setPixelSize(f.pixelSize);
    font.setBold(f.bold);
    return font;
}

Font fromQFont(const QFont& f) {
    Font font;
    font.family = f.family().toStdString();
    font.pixelSize = f.pixelSize() > 0 ? f.pixelSize() : static_cast<int>(f.pointSizeF() * 96.0 / 72.0 + 0.5);
    font.bold = f.bold();
    return font;
}

QFont standInFont(const Font& f) {
    QFont font = toQFont(f);
    font.setFamily(QFontInfo(font).family());
    for (const QString& style : QFontDatabase::styles(font.family()))
        if (QFontDatabase::bold(font.family(), style) == font.bold() &&
            !QFontDatabase::italic(font.family(), style)) {
            font.setStyleName(style);
            break;
        }
    return font;
}

namespace {

// Hints appear after the pointer rests half a second; Alt leads to the menu bar.
class GameStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 500;
        // Alt takes the keyboard to the menu bar, so that its commands are reached without the mouse.
        if (hint == SH_MenuBar_AltKeyNavigation) return 1;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

const char* kStyleSheet = R"(
QWidget { background-color: black; }
QLabel { background: transparent; }
QFrame[seeThrough="true"] { background: transparent; }
QFrame#pric { border: 2px solid #00ff00; }
QPushButton[warning="true"] { color: #ff0000; border-color: #ff0000; }
QPushButton {
    background-color: black; color: #00ff00; font-weight: bold;
    border: 2px solid #00ff00; border-radius: 3px; padding: 1px 4px;
}
QPushButton:hover { background-color: #003000; }
QPushButton:pressed { background-color: #008000; color: black; }
QPushButton:disabled { color: #006000; border-color: #004000; }
QRadioButton { background: transparent; color: #00ff00; }
QRadioButton::indicator { width: 10px; height: 10px; border: 2px solid #00ff00; border-radius: 7px; }
QRadioButton::indicator:checked { background-color: #00ff00; }
QLineEdit, QComboBox, QListWidget, QTextEdit {
    background-color: black; color: #00ff00; border: 1px solid #008000; font-weight: bold;
}
QLineEdit:read-only { color: #00c000; }
QComboBox:disabled, QLineEdit:disabled { color: #008000; }
QAbstractItemView { background-color: black; color: #00ff00; selection-background-color: #008000;
                    selection-color: black; }
QMenuBar { background-color: black; color: #00ff00; font-weight: bold; }
QMenuBar::item:selected { background-color: #008000; color: black; }
QMenu { background-color: black; color: #00ff00; border: 1px solid #00ff00; }
QMenu::item:selected { background-color: #008000; color: black; }
QMenu::item:disabled { color: #006000; }
QToolTip { background-color: black; color: #00ff00; border: 1px solid #00ff00; }
QPlainTextEdit { background: transparent; color: #00ff00; selection-background-color: #008000;
                 selection-color: black; }
QScrollBar:vertical { background: black; width: 12px; margin: 12px 0; border: 1px solid #008000; }
QScrollBar::handle:vertical { background: #00c000; min-height: 24px; margin: 1px; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical {
    background: black; border: 1px solid #008000; height: 11px; subcontrol-origin: margin; }
QScrollBar::sub-line:vertical { subcontrol-position: top; }
QScrollBar::add-line:vertical { subcontrol-position: bottom; }
QScrollBar::up-arrow:vertical, QScrollBar::down-arrow:vertical {
    width: 5px; height: 5px; background: #00ff00; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }
)";

} // namespace

void applyLook() {
    // The layout asks for fonts that Linux machines rarely have; fall back to fonts with Cyrillic letters.
    QFont::insertSubstitutions("MS Sans Serif", {"DejaVu Sans Condensed", "DejaVu Sans", "Liberation Sans",
                                                 "FreeSans", "Sans Serif"});
    QFont::insertSubstitutions("Times New Roman", {"DejaVu Serif", "Liberation Serif", "FreeSerif", "Serif"});
    QApplication::setStyle(new GameStyle(QStyleFactory::create("Fusion")));
    // Texts take their colours from the palette: bright green on black, dimmer when disabled.
    QPalette palette = QApplication::palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::BrightText, QPalette::ToolTipText, QPalette::PlaceholderText})
        palette.setColor(role, QColor(0, 255, 0));
    for (QPalette::ColorRole role :
         {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button, QPalette::ToolTipBase})
        palette.setColor(role, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0, 96, 0));
    palette.setColor(QPalette::Highlight, QColor(0, 128, 0));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    QApplication::setPalette(palette);
}

void ensureStyleSheet() {
    if (qApp->styleSheet().isEmpty()) qApp->setStyleSheet(kStyleSheet);
    installTranslations();
}

void installTranslations() {
    static QTranslator translator;
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    if (translator.load(QLocale(QLocale::Russian, QLocale::Russia), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}

} // namespace cv::qt
