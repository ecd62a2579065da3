#pragma once

class QFileDialog;

// Every file dialog of the program goes through this before it is shown. It lists files by
// name alone: Qt's own dialog (never the platform's, which may sniff too) with an icon
// provider that judges a file by its name and never opens it.
//
// Why: on POSIX, closing any descriptor of the project database in this process drops
// SQLite's locks on it; another process then believes it is alone and deletes our journal.
// A dialog that reads Adjustment.db to call it "SQLite database" does exactly that.
void UseContentBlindListing(QFileDialog* dialog);
