// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes the game's picture files below the asset root, chosen by extension, with a cache.
#include "pictureloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

#include "jpegreader.h"

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

// The decoder a file name asks for, or an error for an extension without one.
QByteArray formatOf(const QString& relative) {
    const QString suffix = QFileInfo(relative).suffix();
    const QString ext = suffix.toLower();
    if (ext == "jpg" || ext == "jpeg") return "jpeg";
    if (ext == "bmp") return "bmp";
    throw PictureError("Unknown picture file extension (." + suffix.toStdString() + ")");
}

// The whole picture, decoded by the decoder its name asks for, never by its content; a null image for
// anything that cannot be decoded: bad data, impossible dimensions, a size over Qt's allocation limit.
// A JPEG cut short in its data gives what could be decoded, as the decoder makes of it.
QImage readPicture(const QString& file, const QByteArray& format) {
    // Only a regular file: a FIFO or a device could block the game for ever.
    if (!QFileInfo(file).isFile()) return {};
    if (format == "jpeg") return readJpeg(file);
    QImageReader reader(file, format);
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

std::string cannotOpen(const QString& file) {
    return "Cannot open file " + QDir::toNativeSeparators(file).toStdString();
}

} // namespace

const PictureLoader::Decoded& PictureLoader::decoded(const std::string& path) {
    const QString relative = QString::fromStdString(path);
    const QString key = relative.toLower();
    if (auto it = cache_.constFind(key); it != cache_.constEnd()) return *it;

    const QByteArray format = formatOf(relative);
    const QString file = resolve(relative);
    Decoded d;
    // The file the game names decides whether the picture can be shown.
    d.image = readPicture(file, format);
    if (d.image.isNull()) {
        d.error = cannotOpen(file);
    } else if (qApp && qApp->devicePixelRatio() > 1.0) {
        // On a high-density screen the picture drawn at twice the detail, where there is one.
        const int dot = int(relative.lastIndexOf('.'));
        QImage dense = readPicture(resolve(relative.left(dot) + "@2x" + relative.mid(dot)), format);
        if (!dense.isNull()) {
            dense.setDevicePixelRatio(2);
            d.image = dense;
        }
    }
    return *cache_.insert(key, d);
}

void PictureLoader::load(const std::string& path) {
    const QString key = QString::fromStdString(path).toLower();
    if (auto it = failNext_.find(key); it != failNext_.end()) {
        if (--*it == 0) failNext_.erase(it);
        throw PictureError(cannotOpen(resolve(QString::fromStdString(path))));
    }
    const Decoded& d = decoded(path);
    if (d.image.isNull()) throw PictureError(d.error);
}

QImage PictureLoader::image(const std::string& path) {
    if (path.empty()) return {};
    try {
        return decoded(path).image;
    } catch (const PictureError&) {
        return {};
    }
}

void PictureLoader::failNextLoad(const std::string& path) {
    ++failNext_[QString::fromStdString(path).toLower()];
}

} // namespace cv::qt
