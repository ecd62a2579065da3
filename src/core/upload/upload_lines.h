#pragma once

#include "core/report/outcome.h"
#include "core/views/data_kind.h"

#include <QByteArray>
#include <QList>
#include <QString>

class CProjectStore;

// The upload categories of the handshake protocol.
namespace UploadCategory
{
constexpr int Coordinates = 0;
constexpr int Alignment = 1;
} // namespace UploadCategory

// The bytes of each line, GBK, with CR LF.
QByteArray PacedPointLine(const QString& name, double north, double east, double height);
QByteArray HandshakePointLine(const QString& name, double north, double east, double height, const QString& code);
QByteArray AlignmentLine(const QString& lineType, const QString& startChainage, const QString& radius,
                         const QString& north, const QString& east);

// The table whose rows an upload of `category` sends.
QString UploadedTableOf(int category);

struct UploadLines
{
    QList<QByteArray> lines;
    // Done, or why nothing may be sent: BadRow (its detail says which row and why) or
    // DatabaseError (the store has said why).
    Outcome outcome;
};

// Reads the rows that an upload of data kind `kind` (74002 or 52000) and `category` sends, in
// sending order, and turns them into lines. A row that has no name or no usable coordinate
// stops it all: a made-up coordinate must never reach a stake-out.
UploadLines BuildUploadLines(CProjectStore& store, DataKind kind, int category);
