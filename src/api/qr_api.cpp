#include "encoders/qr/qr_encoder.h"
#include "tessaly/encoders.h"

extern "C" {

TSY_API TsyMemoryBlock* QREncode(const QREncodeArgs* args, int32_t* heightOut, int32_t* widthOut,
                                 void** pixelsOut) {
    return tsy::QREncode(args, heightOut, widthOut, pixelsOut);
}

TSY_API void GetQREncoderRevString(char* buffer) {
    tsy::GetQREncoderRevString(buffer);
}

}  // extern "C"
