// Writes each picture in the format its file name asks for, creating folders on the way.
#include "picturesink.h"

#include <QDir>
#include <QFileInfo>

namespace pictures {

PictureSink::PictureSink(const QString& outDir, bool dryRun) : outDir_(outDir), dryRun_(dryRun) {}

void PictureSink::put(const QString& relativePath, const QImage& image) {
    written_.append(relativePath);
    if (dryRun_) return;

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
    else {
        failures_.append(QStringLiteral("unknown picture format for %1").arg(path));
        return;
    }
    if (!saved) failures_.append(QStringLiteral("cannot write %1").arg(path));
}

} // namespace pictures
