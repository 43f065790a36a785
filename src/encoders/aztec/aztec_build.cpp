#include <cstdio>
#include <new>

#include "encoders/aztec/aztec_encoder.h"
#include "encoders/aztec/aztec_layout.h"
#include "encoders/aztec/aztec_symbol.h"
#include "encoders/aztec/aztec_trace.h"
#include "encoders/common/reed_solomon.h"

namespace tsy::aztec {
namespace {

// Fit: the message fits. NoFit: a larger size may fit. Refuse: no size will.
enum class Outcome { Fit, NoFit, Refuse };

std::string AppendHeader(const AztecJob& job, int index) {
    if (job.symbols <= 1) return {};
    std::string h;
    if (!job.appendId.empty()) h = " " + job.appendId + " ";
    h += static_cast<char>('A' + index);
    h += static_cast<char>('A' + job.symbols - 1);
    return h;
}

void SetField(AztecWork& w) {
    w.enc.codewordBits = AztecCodewordBits(w.layers);
    w.enc.totalCodewords = w.capacity / w.enc.codewordBits;
    w.fieldSize = AztecFieldSize(w.layers);
    w.polynomial = AztecFieldPolynomial(w.layers);
}

void TraceCodewords(std::ostream* trace, const AztecEncoding& enc, const std::vector<int>& all) {
    if (!trace) return;
    AztecTrace(trace, "CODEWORDS (%d Data + %d Checks, %4.1f%% Redundancy):\n", enc.dataCodewords,
               enc.checkCodewords, 100.0 * enc.checkCodewords / enc.totalCodewords);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i == static_cast<std::size_t>(enc.dataCodewords)) AztecTrace(trace, "\n");
        AztecTrace(trace, " %4d", all[i]);
    }
    AztecTrace(trace, "\n");
}

void TraceModeMessage(std::ostream* trace, const std::vector<int>& words) {
    AztecTrace(trace, "MODE MESSAGE:");
    for (int w : words) AztecTrace(trace, " %2d", w);
    AztecTrace(trace, "\n");
}

void DrawCoded(const AztecJob& job, AztecWork& w, int index, ModuleMatrix& matrix) {
    AztecEncoding& enc = w.enc;
    const GaloisField gf(w.fieldSize, w.polynomial);
    std::vector<int> all = enc.codewords;
    const std::vector<int> checks =
        RsCheckWords(gf, all.data(), enc.dataCodewords, enc.checkCodewords, 1);
    all.insert(all.end(), checks.begin(), checks.end());
    TraceCodewords(w.trace, enc, all);
    const std::vector<int> mode =
        AztecModeMessage(w.compact, w.layers, enc.dataCodewords, job.menu);
    DrawAztecSymbol(matrix, index * (w.size + 1) + w.size / 2, w.size / 2, w.compact, w.layers,
                    w.size, all, enc.codewordBits, mode);
    TraceModeMessage(w.trace, mode);
}

// Splits the message over the symbols and encodes each. The check pass (no matrix) and the build
// pass take the same decisions, so the size the first chose is the size the second fills.
Outcome EncodeSet(const AztecJob& job, AztecWork& w, ModuleMatrix* matrix) {
    AztecEncoding& enc = w.enc;
    enc.trace = matrix ? w.trace : nullptr;
    if (matrix)
        AztecTrace(w.trace, "ERROR CORRECTION: GF(%d) with %d as Prime Modulus Polynomial\n",
                   w.fieldSize, w.polynomial);
    const int n = job.symbols;
    enc.messagePos = 0;
    for (int i = 0; i < n; ++i) {
        const bool last = i == n - 1;
        const int32_t start = enc.messagePos;
        enc.header = AppendHeader(job, i);
        if (n == 1) {
            enc.pattern = w.messagePattern;
            enc.bitCount = w.messageBits;
        } else {
            // The flag's 10 bits are not in the search cost, so the limit leaves room for them.
            if (!FindBestPattern(job, enc, last ? kAztecNoSymbolHolds : w.budget - 10))
                return Outcome::Refuse;
            if (last && !enc.inputEnded) return Outcome::Refuse;
        }
        if (!EncodePattern(job, enc)) return Outcome::Refuse;
        // A symbol with its header only carries no data, and readers skip it.
        if (enc.dataCodewords == 0 || (n > 1 && enc.messagePos == start)) return Outcome::Refuse;
        if (enc.checkCodewords < 2) return Outcome::NoFit;
        if (w.compact && enc.dataCodewords > kAztecMaxCompactData) return Outcome::NoFit;
        if (matrix) DrawCoded(job, w, i, *matrix);
    }
    return Outcome::Fit;
}

Outcome Attempt(const AztecJob& job, AztecWork& w, int& bytes) {
    bytes = SelectAztecSize(job, w);
    if (bytes == 0) return Outcome::NoFit;
    if (w.rune) return Outcome::Fit;
    SetField(w);
    return EncodeSet(job, w, nullptr);
}

