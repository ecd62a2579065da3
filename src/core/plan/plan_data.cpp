#include "core/plan/plan_data.h"

#include "core/download/meas_layout.h"
#include "core/download/v2_record_names.h"
#include "core/plan/plan_texts.h"
#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "core/store/row_origins.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/views/data_kind.h"

#include <QHash>

#include <charconv>
#include <cmath>
#include <numbers>

namespace
{
// Far beyond any grid coordinate; a larger value is a typing slip that would squash the plan.
constexpr double LargestCoordinate = 1e9;

// Where a row of a table keeps a point: the columns of name, north, east, height and code
// (code may be empty: the 520Meas rows carry none).
struct PointColumns
{
    QString name, north, east, height, code;
};

// The same columns as positions in a query's rows (−1: not there), looked up once per query:
// by name they would be looked up again for every row of a million.
struct ColumnPositions
{
    int name = -1, north = -1, east = -1, height = -1, code = -1;
    ColumnPositions() = default;
    ColumnPositions(const CStatement& query, const PointColumns& columns)
        : name(query.ColumnIndex(columns.name)), north(query.ColumnIndex(columns.north)),
          east(query.ColumnIndex(columns.east)), height(query.ColumnIndex(columns.height)),
          code(columns.code.isEmpty() ? -1 : query.ColumnIndex(columns.code))
    {
    }
};

// The store being read, with whoever watches the reading and how many rows it has read.
struct PlanSource
{
    CProjectStore& store;
    PlanData& data;
    const PlanReadWatch* watch = nullptr;
    qint64 read = 0;
    // Tells the watch how far the reading got; false when it is to stop.
    bool Tell() const { return !watch || !watch->onStep || watch->onStep(data, read); }
};

// Reads the rows of a kind's list in list order and hands each row with its list position to
// `take`, after `prepare` has seen the query's columns. False when the query failed (reported).
template <typename Prepare, typename Take>
bool ReadRows(PlanSource& source, DataKind kind, Prepare prepare, Take take)
{
    CStatement query(source.store, FillStatementOf(kind));
    if (!query.IsValid())
        return false;
    prepare(query);
    int row = 0;
    while (query.Next())
    {
        take(query, row++);
        if (++source.read % PlanReadWatch::Rows == 0 && !source.Tell())
            return false;
    }
    return !query.Failed();
}

QString Text(CStatement& query, int position)
{
    return position < 0 ? QString() : query.Text(position);
}

// Adds the point a row holds; a row whose east or north is no number is counted as skipped.
// Gives the new point's index or −1.
int AddRowPoint(PlanData& data, CStatement& query, const ColumnPositions& columns, PlanRole role, int listRow)
{
    const QString eastText = Text(query, columns.east);
    const QString northText = Text(query, columns.north);
    // In a job, a row without a position is an observation; in the point list it is a point
    // that cannot be drawn.
    if (eastText.trimmed().isEmpty() && northText.trimmed().isEmpty() && role != PlanRole::Point)
        return -1;
    const std::optional<double> east = CoordinateValue(eastText);
    const std::optional<double> north = CoordinateValue(northText);
    if (!east || !north)
    {
        ++data.skipped;
        return -1;
    }
    PlanPoint point;
    point.east = *east;
    point.north = *north;
    point.height = CoordinateValue(Text(query, columns.height)).value_or(0.0);
    point.name = Text(query, columns.name).trimmed();
    point.code = Text(query, columns.code).trimmed();
    point.role = role;
    point.listRow = listRow;
    data.Add(std::move(point));
    return int(data.points.size()) - 1;
}

// CoorEdit and 740Meas keep a point in the same columns.
const PointColumns& ListedPointColumns()
{
    static const PointColumns columns{Col::SN, Col::NCOOR, Col::ECOOR, Col::ZCOOR, Col::CODE};
    return columns;
}

// Follows the job: every observed point after a station is sighted from it.
struct SightTracker
{
    int station = -1;
    void Take(PlanData& data, PlanRole role, int index)
    {
        if (index < 0)
            return;
        if (role == PlanRole::Station)
            station = index;
        else if (role == PlanRole::Observed && station >= 0)
            data.sights.push_back({station, index});
    }
};

void ReadMeasJob(PlanSource& source, PlanData& data, bool listed)
{
    // The roles by the row attribute the parser gave each record kind.
    QHash<QString, PlanRole> roles;
    const auto roleOf = [&roles](const char* code, PlanRole role) {
        if (const MeasLayout::Record* record = MeasLayout::Find(MeasLayout::Variant::Link, QString::fromLatin1(code)))
            roles.insert(RowOrigins::MeasOf(record->kindName), role);
    };
    roleOf("C", PlanRole::Station);
    roleOf("B", PlanRole::Observed);
    roleOf("L", PlanRole::Observed);
    roleOf("K", PlanRole::Observed);
    roleOf("A", PlanRole::Entered);
    ColumnPositions columns;
    int attr = -1;
    SightTracker sights;
    if (!ReadRows(
        source, DataKind::Meas,
        [&](const CStatement& record) {
            columns = ColumnPositions(record, ListedPointColumns());
            attr = record.ColumnIndex(Col::ATTR);
        },
        [&](CStatement& query, int row) {
            const auto role = roles.constFind(Text(query, attr).trimmed());
            if (role == roles.constEnd())
                return;
            sights.Take(data, *role, AddRowPoint(data, query, columns, *role, listed ? row : -1));
        }))
        data.readFailed = true;
}

void ReadV2MeasJob(PlanSource& source, PlanData& data, bool listed)
{
    struct V2Kind
    {
        PlanRole role;
        PointColumns columns;
        ColumnPositions positions;
    };
    // The records that carry a point, by the type name in MARK, and where they keep it.
    const PointColumns early{Col::Data(1), Col::Data(2), Col::Data(3), Col::Data(4), {}};
    const PointColumns shifted{Col::Data(1), Col::Data(3), Col::Data(4), Col::Data(5), {}};
    const PointColumns late{Col::Data(1), Col::Data(8), Col::Data(9), Col::Data(10), {}};
    QHash<QString, V2Kind> kinds = {
        {RecordTypeName("A", {}), {PlanRole::Station, early, {}}},
        {RecordTypeName("B", {}), {PlanRole::Entered, shifted, {}}},
        {RecordTypeName("C", {}), {PlanRole::Observed, late, {}}},
        {RecordTypeName("F", {}), {PlanRole::Observed, late, {}}},
        {RecordTypeName("H", {}), {PlanRole::Observed, shifted, {}}},
    };
    int mark = -1;
    SightTracker sights;
    if (!ReadRows(
        source, DataKind::V2Meas,
        [&](const CStatement& record) {
            mark = record.ColumnIndex(Col::MARK);
            for (V2Kind& kind : kinds)
                kind.positions = ColumnPositions(record, kind.columns);
        },
        [&](CStatement& query, int row) {
            const auto kind = kinds.constFind(Text(query, mark).trimmed());
            if (kind == kinds.constEnd())
                return;
            sights.Take(data, kind->role, AddRowPoint(data, query, kind->positions, kind->role, listed ? row : -1));
        }))
        data.readFailed = true;
}

void ReadComputedPoints(PlanSource& source, PlanData& data)
{
    ColumnPositions columns;
    int flag = -1;
    if (!ReadRows(
        source, DataKind::Calc,
        [&](const CStatement& record) {
            columns = ColumnPositions(record, ListedPointColumns());
            flag = record.ColumnIndex(Col::FLAG);
        },
        [&](CStatement& query, int row) {
            const bool flagged = !Text(query, flag).trimmed().isEmpty();
            AddRowPoint(data, query, columns, flagged ? PlanRole::Flagged : PlanRole::Observed, row);
        }))
        data.readFailed = true;
}
// A stored number of millimetres as metres; nothing for an empty text or no number.
std::optional<double> MillimetresIn(const QString& text)
{
    const std::optional<double> value = CoordinateValue(text);
    return value ? std::optional(*value / 1000.0) : std::nullopt;
}

void ReadAdjustedPoints(PlanSource& source, PlanData& data)
{
    ColumnPositions columns;
    int attr = -1, major = -1, minor = -1, azimuth = -1;
    QHash<QString, int> byName;
    if (!ReadRows(
        source, DataKind::Adjusted,
        [&](const CStatement& record) {
            columns = ColumnPositions(record, ListedPointColumns());
            attr = record.ColumnIndex(Col::ATTR);
            major = record.ColumnIndex(Col::ELLA);
            minor = record.ColumnIndex(Col::ELLB);
            azimuth = record.ColumnIndex(Col::ELLAZ);
        },
        [&](CStatement& query, int row) {
            // Held points are the network's control: drawn as stations are.
            const bool fixed = Text(query, attr).trimmed() == QLatin1String("FIXED");
            const int index = AddRowPoint(data, query, columns, fixed ? PlanRole::Station : PlanRole::Observed, row);
            if (index < 0)
                return;
            const PlanPoint& point = data.points[size_t(index)];
            byName.insert(point.name, index);
            const auto a = MillimetresIn(Text(query, major));
            const auto b = MillimetresIn(Text(query, minor));
            const auto degrees = CoordinateValue(Text(query, azimuth));
            if (a && b && degrees)
                data.ellipses.push_back({point.east, point.north, *a, *b, *degrees * std::numbers::pi / 180.0});
        }))
    {
        data.readFailed = true;
        return;
    }
    CStatement query(source.store, Sql("select %1,%2,%3 from %4 order by %5",
                                {Col::SN, Col::VN, Col::VE, Tbl::AdjResidual, Col::ID}));
    while (query.Next())
    {
        const auto found = byName.constFind(Text(query, 0).trimmed());
        const auto north = MillimetresIn(Text(query, 1));
        const auto east = MillimetresIn(Text(query, 2));
        if (found == byName.constEnd() || !north || !east)
            continue;
        const PlanPoint& point = data.points[size_t(*found)];
        data.residuals.push_back({point.east, point.north, *east, *north});
    }
    if (!query.IsValid() || query.Failed())
    {
        data.readFailed = true;
        return;
    }
    // The ellipses set the enlargement, so that the precision reads at a glance; a blunder's
    // vector may then reach far, which is what shows it.
    double largest = 0;
    for (const PlanEllipse& ellipse : data.ellipses)
        largest = std::max(largest, ellipse.major);
    if (data.ellipses.empty())
        for (const PlanVector& vector : data.residuals)
            largest = std::max(largest, std::hypot(vector.toEast, vector.toNorth));
    data.exaggeration = ChooseExaggeration(data.bounds, largest);
}
// The traverse: its stations joined leg by leg in the route's order, its known ends drawn as
// control, and the coordinate misclosure drawn at the far end, from the known point to where
// the observations alone carried the traverse (the correction it received, turned round).
void ReadTraverse(PlanSource& source, PlanData& data)
{
    ColumnPositions columns;
    int attr = -1, dn = -1, de = -1;
    int previous = -1;
    std::optional<PlanVector> misclosure;
    if (!ReadRows(
        source, DataKind::Traverse,
        [&](const CStatement& record) {
            columns = ColumnPositions(record, ListedPointColumns());
            attr = record.ColumnIndex(Col::ATTR);
            dn = record.ColumnIndex(Col::DN);
            de = record.ColumnIndex(Col::DE);
        },
        [&](CStatement& query, int row) {
            const bool known = Text(query, attr).trimmed() == QLatin1String("KNOWN");
            const int index = AddRowPoint(data, query, columns, known ? PlanRole::Station : PlanRole::Observed, row);
            if (index < 0)
                return;
            if (previous >= 0)
                data.sights.push_back({previous, index});
            previous = index;
            const PlanPoint& point = data.points[size_t(index)];
            const auto north = MillimetresIn(Text(query, dn));
            const auto east = MillimetresIn(Text(query, de));
            if (north && east)
                misclosure = PlanVector{point.east, point.north, -*east, -*north};
        }))
    {
        data.readFailed = true;
        return;
    }
    if (misclosure && (misclosure->toEast != 0 || misclosure->toNorth != 0))
    {
        data.residuals.push_back(*misclosure);
        data.misclosure = true;
        data.exaggeration = ChooseExaggeration(data.bounds, std::hypot(misclosure->toEast, misclosure->toNorth));
    }
}
} // namespace

