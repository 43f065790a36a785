#include "encoders/pdf417/pdf417.h"
#include "tessaly/encoders.h"

extern "C" {

TSY_API TsyMemoryBlock* PDF417Encode(const PDF417EncodeArgs* args, int32_t* heightOut,
                                     int32_t* widthOut, void** pixelsOut) noexcept {
    return tsy::pdf417::PDF417Encode(args, heightOut, widthOut, pixelsOut);
}

TSY_API int32_t SetPDF417_ECI(int32_t designator) noexcept {
    return tsy::pdf417::SetPDF417_ECI(designator);
}

TSY_API void GetPDF417EncoderRevString(char* buffer) noexcept {
    tsy::pdf417::GetPDF417EncoderRevString(buffer);
}

}  // extern "C"
