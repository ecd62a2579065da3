#pragma once

#include "core/report/outcome.h"
#include "core/text/gbk_codec.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Reads a text file one line at a time, in bounded pieces, and hands out each line in UTF-8.
// The file is GBK, or UTF-8 after a byte-order mark (what a spreadsheet saves). CR, LF and
// CR LF each end a line; a last line without a line end counts, and a line end after the last
// line adds no empty line. A character cut off at the end of a line or of the file is kept as
// U+FFFD rather than dropped, so no line is ever lost.
class CTextLineReader
{
public:
    explicit CTextLineReader(const QString& path);

    bool Open(); // false when the file cannot be opened for reading
    // A NUL byte: no text file of points, codes or jobs holds one. Known for the first 64 KiB
    // once Open has read them; a NUL further on ends the reading there, and a reader checks
    // again before it keeps what it read.
    bool LooksBinary() const { return m_binary; }
    // The next line without its line end; false at the end of the file, at a NUL byte, and at
    // a line longer than MaxLineBytes (no text of points, codes or jobs has one), which is not
    // read whole.
    bool Next(QByteArray& line);
    // The number of the line that was too long; 0 when none was.
    qint64 TooLongLine() const { return m_tooLong; }

    static constexpr qsizetype MaxLineBytes = 1024 * 1024;

private:
    bool Fill();
    void Decode(QByteArray& line) const;

    QFile m_file;
    QByteArray m_chunk;
    qsizetype m_at = 0;
    bool m_utf8 = false;
    bool m_binary = false;
    bool m_afterCr = false;  // the last line ended at a CR: an LF right after it belongs to it
    bool m_atEnd = false;
    qint64 m_lines = 0;   // lines handed out
    qint64 m_tooLong = 0;
    // Made once: opening the converter costs more than decoding a line.
    CGbkCodec m_gbk;
};

// Opens a file that should be text: FileNotReadable when it cannot be opened, NotText when its
// start holds a NUL byte, Done when its lines can be read.
Status OpenText(CTextLineReader& reader);
