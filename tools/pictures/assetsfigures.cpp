// The player's figure: small combat views (assets/view) and full figures (assets/show).
#include "figure.h"
#include "ink.h"
#include "pictures.h"

namespace pictures {
namespace {

QImage figurePicture(int width, int height, Build build, Held held, qreal margin) {
    QImage image = ink::canvas(width, height);
    QPainter painter(&image);
    ink::prepare(painter);
    drawFigure(painter, QRectF(margin, margin, width - 2 * margin, height - 2 * margin), build, held);
    return image;
}

} // namespace

void writeFigures(PictureSink& sink) {
    // Combat views: "...v" is the woman, "...vm" the man.
    const struct {
        const char* weapon;
        Held held;
    } views[] = {
        {"knife", Held::Knife}, {"gun", Held::Pistol}, {"spear", Held::Spear}, {"no", Held::Nothing}};
    for (const auto& view : views) {
        const QString base = QStringLiteral("assets/view/%1").arg(QLatin1String(view.weapon));
        sink.put(base + QStringLiteral("v.jpg"), figurePicture(47, 64, Build::Woman, view.held, 0.5));
        sink.put(base + QStringLiteral("vm.jpg"), figurePicture(47, 64, Build::Man, view.held, 0.5));
    }

    // Full figures for the inventory: the bare-handed one and one per weapon.
    const struct {
        const char* suffix;
        Held held;
    } shows[] = {
        {"nono", Held::Nothing}, {"gno", Held::Pistol}, {"spearno", Held::Spear}, {"knifeno", Held::Knife}};
    for (const auto& show : shows) {
        const QString tail = QLatin1String(show.suffix) + QStringLiteral(".jpg");
        sink.put(QStringLiteral("assets/show/f") + tail, figurePicture(120, 220, Build::Woman, show.held, 2));
        sink.put(QStringLiteral("assets/show/m") + tail, figurePicture(120, 220, Build::Man, show.held, 2));
    }
}

} // namespace pictures
