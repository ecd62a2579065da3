#pragma once

#include "core/files/atomic_file.h"
#include "core/text/gbk_codec.h"
#include "core/text/gbk_conversion.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Writes a text file line by line, each line in GBK and ended by CR LF. Nothing reaches the
// target until Commit, so a failed or abandoned write leaves no half-written file behind, and
// a write that failed (a full disk) ends Commit in WriteFailed with the reason. So does a line
// beyond ASCII in a build that cannot convert GBK: no file goes out with its Chinese lost.
class CTextFileWriter
{
public:
    explicit CTextFileWriter(const QString& path);
    bool Open(); // creates the file (an existing one is replaced at Commit)
    void WriteLine(QStringView line);
    void WriteLineBytes(QByteArrayView line); // already encoded; CR LF is appended
    void WriteUtf8Line(QByteArrayView line);  // a line read from the store, written in GBK
    Outcome Commit();
    void Cancel() { m_file.Cancel(); }

private:
    CAtomicFile m_file;
    CGbkCodec m_gbk;
    bool m_noGbk = false;
};
