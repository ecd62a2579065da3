#include "gui/views/plx_view.h"

#include "gui/app/command_ids.h"
#include "gui/app/merion_app.h"
#include "core/views/data_kind.h"
#include "gui/views/list_model.h"
#include "core/views/list_rows.h"
#include "gui/views/plx_doc.h"
#include "gui/views/view_texts.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>

CPlxView::CPlxView(CMerionApp& app, QWidget* parent) : QTableView(parent), m_app(app), m_model(new CListModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    // Rows as low as the font allows: the list is for reading many points at once.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(qMax(15, fontMetrics().height() + 4));
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);

    RegisterCommand(Command::ShowCoor, [this] { ShowTable(DataKind::Coor); });
    RegisterCommand(Command::ShowCode, [this] { ShowTable(DataKind::Code); });
    RegisterCommand(Command::ShowAlignment, [this] { ShowTable(DataKind::Alignment); });
}

void CPlxView::RegisterCommand(int command, std::function<void()> handler)
{
    m_handlers.insert(command, std::move(handler));
}

void CPlxView::OnCommand(int command)
{
    const auto handler = m_handlers.constFind(command);
    if (handler != m_handlers.constEnd())
        (*handler)();
}

void CPlxView::OnUpdate()
{
    const QList<ListColumn>& layout = ListLayoutOf(m_app.CurrentKind());
    m_model->SetLayout(layout);
    for (int i = 0; i < layout.size(); ++i)
        setColumnWidth(i, layout[i].width);
}

void CPlxView::Fill(DataKind kind)
{
    m_model->AppendRows(ReadListRows(m_app.Store(), kind));
}

void CPlxView::ClearRows()
{
    m_model->ClearRows();
}

void CPlxView::ShowTable(DataKind kind)
{
    m_app.SetCurrentKind(kind);
    ClearRows();
    m_app.Document().UpdateAllViews();
    Fill(kind);
}

QString CPlxView::CellText(int row, int column) const
{
    return m_model->Cell(row, column);
}

int CPlxView::RowCount() const
{
    return m_model->rowCount();
}

void CPlxView::AddMenuCommand(QMenu* menu, const QString& text, int command, bool enabled)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QStringLiteral("cmd_%1").arg(command));
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
}

QMenu* CPlxView::CreateContextMenu(int row)
{
    const bool onRow = row >= 0;
    auto* menu = new QMenu(this);
    switch (m_app.CurrentKind())
    {
    case DataKind::Coor:
    case DataKind::Code:
    case DataKind::Alignment:
        menu->setTitle(ViewTexts::ListEditMenu);
        AddMenuCommand(menu, ViewTexts::Add, Command::AddRecord, true);
        AddMenuCommand(menu, ViewTexts::Edit, Command::EditRecord, onRow);
        menu->addSeparator();
        AddMenuCommand(menu, ViewTexts::DeleteRecord, Command::DeleteRecord, onRow);
        AddMenuCommand(menu, ViewTexts::DeleteAll, Command::DeleteAll, true);
        menu->addSeparator();
        AddMenuCommand(menu, ViewTexts::DataExport, Command::DataExport, true);
        return menu;
    case DataKind::Meas:
        menu->setTitle(ViewTexts::MeasExportMenu);
        AddMenuCommand(menu, ViewTexts::AngleExport, Command::ExportAngle, onRow);
        AddMenuCommand(menu, ViewTexts::HdExport, Command::ExportHd, onRow);
        AddMenuCommand(menu, ViewTexts::SdExport, Command::ExportSd, onRow);
        AddMenuCommand(menu, ViewTexts::ExportEn, Command::ExportMeasEn, onRow);
        AddMenuCommand(menu, ViewTexts::ExportNe, Command::ExportMeasNe, onRow);
        return menu;
    case DataKind::V2Meas:
        menu->setTitle(ViewTexts::V2MeasExportMenu);
        AddMenuCommand(menu, ViewTexts::ExportEn, Command::ExportV2MeasEn, onRow);
        AddMenuCommand(menu, ViewTexts::ExportNe, Command::ExportV2MeasNe, onRow);
        return menu;
    default:
        delete menu;
        return nullptr;
    }
}

void CPlxView::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    m_rememberedRow = index.isValid() ? index.row() : -1;
    if (QMenu* menu = CreateContextMenu(m_rememberedRow))
    {
        menu->exec(event->globalPos());
        delete menu;
    }
}

void CPlxView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // A double-click below the last row still opens the edit dialog, empty.
    const QModelIndex index = indexAt(event->position().toPoint());
    m_rememberedRow = index.isValid() ? index.row() : -1;
    OnCommand(Command::EditRecord);
}
