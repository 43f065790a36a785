// The encoders behind the format registry, and the picture check they share.
#pragma once

#include <string>

#include "export/byte_sink.h"
#include "platform/bitmap.h"

namespace tsy {

// True when the picture has a size within the picture limits and all its pixels; otherwise
// false with a reason in *error.
bool CheckPicture(const RgbImage& picture, std::string* error);
bool CheckPicture(const Bitmap1& picture, std::string* error);

bool WriteBmp(const RgbImage& picture, ByteSink& out, std::string* error);
// The picture's rows bottom row first, as blue-green-red triples, each row padded with zeros to
// rowBytes (BMP and TGA store their pixels this way).
bool WriteBgrRowsBottomUp(const RgbImage& picture, ByteSink& out, std::size_t rowBytes);
bool WritePng(const RgbImage& picture, ByteSink& out, std::string* error);
bool WriteJpeg(const RgbImage& picture, ByteSink& out, std::string* error);
bool WriteTiff(const RgbImage& picture, ByteSink& out, std::string* error);
bool WriteGif(const RgbImage& picture, ByteSink& out, std::string* error);
// From one-bit pictures, each giving the file its writer gives the picture's RGB form.
bool WritePngMono(const Bitmap1& picture, ByteSink& out, std::string* error);
bool WriteTiffMono(const Bitmap1& picture, ByteSink& out, std::string* error);
bool WriteGifMono(const Bitmap1& picture, ByteSink& out, std::string* error);
bool WriteTga(const RgbImage& picture, ByteSink& out, std::string* error);
bool WritePcx(const RgbImage& picture, ByteSink& out, std::string* error);

}  // namespace tsy
