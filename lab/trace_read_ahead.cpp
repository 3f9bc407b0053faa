#include "lab/trace_read_ahead.h"

#include <vector>

void readTraceInTurn(TraceReader& reader, std::size_t chunkAccesses, ChunkSink sink) {
    std::vector<TraceAccess> chunk(chunkAccesses);
    for (std::size_t count; (count = reader.read(chunk.data(), chunk.size())) != 0;) {
        sink.take(sink.context, chunk.data(), count);
    }
}

#if defined(__wasi__)

void readTraceAhead(TraceReader& reader, std::size_t chunkAccesses, ChunkSink sink) {
    readTraceInTurn(reader, chunkAccesses, sink);
}

#else

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace {

// Two chunks taking turns: the reader fills one while the caller's thread feeds the other. A chunk's count
// is 0 when it is free to fill; the reader marks the end with a free chunk and ended.
struct ChunkPair {
    std::vector<TraceAccess> chunks[2];
    std::size_t counts[2] = {0, 0};
    bool ended = false;
    std::mutex mutex;
    std::condition_variable changed;
};

void readInto(TraceReader& reader, ChunkPair& pair) {
    for (int turn = 0;; turn ^= 1) {
        {
            std::unique_lock<std::mutex> lock(pair.mutex);
            pair.changed.wait(lock, [&] { return pair.counts[turn] == 0; });
        }
        const std::size_t count = reader.read(pair.chunks[turn].data(), pair.chunks[turn].size());
        {
            const std::lock_guard<std::mutex> lock(pair.mutex);
            pair.counts[turn] = count;
            pair.ended = count == 0;
        }
        pair.changed.notify_all();
        if (count == 0) {
            return;
        }
    }
}

} // namespace

void readTraceAhead(TraceReader& reader, std::size_t chunkAccesses, ChunkSink sink) {
    ChunkPair pair;
    pair.chunks[0].resize(chunkAccesses);
    pair.chunks[1].resize(chunkAccesses);
    std::thread readerThread(readInto, std::ref(reader), std::ref(pair));
    for (int turn = 0;; turn ^= 1) {
        std::size_t count = 0;
        {
            std::unique_lock<std::mutex> lock(pair.mutex);
            pair.changed.wait(lock, [&] { return pair.counts[turn] != 0 || pair.ended; });
            count = pair.counts[turn];
        }
        if (count == 0) {
            break;
        }
        sink.take(sink.context, pair.chunks[turn].data(), count);
        {
            const std::lock_guard<std::mutex> lock(pair.mutex);
            pair.counts[turn] = 0;
        }
        pair.changed.notify_all();
    }
    readerThread.join();
}

#endif
