#pragma once

#include <QString>
#include <QStringList>

// Folders that refuse writes, made for a test and given back afterwards. Permission bits do
// not stop the administrator, so as root a read-only folder is the folder mounted read-only
// over itself (a read-only medium) and a full disk is a small memory file system; a test
// that cannot have one skips.

class CReadOnlyFolder
{
public:
    explicit CReadOnlyFolder(QString path);
    ~CReadOnlyFolder();
    CReadOnlyFolder(const CReadOnlyFolder&) = delete;
    CReadOnlyFolder& operator=(const CReadOnlyFolder&) = delete;

    bool IsReady() const { return m_ready; }
    // The reason the store should give: a read-only medium, or a folder it may not write.
    QString ExpectedReason() const;

private:
    QString m_path;
    bool m_mounted = false;
    bool m_ready = false;
};

class CSmallDisk
{
public:
    CSmallDisk(QString path, int kibibytes);
    ~CSmallDisk();
    CSmallDisk(const CSmallDisk&) = delete;
    CSmallDisk& operator=(const CSmallDisk&) = delete;

    bool IsReady() const { return m_ready; }
    // Takes every free byte with a filler file; true when the disk is then 100% full.
    bool Fill();

private:
    QString m_path;
    bool m_ready = false;
};

// Runs a command as the administrator would at a prompt; true when it ended with status 0.
bool RunCommand(const QString& program, const QStringList& arguments);
bool RunningAsRoot();
