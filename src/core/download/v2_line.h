#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// One record line of a T8 version 2 text. Every field ends with a comma: field 0 is the text
// before the first comma, field i the text between comma i and comma i + 1. Text after the
// last comma is no field.
struct V2Line
{
    QString head;       // field 0
    QStringList fields; // field 1 onwards

    // Field i as received; empty when the line does not carry it.
    QString Field(int i) const;
    bool Carries(int i) const { return i == 0 || i <= fields.size(); }
};

// The record lines of a text, each ended by CR LF and stripped of the white space around it.
// A line without any comma (the empty line among them) holds no record and is left out;
// text after the last CR LF is not read.
QList<V2Line> SplitV2Lines(const QString& text);

// One line of such a text (without its end), stripped of the white space around it; nothing
// for a line without a comma.
std::optional<V2Line> ParseV2Line(QStringView line);
