#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSaveFile>
#include <QString>
#include <QList>
#include <QStringView>

#include <optional>

// Text files are GBK, as the instrument and the surveyors' older files are. A file that starts
// with the UTF-8 byte-order mark is read as UTF-8: that is what a spreadsheet saves.
QString DecodeFileText(const QByteArray& bytes);

// The whole text of a file, decoded; nothing when the file cannot be opened.
std::optional<QString> ReadTextFile(const QString& path);

// The lines of a text without their line ends (LF or CR LF), as views into it. A last line
// without a line end counts; a line end after the last line adds no empty line.
QList<QStringView> SplitLines(QStringView text);

// The GBK bytes of a text (characters GBK lacks become '?').
QByteArray EncodeGbk(QStringView text);

// Writes a text file line by line, each line in GBK and ended by CR LF. Nothing reaches the
// target until Commit, so a failed or abandoned write leaves no half-written file behind.
class CTextFileWriter
{
public:
    explicit CTextFileWriter(const QString& path);
    bool Open(); // creates the file (an existing one is replaced at Commit)
    void WriteLine(QStringView line);
    void WriteLineBytes(QByteArrayView line); // already encoded; CR LF is appended
    void WriteUtf8Line(QByteArrayView line);  // a line read from the store, written in GBK
    bool Commit();

private:
    QSaveFile m_file;
};
