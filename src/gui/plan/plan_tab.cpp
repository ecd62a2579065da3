#include "gui/plan/plan_tab.h"

#include "core/geodesy/coordinate_system.h"
#include "core/geodesy/plan_position.h"
#include "core/geodesy/system_store.h"
#include "core/plan/dxf_export.h"
#include "core/plan/point_grid.h"
#include "core/store/hand_edits.h"
#include "core/store/project_store.h"
#include "core/views/data_kind.h"
#include "gui/files/shown_list.h"
#include "gui/geodesy/geodesy_dialog_texts.h"
#include "gui/plan/plan_canvas.h"
#include "gui/plan/plan_loader.h"
#include "gui/plan/plan_view_texts.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "gui/plan/plan_sheet_dialog.h"
#include "plot/plan_image.h"
#include "plot/plan_sheet.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

CPlanTab::CPlanTab(CSession& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_canvas(new CPlanCanvas(this)), m_reloadTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("planTab"));
    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("planTools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_fit = tools->addAction(PlanViewTexts::FitAll, m_canvas, &CPlanCanvas::FitAll);
    m_fit->setToolTip(PlanViewTexts::FitAllTip);
    // Home fits wherever the focus is in the tab, the tool row included.
    m_fit->setShortcut(QKeySequence(Qt::Key_Home));
    m_fit->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_fit);
    m_names = tools->addAction(PlanViewTexts::Names);
    m_names->setToolTip(PlanViewTexts::NamesTip);
    m_names->setCheckable(true);
    m_names->setChecked(m_canvas->Style().names);
    m_codes = tools->addAction(PlanViewTexts::Codes);
    m_codes->setToolTip(PlanViewTexts::CodesTip);
    m_codes->setCheckable(true);
    m_codes->setChecked(m_canvas->Style().codes);
    const auto restyle = [this] {
        m_canvas->Style().names = m_names->isChecked();
        m_canvas->Style().codes = m_codes->isChecked();
        m_canvas->update();
    };
    connect(m_names, &QAction::toggled, this, restyle);
    connect(m_codes, &QAction::toggled, this, restyle);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_canvas, 1);

    m_canvas->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_canvas, &QWidget::customContextMenuRequested, this, &CPlanTab::ShowContextMenu);
    connect(m_canvas, &CPlanCanvas::PointPicked, this, &CPlanTab::SelectPointRow);
    connect(m_canvas, &CPlanCanvas::CursorMoved, this, &CPlanTab::ShowCursor);
    connect(m_canvas, &CPlanCanvas::CursorLeft, this, [this] {
        // Only the cursor's own words go: a note of where a file went stays.
        if (auto* frame = qobject_cast<QMainWindow*>(window()); frame && std::exchange(m_cursorShown, false))
            frame->statusBar()->clearMessage();
    });

    // Whatever refreshes the list refreshes the plan: the views' update when the kind changes
    // and every change of the list's rows. Bursts of them read the store once.
    m_reloadTimer->setSingleShot(true);
    m_reloadTimer->setInterval(0);
    connect(m_reloadTimer, &QTimer::timeout, this, &CPlanTab::Reload);
    connect(&m_session, &CSession::ViewsNeedUpdate, this, &CPlanTab::ScheduleReload);
    connect(&m_session, &CSession::RowsChanged, this, &CPlanTab::ScheduleReload);
    connect(&m_session, &CSession::SelectionChanged, this,
            [this] { SelectListPosition(m_session.Selected().currentPosition); });
    connect(&m_session, &CSession::SystemChanged, this, &CPlanTab::FollowSystem);
    FollowSystem();
}

void CPlanTab::FollowSystem()
{
    m_position = std::make_unique<CPlanPosition>(ReadProjectSystem(m_session.Store()));
    m_canvas->SetGroundScale([position = m_position.get()](double north, double east) {
        return position->GroundMetresPerUnit(north, east);
    });
}

void CPlanTab::ScheduleReload()
{
    m_dirty = true;
    // A hidden plan waits until it is shown: the list may change many times before that.
    if (isVisible())
        m_reloadTimer->start();
}

void CPlanTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_dirty)
        Reload();
}

CPlanTab::~CPlanTab() = default; // a loader still reading is stopped and waited for with its owner

void CPlanTab::Reload()
{
    m_reloadTimer->stop();
    m_dirty = false;
    if (m_loading)
    {
        m_reloadAgain = true;
        return;
    }
    m_loading = true;
    m_loader = new CPlanLoader(this);
    // Every read ends in one result, a failed one in no points and what it had to tell.
    connect(m_loader, &CPlanLoader::Loaded, this, &CPlanTab::ShowLoaded);
    connect(m_loader, &CPlanLoader::Partial, this, &CPlanTab::ShowPartial);
    connect(m_loader, &CPlanLoader::Progress, this, &CPlanTab::ShowProgress);
    m_canvas->ShowLoading(0, 0);
    m_sinceProgress.start();
    m_loader->Start(m_session.Store().DatabasePath(), m_session.CurrentKind());
}

void CPlanTab::ShowProgress(qint64 read, qint64 total)
{
    if (m_sinceProgress.elapsed() < 100 && read > 0 && read < total)
        return;
    m_sinceProgress.restart();
    m_canvas->ShowLoading(read, total);
}

void CPlanTab::ShowPartial(const std::shared_ptr<LoadedPlan>& plan)
{
    // The points read so far of a picture that is still wanted; the list rows are matched to
    // them only once all are read.
    if (m_reloadAgain)
        return;
    const bool fit = plan->kind != m_loadedKind;
    m_loadedKind = plan->kind;
    m_canvas->SetData(std::move(plan->data), std::move(plan->grid), fit);
}

