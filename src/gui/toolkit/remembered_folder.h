#pragma once

#include <QString>

class QFileDialog;
class QSettings;

// The folder each kind of file dialog showed last, kept in the settings so that the next run
// opens there again. A null settings object remembers nothing.
namespace FolderPurpose
{
inline const QString Import = QStringLiteral("import");
inline const QString Export = QStringLiteral("export");
inline const QString SdCard = QStringLiteral("sdcard");
inline const QString RawDownload = QStringLiteral("rawDownload");
} // namespace FolderPurpose

// The folder last chosen for `purpose`; empty when none was, or when it has gone since.
QString RememberedFolder(const QSettings* settings, const QString& purpose);
void RememberFolder(QSettings* settings, const QString& purpose, const QString& folder);

// Runs `dialog` from the folder last chosen for `purpose`, at the size the user last gave a file
// dialog (900 × 560 at first), and, when the user accepts, remembers the folder of the choice.
// Returns what QDialog::exec returns.
int ExecInRememberedFolder(QFileDialog& dialog, QSettings* settings, const QString& purpose);
