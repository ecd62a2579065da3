#include "core/plan/plan_svg.h"

#include "core/plan/plan_marks.h"

#include <QIODevice>
#include <QXmlStreamWriter>

namespace
{
QString Number(double value)
{
    return QString::number(value, 'f', 2);
}

QString PointList(const QList<QPointF>& points)
{
    QStringList pairs;
    for (const QPointF& p : points)
        pairs << Number(p.x()) + QLatin1Char(',') + Number(p.y());
    return pairs.join(QLatin1Char(' '));
}

class CSvgOut
{
public:
    explicit CSvgOut(QIODevice& device) : m_xml(&device) { m_xml.setAutoFormatting(true); }

    QXmlStreamWriter& Xml() { return m_xml; }

    void Circle(QPointF at, double radius, const char* fill, const char* stroke = nullptr)
    {
        m_xml.writeEmptyElement(QStringLiteral("circle"));
        m_xml.writeAttribute(QStringLiteral("cx"), Number(at.x()));
        m_xml.writeAttribute(QStringLiteral("cy"), Number(at.y()));
        m_xml.writeAttribute(QStringLiteral("r"), Number(radius));
        m_xml.writeAttribute(QStringLiteral("fill"), QString::fromLatin1(fill));
        if (stroke)
        {
            m_xml.writeAttribute(QStringLiteral("stroke"), QString::fromLatin1(stroke));
            m_xml.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("2"));
        }
    }

    void Line(QPointF from, QPointF to, const char* stroke, double width)
    {
        m_xml.writeEmptyElement(QStringLiteral("line"));
        m_xml.writeAttribute(QStringLiteral("x1"), Number(from.x()));
        m_xml.writeAttribute(QStringLiteral("y1"), Number(from.y()));
        m_xml.writeAttribute(QStringLiteral("x2"), Number(to.x()));
        m_xml.writeAttribute(QStringLiteral("y2"), Number(to.y()));
        m_xml.writeAttribute(QStringLiteral("stroke"), QString::fromLatin1(stroke));
        m_xml.writeAttribute(QStringLiteral("stroke-width"), Number(width));
    }

    // An ellipse with `ry` along the picture's up, turned clockwise by `degrees`.
    void Ellipse(QPointF at, double rx, double ry, double degrees, const char* stroke)
    {
        m_xml.writeEmptyElement(QStringLiteral("ellipse"));
        m_xml.writeAttribute(QStringLiteral("cx"), QStringLiteral("0"));
        m_xml.writeAttribute(QStringLiteral("cy"), QStringLiteral("0"));
        m_xml.writeAttribute(QStringLiteral("rx"), Number(rx));
        m_xml.writeAttribute(QStringLiteral("ry"), Number(ry));
        m_xml.writeAttribute(QStringLiteral("transform"), QStringLiteral("translate(%1 %2) rotate(%3)")
                                                              .arg(Number(at.x()), Number(at.y()), Number(degrees)));
        m_xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        m_xml.writeAttribute(QStringLiteral("stroke"), QString::fromLatin1(stroke));
        m_xml.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("1.5"));
    }

    void Polygon(const QList<QPointF>& points, const char* fill)
    {
        m_xml.writeEmptyElement(QStringLiteral("polygon"));
        m_xml.writeAttribute(QStringLiteral("points"), PointList(points));
        m_xml.writeAttribute(QStringLiteral("fill"), QString::fromLatin1(fill));
    }

    void Backing(const QRectF& box)
    {
        m_xml.writeEmptyElement(QStringLiteral("rect"));
        m_xml.writeAttribute(QStringLiteral("x"), Number(box.x()));
        m_xml.writeAttribute(QStringLiteral("y"), Number(box.y()));
        m_xml.writeAttribute(QStringLiteral("width"), Number(box.width()));
        m_xml.writeAttribute(QStringLiteral("height"), Number(box.height()));
        m_xml.writeAttribute(QStringLiteral("fill"), QString::fromLatin1(PlanLook::Backing));
        m_xml.writeAttribute(QStringLiteral("fill-opacity"), QString::number(PlanLook::BackingOpacity));
        m_xml.writeAttribute(QStringLiteral("stroke"), QString::fromLatin1(PlanLook::BackingEdge));
    }

    void Text(QPointF at, const QString& text, const QString& anchor = {})
    {
        m_xml.writeStartElement(QStringLiteral("text"));
        m_xml.writeAttribute(QStringLiteral("x"), Number(at.x()));
        m_xml.writeAttribute(QStringLiteral("y"), Number(at.y()));
        if (!anchor.isEmpty())
            m_xml.writeAttribute(QStringLiteral("text-anchor"), anchor);
        m_xml.writeCharacters(text);
        m_xml.writeEndElement();
    }

