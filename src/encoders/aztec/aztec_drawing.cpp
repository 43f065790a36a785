#include "encoders/aztec/aztec_symbol.h"

namespace tsy::aztec {
namespace {

struct Canvas {
    ModuleMatrix& m;
    int cx;
    int cy;
    void Dark(int x, int y) { m.set(cx + x, cy + y); }
};

void DrawFinder(Canvas& c, int ring) {
    for (int r = 0; r < ring; r += 2)
        for (int t = -r; t <= r; ++t) {
            c.Dark(t, -r);
            c.Dark(t, r);
            c.Dark(-r, t);
            c.Dark(r, t);
        }
}

// Three marks top left, two top right, one bottom right: the reader's sense of up.
void DrawOrientation(Canvas& c, int r) {
    c.Dark(-r, 1 - r);
    c.Dark(-r, -r);
    c.Dark(1 - r, -r);
    c.Dark(r, -r);
    c.Dark(r, 1 - r);
    c.Dark(r, r - 1);
}

void DrawReferenceGrid(Canvas& c, int size) {
    const int h = size / 4;
    for (int i = -h; i <= h; ++i)
        for (int j = -h; j <= h; ++j)
            if (i % 8 == 0 || j % 8 == 0) c.Dark(2 * i, 2 * j);
}

// Places the codeword bits backwards (last codeword's least significant bit first) along the
// layers from the inside out; positions beyond the codewords stay light.
class LayerWriter {
public:
    LayerWriter(Canvas& c, const std::vector<int>& codewords, int bits)
        : c_(c), cw_(codewords), b_(bits), total_(static_cast<long>(codewords.size()) * bits) {}

    void Place(int x, int y) {
        if (k_ < total_) {
            const long word = static_cast<long>(cw_.size()) - 1 - k_ / b_;
            if ((cw_[static_cast<std::size_t>(word)] >> (k_ % b_)) & 1) c_.Dark(x, y);
        }
        ++k_;
    }

private:
    Canvas& c_;
    const std::vector<int>& cw_;
    int b_;
    long total_;
    long k_ = 0;
};

void DrawLayers(bool compact, int layers, LayerWriter& out) {
    const auto onGrid = [compact](int t) { return !compact && t % 16 == 0; };
    int d = compact ? 5 : 7;
    for (int l = 0; l < layers; ++l) {
        int a = d + 1;
        if (onGrid(a)) ++a;
        int o = a + 1;
        if (onGrid(o)) ++o;
        d = o;
        for (int x = 1 - a; x <= o; ++x)
            if (!onGrid(x)) out.Place(x, -a), out.Place(x, -o);
        for (int y = 1 - a; y <= o; ++y)
            if (!onGrid(y)) out.Place(a, y), out.Place(o, y);
        for (int x = a - 1; x >= -o; --x)
            if (!onGrid(x)) out.Place(x, a), out.Place(x, o);
        for (int y = a - 1; y >= -o; --y)
            if (!onGrid(y)) out.Place(-a, y), out.Place(-o, y);
    }
}

void DrawModeMessage(Canvas& c, bool compact, const std::vector<int>& words) {
    std::vector<int> bits;
    for (int w : words)
        for (int i = 3; i >= 0; --i) bits.push_back((w >> i) & 1);
    std::size_t k = 0;
    const auto put = [&](int x, int y) {
        if (k < bits.size() && bits[k]) c.Dark(x, y);
        ++k;
    };
    const int r = compact ? 5 : 7;
    const int h = compact ? 3 : 5;
    const auto skip = [compact](int t) { return !compact && t == 0; };
    for (int x = -h; x <= h; ++x)
        if (!skip(x)) put(x, -r);
    for (int y = -h; y <= h; ++y)
        if (!skip(y)) put(r, y);
    for (int x = h; x >= -h; --x)
        if (!skip(x)) put(x, r);
    for (int y = h; y >= -h; --y)
        if (!skip(y)) put(-r, y);
}

}  // namespace

void DrawAztecSymbol(ModuleMatrix& matrix, int centreX, int centreY, bool compact, int layers,
                     int size, const std::vector<int>& codewords, int codewordBits,
                     const std::vector<int>& modeMessage) {
    Canvas c{matrix, centreX, centreY};
    const int ring = compact ? 5 : 7;
    DrawFinder(c, ring);
    DrawOrientation(c, ring);
    if (!compact) DrawReferenceGrid(c, size);
    LayerWriter out(c, codewords, codewordBits);
    DrawLayers(compact, layers, out);
    DrawModeMessage(c, compact, modeMessage);
}

}  // namespace tsy::aztec
