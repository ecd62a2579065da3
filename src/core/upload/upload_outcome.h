#pragma once

// How an upload ended. Every outcome but Complete and Cancelled has told the user why.
enum class UploadOutcome
{
    Complete,            // every line and EOT sent
    StoppedByInstrument, // the instrument answered DC3: EOT sent, "Upload Timeout!"
    WaitTimeout,         // the instrument never said it was ready
    PortNotOpened,
    Cancelled,           // the stop flag was set; nothing more was shown or sent
    BadRow,              // a row without a name or a coordinate: nothing sent
    DatabaseError,       // the rows could not be read: nothing sent
    NothingToDo,         // a data kind that uploads nothing
};
