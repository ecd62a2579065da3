#include "gui/files/content_blind_listing.h"

#include "gui/files/file_dialog_texts.h"

#include <QFileIconProvider>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>

namespace
{
// The style's icons for drives, folders and files; a file's type comes from its name.
class CNameOnlyIconProvider final : public QObject, public QFileIconProvider
{
public:
    explicit CNameOnlyIconProvider(QObject* owner) : QObject(owner) {}

    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override
    {
        if (info.isRoot())
            return icon(Drive);
        if (info.isDir())
            return icon(Folder);
        const QIcon themed = QIcon::fromTheme(TypeOf(info).iconName());
        return themed.isNull() ? icon(File) : themed;
    }

    QString type(const QFileInfo& info) const override
    {
        // Drives and folders are named without reading.
        if (info.isDir() && !info.isRoot())
            return FileDialogTexts::FolderType;
        if (!info.isFile())
            return QFileIconProvider::type(info);

        const QMimeType mime = TypeOf(info);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }

private:
    QMimeType TypeOf(const QFileInfo& info) const
    {
        return m_types.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }

    QMimeDatabase m_types;
};
} // namespace

void UseContentBlindListing(QFileDialog* dialog)
{
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // Owned by the dialog and created after its file model, so it outlives the model's
    // background thread that asks it for icons.
    dialog->setIconProvider(new CNameOnlyIconProvider(dialog));
}
