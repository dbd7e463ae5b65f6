// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes each picture in the format its file name asks for, creating folders on the way.
#include "picturesink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pictures {

namespace {

// The layouts' own pictures are compiled into the program as plain pixels, which the resource compiler
// compresses; the program expands each when its window is first shown, cheaper than decoding a picture
// format. A picture of at most 256 colours (all of ours so far) is written as "CVP1", the width, the
// height and the number of colours as 32-bit numbers, the colours, then one byte a pixel; any other as
// "CVR1", the width and the height, then the rows of 32-bit pixels.
bool saveRaw(const QImage& image, const QString& path) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QImage indexed =
        pixels.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (indexed.convertToFormat(QImage::Format_RGB32) == pixels) {
        const QList<QRgb> colours = indexed.colorTable();
        const quint32 head[3] = {static_cast<quint32>(indexed.width()),
                                 static_cast<quint32>(indexed.height()),
                                 static_cast<quint32>(colours.size())};
        const qint64 colourBytes = 4 * colours.size();
        bool ok = file.write("CVP1", 4) == 4 && file.write(reinterpret_cast<const char*>(head), 12) == 12 &&
                  file.write(reinterpret_cast<const char*>(colours.constData()), colourBytes) == colourBytes;
        for (int y = 0; ok && y < indexed.height(); ++y)
            ok = file.write(reinterpret_cast<const char*>(indexed.constScanLine(y)), indexed.width()) ==
                 indexed.width();
        return ok;
    }
    const quint32 size[2] = {static_cast<quint32>(pixels.width()), static_cast<quint32>(pixels.height())};
    bool ok = file.write("CVR1", 4) == 4 && file.write(reinterpret_cast<const char*>(size), 8) == 8;
    for (int y = 0; ok && y < pixels.height(); ++y)
        ok = file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), 4 * pixels.width()) ==
             4 * pixels.width();
    return ok;
}

} // namespace

PictureSink::PictureSink(const QString& outDir, bool dryRun) : outDir_(outDir), dryRun_(dryRun) {}

void PictureSink::put(const QString& name, const QImage& image) {
    QString relativePath = name;
    if (!densitySuffix_.isEmpty()) {
        const int dot = int(name.lastIndexOf('.'));
        relativePath = name.left(dot) + densitySuffix_ + name.mid(dot);
    }
    written_.append(relativePath);
    if (dryRun_) return;
    if (image.isNull()) {
        failures_.append(QStringLiteral("nothing draws %1").arg(relativePath));
        return;
    }

    const QString path = QDir(outDir_).filePath(relativePath);
    const QString suffix = QFileInfo(relativePath).suffix();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        const QString problem = QStringLiteral("cannot create folder %1").arg(folder);
        if (!failures_.contains(problem)) failures_.append(problem);
        return;
    }

    bool saved = false;
    if (suffix == QLatin1String("jpg"))
        saved = image.convertToFormat(QImage::Format_RGB888).save(path, "JPG", 95);
    else if (suffix == QLatin1String("bmp"))
        saved = image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    else if (suffix == QLatin1String("png"))
        saved = image.save(path, "PNG");
    else if (suffix == QLatin1String("raw"))
        saved = saveRaw(image, path);
    else {
        failures_.append(QStringLiteral("unknown picture format for %1").arg(path));
        return;
    }
    if (!saved) failures_.append(QStringLiteral("cannot write %1").arg(path));
}

void PictureSink::writeResourceList(const QString& relativePath, const QString& prefix, bool dense) {
    if (dryRun_) return;
    QString list = QStringLiteral("<RCC>\n  <qresource prefix=\"/%1\">\n").arg(prefix.chopped(1));
    for (const QString& name : written_)
        if (name.startsWith(prefix) && name.contains(QLatin1String("@2x.")) == dense)
            list += QStringLiteral("    <file>%1</file>\n").arg(name.mid(prefix.size()));
    list += QStringLiteral("  </qresource>\n</RCC>\n");
    QFile file(QDir(outDir_).filePath(relativePath));
    // Rewritten only when it changes, so that the resources are not rebuilt for nothing.
    if (file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()) == list) return;
    file.close();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(list.toUtf8()) < 0)
        failures_.append(QStringLiteral("cannot write %1").arg(file.fileName()));
}

} // namespace pictures
