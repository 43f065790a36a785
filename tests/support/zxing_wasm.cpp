#include "support/zxing_wasm.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tsy::test {
namespace {

std::filesystem::path ToolDir() {
    const char* src = std::getenv("TSY_SOURCE_DIR");
    return std::filesystem::path(src ? src : TSY_SOURCE_DIR_DEFAULT) / "tools" / "zxing-wasm";
}

std::string Field(const std::string& json, const std::string& name) {
    const std::string key = "\"" + name + "\":";
    auto p = json.find(key);
    if (p == std::string::npos) return {};
    p += key.size();
    if (json[p] == '"') {
        std::string out;
        for (++p; p < json.size() && json[p] != '"'; ++p) {
            if (json[p] == '\\' && p + 1 < json.size()) ++p;
            out += json[p];
        }
        return out;
    }
    auto e = json.find_first_of(",}", p);
    return json.substr(p, e - p);
}

std::string FromHex(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}

void WritePgm(const std::filesystem::path& path, const WasmJob& job) {
    std::ofstream f(path, std::ios::binary);
    f << "P5\n" << job.width << " " << job.height << "\n255\n";
    f.write(reinterpret_cast<const char*>(job.grey.data()),
            static_cast<std::streamsize>(job.grey.size()));
}

}  // namespace

bool WasmReaderAvailable() {
    return std::filesystem::exists(ToolDir() / "node_modules" / "zxing-wasm") &&
           std::system("node --version > /dev/null 2>&1") == 0;
}

std::vector<WasmResult> DecodeWithWasm(const std::vector<WasmJob>& jobs) {
    std::vector<WasmResult> results(jobs.size());
    char tmpl[] = "/tmp/tsy-wasm-XXXXXX";
    if (!mkdtemp(tmpl)) return results;
    const std::filesystem::path dir = tmpl;
    std::ofstream list(dir / "jobs.jsonl");
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const auto file = dir / (std::to_string(i) + ".pgm");
        WritePgm(file, jobs[i]);
        list << "{\"file\":\"" << file.string() << "\",\"format\":\"" << jobs[i].format
             << "\",\"pure\":" << (jobs[i].pure ? "true" : "false") << "}\n";
    }
    list.close();
    const std::string cmd = "node " + (ToolDir() / "decode.mjs").string() + " < " +
                            (dir / "jobs.jsonl").string() + " > " + (dir / "out.jsonl").string();
    if (std::system(cmd.c_str()) == 0) {
        std::ifstream out(dir / "out.jsonl");
        std::string line;
        for (std::size_t i = 0; i < jobs.size() && std::getline(out, line); ++i) {
            WasmResult& r = results[i];
            r.ok = Field(line, "ok") == "true";
            r.bytes = FromHex(Field(line, "bytes"));
            r.format = Field(line, "format");
            r.symbologyId = Field(line, "symbologyIdentifier");
            r.ecLevel = Field(line, "ecLevel");
            r.version = Field(line, "version");
            r.text = Field(line, "text");
            r.error = Field(line, "error");
        }
    }
    std::filesystem::remove_all(dir);
    return results;
}

}  // namespace tsy::test