void CPlanTab::ShowLoaded(const std::shared_ptr<LoadedPlan>& plan)
{
    m_loading = false;
    m_canvas->EndLoading();
    CKeptMessages::Tell(plan->messages, m_session.Reporter());
    if (std::exchange(m_reloadAgain, false))
        return Reload();

    m_pointOfRow.clear();
    for (size_t i = 0; i < plan->data.points.size(); ++i)
    {
        const int row = plan->data.points[i].listRow;
        if (row < 0)
            continue;
        if (size_t(row) >= m_pointOfRow.size())
            m_pointOfRow.resize(size_t(row) + 1, -1);
        m_pointOfRow[size_t(row)] = int(i);
    }
    // Another table is a new picture; new rows of the same one keep where the user looks.
    const bool fit = plan->kind != m_loadedKind;
    m_loadedKind = plan->kind;
    m_canvas->SetData(std::move(plan->data), std::move(plan->grid), fit);
    SelectListPosition(m_session.Selected().currentPosition);
    if (std::exchange(m_exportWhenLoaded, false))
        ExportImage();
}

void CPlanTab::SelectListPosition(int position)
{
    if (m_syncing || ReloadPending())
        return;
    m_syncing = true;
    // The plan knows its points by their place in the list order, whatever order the list shows.
    const bool known = position >= 0 && size_t(position) < m_pointOfRow.size();
    m_canvas->SelectPoint(known ? m_pointOfRow[size_t(position)] : -1);
    m_syncing = false;
}

void CPlanTab::SelectPointRow(int index)
{
    if (m_syncing || index < 0)
        return;
    m_syncing = true;
    m_session.RequestRowAt(m_canvas->Data().points[size_t(index)].listRow);
    m_syncing = false;
}

void CPlanTab::ShowCursor(double east, double north)
{
    QString text = PlanViewTexts::Cursor(east, north);
    // Where the cursor lies on the globe, when the project's system tells it.
    if (const std::optional<GeographicPosition> geographic = m_position->Geographic(north, east))
        text += QStringLiteral("   ") + GeodesyDialogTexts::Geographic(geographic->latitude, geographic->longitude);
    if (auto* frame = qobject_cast<QMainWindow*>(window()))
    {
        frame->statusBar()->showMessage(text);
        m_cursorShown = true;
    }
}

void CPlanTab::ShowContextMenu(const QPoint& at)
{
    QMenu menu(this);
    menu.addAction(m_fit);
    menu.addAction(m_names);
    menu.addAction(m_codes);
    menu.addSeparator();
    menu.addAction(PlanViewTexts::ExportImage, this, &CPlanTab::ExportImage);
    menu.addAction(PlanViewTexts::ExportDxf, this, &CPlanTab::ExportDxf);
    menu.exec(m_canvas->mapToGlobal(at));
}

void CPlanTab::ExportImage()
{
    const QString path = AskSavePath(*this, m_session, PlanViewTexts::ImageFilter, QStringLiteral("png"));
    if (path.isEmpty())
        return;
    const PlanData& data = m_canvas->Data();
    Outcome outcome;
    if (PlanImageTypeOf(path) == PlanImageType::Pdf)
    {
        // A PDF is printed: on paper, at a scale, with a title block.
        PlanStyle style = m_canvas->Style();
        style.groundMetresPerUnit = 1;
        if (!data.bounds.empty)
            style.groundMetresPerUnit = m_position
                                            ->GroundMetresPerUnit((data.bounds.minNorth + data.bounds.maxNorth) / 2,
                                                                  (data.bounds.minEast + data.bounds.maxEast) / 2)
                                            .value_or(1.0);
        CPlanSheetDialog dialog(data.bounds, style.groundMetresPerUnit, this);
        dialog.SetChoice(m_sheet);
        if (dialog.exec() != QDialog::Accepted)
            return;
        m_sheet = dialog.Choice();
        outcome = ExportPlanSheet(path, data, m_canvas->Grid(), m_sheet, SheetTitle(), style);
    }
    else
        outcome = ExportPlanImage(path, data, m_canvas->Grid(), m_canvas->Frame(), m_canvas->Style());
    ReportOutcome(m_session.Reporter(), outcome);
    if (outcome.Succeeded())
        TellWhere(path);
}

void CPlanTab::ExportWhenLoaded()
{
    if (!ReloadPending())
        return ExportImage();
    // The points are still being read: the export waits for them rather than print half.
    m_exportWhenLoaded = true;
    if (!m_loading)
        Reload();
}

TitleBlock CPlanTab::SheetTitle() const
{
    const CoordinateSystem system = ReadProjectSystem(m_session.Store());
    return {QFileInfo(m_session.Store().DatabasePath()).fileName(), QDate::currentDate().toString(Qt::ISODate),
            system.IsSet() ? DescriptionOf(system) : GeodesyDialogTexts::NotSet.Text()};
}

void CPlanTab::TellWhere(const QString& path)
{
    if (auto* frame = qobject_cast<QMainWindow*>(window()))
    {
        frame->statusBar()->showMessage(PlanViewTexts::Exported.Arg(QDir::toNativeSeparators(path)));
        m_cursorShown = false;
    }
}

void CPlanTab::ExportDxf()
{
    const QString path = AskSavePath(*this, m_session, PlanViewTexts::DxfFilter, QStringLiteral("dxf"));
    if (path.isEmpty())
        return;
    const Outcome outcome = ExportPointsDxf(m_session.Store(), path);
    ReportOutcome(m_session.Reporter(), outcome);
    if (outcome.Succeeded())
    {
        HandEdits::MarkSaved(m_session.Store(), TableOf(DataKind::Coor));
        TellWhere(path);
    }
}