private:
    QXmlStreamWriter m_xml;
};
} // namespace

void WritePlanSvg(const PlanScene& scene, QIODevice& device)
{
    using namespace PlanLook;
    CSvgOut out(device);
    QXmlStreamWriter& xml = out.Xml();
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("width"), Number(scene.size.width()));
    xml.writeAttribute(QStringLiteral("height"), Number(scene.size.height()));
    xml.writeAttribute(QStringLiteral("viewBox"),
                       QStringLiteral("0 0 %1 %2").arg(Number(scene.size.width()), Number(scene.size.height())));
    xml.writeAttribute(QStringLiteral("font-family"), QStringLiteral("sans-serif"));
    xml.writeAttribute(QStringLiteral("font-size"), Number(scene.fontPixels));

    xml.writeEmptyElement(QStringLiteral("rect"));
    xml.writeAttribute(QStringLiteral("width"), QStringLiteral("100%"));
    xml.writeAttribute(QStringLiteral("height"), QStringLiteral("100%"));
    xml.writeAttribute(QStringLiteral("fill"), QString::fromLatin1(Background));

    for (const SceneLine& sight : scene.sights)
        out.Line(sight.from, sight.to, Sight, 1);
    for (const QPointF& dot : scene.dots)
        out.Circle(dot, DotRadius, Dot);
    for (const SceneEllipse& ellipse : scene.ellipses)
        out.Ellipse(ellipse.at, ellipse.minor, ellipse.major, ellipse.rotation, Ellipse);
    for (const SceneLine& residual : scene.residuals)
        out.Line(residual.from, residual.to, Residual, 1.5);
    for (const SceneSymbol& symbol : scene.symbols)
    {
        if (symbol.role == PlanRole::Station)
            out.Polygon(StationTriangle(symbol.at), Station);
        else
            out.Circle(symbol.at, SymbolRadius, ColourOf(symbol.role));
    }
    if (scene.selected)
        out.Circle(*scene.selected, SymbolRadius + 3, "none", Selected);

    for (const SceneLine& leader : scene.leaders)
        out.Line(leader.from, leader.to, Leader, 0.8);

    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("fill"), QString::fromLatin1(Ink));
    for (const SceneLabel& label : scene.labels)
        out.Text(label.at, label.text);
    for (qsizetype i = 0; i < scene.notes.size(); ++i)
        out.Text(NoteAt(int(i), scene.fontPixels), scene.notes[i]);
    if (!scene.centreMessage.isEmpty())
        out.Text(QPointF(scene.size.width() / 2, scene.size.height() / 2), scene.centreMessage,
                 QStringLiteral("middle"));
    xml.writeEndElement();

    for (const QRectF& box : MarkBackings(scene.size, scene.scaleBar.pixels,
                                          LabelWidth(scene.scaleBar.Text(), scene.fontPixels), scene.fontPixels))
        out.Backing(box);
    out.Polygon(NorthArrow(scene.size), Ink);
    out.Text(NorthLetter(scene.size), NorthMark);
    if (scene.scaleBar.pixels > 0)
    {
        const QLineF bar = ScaleBarLine(scene.size, scene.scaleBar.pixels);
        out.Line(bar.p1(), bar.p2(), Ink, 3);
        out.Text(ScaleBarText(scene.size), scene.scaleBar.Text());
    }
    xml.writeEndElement();
    xml.writeEndDocument();
}
