// Any byte sequence is a valid animation file: reading, listing and
// summarising it must never crash, and reading must keep every byte.
#include "KrzInfo.h"
#include "RecordIo.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kritz::MemorySource source({data, size});
    std::vector<kritz::DrawRecord> records;
    const kritz::ReadSummary summary = kritz::AppendRecords(source, records);
    if (summary.records != size / 12 || summary.trailingBytes != size % 12 || records.size() != summary.records)
        std::abort();
    if (!records.empty() && std::memcmp(records.data(), data, records.size() * 12) != 0)
        std::abort();

    std::ostringstream out;
    kritz::PrintInfo(out, records, summary.trailingBytes);
    kritz::PrintDump(out, records, false);
    kritz::PrintDump(out, records, true);
    return 0;
}
