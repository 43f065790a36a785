#include "export/batch_pool.h"

#include <algorithm>

#include "document/encoder_doc.h"
#include "export/document_copy.h"
#include "export/document_export.h"
#include "platform/utf8_text.h"
#include "verify/verify_symbol.h"

namespace tsy {

BatchPool::BatchPool(CEncoderDoc& doc, unsigned threads, bool captionFromMessage, bool verify)
    : doc_(doc),
      caption_(captionFromMessage),
      verify_(verify),
      serialBuilds_(!doc.BuildsConcurrently()) {
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    if (threads < 2) return;
    for (unsigned i = 0; i < threads; ++i) {
        std::unique_ptr<CEncoderDoc> copy = CopyDocument(doc);
        if (!copy) {
            copies_.clear();
            return;
        }
        copies_.push_back(std::move(copy));
    }
    threaded_ = true;
    workers_.reserve(copies_.size());
    for (auto& copy : copies_) workers_.emplace_back([this, &copy] { Work(*copy); });
}

BatchPool::~BatchPool() {
    Stop();
}

void BatchPool::BuildOne(CEncoderDoc& doc, BatchJob& job) {
    doc.m_Message = job.line;
    doc.m_Caption = caption_ ? job.display : std::u16string();
    {
        std::unique_lock<std::mutex> turn(buildMutex_, std::defer_lock);
        if (serialBuilds_ && threaded_) turn.lock();
        doc.BuildSymbol();
    }
    job.accurate = doc.m_Accurate != 0;
    job.written =
        ExportDocumentToFile(doc, std::filesystem::path(Utf16ToUtf8Text(job.name)), &job.error);
    if (verify_ && job.written)
        job.unreadable = VerifySymbol(doc).check == SymbolCheck::NotReadable;
}

void BatchPool::Submit(BatchJob& job) {
    if (!Threaded()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pending_.push_back(&job);
    }
    wake_.notify_one();
}

void BatchPool::Finish(BatchJob& job) {
    if (!Threaded()) {
        BuildOne(doc_, job);
        return;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    done_.wait(lock, [&] { return job.done; });
}

void BatchPool::Work(CEncoderDoc& doc) {
    for (;;) {
        BatchJob* job;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || !pending_.empty(); });
            if (stopping_) return;
            job = pending_.front();
            pending_.pop_front();
        }
        BuildOne(doc, *job);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            job->done = true;
        }
        done_.notify_all();
    }
}

void BatchPool::Stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        pending_.clear();
    }
    wake_.notify_all();
    for (std::thread& worker : workers_)
        if (worker.joinable()) worker.join();
}

}  // namespace tsy
