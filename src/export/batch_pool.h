// The builders of a batch run: one copy of the document per thread, so symbols are built at
// once while the run hands out lines and reads results in line order.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tsy {

class CEncoderDoc;

// One line of the list on its way through the run.
struct BatchJob {
    std::size_t index = 0;  // among the kept lines; the file number is index + 1
    std::u16string line;
    std::u16string display;
    std::u16string name;  // the output file
    std::u16string note;  // the log line of a skipped line, which is not built
    bool accurate = true;
    bool unreadable = false;  // verify only: the written symbol does not read back
    bool written = false;
    std::string error;
    bool done = false;
};

class BatchPool {
public:
    // threads 0: one per core. One thread, or a document that cannot be copied, builds on
    // the caller's thread with doc itself.
    BatchPool(CEncoderDoc& doc, unsigned threads, bool captionFromMessage, bool verify = false);
    ~BatchPool();
    BatchPool(const BatchPool&) = delete;
    BatchPool& operator=(const BatchPool&) = delete;

    bool Threaded() const { return threaded_; }
    // Jobs worth having on their way at once.
    std::size_t Window() const { return threaded_ ? 4 * copies_.size() : 1; }
    void Submit(BatchJob& job);
    // Returns when job is built and written.
    void Finish(BatchJob& job);
    // Jobs not yet started are dropped; returns when the running ones are done.
    void Stop();

private:
    void Work(CEncoderDoc& doc);
    void BuildOne(CEncoderDoc& doc, BatchJob& job);

    CEncoderDoc& doc_;
    bool caption_;
    bool verify_;
    bool serialBuilds_ = false;
    bool threaded_ = false;
    std::vector<std::unique_ptr<CEncoderDoc>> copies_;
    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::mutex buildMutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::deque<BatchJob*> pending_;
    bool stopping_ = false;
};

}  // namespace tsy
