/* The PDF417 argument record, shared by the C library header and the C++ encoder. */
#ifndef TESSALY_PDF417_ARGS_H
#define TESSALY_PDF417_ARGS_H

#include <stdint.h>

/* Level or column count chosen by the encoder; a row height of twice the module width. */
#define TSY_PDF417_AUTO 30000

/* Every field but the message pointer is 32-bit; the order is part of the interface. */
typedef struct PDF417EncodeArgs {
    const unsigned char* message; /* bytes to encode */
    int32_t length;               /* number of bytes */
    int32_t errorCorrectionLevel; /* 0..8 or TSY_PDF417_AUTO */
    int32_t dataColumns;          /* 1..30 or TSY_PDF417_AUTO */
    int32_t moduleWidth;          /* pixels, at least 1 */
    int32_t rowHeight;            /* pixels, at least 1, or TSY_PDF417_AUTO */
    int32_t truncate;             /* non-zero: no right row indicator, one-module stop bar */
    int32_t undercut;             /* pixels taken off the bottom and right of dark elements */
} PDF417EncodeArgs;

#endif
