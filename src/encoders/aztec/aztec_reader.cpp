#include "encoders/aztec/aztec_charset.h"
#include "encoders/aztec/aztec_message.h"

namespace tsy::aztec {

AztecJob MakeAztecJob(const uint8_t* message, int32_t length, bool escapes) {
    AztecJob job;
    job.length = length;
    job.escapes = escapes;
    job.message.assign(static_cast<std::size_t>(length > 0 ? length : 0) + 2, 0);
    if (message && length > 0) std::copy(message, message + length, job.message.begin());
    return job;
}

namespace {

bool IsDigitAt(const AztecJob& job, int32_t pos) {
    return pos < job.length && job.message[static_cast<std::size_t>(pos)] >= '0' &&
           job.message[static_cast<std::size_t>(pos)] <= '9';
}

// ESC at pos - 1 has been taken; decides what it starts.
int ReadEscape(const AztecJob& job, AztecEncoding& work) {
    const int32_t pos = work.messagePos;
    if (pos >= job.length) return kAztecBadEscape;
    const int next = job.message[static_cast<std::size_t>(pos)];
    if (next == 27) {
        ++work.messagePos;
        return 27;
    }
    if (next == '0') return kAztecFlg;
    if (next < '1' || next > '6') return kAztecBadEscape;
    for (int i = 1; i <= next - '0'; ++i)
        if (!IsDigitAt(job, pos + i)) return kAztecBadEscape;
    return kAztecFlg;
}

int PairWith(int first, int second) {
    if (first == '\r' && second == '\n') return kAztecCrLf;
    if (second != ' ') return -1;
    if (first == '.') return kAztecPeriodSpace;
    if (first == ',') return kAztecCommaSpace;
    if (first == ':') return kAztecColonSpace;
    return -1;
}

}  // namespace

int ReadAztecChar(const AztecJob& job, AztecEncoding& work) {
    if (work.headerPos < work.header.size()) {
        const int c = static_cast<unsigned char>(work.header[work.headerPos++]);
        if (work.headerPos < work.header.size()) {
            const int pair = PairWith(c, static_cast<unsigned char>(work.header[work.headerPos]));
            if (pair >= 0) {
                ++work.headerPos;
                return pair;
            }
        }
        return c;  // the ID is plain text: no escapes in the header
    }
    if (work.messagePos < 0 || work.messagePos >= job.length) return kAztecEndOfInput;
    const int c = job.message[static_cast<std::size_t>(work.messagePos++)];
    if (work.messagePos == job.length) return c;
    const int pair = PairWith(c, job.message[static_cast<std::size_t>(work.messagePos)]);
    if (pair >= 0) {
        ++work.messagePos;
        return pair;
    }
    if (c == 27 && job.escapes) return ReadEscape(job, work);
    return c;
}

}  // namespace tsy::aztec
