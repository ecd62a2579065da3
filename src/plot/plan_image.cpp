#include "plot/plan_image.h"

#include "core/plan/plan_svg.h"
#include "plot/plan_painter.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace
{
constexpr int PdfResolution = 96; // one picture pixel is one screen pixel on the page

bool WritePng(const QString& path, const PlanScene& scene)
{
    QImage image(scene.size.toSize(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PaintPlan(painter, scene);
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

bool WriteSvg(const QString& path, const PlanScene& scene)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    WritePlanSvg(scene, file);
    return file.commit();
}

bool WritePdf(const QString& path, const PlanScene& scene)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
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
    return file.commit();
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
                        const PlanStyle& style)
{
    const PlanImageType type = PlanImageTypeOf(path);
    if (type == PlanImageType::Unknown)
        return {Status::UnknownImageType};
    // A plan of what could be read would pass for the whole list.
    if (data.readFailed)
        return {Status::DatabaseError};
    const PlanScene scene = ComposePlan(data, grid, frame, style);
    const bool written = type == PlanImageType::Png   ? WritePng(path, scene)
                         : type == PlanImageType::Svg ? WriteSvg(path, scene)
                                                      : WritePdf(path, scene);
    if (!written)
        return {Status::FileNotWritable};
    return PlanWritten(data);
}
