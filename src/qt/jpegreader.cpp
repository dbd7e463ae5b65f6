// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes JPEG files with the system's libjpeg, without Qt's picture plugins: the start-up picture is
// decoded without scanning and loading the plugins, and into three bytes a pixel rather than four.
#include "jpegreader.h"

#include <QFile>
#include <QImageReader>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <sys/mman.h>

namespace cv::qt {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings (damaged or missing data) do not stop the decoding; nothing is printed.
void onMessage(j_common_ptr, int) {}

// Room for the pixels, or a null image for a size over Qt's allocation limit. The memory is handed over
// whole where the system can: taken page by page as the decoder first writes it, the start-up's picture
// cost a third more.
QImage allocate(qsizetype width, qsizetype height) {
    const qsizetype line = (width * 3 + 3) / 4 * 4; // QImage's lines start on 32-bit boundaries
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    if (width <= 0 || height <= 0 || (limit > 0 && qint64(line) * height > limit)) return {};
#ifdef MAP_POPULATE
    const std::size_t bytes = std::size_t(line) * std::size_t(height);
    void* pixels =
        mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (pixels == MAP_FAILED) return {};
    struct Mapping {
        void* at;
        std::size_t bytes;
    };
    return QImage(
        static_cast<uchar*>(pixels), int(width), int(height), int(line), QImage::Format_RGB888,
        [](void* m) {
            auto* mapping = static_cast<Mapping*>(m);
            munmap(mapping->at, mapping->bytes);
            delete mapping;
        },
        new Mapping{pixels, bytes});
#else
    return QImage(int(width), int(height), QImage::Format_RGB888);
#endif
}

// Decodes into `out`. An error of libjpeg jumps back here: only plain data and `out`, which lives in the
// caller's frame, are touched after setjmp.
bool decode(std::FILE* in, jpeg_decompress_struct* info, ErrorManager* errors, QImage* out) {
    if (setjmp(errors->jump)) return false;
    jpeg_stdio_src(info, in);
    jpeg_read_header(info, TRUE);
    info->out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(info);
    *out = allocate(info->output_width, info->output_height);
    if (out->isNull()) return false;
    jpeg_start_decompress(info);
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = out->scanLine(int(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

} // namespace

QImage readJpeg(const QString& file) {
    std::FILE* in = std::fopen(QFile::encodeName(file).constData(), "rb");
    if (!in) return {};
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    jpeg_create_decompress(&info);
    QImage image;
    const bool ok = decode(in, &info, &errors, &image);
    jpeg_destroy_decompress(&info);
    std::fclose(in);
    return ok ? image : QImage();
}

} // namespace cv::qt
