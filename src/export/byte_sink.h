// Where an image encoder puts its bytes: memory or an open file.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace tsy {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False when the bytes could not be stored; the encoder then gives up.
    virtual bool Write(const void* data, std::size_t size) = 0;
};

class StringSink final : public ByteSink {
public:
    bool Write(const void* data, std::size_t size) override;
    std::string bytes;
};

class FileSink final : public ByteSink {
public:
    explicit FileSink(std::FILE* file) : file_(file) {}
    bool Write(const void* data, std::size_t size) override;

private:
    std::FILE* file_;
};

}  // namespace tsy
