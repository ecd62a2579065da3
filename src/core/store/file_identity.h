#pragma once

#include <QString>

#include <cstdint>

// Which file a path names, as the file system tells it (device and inode; on Windows the
// volume and the file index): two paths name the same file, whatever their text, when their
// identities are equal — a symbolic link and its target, two hard links of one file.
struct FileIdentity
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool exists = false; // false: nothing (readable) lies at the path

    bool operator==(const FileIdentity& other) const = default;
    // "device-inode", for names that stand for the file.
    QString Key() const;
};

// The file at `path`, following symbolic links.
FileIdentity IdentityOf(const QString& path);

// Where a path leads: the canonical path of an existing file; for one still to be made, the
// target of any dangling link, in its folder's canonical path.
QString ResolvedPath(const QString& path);
