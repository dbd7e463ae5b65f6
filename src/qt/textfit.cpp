// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Texts drawn in the stand-in fonts: the size that keeps a text inside its label or button.
#include "textfit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>

#include "look.h"

namespace cv::qt {

namespace {

void setTextColor(QWidget* w, const Color& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, toQColor(c));
    p.setColor(QPalette::Text, toQColor(c));
    // The style sheet names no colour for texts, so the palette's holds.
    w->setPalette(p);
}

// Whether a one-line text drawn in `font`, centred on the label's height, is drawn whole inside it.
bool inkFits(const QLabel* w, const QString& text, const QFont& font) {
    const QFontMetrics fm(font);
    const QRect box = w->contentsRect();
    // Most texts fit by their line alone; only a tight one needs its glyphs measured.
    if (fm.horizontalAdvance(text) <= box.width() && fm.ascent() + fm.descent() <= box.height()) return true;
    const int baseline = box.top() + (box.height() - fm.ascent() - fm.descent()) / 2 + fm.ascent();
    const QRect ink = fm.tightBoundingRect(text).translated(box.left(), baseline);
    return box.contains(ink);
}

// The layout's fonts are those of another system; the faces standing in for them here draw larger. A
// text is drawn at its layout size, or at the largest smaller size that keeps it inside its label (a
// wrapped one within the label's height), so that no text runs into its neighbour or is cut off.
QFont fittedFont(const QLabel* w, const QString& text, QFont font) {
    if (text.isEmpty()) return font;
    const QRect box = w->contentsRect();
    auto at = [font](int size) {
        QFont f = font;
        f.setPixelSize(size);
        return f;
    };
    if (w->wordWrap()) {
        // A wrapped text keeps to the lines its label has room for.
        font.setPixelSize(largestFittingSize(font.pixelSize(), [&](int size) {
            return QFontMetrics(at(size))
                       .boundingRect(QRect(0, 0, box.width(), 100000), Qt::TextWordWrap, text)
                       .height() <= box.height();
        }));
        return font;
    }
    font.setPixelSize(
        largestFittingSize(font.pixelSize(), [&](int size) { return inkFits(w, text, at(size)); }));
    return font;
}

} // namespace

int largestFittingSize(int size, const std::function<bool(int)>& fits) {
    if (size <= 7 || fits(size)) return size;
    // `above` does not fit; `below` fits, or is 7, which is taken when nothing larger fits. A text takes
    // more room the larger its font, so the interval between them can be halved.
    int below = 7, above = size;
    while (above - below > 1) {
        const int middle = below + (above - below) / 2;
        (fits(middle) ? below : above) = middle;
    }
    return below;
}

void syncText(QLabel* w, const QString& text, const Font& font, const Color& color) {
    if (w->text() != text) w->setText(text);
    // The fitting is measured again only when the text, the font or the room of the label changes.
    const QString key = text + '|' + QString::fromStdString(font.family) + '|' +
                        QString::number(font.pixelSize) + (font.bold ? "b|" : "|") +
                        QString::number(w->contentsRect().width()) + 'x' +
                        QString::number(w->contentsRect().height()) + (w->wordWrap() ? "w" : "");
    if (w->property("fitKey").toString() != key) {
        w->setProperty("fitKey", key);
        const QFont f = fittedFont(w, text, toQFont(font));
        if (w->font() != f) w->setFont(f);
    }
    // Bright green is the palette's own; other colours are set on the label.
    const QString colour = toQColor(color).name();
    const QVariant before = w->property("color");
    if ((before.isValid() || !(color == brightGreen)) && before.toString() != colour) {
        w->setProperty("color", colour);
        setTextColor(w, color);
    }
}

void syncCaption(QAbstractButton* w, const QString& text) {
    if (w->text() == text) return;
    w->setText(text);
    QFont f = w->font();
    f.setBold(true);
    if (f.pixelSize() <= 0) f.setPixelSize(12);
    f.setPixelSize(largestFittingSize(f.pixelSize(), [&](int size) {
        QFont sized = f;
        sized.setPixelSize(size);
        return QFontMetrics(sized).horizontalAdvance(text) + 12 <= w->width();
    }));
    w->setFont(f);
}

} // namespace cv::qt
