#include "encoders/qr/qr_detail.h"

namespace tsy::qr {
namespace {

struct VersionRow {
    int data[kQrLevels];    // M, L, H, Q
    int blocks[kQrLevels];  // M, L, H, Q
};

// The encoder's own capacity table. It is not ISO/IEC 18004's: versions above 14 have no
// Model 1 counterpart, and rows such as 16-M (more data than 17-M) are kept as they are so
// symbols stay what this encoder has always drawn.
constexpr VersionRow kVersions[kQrMaxVersion] = {
    {{16, 19, 9, 13}, {1, 1, 1, 1}},
    {{30, 36, 16, 24}, {1, 1, 1, 1}},
    {{44, 57, 24, 36}, {1, 1, 1, 1}},
    {{60, 80, 34, 50}, {1, 1, 1, 1}},
    {{82, 108, 46, 68}, {1, 1, 2, 1}},
    {{106, 136, 58, 86}, {2, 1, 2, 2}},
    {{132, 170, 72, 108}, {2, 1, 3, 2}},
    {{160, 208, 87, 128}, {2, 2, 3, 2}},
    {{186, 246, 102, 156}, {2, 2, 3, 3}},
    {{222, 290, 124, 183}, {2, 2, 4, 3}},
    {{256, 336, 145, 208}, {4, 2, 5, 4}},
    {{292, 384, 165, 244}, {4, 2, 5, 4}},
    {{332, 432, 192, 276}, {4, 3, 6, 4}},
    {{368, 489, 210, 310}, {4, 3, 6, 5}},
    {{412, 552, 231, 348}, {4, 3, 7, 6}},
    {{640, 609, 264, 384}, {5, 3, 8, 6}},
    {{510, 672, 297, 420}, {4, 3, 9, 7}},
    {{564, 740, 320, 472}, {6, 4, 10, 8}},
    {{618, 816, 352, 510}, {6, 4, 11, 10}},
    {{672, 885, 384, 550}, {7, 5, 12, 11}},
    {{728, 965, 408, 600}, {7, 5, 12, 12}},
    {{792, 1050, 442, 650}, {8, 6, 13, 13}},
    {{864, 1134, 480, 702}, {9, 6, 15, 13}},
    {{920, 1218, 525, 765}, {10, 6, 15, 15}},
    {{990, 1309, 544, 832}, {10, 7, 16, 16}},
    {{1089, 1400, 594, 882}, {11, 7, 18, 18}},
    {{1122, 1504, 648, 936}, {11, 8, 18, 18}},
    {{1224, 1608, 693, 1007}, {12, 8, 21, 19}},
    {{1287, 1710, 735, 1080}, {13, 9, 21, 20}},
    {{1358, 1800, 782, 1150}, {14, 9, 23, 23}},
    {{1442, 1930, 828, 1196}, {14, 10, 23, 23}},
    {{1568, 2030, 864, 1288}, {16, 10, 32, 23}},
    {{1674, 2148, 910, 1375}, {18, 12, 26, 25}},
    {{1746, 2268, 980, 1428}, {18, 14, 28, 28}},
    {{1843, 2400, 992, 1488}, {19, 12, 31, 31}},
    {{1940, 2509, 1088, 1600}, {20, 13, 32, 32}},
    {{2037, 2652, 1122, 1650}, {21, 13, 33, 33}},
    {{2121, 2786, 1155, 1749}, {21, 14, 35, 33}},
    {{2254, 2910, 1260, 1836}, {23, 15, 36, 36}},
    {{2300, 3072, 1292, 1900}, {25, 16, 38, 38}},
};

// Codeword blocks of the placement walk, one 4-module block plus the 8-module blocks.
constexpr int kTotalCodewords[kQrMaxVersion] = {
    26,   46,   72,   100,  134,  170,  212,  256,  306,  358,  416,  476,  542,  610,
    684,  760,  842,  926,  1016, 1108, 1206, 1306, 1412, 1520, 1634, 1750, 1872, 1996,
    2126, 2258, 2396, 2536, 2682, 2830, 2984, 3140, 3302, 3466, 3636, 3808,
};

}  // namespace

QrCapacity QrCapacityOf(int version, int level) {
    const VersionRow& row = kVersions[version - 1];
    return {row.data[level], row.blocks[level]};
}

int QrTotalCodewords(int version) {
    return kTotalCodewords[version - 1];
}

int QrChooseVersion(int length, int level) {
    if (length < 0 || length > kQrMaxMessage || level < 0 || level >= kQrLevels) return 0;
    for (int version = 1; version <= kQrMaxVersion; ++version) {
        const int need = length + 2 + (version >= 10 ? 1 : 0);
        if (QrCapacityOf(version, level).dataCodewords >= need) return version;
    }
    return 0;
}

}  // namespace tsy::qr
