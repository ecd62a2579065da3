#pragma once

#include <QString>

// The statements of the program are written as the instrument era wrote them, with table
// names such as 740Meas bare. SQLite needs those quoted; this turns a statement into one
// that SQLite accepts without touching anything inside string literals.
QString AdaptStatement(const QString& sql);

// A text value as an SQL literal: in single quotes, with every quote inside doubled, so a
// name such as O'Brien can neither break a statement nor widen what it touches.
QString SqlText(const QString& value);
