#pragma once

#include "core/report/reporter.h"

#include <QString>

// How an operation ended: one set of words for every transfer, parse and save of the core.
enum class Status
{
    Done,                // everything went as asked
    Cancelled,           // the user stopped it; nothing more is said
    PortNotOpened,       // the serial port does not exist or another program holds it
    PortBusy,            // another transfer of this program holds the port
    TimedOut,            // the instrument stayed silent too long
    StoppedByInstrument, // the instrument answered DC3 during an upload
    HungUp,              // the line went away in the middle of a transfer
    NoRecords,           // received text with no record in it: nothing replaced
    FileNotWritable,     // the target file cannot be created or written
    NoFileChosen,        // the save dialog failed
    BadRow,              // a row that cannot be sent as it stands
    DatabaseError,       // the store refused (it has said why)
    NothingToDo,         // a data kind that transfers nothing
};

// What the user is told about an outcome; an empty text tells nothing.
struct UserMessage
{
    QString text;
    MessageIcon icon = MessageIcon::None;
};
