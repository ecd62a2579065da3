// The text import over any file: GBK (or UTF-8 after a byte-order mark) decoding, line
// splitting and the coordinate column formats, then the code list. The format follows from
// the input, so the fuzzer reaches all eight.
#include "fuzz_store.h"

#include "core/files/text_import.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CProjectStore& store = FuzzStore();
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(InputBytes(data, size));
    }
    size_t mix = size;
    for (size_t i = 0; i < size; ++i)
        mix = mix * 31 + data[i];
    const int format = int(mix % 8);
    for (const ImportType type : {ImportType::Coor, ImportType::Code})
    {
        // A file may be refused as a whole (it says so, as it should); every column takes
        // text, so the store must never refuse what the import makes of it.
        if (ImportFile(store, type, format, path).status == Status::DatabaseError)
            std::abort();
    }
    return 0;
}
