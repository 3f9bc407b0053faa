#include "lab/kept_trace.h"

bool KeptTrace::append(const TraceAccess* accesses, std::size_t count) {
    if (count > capacity - size()) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const TraceAccess& access = accesses[i];
        const std::uint32_t size = access.size == 0 ? 0 : access.size - 1;
        const bool large = size >= sizeMask;
        if (large) {
            largeSizes_.push_back(access.size);
        }
        addresses_.push_back(access.address);
        packed_.push_back(static_cast<std::uint32_t>(access.op) << sizeBits | (large ? sizeMask : size));
    }
    return true;
}

TraceAccess KeptTrace::access(std::size_t index, std::size_t& nextLarge) const {
    const std::uint32_t packed = packed_[index];
    TraceAccess access;
    access.address = addresses_[index];
    access.op = static_cast<AccessOp>(packed >> sizeBits);
    access.size = (packed & sizeMask) == sizeMask ? largeSizes_[nextLarge++] : (packed & sizeMask) + 1;
    return access;
}
