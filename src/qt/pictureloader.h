// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes the game's picture files below the asset root, chosen by extension, with a cache.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include "game/vocab/services.h"

namespace cv::qt {

class PictureLoader : public Pictures {
  public:
    explicit PictureLoader(QString assetRoot);

    // The asset root beside the program, or in the installed game's data folder.
    static QString defaultAssetRoot();

    // Decodes the whole picture now, or throws PictureError. Either way the outcome is kept: a later
    // load of the same file neither reads nor decodes it again.
    void load(const std::string& path) override;
    // The decoded picture of a file (decoded now if it was not loaded before); a null image when it cannot
    // be decoded.
    QImage image(const std::string& path);
    const QString& root() const { return root_; }
    // The file on disk for a path of the game, its letter case matched without regard to case.
    QString resolve(const QString& relative) const;
    // The next load of `path` fails as a broken file would, once; later loads are as before (the script
    // player's `broken`, which replays a random player's broken pictures).
    void failNextLoad(const std::string& path);

  private:
    struct Decoded {
        QImage image;      // on a high-density screen the "@2x" picture beside the file, where there is one
        std::string error; // why it cannot be shown, when the image is null
    };
    const Decoded& decoded(const std::string& path);
    QString root_;
    QHash<QString, Decoded> cache_;
    QHash<QString, int> failNext_;
};

} // namespace cv::qt
