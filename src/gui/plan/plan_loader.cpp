#include "gui/plan/plan_loader.h"

#include "core/store/project_store.h"

namespace
{
// Keeps what the reading reports, to be told on the window's thread with the result.
class CKeptMessages final : public IReporter
{
public:
    explicit CKeptMessages(QList<QPair<QString, MessageIcon>>& kept) : m_kept(kept) {}
    void Message(const QString& text, MessageIcon icon) override { m_kept.append({text, icon}); }
    bool Confirm(const QString&) override { return false; } // reading asks nothing
private:
    QList<QPair<QString, MessageIcon>>& m_kept;
};
} // namespace

CPlanLoader::~CPlanLoader()
{
    StopAndWait();
}

void CPlanLoader::Start(const QString& databasePath, DataKind kind)
{
    Launch([this, databasePath, kind](const std::atomic<bool>& stop) {
        auto plan = std::make_shared<LoadedPlan>();
        plan->kind = kind;
        {
            CKeptMessages kept(plan->messages);
            CProjectStore reader(databasePath, &kept);
            plan->data = ReadPlanData(reader, kind);
            reader.Disconnect();
        }
        if (stop)
            return; // nobody waits for this picture any more
        plan->grid = CPointGrid(plan->data);
        emit Loaded(plan);
    });
}