double ChooseExaggeration(const PlanBounds& bounds, double largest)
{
    const double side = bounds.empty ? 0.0 : std::max(bounds.maxEast - bounds.minEast, bounds.maxNorth - bounds.minNorth);
    if (!(largest > 0) || !(side > 0))
        return 0;
    const double wanted = side / 20.0 / largest;
    const double power = std::pow(10.0, std::floor(std::log10(wanted)));
    for (const double step : {5.0, 2.0, 1.0})
        if (step * power <= wanted * (1 + 1e-9))
            return step * power;
    return power;
}

void PlanBounds::Include(double east, double north)
{
    if (empty)
    {
        minEast = maxEast = east;
        minNorth = maxNorth = north;
        empty = false;
        return;
    }
    minEast = std::min(minEast, east);
    maxEast = std::max(maxEast, east);
    minNorth = std::min(minNorth, north);
    maxNorth = std::max(maxNorth, north);
}

void PlanData::Add(PlanPoint point)
{
    bounds.Include(point.east, point.north);
    points.push_back(std::move(point));
}

std::optional<double> CoordinateValue(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok); // blanks around the number are allowed
    if (!ok || !std::isfinite(value) || std::abs(value) > LargestCoordinate)
        return std::nullopt;
    return value;
}

std::optional<double> StoredCoordinateValue(QByteArrayView utf8)
{
    // The plain form ("  -1234.567 ", "+5", "1e3") is read here; anything else (blanks
    // beyond ASCII, say) is left to the string's own reading, so both read alike.
    QByteArrayView digits = utf8.trimmed();
    if (digits.startsWith('+') && digits.size() > 1 && digits[1] != '-' && digits[1] != '+')
        digits = digits.sliced(1);
    double value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.isEmpty() || error != std::errc() || stop != end)
        return CoordinateValue(QString::fromUtf8(utf8));
    if (!std::isfinite(value) || std::abs(value) > LargestCoordinate)
        return std::nullopt;
    return value;
}

