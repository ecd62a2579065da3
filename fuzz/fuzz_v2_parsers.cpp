// The five T8 version 2 parsers over any text.
#include "parsed_job_checks.h"

#include "core/download/v2_parsers.h"

#include <QByteArray>
#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringDecoder decode("GBK");
    const QString text = decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const auto parse : {&ParseV2Meas, &ParseV2Coor, &ParseV2RoadStake, &ParseV2XSect, &ParseV2SurfaceLine})
        CheckParsedJob(parse(text));
    return 0;
}
