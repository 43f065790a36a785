/* Argument record of the QR encoder entry, shared by the C library and C++ callers. */
#ifndef TESSALY_QR_ARGS_H
#define TESSALY_QR_ARGS_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Error-correction levels: the values of the two format-information bits. */
#define TSY_QR_LEVEL_M 0
#define TSY_QR_LEVEL_L 1
#define TSY_QR_LEVEL_H 2
#define TSY_QR_LEVEL_Q 3

typedef struct QREncodeArgs {
    const unsigned char* message; /* bytes to encode */
    int32_t length;               /* at most 2048 */
    int32_t model;                /* 1 or 2 (anything else is 1); does not change the symbol */
    int32_t reverseVideo;         /* non-zero: dark modules become 1 bits */
    int32_t errorCorrectionLevel; /* TSY_QR_LEVEL_* */
    int32_t moduleSize;           /* pixels per module; 0 or less is taken as 1 */
    int32_t undercut;             /* pixels thinned from dark elements, handed to the scaler */
} QREncodeArgs;

#ifdef __cplusplus
}
#endif

#endif /* TESSALY_QR_ARGS_H */
