#include "tools/encoders/jpeg_writer.h"

#include "Library/graphics/surface_ptr.h"

#include <SDL/SDL.h>

#include <cstdio>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace {

// RGB bytes in memory order, as libjpeg reads its rows.
SurfacePtr ToRgb24(SDL_Surface* surface) {
    const bool little = SDL_BYTEORDER == SDL_LIL_ENDIAN;
    const SurfacePtr model(SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 24,
                                                little ? 0x0000FF : 0xFF0000, 0x00FF00,
                                                little ? 0xFF0000 : 0x0000FF, 0));
    return model ? SurfacePtr(SDL_ConvertSurface(surface, model->format, SDL_SWSURFACE))
                 : SurfacePtr();
}

} // namespace

bool WriteJpeg(const std::string& path, SDL_Surface* surface, int quality) {
    const SurfacePtr rgb = surface ? ToRgb24(surface) : SurfacePtr();
    if (!rgb)
        return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(rgb->w);
    info.image_height = static_cast<JDIMENSION>(rgb->h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    SDL_LockSurface(rgb.get());
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = static_cast<JSAMPLE*>(rgb->pixels) + info.next_scanline * rgb->pitch;
        jpeg_write_scanlines(&info, &row, 1);
    }
    SDL_UnlockSurface(rgb.get());
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}
