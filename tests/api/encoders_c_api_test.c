/* Encodes through libtessaly_encoders from C: the header compiles as C and the entries link. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "tessaly/encoders.h"

static int failures = 0;

#define EXPECT(cond)                                                           \
    do {                                                                       \
        if (!(cond)) {                                                         \
            fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #cond); \
            ++failures;                                                        \
        }                                                                      \
    } while (0)

static PDF417EncodeArgs Args(const char* text, int32_t level, int32_t columns) {
    PDF417EncodeArgs a;
    memset(&a, 0, sizeof a);
    a.message = (const unsigned char*)text;
    a.length = (int32_t)strlen(text);
    a.errorCorrectionLevel = level;
    a.dataColumns = columns;
    a.moduleWidth = 2;
    a.rowHeight = TSY_PDF417_AUTO;
    return a;
}

static void EncodesAMessage(void) {
    PDF417EncodeArgs a = Args("ABC", 4, 2);
    int32_t height = -1, width = -1;
    void* pixels = NULL;
    struct TsyMemoryBlock* block = PDF417Encode(&a, &height, &width, &pixels);
    EXPECT(block != NULL);
    /* 18 rows of 103 modules; rows twice the module width high. */
    EXPECT(width == 103 * 2);
    EXPECT(height == 18 * 4);
    EXPECT(pixels != NULL);
    if (pixels) {
        /* The start pattern opens every row with a dark module: bit 0 in normal video. */
        const unsigned char* row = (const unsigned char*)pixels;
        EXPECT((row[0] & 0x80) == 0);
    }
    TsyRasterRelease(block);
}

static void TruncatedRowsAreShorter(void) {
    PDF417EncodeArgs a = Args("ABC", 4, 2);
    int32_t height = 0, width = 0;
    void* pixels = NULL;
    struct TsyMemoryBlock* block;
    a.truncate = 1;
    a.moduleWidth = 1;
    block = PDF417Encode(&a, &height, &width, &pixels);
    EXPECT(block != NULL);
    EXPECT(width == 69);
    TsyRasterRelease(block);
}

static void BadArgumentsGiveNullAndKeepOutputs(void) {
    PDF417EncodeArgs a = Args("ABC", 9, 2);
    int32_t height = 7, width = 7;
    void* pixels = NULL;
    EXPECT(PDF417Encode(&a, &height, &width, &pixels) == NULL);
    EXPECT(height == 7 && width == 7 && pixels == NULL);
    EXPECT(PDF417Encode(NULL, &height, &width, &pixels) == NULL);
    TsyRasterRelease(NULL);
}

static void EciDesignator(void) {
    PDF417EncodeArgs a = Args("ABC", TSY_PDF417_AUTO, TSY_PDF417_AUTO);
    int32_t height = 0, width = 0;
    void* pixels = NULL;
    struct TsyMemoryBlock* block;
    EXPECT(SetPDF417_ECI(26) == 26);
    block = PDF417Encode(&a, &height, &width, &pixels);
    EXPECT(block != NULL);
    TsyRasterRelease(block);
    EXPECT(SetPDF417_ECI(900) == 900);
    EXPECT(PDF417Encode(&a, &height, &width, &pixels) == NULL);
    EXPECT(SetPDF417_ECI(-1) == -1);
}

static void RevisionText(void) {
    char buffer[16];
    memset(buffer, 'x', sizeof buffer);
    GetPDF417EncoderRevString(buffer);
    EXPECT(strcmp(buffer, "4.9.1.12 ") == 0);
    EXPECT(buffer[10] == 'x');
}

static void QrSymbol(void) {
    static const char text[] = "HELLO WORLD";
    QREncodeArgs a;
    int32_t height = 0, width = 0;
    void* pixels = NULL;
    struct TsyMemoryBlock* block;
    char rev[16];
    memset(&a, 0, sizeof a);
    a.message = (const unsigned char*)text;
    a.length = (int32_t)strlen(text);
    a.model = 2;
    a.errorCorrectionLevel = TSY_QR_LEVEL_M;
    a.moduleSize = 3;
    block = QREncode(&a, &height, &width, &pixels);
    EXPECT(block != NULL);
    EXPECT(width == 63 && height == 63);
    EXPECT(pixels != NULL);
    TsyRasterRelease(block);
    a.errorCorrectionLevel = 4;
    EXPECT(QREncode(&a, &height, &width, &pixels) == NULL);
    EXPECT(QREncode(NULL, &height, &width, &pixels) == NULL);
    memset(rev, 0, sizeof rev);
    GetQREncoderRevString(rev);
    EXPECT(rev[0] != 0);
}

static void QrFailureZeroesOutputs(void) {
    QREncodeArgs a;
    int32_t height = 7, width = 7;
    void* pixels = &height;
    memset(&a, 0, sizeof a);
    a.errorCorrectionLevel = 4;
    EXPECT(QREncode(&a, &height, &width, &pixels) == NULL);
    EXPECT(height == 0 && width == 0 && pixels == NULL);
    height = width = 7;
    pixels = &height;
    EXPECT(QREncode(NULL, &height, &width, &pixels) == NULL);
    EXPECT(height == 0 && width == 0 && pixels == NULL);
}

static void QrRevisionNeedsElevenBytes(void) {
    char buffer[16];
    memset(buffer, 'x', sizeof buffer);
    GetQREncoderRevString(buffer);
    EXPECT(strlen(buffer) == 10);
    EXPECT(buffer[11] == 'x');
}

/* Each length gives a symbol or NULL, and the caller goes on. */
static void MessagesOfAnyLength(void) {
    /* 400 MiB: far beyond any symbol; untouched pages of calloc cost no memory. */
    const size_t lengths[] = {0, 1, (size_t)400 << 20};
    const size_t digits = (size_t)1 << 20; /* the cheapest bytes, so the search runs longest */
    unsigned char* buffer = calloc(lengths[2], 1);
    size_t i;
    EXPECT(buffer != NULL);
    if (!buffer) return;
    memset(buffer, '7', digits);
    for (i = 0; i < sizeof lengths / sizeof lengths[0]; ++i) {
        PDF417EncodeArgs p = Args("", TSY_PDF417_AUTO, TSY_PDF417_AUTO);
        QREncodeArgs q;
        int32_t height = 0, width = 0;
        void* pixels = NULL;
        struct TsyMemoryBlock* block;
        p.message = buffer;
        p.length = (int32_t)lengths[i];
        block = PDF417Encode(&p, &height, &width, &pixels);
        EXPECT(i == 2 ? block == NULL : block != NULL);
        TsyRasterRelease(block);
        memset(&q, 0, sizeof q);
        q.message = buffer;
        q.length = (int32_t)lengths[i];
        q.moduleSize = 1;
        block = QREncode(&q, &height, &width, &pixels);
        EXPECT(i == 2 ? block == NULL : block != NULL);
        TsyRasterRelease(block);
    }
    free(buffer);
}

int main(void) {
    EncodesAMessage();
    TruncatedRowsAreShorter();
    BadArgumentsGiveNullAndKeepOutputs();
    EciDesignator();
    RevisionText();
    QrSymbol();
    QrFailureZeroesOutputs();
    QrRevisionNeedsElevenBytes();
    MessagesOfAnyLength();
    if (failures == 0) printf("encoders C API: all checks passed\n");
    return failures == 0 ? 0 : 1;
}
