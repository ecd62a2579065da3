// The five T8 version 2 parsers over any text.
#include "fuzz_store.h"

#include "core/download/v2_parsers.h"

#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CProjectStore& store = FuzzStore();
    QStringDecoder decode("GBK");
    const QString text = decode(InputBytes(data, size));
    for (const auto parse : {&ParseV2Meas, &ParseV2Coor, &ParseV2RoadStake, &ParseV2XSect, &ParseV2SurfaceLine})
    {
        EmptyTables(store, {"520Meas", "520RoadStake", "520BreakerSur", "520SurLine", "CoorEdit"});
        const V2ParseOutcome outcome = parse(store, text);
        if (!outcome.saved || outcome.failedRows != 0)
            std::abort();
    }
    return 0;
}
