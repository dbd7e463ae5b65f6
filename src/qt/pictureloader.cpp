// Decodes the game's picture files below the asset root, chosen by extension, with a cache.
#include "pictureloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace cv::qt {

PictureLoader::PictureLoader(QString assetRoot) : root_(std::move(assetRoot)) {}

QString PictureLoader::defaultAssetRoot() {
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QStringList candidates{exeDir + "/assets", exeDir + "/../share/cindervale/assets"};
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

QImage PictureLoader::decode(const std::string& path) {
    const QString relative = QString::fromStdString(path);
    const QString key = relative.toLower();
    if (auto it = cache_.constFind(key); it != cache_.constEnd()) return *it;

    const QString file = resolve(relative);
    // The decoder follows the file name's extension, never the content.
    const QString suffix = QFileInfo(relative).suffix();
    const QString ext = suffix.toLower();
    QByteArray format;
    if (ext == "jpg" || ext == "jpeg")
        format = "jpeg";
    else if (ext == "bmp")
        format = "bmp";
    else
        throw PictureError("Unknown picture file extension (." + suffix.toStdString() + ")");

    QImageReader reader(file, format);
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull())
        throw PictureError("Cannot open file " + QDir::toNativeSeparators(file).toStdString());
    cache_.insert(key, image);
    return image;
}

void PictureLoader::load(const std::string& path) {
    decode(path);
}

QImage PictureLoader::image(const std::string& path) {
    if (path.empty()) return {};
    try {
        return decode(path);
    } catch (const PictureError&) {
        return {};
    }
}

} // namespace cv::qt
