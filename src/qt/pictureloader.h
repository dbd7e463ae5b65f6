// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes the game's picture files below the asset root, chosen by extension, with a cache.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include "game/services.h"

namespace cv::qt {

class PictureLoader : public Pictures {
  public:
    explicit PictureLoader(QString assetRoot);

    // The asset root beside the program, or in the installed game's data folder.
    static QString defaultAssetRoot();

    void load(const std::string& path) override;
    // The decoded picture of a file loaded before (or loadable now); a null image otherwise.
    QImage image(const std::string& path);
    const QString& root() const { return root_; }
    // The file on disk for a path of the game, its letter case matched without regard to case.
    QString resolve(const QString& relative) const;

  private:
    QImage decode(const std::string& path);
    QString root_;
    QHash<QString, QImage> cache_;
};

} // namespace cv::qt
