#include "encoders/pdf417/pdf417.h"
#include "tessaly/encoders.h"

extern "C" {

TSY_API TsyMemoryBlock* PDF417Encode(const PDF417EncodeArgs* args, int32_t* heightOut,
                                     int32_t* widthOut, void** pixelsOut) {
    return tsy::PDF417Encode(args, heightOut, widthOut, pixelsOut);
}

TSY_API int32_t SetPDF417_ECI(int32_t designator) {
    return tsy::SetPDF417_ECI(designator);
}

TSY_API void GetPDF417EncoderRevString(char* buffer) {
    tsy::GetPDF417EncoderRevString(buffer);
}

}  // extern "C"
