#include "gui/geodesy/store_job.h"

#include "core/store/project_store.h"
#include "gui/geodesy/geodesy_dialog_texts.h"
#include "gui/shell/session.h"

#include <QProgressDialog>

namespace
{
// Keeps what the job's store reports, to be told on the window's thread with the result.
class CKeptMessages final : public IReporter
{
public:
    explicit CKeptMessages(QList<QPair<QString, MessageIcon>>& kept) : m_kept(kept) {}
    void Message(const QString& text, MessageIcon icon) override { m_kept.append({text, icon}); }
    bool Confirm(const QString&) override { return false; } // the questions were asked before it started
private:
    QList<QPair<QString, MessageIcon>>& m_kept;
};
} // namespace

CStoreJob::~CStoreJob()
{
    StopAndWait();
}

void CStoreJob::Start(const QString& databasePath, Job job)
{
    Launch([this, databasePath, job = std::move(job)](const std::atomic<bool>&) {
        auto result = std::make_shared<StoreJobResult>();
        {
            CKeptMessages kept(result->messages);
            CProjectStore store(databasePath, &kept);
            result->outcome = store.Connect() ? job(store) : Outcome(Status::DatabaseError);
            store.Disconnect();
        }
        emit Finished(result);
    });
}

Outcome RunStoreJob(CSession& session, QWidget& over, CStoreJob::Job job)
{
    QProgressDialog note(GeodesyDialogTexts::Working, QString(), 0, 0, over.window());
    note.setObjectName(QStringLiteral("storeJobNote"));
    note.setWindowModality(Qt::WindowModal);
    note.setMinimumDuration(0);
    std::shared_ptr<StoreJobResult> result;
    auto* worker = new CStoreJob(&note);
    QObject::connect(worker, &CStoreJob::Finished, &note, [&note, &result](std::shared_ptr<StoreJobResult> finished) {
        result = std::move(finished);
        note.done(QDialog::Accepted);
    });
    worker->Start(session.Store().DatabasePath(), std::move(job));
    // The job cannot be stopped half way (the list is replaced whole or not at all): closing
    // the note only brings it back until the job is done.
    while (!result)
        note.exec();
    for (const auto& [text, icon] : result->messages)
        session.Reporter().Message(text, icon);
    return result->outcome;
}
