#include "gui/geodesy/store_job.h"

#include "core/store/project_store.h"
#include "gui/geodesy/geodesy_dialog_texts.h"
#include "gui/shell/session.h"

#include <QProgressDialog>

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
    CKeptMessages::Tell(result->messages, session.Reporter());
    return result->outcome;
}
