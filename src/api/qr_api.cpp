#include "encoders/qr/qr_encoder.h"
#include "tessaly/encoders.h"

extern "C" {

TSY_API TsyMemoryBlock* QREncode(const QREncodeArgs* args, int32_t* heightOut, int32_t* widthOut,
                                 void** pixelsOut) noexcept {
    return tsy::qr::QREncode(args, heightOut, widthOut, pixelsOut);
}

TSY_API void GetQREncoderRevString(char* buffer) noexcept {
    tsy::qr::GetQREncoderRevString(buffer);
}

}  // extern "C"
