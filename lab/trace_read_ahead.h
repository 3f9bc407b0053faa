#pragma once

#include "lab/trace_access.h"
#include "lab/trace_reader.h"

#include <cstddef>

// A trace's accesses handed on in chunks, in order, while the next chunk is being read: where the build has
// threads, a second thread reads and parses the file as the caller's thread runs the model over the chunk
// before, so that a run over a file takes about as long as the slower of the two rather than both. Without
// threads (WebAssembly) it reads and hands on in turn. The reader is used by one thread at a time; its counts
// and fault are complete when the call returns.
//
// Read ahead, a sink may also prepare each chunk on the reading thread, just after it is read and before it is
// taken: chunks are prepared and taken in the same order, and at most two are prepared and not yet taken, so
// that a sink can keep what it prepares for each of two chunks in turn. Read in turn, nothing is prepared.
struct ChunkSink {
    void* context = nullptr;
    void (*take)(void* context, const TraceAccess* accesses, std::size_t count) = nullptr;
    void (*prepare)(void* context, const TraceAccess* accesses, std::size_t count) = nullptr; // may be null
};

void readTraceAhead(TraceReader& reader, std::size_t chunkAccesses, ChunkSink sink);
// The same chunks read and handed on in turn, on the caller's thread alone.
void readTraceInTurn(TraceReader& reader, std::size_t chunkAccesses, ChunkSink sink);

// A sink calling feed(accesses, count), and feed.prepare(accesses, count) where feed has it; feed must
// outlive it.
template <class Feed> ChunkSink chunkSinkOf(Feed& feed) {
    ChunkSink sink{&feed, [](void* context, const TraceAccess* accesses, std::size_t count) {
                       (*static_cast<Feed*>(context))(accesses, count);
                   }};
    if constexpr (requires(const TraceAccess* accesses, std::size_t count) { feed.prepare(accesses, count); }) {
        sink.prepare = [](void* context, const TraceAccess* accesses, std::size_t count) {
            static_cast<Feed*>(context)->prepare(accesses, count);
        };
    }
    return sink;
}

template <class Feed> void readTraceAhead(TraceReader& reader, std::size_t chunkAccesses, Feed& feed) {
    readTraceAhead(reader, chunkAccesses, chunkSinkOf(feed));
}

template <class Feed> void readTraceInTurn(TraceReader& reader, std::size_t chunkAccesses, Feed& feed) {
    readTraceInTurn(reader, chunkAccesses, chunkSinkOf(feed));
}
