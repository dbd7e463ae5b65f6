// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves finished pictures under the output folder and keeps track of what went wrong.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace pictures {

class PictureSink {
  public:
    // With dryRun set nothing is written; the sink only remembers the file names.
    PictureSink(const QString& outDir, bool dryRun);

    // The format follows the file's suffix: .jpg (quality 95), .bmp or .png.
    void put(const QString& relativePath, const QImage& image);
    // From now on every file's name carries the density ("talk@2x.jpg").
    void setDensitySuffix(const QString& suffix) { densitySuffix_ = suffix; }

    // A Qt resource list of every written picture whose path starts with `prefix`, paths relative to it:
    // those for high-density screens ("@2x") or the others, so that each list's compiled source stays small.
    void writeResourceList(const QString& relativePath, const QString& prefix, bool dense);

    const QStringList& written() const { return written_; }
    const QStringList& failures() const { return failures_; }

  private:
    QString outDir_;
    QString densitySuffix_;
    bool dryRun_;
    QStringList written_;
    QStringList failures_;
};

} // namespace pictures
