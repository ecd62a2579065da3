#pragma once

#include <QString>

// How an operation ended: one set of statuses for every transfer, import, export, edit and save
// of the core. The core says no words about them: the desktop program and merion-cli turn a
// result into words in one place each (gui/app/result_report, cli/result_report).
enum class Status
{
    Done,                // everything went as asked
    Cancelled,           // the user stopped it or said no; nothing more is said
    PortNotOpened,       // the serial port does not exist or another program holds it
    PortBusy,            // another transfer of this program holds the port
    TimedOut,            // the instrument stayed silent too long
    StoppedByInstrument, // the instrument answered DC3 during an upload
    HungUp,              // the line went away in the middle of a transfer
    NoRecords,           // a text with no record in it: nothing replaced
    NotText,             // a file to import holds binary data: nothing replaced
    FileNotReadable,     // the file to read cannot be opened
    FileNotWritable,     // the target file cannot be created or written
    WriteFailed,         // writing the file failed part way (`detail`: the system's reason); the old file is kept
    ProjectFile,         // the chosen file is the project database or one of its own files (`detail`: the path)
    NameNotEncodable,    // a file name the file system's encoding cannot carry (`detail`: the name as read)
    NotPlainName,        // a folder name with a path separator in it, or "." or ".." (`detail`: the name)
    PathNotCreated,      // the folder to write into cannot be created
    UnknownImageType,    // the file name asks for an image type that is not drawn
    MemoryFull,          // written, but the instrument holds only part of it (said while writing)
    NoFileChosen,        // the save dialog failed
    EmptyName,           // no point name or code number (`detail`: the field's name; none for the point name)
    NoSuchRecord,        // editing or deleting a record the list does not hold (`detail`: its key)
    NameExists,          // adding a name the list already holds
    InvalidNumber,       // the field `detail` names is not a number
    BadRow,              // a row that cannot be sent as it stands
    DatabaseError,       // the store refused (it has said why)
    NothingToDo,         // a data kind that transfers or edits nothing
    CannotCompute,       // a computation lacks what it needs; `detail` says what, in the user's words
    NoCoordinateSystem,  // the project has no coordinate system to start from
    UnknownCoordinateSystem, // PROJ does not know the system `detail` names
};

// The result of every operation of the core that a user can make fail: how it ended and the
// value the status needs to be told. A transfer's result (core/link/transfer.h) is an Outcome
// with what the transfer carried.
struct Outcome
{
    Outcome(Status status = Status::Done, QString detail = {}) : status(status), detail(std::move(detail)) {}

    Status status;
    // Done and MemoryFull: what the finished work tells the user, if anything;
    // InvalidNumber: the field's name as the dialog labels it; BadRow: why the row is refused;
    // CannotCompute: what the computation lacks; WriteFailed: the system's reason, when it gave
    // one; ProjectFile, NameNotEncodable, NotPlainName: the path; UnknownCoordinateSystem: the
    // system as given.
    QString detail;

    bool Succeeded() const { return status == Status::Done; }
    static Outcome Invalid(const QString& field) { return {Status::InvalidNumber, field}; }
    static Outcome DoneSaying(const QString& text) { return {Status::Done, text}; }
};

// A value together with how producing it ended: the value is meaningful as the status says (a
// read that failed gives the defaults, for instance).
template <typename T>
struct Produced
{
    T value;
    Outcome outcome;
    bool Succeeded() const { return outcome.Succeeded(); }
};
