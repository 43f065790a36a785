/* An outside program using the installed encoder library: one PDF417 and one QR symbol. */
#include <stdio.h>
#include <string.h>

#include <tessaly/encoders.h>

static int Check(const char* what, struct TsyMemoryBlock* block, int32_t height, int32_t width,
                 int32_t wantHeight, int32_t wantWidth) {
    int ok = block != NULL && (wantHeight == 0 || height == wantHeight) && width == wantWidth;
    printf("%s: %dx%d %s\n", what, (int)width, (int)height, ok ? "ok" : "WRONG");
    TsyRasterRelease(block);
    return ok;
}

int main(void) {
    const char* text = "Hello";
    int32_t height = 0, width = 0;
    void* pixels = NULL;
    struct TsyMemoryBlock* block;
    char revision[16];
    int ok;

    PDF417EncodeArgs pdf;
    memset(&pdf, 0, sizeof pdf);
    pdf.message = (const unsigned char*)"ABC";
    pdf.length = 3;
    pdf.errorCorrectionLevel = 4;
    pdf.dataColumns = 2;
    pdf.moduleWidth = 1;
    pdf.rowHeight = TSY_PDF417_AUTO;
    block = PDF417Encode(&pdf, &height, &width, &pixels);
    ok = Check("PDF417", block, height, width, 0, 103);

    QREncodeArgs qr;
    memset(&qr, 0, sizeof qr);
    qr.message = (const unsigned char*)text;
    qr.length = (int32_t)strlen(text);
    qr.errorCorrectionLevel = TSY_QR_LEVEL_M;
    qr.moduleSize = 1;
    block = QREncode(&qr, &height, &width, &pixels);
    ok = Check("QR", block, height, width, 21, 21) && ok;

    GetQREncoderRevString(revision);
    printf("QR encoder %s\n", revision);
    return ok ? 0 : 1;
}