PlanData ReadPlanData(CProjectStore& store, DataKind listKind, const PlanReadWatch* watch)
{
    PlanData data;
    PlanSource source{store, data, watch};
    const bool coorListed = listKind == DataKind::Coor;
    ColumnPositions columns;
    if (!ReadRows(
        source, DataKind::Coor,
        [&](const CStatement& record) { columns = ColumnPositions(record, ListedPointColumns()); },
        [&](CStatement& query, int row) {
            AddRowPoint(data, query, columns, PlanRole::Point, coorListed ? row : -1);
        }))
        data.readFailed = true;
    if (listKind == DataKind::Meas)
        ReadMeasJob(source, data, true);
    else if (listKind == DataKind::V2Meas)
        ReadV2MeasJob(source, data, true);
    else if (listKind == DataKind::Calc)
        ReadComputedPoints(source, data);
    else if (listKind == DataKind::Adjusted)
        ReadAdjustedPoints(source, data);
    else if (listKind == DataKind::Traverse)
        ReadTraverse(source, data);
    return data;
}

std::optional<qint64> PlanRowsToRead(CProjectStore& store, DataKind listKind)
{
    qint64 rows = 0;
    QStringList tables{TableOf(DataKind::Coor)};
    if (listKind == DataKind::Meas || listKind == DataKind::V2Meas || listKind == DataKind::Calc ||
        listKind == DataKind::Adjusted || listKind == DataKind::Traverse)
        tables << TableOf(listKind);
    for (const QString& table : tables)
    {
        CStatement count(store, QStringLiteral("select count(*) from ") + QuotedName(table));
        if (!count.Next())
            return std::nullopt;
        rows += count.Integer(0);
    }
    return rows;
}

Outcome PlanWritten(const PlanData& data)
{
    if (data.skipped > 0)
        return Outcome::DoneSaying(PlanTexts::SkippedPoints.Counted(data.skipped));
    return {};
}
