// The T5/T8 job parsers over any text: the link variant as a download decodes it, the file
// variant as the import hands it over.
#include "parsed_job_checks.h"

#include "core/download/meas_parser.h"

#include <QByteArray>
#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringDecoder decode("GBK");
    const QString text = decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    CheckParsedJob(ParseMeasJob(text));
    CheckParsedJob(ParseMeasJobFile(text));
    return 0;
}
