// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes the game's picture files below the asset root, chosen by extension, with a cache.
#include "pictureloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

namespace cv::qt {

PictureLoader::PictureLoader(QString assetRoot) : root_(std::move(assetRoot)) {}

QString PictureLoader::defaultAssetRoot() {
    // Beside the program in the build folder; once installed, where the install puts the game's data,
    // given relative to the program's folder so that any prefix will do.
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QStringList candidates{exeDir + "/assets", exeDir + "/" CINDERVALE_DATA_FROM_PROGRAM "/assets"};
    for (const QString& c : candidates)
        if (QFileInfo(c).isDir()) return QDir(c).canonicalPath();
    return candidates.front();
}

QString PictureLoader::resolve(const QString& relative) const {
    QString current = root_;
    const QStringList parts = QString(relative).replace('\\', '/').split('/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QDir dir(current);
        if (dir.exists(part)) {
            current = dir.filePath(part);
            continue;
        }
        QString match;
        for (const QString& entry : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        current = dir.filePath(match.isEmpty() ? part : match);
    }
    return current;
}

namespace {

// Reads the file's header far enough to know that it is a picture of its kind with a size: what a load
// needs to know at once. The pixels are decoded by Qt when the picture is first drawn; checking the
// header ourselves keeps the start-up from loading the picture plugins for the one picture it names.
bool headerReadable(const QString& file, const QByteArray& format) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(256 * 1024);
    auto byte = [&](qsizetype i) { return static_cast<unsigned char>(head[i]); };
    auto be16 = [&](qsizetype i) { return byte(i) << 8 | byte(i + 1); };
    auto le32 = [&](qsizetype i) {
        return static_cast<qint32>(byte(i) | byte(i + 1) << 8 | byte(i + 2) << 16 | byte(i + 3) << 24);
    };
    if (format == "bmp") {
        if (head.size() < 26 || head[0] != 'B' || head[1] != 'M') return false;
        const qint32 infoSize = le32(14);
        if (infoSize < 12 || head.size() < 14 + infoSize) return false;
        const qint32 width = infoSize == 12 ? be16(18) : le32(18);
        const qint32 height = infoSize == 12 ? be16(20) : le32(22);
        return width != 0 && height != 0;
    }
    // JPEG: the start-of-image marker, then segments up to a frame header with a size.
    if (head.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) return false;
    qsizetype i = 2;
    while (i + 4 <= head.size()) {
        if (byte(i) != 0xFF) return false;
        const int marker = byte(i + 1);
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // markers without a length
            i += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) return false; // the image ends or its data begins first
        const int length = be16(i + 2);
        if (length < 2) return false;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) return i + 9 <= head.size() && be16(i + 5) > 0 && be16(i + 7) > 0;
        i += 2 + length;
    }
    return false;
}

// The decoder a file name asks for, or an error for an extension without one.
QByteArray formatOf(const QString& relative) {
    const QString suffix = QFileInfo(relative).suffix();
    const QString ext = suffix.toLower();
    if (ext == "jpg" || ext == "jpeg") return "jpeg";
    if (ext == "bmp") return "bmp";
    throw PictureError("Unknown picture file extension (." + suffix.toStdString() + ")");
}

} // namespace

QImage PictureLoader::decode(const std::string& path) {
    const QString relative = QString::fromStdString(path);
    const QString key = relative.toLower();
    if (auto it = cache_.constFind(key); it != cache_.constEnd()) return *it;

    const QString file = resolve(relative);
    // The decoder follows the file name's extension, never the content.
    const QByteArray format = formatOf(relative);
    QImageReader reader(file, format);
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull())
        throw PictureError("Cannot open file " + QDir::toNativeSeparators(file).toStdString());
    cache_.insert(key, image);
    return image;
}

void PictureLoader::load(const std::string& path) {
    const QString relative = QString::fromStdString(path);
    const QByteArray format = formatOf(relative);
    const QString file = resolve(relative);
    if (!headerReadable(file, format))
        throw PictureError("Cannot open file " + QDir::toNativeSeparators(file).toStdString());
}

QImage PictureLoader::image(const std::string& path) {
    if (path.empty()) return {};
    // On a high-density screen the "@2x" picture beside the file, where there is one.
    if (qApp && qApp->devicePixelRatio() > 1.0) {
        const QString relative = QString::fromStdString(path);
        const int dot = int(relative.lastIndexOf('.'));
        const QString dense = relative.left(dot) + "@2x" + relative.mid(dot);
        if (QFileInfo::exists(resolve(dense))) {
            try {
                QImage image = decode(dense.toStdString());
                image.setDevicePixelRatio(2);
                return image;
            } catch (const PictureError&) {
            }
        }
    }
    try {
        return decode(path);
    } catch (const PictureError&) {
        return {};
    }
}

} // namespace cv::qt
