#include "export/byte_sink.h"

namespace tsy {

bool StringSink::Write(const void* data, std::size_t size) {
    bytes.append(static_cast<const char*>(data), size);
    return true;
}

bool FileSink::Write(const void* data, std::size_t size) {
    return size == 0 || std::fwrite(data, 1, size, file_) == size;
}

}  // namespace tsy
