// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's icon on its windows, in every size the picture maker draws.
#include "icon.h"

#include <QDirIterator>
#include <QIconEngine>
#include <QMap>
#include <QPainter>
#include <QPixmap>
#include <memory>

namespace cv::qt {

namespace {

// The compiled-in icons, as installed: icons/hicolor/NxN/apps/NAME.png.
class GameIconEngine : public QIconEngine {
  public:
    GameIconEngine() {
        QDirIterator it(QStringLiteral(":/icons/hicolor"), QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString folder = path.section('/', -3, -3); // NxN
            const int side = folder.section('x', 0, 0).toInt();
            if (path.endsWith(QLatin1String(".png")) && side > 0) sources_->insert(side, {path, QPixmap()});
        }
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (sources_->isEmpty()) return {};
        // The smallest drawing at least as large as asked for, or else the largest, scaled to fit.
        const int wanted = std::max(size.width(), size.height());
        auto it = sources_->lowerBound(wanted);
        if (it == sources_->end()) --it;
        if (it->second.isNull()) it->second.load(it->first);
        if (it.key() == wanted && size.width() == size.height()) return it->second;
        return it->second.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : sources_->keys())
            sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine* clone() const override { return new GameIconEngine(*this); }
    QString key() const override { return QStringLiteral("cindervale"); }

  private:
    // Shared by the copies that Qt makes, so that each size is decoded once.
    std::shared_ptr<QMap<int, std::pair<QString, QPixmap>>> sources_ =
        std::make_shared<QMap<int, std::pair<QString, QPixmap>>>();
};

} // namespace

QIcon gameIcon() {
    return QIcon(new GameIconEngine);
}

} // namespace cv::qt
