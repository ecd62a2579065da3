#pragma once

#include "core/plan/plan_sheet.h"
#include "core/views/data_kind.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class CPlanCanvas;
class CPlanLoader;
class CPlanPosition;
class CSession;
class QAction;
class QTimer;
struct LoadedPlan;

// The "平面图" tab: the plan of the points beside the list, with its tool row and context
// menu. It reads the store again whenever the list is refreshed, and keeps the selection
// in step with the list's through the session.
class CPlanTab : public QWidget
{
    Q_OBJECT
public:
    explicit CPlanTab(CSession& session, QWidget* parent = nullptr);
    ~CPlanTab() override;

    CPlanCanvas& Canvas() const { return *m_canvas; }
    // Reads the points again, on a worker of its own: a million rows take seconds, and the
    // window stays usable meanwhile (otherwise they are read when the tab is next shown).
    void Reload();
    bool ReloadPending() const { return m_dirty || m_loading; }
    QAction* FitAction() const { return m_fit; }

    // Asks for a file and writes the plan to it: a PNG or SVG of what the tab shows, a PDF
    // on paper at a scale; every name is on it, and the status bar tells where it went.
    void ExportImage();
    // The same from the menu: with the points still being read, once they are there.
    void ExportWhenLoaded();
    void ExportDxf();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ScheduleReload();
    void ShowLoaded(const std::shared_ptr<LoadedPlan>& plan);
    void ShowPartial(const std::shared_ptr<LoadedPlan>& plan);
    void ShowProgress(qint64 read, qint64 total);
    void ShowContextMenu(const QPoint& at);
    void SelectListPosition(int position);
    void SelectPointRow(int index);
    void ShowCursor(double east, double north);
    void FollowSystem();
    TitleBlock SheetTitle() const;
    void TellWhere(const QString& path);

    CSession& m_session;
    CPlanCanvas* m_canvas;
    QAction* m_fit;
    QAction* m_names;
    QAction* m_codes;
    QTimer* m_reloadTimer;
    bool m_dirty = true;
    QPointer<CPlanLoader> m_loader;
    bool m_loading = false;
    bool m_reloadAgain = false; // the list changed while the points were being read
    DataKind m_loadedKind = DataKind::None;
    QElapsedTimer m_sinceProgress; // the count on the picture changes a few times a second
    std::vector<int> m_pointOfRow; // the point of each list row, −1 where none
    bool m_syncing = false;
    std::unique_ptr<CPlanPosition> m_position; // of the project's system
    SheetChoice m_sheet;                       // the last sheet printed, offered again
    bool m_exportWhenLoaded = false;
    bool m_cursorShown = false; // the status bar shows the cursor's ground
};
