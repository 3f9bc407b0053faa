// The laboratory's texts in English (--lang en).

#include "lab/lab_text_table.h"

constexpr LabTextEntry englishLabTexts[labTextCount] = {
    {LabText::StandardInput, "standard input"},
    {LabText::FormatChosen, "{}: read as {}, judged by its first lines"},
    {LabText::TraceUnreadable, "cannot be read"},
    {LabText::TraceNoAccesses, "no accesses"},
    {LabText::TraceLineTooLong, "the line is longer than 4096 bytes"},
    {LabText::TraceBinary, "a NUL or control byte: a binary file, not a trace"},
    {LabText::TraceNotText, "bytes that are not UTF-8 text"},
    {LabText::TraceUnknownOperationPlain,
     "\"{}\" is not an operation: R, r or L read, W, w or S write, M modify, followed by a blank"},
    {LabText::TraceUnknownOperationDin,
     "\"{}\" is not a label: 0 read, 1 write, 2 instruction fetch, 3 and 4 escape records"},
    {LabText::TraceUnknownOperationLackey,
     "\"{}\" is not a lackey record: I at the start of the line, or a blank then L, S or M"},
    {LabText::TraceMissingAddress, "no address"},
    {LabText::TraceBadAddress, "\"{}\" is not an address: {}"},
    {LabText::TraceAddressTooLarge, "the address \"{}\" does not fit in 64 bits"},
    {LabText::TraceMissingSize, "a size is expected after a comma"},
    {LabText::TraceBadSize, "\"{}\" is not a size: {}"},
    {LabText::TraceSizeZero, "an access of 0 bytes: a size is at least 1"},
    {LabText::TraceSizeTooLarge, "the size \"{}\" is over 4294967295 bytes"},
    {LabText::TracePastLastByte, "the access passes the last address, 0xffffffffffffffff"},
    {LabText::TraceExtraText, "\"{}\" after the access"},
    {LabText::NumberDecimalOrHex, "a decimal number, or hexadecimal after 0x"},
    {LabText::NumberHex, "a hexadecimal number"},
    {LabText::NumberDecimal, "a decimal number"},
    {LabText::LevelFault, "{}, {}: {}"},
    {LabText::SpecUnknownKey, "unknown key; the keys are size, line, ways, policy, write, allocate and hit"},
    {LabText::SpecMissingValue, "no value: key=value"},
    {LabText::SpecRepeatedKey, "given twice"},
    {LabText::SpecBadSize, "\"{}\" is not a size: a whole number of bytes, with K or M for KB or MB"},
    {LabText::SpecBadCycles, "\"{}\" is not a whole number of cycles"},
    {LabText::SpecBadWays, "\"{}\" is not a number of ways: a whole number, or full"},
    {LabText::SpecBadPolicy, "\"{}\" is not a policy: fifo, lru, random, plru, lfu or opt"},
    {LabText::SpecBadWrite, "\"{}\" is not a write rule: back or through"},
    {LabText::SpecBadAllocate, "\"{}\" is not yes or no"},
    {LabText::SpecTooManyLines, "{} lines, more than the {} a level may hold"},
    {LabText::LevelCapacityNotLines, "{} bytes is not a whole number of {}-byte lines, at least one"},
    {LabText::LevelCapacityNotSets, "{} lines do not make whole sets of {} ways"},
    {LabText::LevelLineNotPowerOfTwo, "a line of {} bytes: a line must be a power of two"},
    {LabText::LevelSetsNotPowerOfTwo, "{} sets ({} lines / {} ways): the number of sets must be a power of two"},
    {LabText::LevelWaysZero, "0 ways: a set holds at least one line"},
    {LabText::LevelMoreWaysThanLines, "{} ways, but the level holds only {} lines"},
    {LabText::LevelPlruWays, "plru needs a power of two ways, not {}"},
    {LabText::LevelLineSmallerThanAbove, "a line of {} bytes, smaller than the {} bytes of the level above"},
    {LabText::LevelTooMany, "at most three levels, L1 to L3"},
    {LabText::LevelNone, "no level"},
    {LabText::UsageUnknownOption, "unknown option \"{}\"; accepted: {}"},
    {LabText::UsageNeedsValue, "{} needs a value"},
    {LabText::UsageBadChoice, "{} accepts {}, not \"{}\""},
    {LabText::UsageBadWhole, "{} accepts a whole number from {} to {}, not \"{}\""},
    {LabText::UsageNoTrace, "no trace: give a file, - for standard input, or --example rows or columns"},
    {LabText::UsageTwoTraces, "one trace at a time, not \"{}\" and \"{}\""},
    {LabText::UsageOutputsExclusive, "--csv, --json, --steps and --sweep each replace the table: choose one"},
    {LabText::UsageSweepOneLevel, "--sweep models L1 alone: give at most one --level"},
    {LabText::UsageExampleAndFormat, "{} reads a trace file; --example needs none"},
    {LabText::OpenFailed, "{}: cannot be opened: {}"},
    {LabText::OutputFailed, "the output could not be written"},
    {LabText::Help,
     "Usage: tarvel_cache_lab [options] TRACE\n"
     "Runs a trace of reads and writes through one to three cache levels and main memory, and prints for each\n"
     "level its requests, hits, misses of each kind, write-backs and traffic, and the average memory access\n"
     "time (AMAT).\n"
     "\n"
     "The trace:\n"
     "  TRACE                 a trace file, or - for standard input\n"
     "  --example NAME        a built-in trace instead: rows or columns, a 256 x 256 array of 4-byte\n"
     "                        integers at address 0 summed by rows or by columns (65536 reads of 4 bytes)\n"
     "  --format NAME         auto (the default: judged by the first lines, and named on standard error),\n"
     "                        plain, din or lackey\n"
     "  --no-ifetch           leave instruction fetches out (they are reads otherwise)\n"
     "\n"
     "Formats (blank lines, # comments and CRLF line ends are accepted; addresses have 64 bits; an access of\n"
     "SIZE bytes touches every line from ADDRESS to ADDRESS + SIZE - 1):\n"
     "  plain   [OP] ADDRESS [SIZE]: OP R, r or L read (the default), W, w or S write, M modify (a read\n"
     "          then a write); ADDRESS decimal, or hexadecimal after 0x; SIZE after a comma or a blank,\n"
     "          1 by default:        R 0x1000,4     W 4096 8     8192\n"
     "  din     LABEL ADDRESS [SIZE]: LABEL 0 read, 1 write, 2 instruction fetch, 3 and 4 skipped;\n"
     "          ADDRESS hexadecimal, SIZE decimal, 4 by default:        0 7fff0010     1 1000 8\n"
     "  lackey  the lines of Valgrind's Lackey (--trace-mem=yes); lines starting == are skipped:\n"
     "          I  0400d7d4,8     L 7ff000398,8     S 7ff000390,8     M 0601040,4\n"
     "\n"
     "The hierarchy:\n"
     "  --level SPEC          a level, L1 first; repeat it for L2 and L3. SPEC is key=value items\n"
     "                        separated by commas; a key left out keeps its default:\n"
     "                          size=32K,line=64,ways=8,policy=lru,write=back,allocate=yes,hit=4\n"
     "                        size and line in bytes, with K or M; ways a number, or full for a fully\n"
     "                        associative level; policy fifo, lru, random, plru, lfu or opt; write back\n"
     "                        or through; allocate yes (a write miss fetches the line) or no (it goes on\n"
     "                        below); hit the level's hit time in cycles. No --level: L1 with the defaults\n"
     "  --memory CYCLES       main memory's access time (default 100)\n"
     "  --seed N              the seed of each level's generator under random (default 1)\n"
     "\n"
     "Output (by default a table of the levels and the AMAT):\n"
     "  --csv                 the same as CSV: a row per level, then memory, then amat:\n"
     "                        level,accesses,reads,writes,hits,misses,miss_rate,compulsory,capacity,\n"
     "                        conflict,writebacks,bytes_in,bytes_out,dirty_at_end\n"
     "  --json                the same as one JSON object\n"
     "  --steps               every request at every level as CSV, in the order they happen:\n"
     "                        step,level,op,address,set,tag,outcome,kind,victim,writeback\n"
     "  --sweep               L1 alone under LRU with the line and write rules of --level, every size from\n"
     "                        1K to 4M with 1, 2, 4, 8 and 16 ways and fully associative, as CSV:\n"
     "                        size,ways,accesses,misses,miss_rate,compulsory,capacity,conflict\n"
     "  --lang LANG           the table's language: ro (the default) or en\n"
     "  --help                this text\n"
     "\n"
     "Examples:\n"
     "  The same array read by rows and by columns through a direct-mapped 4 KB L1 of 64-byte lines: by rows\n"
     "  every 16th read misses (6.25 %), by columns every read does:\n"
     "    tarvel_cache_lab --example rows --level size=4K,ways=1 --lang en\n"
     "    tarvel_cache_lab --example columns --level size=4K,ways=1 --lang en\n"
     "  Write-back against write-through on four accesses typed in; compare the bytes written below:\n"
     "    printf 'W 0x0,4\\nW 0x4,4\\nR 0x40\\nR 0x80\\n' | tarvel_cache_lab - --level size=128,ways=1\n"
     "    printf 'W 0x0,4\\nW 0x4,4\\nR 0x40\\nR 0x80\\n' | tarvel_cache_lab - --level size=128,ways=1,write=through\n"
     "  Two levels and the AMAT worked out, h1 + m1 x (h2 + m2 x memory):\n"
     "    tarvel_cache_lab --example columns --level size=8K,hit=1 --level size=64K,hit=10 --memory 100\n"
     "  Every request of a trace through both levels, and the curve of miss rate against size:\n"
     "    tarvel_cache_lab --steps --level size=1K --level size=8K trace.din\n"
     "    tarvel_cache_lab --sweep --example columns\n"
     "\n"
     "Exit status: 0 done; 2 a level cannot be built (every fault is named and nothing runs); 64 a usage\n"
     "error; 65 a trace line cannot be read (FILE:LINE: why) or the trace holds no access; 66 the trace\n"
     "cannot be opened or read; 74 the output cannot be written. After an error standard output holds\n"
     "nothing, and standard error one line a fault. --steps over standard input keeps the trace's accesses\n"
     "in memory (16 bytes each) until the last line is read; from a file it reads the file twice.\n"},
    {LabText::SummaryTrace, "Trace: {} ({}), {} accesses"},
    {LabText::SummarySkipped, ", {} escape records skipped"},
    {LabText::SummaryDropped, ", {} instruction fetches left out"},
    {LabText::SummaryLevel, "{}: {} bytes, {}-byte lines, {}, {} sets, {}, write-{}, allocate={}, hit {} cycles"},
    {LabText::SummaryWays, "associativity {}"},
    {LabText::SummaryWaysFull, "fully associative"},
    {LabText::SummaryMemory, "Memory: {} cycles"},
    {LabText::SummaryRowLevel, "Level"},
    {LabText::SummaryRowAccesses, "Requests"},
    {LabText::SummaryRowReads, "  reads"},
    {LabText::SummaryRowWrites, "  writes"},
    {LabText::SummaryRowHits, "Hits"},
    {LabText::SummaryRowMisses, "Misses"},
    {LabText::SummaryRowMissRate, "Miss rate"},
    {LabText::SummaryRowCompulsory, "  compulsory"},
    {LabText::SummaryRowCapacity, "  capacity"},
    {LabText::SummaryRowConflict, "  conflict"},
    {LabText::SummaryRowWritebacks, "Write-backs"},
    {LabText::SummaryRowBytesIn, "Bytes read from below"},
    {LabText::SummaryRowBytesOut, "Bytes written below"},
    {LabText::SummaryRowDirty, "Dirty lines at the end"},
    {LabText::SummaryMemoryTraffic, "Memory: {} requests ({} reads, {} writes), {} bytes read, {} bytes written"},
    {LabText::SummaryAmat, "AMAT = {} = {} cycles"},
    {LabText::SummaryAmatNote, "(each m is the level's local miss rate over its fetches and accesses from above: {})"},
};

static_assert(holdsEveryTextInOrder(englishLabTexts));