void TraceInput(std::ostream* trace, const AztecJob& job) {
    if (!trace) return;
    AztecTrace(trace, "INPUT MESSAGE: ");
    for (int32_t i = 0; i < job.length; ++i)
        AztecTrace(trace, "%c", job.message[static_cast<std::size_t>(i)]);
    AztecTrace(trace, "\n");
}

void TraceSize(std::ostream* trace, const AztecJob& job, const AztecWork& w, int bytes) {
    if (!trace) return;
    AztecTrace(trace, "SIZE: ");
    if (w.rune) {
        AztecTrace(trace, "Aztec \"Rune\"");
    } else {
        AztecTrace(trace, "%s Symbol with %d Layers", w.compact ? "Compact" : "Full-Range",
                   w.layers);
        if (job.symbols > 1) AztecTrace(trace, " (x%d)", job.symbols);
    }
    AztecTrace(trace, "; %d x %d Modules => %d Byte Image\n", w.size, w.width, bytes);
}

// Readers end the ID at its first space and take the rest of the header for data.
bool UsableAppendId(const AztecJob& job) {
    return job.symbols == 1 || job.appendId.find(' ') == std::string::npos;
}

bool ValidJob(const AztecJob& job) {
    return job.length >= 0 && job.message.size() >= static_cast<std::size_t>(job.length) + 2 &&
           job.symbols >= 1 && job.symbols <= 26 && job.appendId.size() <= 24 &&
           UsableAppendId(job);
}

// Finds a size for the message: B from one search, then attempts with rising error correction.
int DecideSize(AztecJob& job, AztecWork& w) {
    if (!w.rune) {
        w.enc.header.clear();
        w.enc.messagePos = 0;
        // A message of 20000 bits or more is refused even when a set could split it.
        if (!FindBestPattern(job, w.enc, kAztecNoSymbolHolds) || !w.enc.inputEnded ||
            w.enc.bitCount >= kAztecNoSymbolHolds)
            return 0;
        w.messagePattern = w.enc.pattern;
        w.messageBits = w.enc.bitCount;
        AztecTrace(w.trace, "BEST PATTERN: %s\n # of BITS: %d\n", w.messagePattern.c_str(),
                   w.messageBits);
    }
    for (;;) {
        int bytes = 0;
        const Outcome o = Attempt(job, w, bytes);
        if (o == Outcome::Fit) return bytes;
        if (o == Outcome::Refuse || job.sizeChoice < 0 || job.sizeChoice >= 99) return 0;
        job.sizeChoice = job.sizeChoice == 0 ? 24 : job.sizeChoice + 1;
    }
}

enum class Pass { Size, Fill, Both };

int Build(AztecJob& job, ModuleMatrix& matrix, Pass pass, std::ostream* trace) {
    if (job.sizeChoice == kAztecRune) job.symbols = 1;
    if (!ValidJob(job)) return 0;
    TraceInput(trace, job);
    const int32_t choice = job.sizeChoice;
    try {
        AztecWork w;
        w.trace = trace;
        w.rune = job.sizeChoice == kAztecRune;
        const int bytes = DecideSize(job, w);
        job.sizeChoice = choice;
        if (bytes == 0) return 0;
        TraceSize(trace, job, w, bytes);
        if (pass == Pass::Size) {
            matrix = ModuleMatrix(w.width, w.size);
            return bytes;
        }
        if (pass == Pass::Fill && (matrix.width() != w.width || matrix.height() != w.size))
            return 0;
        matrix = ModuleMatrix(w.width, w.size);
        if (w.rune) {
            const std::vector<int> mode = AztecRuneModeMessage(AztecRuneValue(job));
            DrawAztecSymbol(matrix, w.size / 2, w.size / 2, true, 0, w.size, {}, 6, mode);
            TraceModeMessage(trace, mode);
            return bytes;
        }
        SetField(w);
        // The sizing pass left a single symbol's codewords in the work area; only a trace needs
        // them replayed.
        if (pass == Pass::Both && job.symbols == 1 && trace == nullptr) {
            DrawCoded(job, w, 0, matrix);
            return bytes;
        }
        return EncodeSet(job, w, &matrix) == Outcome::Fit ? bytes : 0;
    } catch (const std::bad_alloc&) {
        job.sizeChoice = choice;
        return 0;
    }
}

}  // namespace

int BuildAztecMatrix(AztecJob& job, ModuleMatrix& matrix, bool build, std::ostream* trace) {
    return Build(job, matrix, build ? Pass::Fill : Pass::Size, trace);
}

int MakeAztecMatrix(AztecJob& job, ModuleMatrix& matrix, std::ostream* trace) {
    return Build(job, matrix, Pass::Both, trace);
}

}  // namespace tsy::aztec
