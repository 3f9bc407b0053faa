#pragma once

#include "lab/trace_access.h"
#include "lab/trace_reader.h"

#include <cstddef>

// A trace's accesses handed on in chunks, in order, while the next chunk is being read: where the build has
// threads, a second thread reads and parses the file as the caller's thread runs the model over the chunk
// before, so that a run over a file takes about as long as the slower of the two rather than both. Without
// threads (WebAssembly) it reads and hands on in turn. The reader is used by one thread at a time; its counts
// and fault are complete when the call returns.
struct ChunkSink {
    void* context = nullptr;
    void (*take)(void* context, const TraceAccess* accesses, std::size_t count) = nullptr;
};

void readTraceAhead(TraceReader& reader, std::size_t chunkAccesses, ChunkSink sink);
// The same chunks read and handed on in turn, on the caller's thread alone.
void readTraceInTurn(TraceReader& reader, std::size_t chunkAccesses, ChunkSink sink);

// A sink calling feed(accesses, count); feed must outlive it.
template <class Feed> ChunkSink chunkSinkOf(Feed& feed) {
    return ChunkSink{&feed, [](void* context, const TraceAccess* accesses, std::size_t count) {
                         (*static_cast<Feed*>(context))(accesses, count);
                     }};
}

template <class Feed> void readTraceAhead(TraceReader& reader, std::size_t chunkAccesses, Feed& feed) {
    readTraceAhead(reader, chunkAccesses, chunkSinkOf(feed));
}

template <class Feed> void readTraceInTurn(TraceReader& reader, std::size_t chunkAccesses, Feed& feed) {
    readTraceInTurn(reader, chunkAccesses, chunkSinkOf(feed));
}
