// Decodes JPEG files with the system's libjpeg, without Qt's picture plugins: the start-up picture is
// decoded without scanning and loading the plugins, and into three bytes a pixel rather than four.
#include "jpegreader.h"

#include <QFile>
#include <QImageIOHandler>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

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

// Decodes into `out`. An error of libjpeg jumps back here: only plain data and `out`, which lives in the
// caller's frame, are touched after setjmp.
bool decode(std::FILE* in, jpeg_decompress_struct* info, ErrorManager* errors, QImage* out) {
    if (setjmp(errors->jump)) return false;
    jpeg_stdio_src(info, in);
    jpeg_read_header(info, TRUE);
    info->out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(info);
    // Qt's own check of the size against its allocation limit.
    if (!QImageIOHandler::allocateImage(QSize(int(info->output_width), int(info->output_height)),
                                        QImage::Format_RGB888, out))
        return false;
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
