#include "plot/plan_sheet.h"

#include "core/files/atomic_file.h"
#include "core/plan/plan_marks.h"
#include "core/plan/plan_texts.h"
#include "plot/plan_image.h"
#include "plot/plan_painter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace
{
// The sheet is drawn in screen pixels (see SheetPixelsPerMm).
constexpr int SheetResolution = 96;
constexpr double BorderPixels = 1.2;
constexpr double TitleFontPixels = 12;

QRectF Pixels(const QRectF& millimetres)
{
    return {millimetres.topLeft() * SheetPixelsPerMm, millimetres.size() * SheetPixelsPerMm};
}

// Two lines of two cells: project and date, then system and scale; a text too long for its
// cell is cut with an ellipsis rather than run into the next.
void PaintTitleBlock(QPainter& painter, const QRectF& box, const QStringList& cells)
{
    painter.setPen(QPen(QColor(QString::fromLatin1(PlanLook::Ink)), BorderPixels));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    const double half = box.width() / 2, line = box.height() / 2;
    painter.drawLine(QPointF(box.left(), box.top() + line), QPointF(box.right(), box.top() + line));
    painter.drawLine(QPointF(box.left() + half, box.top()), QPointF(box.left() + half, box.bottom()));
    QFont font = painter.font();
    font.setPixelSize(int(TitleFontPixels));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double pad = 2 * SheetPixelsPerMm;
    for (int i = 0; i < cells.size(); ++i)
    {
        const QRectF cell(box.left() + (i % 2) * half, box.top() + (i / 2) * line, half, line);
        const QRectF inside = cell.adjusted(pad, 0, -pad, 0);
        painter.drawText(inside, Qt::AlignVCenter | Qt::AlignLeft,
                         metrics.elidedText(cells[i], Qt::ElideRight, inside.width()));
    }
}

bool WriteSheet(QIODevice& file, const PlanScene& scene, const SheetLayout& layout, const SheetChoice& choice,
                const QStringList& title)
{
    QPdfWriter writer(&file);
    writer.setResolution(SheetResolution);
    writer.setPageLayout(QPageLayout(QPageSize(choice.paper == PaperSize::A3 ? QPageSize::A3 : QPageSize::A4),
                                     choice.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
    writer.setCreator(QStringLiteral("MERION"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const QRectF map = Pixels(layout.map);
    painter.save();
    painter.translate(map.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), map.size()));
    PaintPlan(painter, scene);
    painter.restore();
    painter.setPen(QPen(QColor(QString::fromLatin1(PlanLook::Ink)), BorderPixels));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(map);
    if (!layout.title.isEmpty())
        PaintTitleBlock(painter, Pixels(layout.title), title);
    return painter.end();
}
} // namespace

Outcome ExportPlanSheet(const QString& path, const PlanData& data, const CPointGrid& grid, const SheetChoice& choice,
                        const TitleBlock& title, PlanStyle style)
{
    if (PlanImageTypeOf(path) != PlanImageType::Pdf)
        return {Status::UnknownImageType};
    if (data.readFailed)
        return {Status::DatabaseError};
    const double metresPerUnit = style.groundMetresPerUnit > 0 ? style.groundMetresPerUnit : 1;
    const SheetLayout layout = LayOutSheet(choice, data.bounds, metresPerUnit);
    style.everyName = true;
    const PlanScene scene = ComposePlan(data, grid, SheetFrame(layout, data.bounds, metresPerUnit), style);
    const QStringList cells{PlanTexts::TitleProject.Arg(title.project), PlanTexts::TitleDate.Arg(title.date),
                            PlanTexts::TitleSystem.Arg(title.system), PlanTexts::TitleScale.Arg(ScaleText(layout.scale))};
    CAtomicFile file(path);
    if (!file.Open())
        return {Status::FileNotWritable};
    const Outcome written = WriteSheet(file.Device(), scene, layout, choice, cells) ? file.Commit() : file.Abandon();
    if (!written.Succeeded())
        return written;
    return PlanWritten(data);
}
