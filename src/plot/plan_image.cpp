#include "plot/plan_image.h"

#include "core/files/atomic_file.h"
#include "core/plan/plan_svg.h"
#include "plot/plan_painter.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace
{
constexpr int PdfResolution = 96; // one picture pixel is one screen pixel on the page

// Each writer draws into the file's device; Commit finds any write that failed on the way.
bool WritePng(QIODevice& file, const PlanScene& scene)
{
    QImage image(scene.size.toSize(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PaintPlan(painter, scene);
    }
    return image.save(&file, "PNG");
}

bool WriteSvg(QIODevice& file, const PlanScene& scene)
{
    WritePlanSvg(scene, file);
    return true;
}

bool WritePdf(QIODevice& file, const PlanScene& scene)
{
    {
        QPdfWriter writer(&file);
        writer.setResolution(PdfResolution);
        writer.setPageSize(QPageSize(scene.size * 72.0 / PdfResolution, QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setCreator(QStringLiteral("MERION"));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        PaintPlan(painter, scene);
        painter.end();
    }
    return true;
}
} // namespace

PlanImageType PlanImageTypeOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return PlanImageType::Png;
    if (suffix == QLatin1String("svg"))
        return PlanImageType::Svg;
    if (suffix == QLatin1String("pdf"))
        return PlanImageType::Pdf;
    return PlanImageType::Unknown;
}

Outcome ExportPlanImage(const QString& path, const PlanData& data, const CPointGrid& grid, const CPlanFrame& frame,
                        PlanStyle style)
{
    const PlanImageType type = PlanImageTypeOf(path);
    if (type == PlanImageType::Unknown)
        return {Status::UnknownImageType};
    // A plan of what could be read would pass for the whole list.
    if (data.readFailed)
        return {Status::DatabaseError};
    // A file is read at leisure, zoomed and printed: it names every point.
    style.everyName = true;
    const PlanScene scene = ComposePlan(data, grid, frame, style);
    CAtomicFile file(path);
    if (!file.Open())
        return {Status::FileNotWritable};
    const bool drawn = type == PlanImageType::Png   ? WritePng(file.Device(), scene)
                       : type == PlanImageType::Svg ? WriteSvg(file.Device(), scene)
                                                    : WritePdf(file.Device(), scene);
    const Outcome written = drawn ? file.Commit() : file.Abandon();
    if (!written.Succeeded())
        return written;
    return PlanWritten(data);
}
