/*
 * libtessaly_encoders: symbol encoders with C linkage.
 *
 * Every encode entry returns a raster block, locked once, or NULL on failure. On success it
 * stores the pixel height, the pixel width and the pixel pointer; what it does with them on
 * failure is said at each entry. Raster rows run top first, each ceil(width / 16) * 2 bytes, most
 * significant bit first, bit 0 dark and bit 1 light. Hand every non-NULL block to
 * TsyRasterRelease once.
 *
 * No entry throws or ends the process: bad arguments, a message no symbol holds (however long)
 * and memory exhaustion all return NULL.
 *
 * Not reentrant: the PDF417 ECI designator is one process-wide value read by every later
 * PDF417Encode. A multi-threaded caller must serialise SetPDF417_ECI and PDF417Encode.
 */
#ifndef TESSALY_ENCODERS_H
#define TESSALY_ENCODERS_H

#include <stdint.h>

#include "tessaly/pdf417_args.h"
#include "tessaly/qr_args.h"

#if defined(TESSALY_BUILDING_ENCODERS)
#define TSY_API __attribute__((visibility("default")))
#else
#define TSY_API
#endif

#ifdef __cplusplus
#define TSY_NOEXCEPT noexcept
extern "C" {
#else
#define TSY_NOEXCEPT
#endif

struct TsyMemoryBlock;

/* Unlocks and frees a raster block an encode entry returned; NULL is ignored. */
TSY_API void TsyRasterRelease(struct TsyMemoryBlock* handle) TSY_NOEXCEPT;

/* PDF417 (ISO/IEC 15438). On failure the three outputs are left as they were. */
TSY_API struct TsyMemoryBlock* PDF417Encode(const PDF417EncodeArgs* args, int32_t* heightOut,
                                            int32_t* widthOut, void** pixelsOut) TSY_NOEXCEPT;
/* Sets the ECI designator of every following PDF417 symbol and returns it; -1 switches ECI off.
 * PDF417Encode refuses (returns NULL) while a designator outside -1 and 0..899 is set. */
TSY_API int32_t SetPDF417_ECI(int32_t designator) TSY_NOEXCEPT;
/* Writes the revision text, NUL-terminated, into a buffer of at least 10 bytes. */
TSY_API void GetPDF417EncoderRevString(char* buffer) TSY_NOEXCEPT;

/* QR (the Model 1 layout, mask 6). Its working state is per call, so the entry is reentrant.
 * Height and width are set to 0 and the pixel pointer to NULL before anything else, so on failure
 * (args NULL included) they read 0, 0 and NULL. */
TSY_API struct TsyMemoryBlock* QREncode(const QREncodeArgs* args, int32_t* heightOut,
                                        int32_t* widthOut, void** pixelsOut) TSY_NOEXCEPT;
/* Writes the revision text ("1.17.1.12 "), NUL-terminated, into a buffer of at least 11 bytes. */
TSY_API void GetQREncoderRevString(char* buffer) TSY_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#undef TSY_NOEXCEPT

#endif
