#include "plot/plan_painter.h"

#include "core/plan/plan_marks.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>

namespace
{
// Above this many dots, single ellipses cost more than the picture is worth: the dots are
// set straight into an image of the picture's size, a few pixels each.
constexpr size_t MostDrawnDots = 5000;

QColor Colour(const char* name)
{
    return QColor(QString::fromLatin1(name));
}

void PaintDots(QPainter& painter, const PlanScene& scene)
{
    const QColor dot = Colour(PlanLook::Dot);
    // A PDF keeps its dots as shapes, however many: it is printed, not panned.
    const bool vector = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf;
    if (scene.dots.size() <= MostDrawnDots || vector)
    {
        painter.setPen(Qt::NoPen);
        painter.setBrush(dot);
        const double r = PlanLook::DotRadius;
        for (const QPointF& at : scene.dots)
            painter.drawEllipse(at, r, r);
        return;
    }
    const int width = int(std::ceil(scene.size.width()));
    const int height = int(std::ceil(scene.size.height()));
    QImage layer(width, height, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    const QRgb rgb = dot.rgba();
    for (const QPointF& at : scene.dots)
    {
        const int x0 = int(at.x()) - 1, y0 = int(at.y()) - 1;
        for (int y = std::max(0, y0); y < std::min(height, y0 + 3); ++y)
        {
            auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
            for (int x = std::max(0, x0); x < std::min(width, x0 + 3); ++x)
                line[x] = rgb;
        }
    }
    painter.drawImage(QPointF(0, 0), layer);
}
} // namespace

void PaintPlan(QPainter& painter, const PlanScene& scene)
{
    using namespace PlanLook;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRectF(QPointF(0, 0), scene.size), Colour(Background));

    painter.setPen(QPen(Colour(Sight), 1));
    for (const SceneLine& sight : scene.sights)
        painter.drawLine(sight.from, sight.to);

    PaintDots(painter, scene);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Colour(Ellipse), 1.5));
    for (const SceneEllipse& ellipse : scene.ellipses)
    {
        painter.save();
        painter.translate(ellipse.at);
        painter.rotate(ellipse.rotation); // clockwise on the screen, as azimuths turn
        painter.drawEllipse(QPointF(0, 0), ellipse.minor, ellipse.major);
        painter.restore();
    }
    painter.setPen(QPen(Colour(Residual), 1.5));
    for (const SceneLine& residual : scene.residuals)
        painter.drawLine(residual.from, residual.to);

    painter.setPen(Qt::NoPen);
    for (const SceneSymbol& symbol : scene.symbols)
    {
        painter.setBrush(Colour(ColourOf(symbol.role)));
        if (symbol.role == PlanRole::Station)
            painter.drawPolygon(QPolygonF(StationTriangle(symbol.at)));
        else
            painter.drawEllipse(symbol.at, SymbolRadius, SymbolRadius);
    }
    if (scene.selected)
    {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Colour(Selected), 2));
        painter.drawEllipse(*scene.selected, SymbolRadius + 3, SymbolRadius + 3);
    }

    painter.setPen(QPen(Colour(Leader), 0.8));
    for (const SceneLine& leader : scene.leaders)
        painter.drawLine(leader.from, leader.to);

    QFont font = painter.font();
    font.setPixelSize(int(scene.fontPixels));
    painter.setFont(font);
    painter.setPen(Colour(Ink));
    for (const SceneLabel& label : scene.labels)
        painter.drawText(label.at, label.text);
    if (scene.selectedLabel)
    {
        // On a backing of its own, in the selection's colour, over whatever lies beneath.
        const QFontMetricsF metrics(font);
        const QRectF box = metrics.boundingRect(scene.selectedLabel->text)
                               .translated(scene.selectedLabel->at)
                               .adjusted(-2, -1, 2, 1);
        painter.fillRect(box, Colour(Background));
        painter.setPen(Colour(Selected));
        painter.drawText(scene.selectedLabel->at, scene.selectedLabel->text);
        painter.setPen(Colour(Ink));
    }
    for (qsizetype i = 0; i < scene.notes.size(); ++i)
        painter.drawText(NoteAt(int(i), scene.fontPixels), scene.notes[i]);
    if (!scene.centreMessage.isEmpty())
        painter.drawText(QRectF(QPointF(0, 0), scene.size), Qt::AlignCenter, scene.centreMessage);

    QColor backing = Colour(Backing);
    backing.setAlphaF(float(BackingOpacity));
    painter.setBrush(backing);
    painter.setPen(QPen(Colour(BackingEdge), 1));
    const QFontMetricsF metrics(painter.font());
    for (const QRectF& box : MarkBackings(scene.size, scene.scaleBar.pixels,
                                          metrics.horizontalAdvance(scene.scaleBar.Text()), scene.fontPixels))
        painter.drawRect(box);

    painter.setBrush(Colour(Ink));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF(NorthArrow(scene.size)));
    painter.setPen(Colour(Ink));
    painter.drawText(NorthLetter(scene.size), NorthMark);
    if (scene.scaleBar.pixels > 0)
    {
        painter.setPen(QPen(Colour(Ink), 3, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(ScaleBarLine(scene.size, scene.scaleBar.pixels));
        painter.drawText(ScaleBarText(scene.size), scene.scaleBar.Text());
    }
    painter.restore();
}
