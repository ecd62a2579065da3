#include "core/views/list_layout.h"

#include "core/store/schema.h"
#include "core/views/data_kind.h"

#include <QCoreApplication>
#include <QHash>

namespace
{
// Every layout opens with the running number and the row's origin. The origin is trimmed
// for the download kinds, whose parsers may leave blanks in it.
QList<ListColumn> Opening(int attrWidth, bool trimAttr)
{
    return {{QStringLiteral(QT_TRANSLATE_NOOP("MERION", "序号")), Col::ID, 50, false, false},
            {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "列表属性")), Col::ATTR, attrWidth, true, trimAttr}};
}

QList<ListColumn> CoorLayout()
{
    return Opening(170, false) + QList<ListColumn>{
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "点名")), Col::SN, 50},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "北坐标(N)")), Col::NCOOR, 130},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "东坐标(E)")), Col::ECOOR, 130},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "高程(Z)")), Col::ZCOOR, 100},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "代码")), Col::CODE, 80, false, true},
    };
}

QList<ListColumn> CodeLayout()
{
    return Opening(170, false) + QList<ListColumn>{
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "编号")), Col::SN, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "编码")), Col::CODE, 150},
    };
}

QList<ListColumn> V2MeasLayout()
{
    QList<ListColumn> columns = Opening(100, true);
    columns << ListColumn{QStringLiteral(QT_TRANSLATE_NOOP("MERION", "类型标记")), Col::MARK, 120};
    // DATA21 to DATA23 are stored but have no column.
    for (int i = 1; i <= 20; ++i)
        columns << ListColumn{Col::Data(i), Col::Data(i), 80};
    return columns;
}

QList<ListColumn> RoadStakeLayout()
{
    return Opening(170, true) + QList<ListColumn>{
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "里程")), Col::DIST, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "桩间距")), Col::LABGRAP, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "桩点坐标X")), Col::LABX, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "桩点坐标Y")), Col::LABY, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "桩点坐标Z")), Col::LABZ, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "备注")), Col::MEMO, 80},
    };
}

QList<ListColumn> XSectLayout()
{
    return Opening(170, true) + QList<ListColumn>{
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "里程")), Col::DIST, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "宽度")), Col::WIDTH, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "高差")), Col::HIGH, 80},
    };
}

QList<ListColumn> AlignmentLayout()
{
    return Opening(170, true) + QList<ListColumn>{
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "定线类型")), Col::LINETYPE, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "起始里程")), Col::STARTDIST, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "半径")), Col::CIRCUS, 100},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "N坐标")), Col::NCOOR, 100},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "E坐标")), Col::ECOOR, 100},
    };
}

QList<ListColumn> MeasLayout()
{
    return Opening(190, true) + QList<ListColumn>{
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "点名")), Col::SN, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "北坐标(N)")), Col::NCOOR, 130},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "东坐标(E)")), Col::ECOOR, 130},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "高程(Z)")), Col::ZCOOR, 100},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "代码")), Col::CODE, 80, false, true},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "镜高")), Col::PH, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "方位角")), Col::PA, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "平距差")), Col::HD, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "仪器高")), Col::IH, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "水平角")), Col::HA, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "垂直角")), Col::VA, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "斜距")), Col::SD, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "注释")), Col::NOTES, 170},
    };
}

// The recomputed points: beside each, its station and how far it lies from the instrument's own
// coordinates of the same pointing.
QList<ListColumn> CalcLayout()
{
    return Opening(120, true) + QList<ListColumn>{
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "点名")), Col::SN, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "测站")), Col::STATION, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "北坐标(N)")), Col::NCOOR, 130},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "东坐标(E)")), Col::ECOOR, 130},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "高程(Z)")), Col::ZCOOR, 100},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "代码")), Col::CODE, 80, false, true},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "dN(mm)")), Col::DN, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "dE(mm)")), Col::DE, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "dZ(mm)")), Col::DZ, 80},
    };
}
// The adjusted points: each with its standard deviations and its standard error ellipse, in
// millimetres, the ellipse's major axis by its azimuth in degrees; a fixed point has none.
QList<ListColumn> AdjustedLayout()
{
    return Opening(100, true) + QList<ListColumn>{
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "点名")), Col::SN, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "北坐标(N)")), Col::NCOOR, 120},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "东坐标(E)")), Col::ECOOR, 120},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "σN(mm)")), Col::SIGMAN, 70},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "σE(mm)")), Col::SIGMAE, 70},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "椭圆长半轴A(mm)")), Col::ELLA, 110},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "椭圆短半轴B(mm)")), Col::ELLB, 110},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "长轴方位角(°)")), Col::ELLAZ, 100},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "高程(Z)")), Col::ZCOOR, 100},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "σZ(mm)")), Col::SIGMAZ, 70},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "代码")), Col::CODE, 80, false, true},
    };
}
// The traverse's stations in the route's order, with the corrections the compass rule gave them.
QList<ListColumn> TraverseLayout()
{
    return Opening(100, true) + QList<ListColumn>{
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "点名")), Col::SN, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "北坐标(N)")), Col::NCOOR, 130},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "东坐标(E)")), Col::ECOOR, 130},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "vN(mm)")), Col::DN, 80},
        {QStringLiteral(QT_TRANSLATE_NOOP("MERION", "vE(mm)")), Col::DE, 80},
    };
}
} // namespace

const QList<ListColumn>& ListLayoutOf(DataKind kind)
{
    static const QHash<DataKind, QList<ListColumn>> layouts = {
        {DataKind::Coor, CoorLayout()},           {DataKind::Code, CodeLayout()},
        {DataKind::V2Meas, V2MeasLayout()},       {DataKind::RoadStake, RoadStakeLayout()},
        {DataKind::XSect, XSectLayout()},         {DataKind::Alignment, AlignmentLayout()},
        {DataKind::Meas, MeasLayout()},          {DataKind::Calc, CalcLayout()},
        {DataKind::Adjusted, AdjustedLayout()},   {DataKind::Traverse, TraverseLayout()},
    };
    static const QList<ListColumn> none;
    const auto found = layouts.constFind(kind);
    return found == layouts.constEnd() ? none : *found;
}
