// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes JPEG files with the system's libjpeg, without Qt's picture plugins.
#pragma once

#include <QImage>
#include <QString>

namespace cv::qt {

// The whole picture of a JPEG file, or a null image for one that cannot be decoded or whose pixels would
// take more than Qt's allocation limit. A file cut short in its data, or with damaged data after its
// header, gives what could be decoded, as libjpeg makes of it.
QImage readJpeg(const QString& file);

} // namespace cv::qt
