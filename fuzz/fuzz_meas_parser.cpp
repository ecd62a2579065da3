// The T5/T8 job parsers over any text: the link variant as a download decodes it, the file
// variant as the import hands it over.
#include "fuzz_store.h"

#include "core/download/meas_parser.h"

#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CProjectStore& store = FuzzStore();
    QStringDecoder decode("GBK");
    const QString text = decode(InputBytes(data, size));
    for (const auto parse : {&ParseMeasJob, &ParseMeasJobFile})
    {
        EmptyTables(store, {"740Meas", "CoorEdit"});
        const MeasParseOutcome outcome = parse(store, text);
        if (!outcome.saved || outcome.failedRows != 0)
            std::abort();
    }
    return 0;
}
