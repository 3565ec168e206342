#include "companions/JpegEncoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// libjpeg's own handler ends the process; this one returns to compress() instead.
[[noreturn]] void onError(j_common_ptr info) {
    ErrorManager* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// No object with a destructor may live here: longjmp leaves this function.
bool compress(const QImage* rgb, int quality, unsigned char** output, unsigned long* size, char* message) {
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, output, size);
    info.image_width = JDIMENSION(rgb->width());
    info.image_height = JDIMENSION(rgb->height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb->constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

bool EncodeJpeg(const QImage& image, int quality, QByteArray& jpeg, QString& error) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        error = QStringLiteral("the picture is empty");
        return false;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* output = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool encoded = compress(&rgb, quality, &output, &size, message);
    if (encoded)
        jpeg = QByteArray(reinterpret_cast<const char*>(output), qsizetype(size));
    else
        error = QString::fromLocal8Bit(message);
    std::free(output);
    return encoded;
}
