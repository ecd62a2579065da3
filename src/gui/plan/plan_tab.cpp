#include "gui/plan/plan_tab.h"

#include "core/plan/dxf_export.h"
#include "core/plan/point_grid.h"
#include "core/store/project_store.h"
#include "core/views/data_kind.h"
#include "gui/app/merion_app.h"
#include "gui/app/result_report.h"
#include "gui/files/shown_list.h"
#include "gui/plan/plan_canvas.h"
#include "gui/plan/plan_view_texts.h"
#include "gui/views/list_model.h"
#include "gui/views/plx_doc.h"
#include "gui/views/plx_view.h"
#include "plot/plan_image.h"

#include <QItemSelectionModel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

struct LoadedPlan
{
    PlanData data;
    CPointGrid grid;
    DataKind kind;
};

CPlanTab::CPlanTab(CMerionApp& app, CPlxView& view, QWidget* parent)
    : QWidget(parent), m_app(app), m_view(view), m_canvas(new CPlanCanvas(this)), m_reloadTimer(new QTimer(this))
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
        if (auto* frame = qobject_cast<QMainWindow*>(window()))
            frame->statusBar()->clearMessage();
    });

    // Whatever refreshes the list refreshes the plan: the views' update when the kind changes
    // and every change of the list's rows. Bursts of them read the store once.
    m_reloadTimer->setSingleShot(true);
    m_reloadTimer->setInterval(0);
    connect(m_reloadTimer, &QTimer::timeout, this, &CPlanTab::Reload);
    connect(&m_app.Document(), &CPlxDoc::ViewsNeedUpdate, this, &CPlanTab::ScheduleReload);
    QAbstractItemModel* model = m_view.model();
    connect(model, &QAbstractItemModel::modelReset, this, &CPlanTab::ScheduleReload);
    connect(model, &QAbstractItemModel::rowsInserted, this, &CPlanTab::ScheduleReload);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &CPlanTab::ScheduleReload);
    connect(model, &QAbstractItemModel::dataChanged, this, &CPlanTab::ScheduleReload);
    connect(m_view.selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { SelectListRow(current.isValid() ? current.row() : -1); });
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

CPlanTab::~CPlanTab()
{
    if (m_loader)
        m_loader->wait();
}

void CPlanTab::Reload()
{
    m_reloadTimer->stop();
    m_dirty = false;
    if (m_loader)
    {
        m_reloadAgain = true;
        return;
    }
    const DataKind kind = m_app.CurrentKind();
    CProjectStore& store = m_app.Store();
    m_loader.reset(QThread::create([this, &store, kind] {
        auto plan = std::make_shared<LoadedPlan>();
        plan->data = ReadPlanData(store, kind);
        plan->grid = CPointGrid(plan->data);
        plan->kind = kind;
        store.Disconnect(); // this thread's connection
        QMetaObject::invokeMethod(this, [this, plan] { ShowLoaded(plan); }, Qt::QueuedConnection);
    }));
    m_loader->start();
}

void CPlanTab::ShowLoaded(const std::shared_ptr<LoadedPlan>& plan)
{
    m_loader->wait();
    m_loader.reset();
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
    const QModelIndex current = m_view.selectionModel()->currentIndex();
    SelectListRow(current.isValid() ? current.row() : -1);
}

void CPlanTab::SelectListRow(int row)
{
    if (m_syncing || ReloadPending())
        return;
    m_syncing = true;
    // The plan knows its points by their place in the list order; the view may be sorted.
    row = m_view.Model().ListPositionOf(row);
    m_canvas->SelectPoint(row >= 0 && size_t(row) < m_pointOfRow.size() ? m_pointOfRow[size_t(row)] : -1);
    m_syncing = false;
}

void CPlanTab::SelectPointRow(int index)
{
    if (m_syncing || index < 0)
        return;
    const int row = m_view.Model().RowAtListPosition(m_canvas->Data().points[size_t(index)].listRow);
    if (row < 0)
        return;
    m_syncing = true;
    m_view.selectRow(row);
    m_view.scrollTo(m_view.model()->index(row, 0));
    m_syncing = false;
}

void CPlanTab::ShowCursor(double east, double north)
{
    if (auto* frame = qobject_cast<QMainWindow*>(window()))
        frame->statusBar()->showMessage(PlanViewTexts::Cursor(east, north));
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
    const QString path = AskSavePath(m_view, m_app.Settings(), PlanViewTexts::ImageFilter, QStringLiteral("png"));
    if (!path.isEmpty())
        ReportOutcome(m_app.Reporter(), ExportPlanImage(path, m_canvas->Data(), m_canvas->Grid(), m_canvas->Frame(),
                                                        m_canvas->Style()));
}

void CPlanTab::ExportDxf()
{
    const QString path = AskSavePath(m_view, m_app.Settings(), PlanViewTexts::DxfFilter, QStringLiteral("dxf"));
    if (!path.isEmpty())
        ReportOutcome(m_app.Reporter(), ExportPointsDxf(m_app.Store(), path));
}
