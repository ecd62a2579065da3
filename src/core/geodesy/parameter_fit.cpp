#include "core/geodesy/parameter_fit.h"

#include "core/files/text_lines.h"
#include "core/geodesy/geodesy_texts.h"
#include "core/geodesy/listed_points.h"
#include "core/geodesy/point_transform.h"

#include <Eigen/Dense>

#include <cmath>
#include <numbers>

namespace
{
constexpr double ArcSecondsPerRadian = 180.0 * 3600.0 / std::numbers::pi;

QString Number(double value)
{
    return QString::number(value, 'g', 17);
}

// The design of a linear least-squares problem and its solution: A·x ≈ b.
Eigen::VectorXd Solve(const Eigen::MatrixXd& design, const Eigen::VectorXd& observed, bool& determined)
{
    const Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(design);
    determined = qr.rank() == design.cols();
    return qr.solve(observed);
}

struct Centroid
{
    Eigen::Vector3d first = Eigen::Vector3d::Zero();
    Eigen::Vector3d second = Eigen::Vector3d::Zero();
};

Centroid CentroidOf(const std::vector<const CommonPoint*>& used)
{
    Centroid c;
    for (const CommonPoint* p : used)
    {
        c.first += Eigen::Vector3d(p->n1, p->e1, p->z1);
        c.second += Eigen::Vector3d(p->n2, p->e2, p->z2);
    }
    c.first /= double(used.size());
    c.second /= double(used.size());
    return c;
}

// The unknowns are linear in a = k·cos θ and b = k·sin θ; coordinates are taken about their
// centroids so that the normal equations stay well conditioned for grid coordinates in millions.
bool FitSimilarity(const std::vector<const CommonPoint*>& used, SimilarityParameters& result)
{
    const Centroid c = CentroidOf(used);
    const qsizetype rows = 2 * qsizetype(used.size());
    Eigen::MatrixXd design = Eigen::MatrixXd::Zero(rows, 4); // tN, tE, a, b
    Eigen::VectorXd observed(rows);
    for (qsizetype i = 0; i < qsizetype(used.size()); ++i)
    {
        const CommonPoint& p = *used[size_t(i)];
        const double n = p.n1 - c.first.x(), e = p.e1 - c.first.y();
        design.row(2 * i) << 1, 0, n, -e;
        design.row(2 * i + 1) << 0, 1, e, n;
        observed(2 * i) = p.n2 - c.second.x();
        observed(2 * i + 1) = p.e2 - c.second.y();
    }
    bool determined = false;
    const Eigen::VectorXd x = Solve(design, observed, determined);
    if (!determined)
        return false;
    const double a = x(2), b = x(3);
    result.dN = c.second.x() + x(0) - a * c.first.x() + b * c.first.y();
    result.dE = c.second.y() + x(1) - b * c.first.x() - a * c.first.y();
    result.rotation = std::atan2(b, a);
    result.scale = std::hypot(a, b) - 1;
    return true;
}

// X2 = T + a·X1 + b × X1 with a = 1 + s and b = (1 + s)·r: linear in (T, a, b), and the
// parameters follow exactly as s = a − 1, r = b / a.
bool FitHelmert(const std::vector<const CommonPoint*>& used, HelmertParameters& result)
{
    const Centroid c = CentroidOf(used);
    const qsizetype rows = 3 * qsizetype(used.size());
    Eigen::MatrixXd design = Eigen::MatrixXd::Zero(rows, 7); // tx, ty, tz, a, bx, by, bz
    Eigen::VectorXd observed(rows);
    for (qsizetype i = 0; i < qsizetype(used.size()); ++i)
    {
        const CommonPoint& p = *used[size_t(i)];
        const double x = p.n1 - c.first.x(), y = p.e1 - c.first.y(), z = p.z1 - c.first.z();
        design.row(3 * i) << 1, 0, 0, x, 0, z, -y;
        design.row(3 * i + 1) << 0, 1, 0, y, -z, 0, x;
        design.row(3 * i + 2) << 0, 0, 1, z, y, -x, 0;
        observed.segment<3>(3 * i) = Eigen::Vector3d(p.n2, p.e2, p.z2) - c.second;
    }
    bool determined = false;
    const Eigen::VectorXd x = Solve(design, observed, determined);
    if (!determined)
        return false;
    const double a = x(3);
    const Eigen::Vector3d b(x(4), x(5), x(6));
    const Eigen::Vector3d translation = c.second + x.head<3>() - a * c.first - b.cross(c.first);
    result.tx = translation.x();
    result.ty = translation.y();
    result.tz = translation.z();
    result.rx = b.x() / a;
    result.ry = b.y() / a;
    result.rz = b.z() / a;
    result.scale = a - 1;
    return true;
}

Eigen::Vector3d Transformed(const FitResult& fit, const CommonPoint& p)
{
    if (fit.model == FitModel::Similarity)
    {
        const SimilarityParameters& s = fit.similarity;
        const double k = 1 + s.scale, cosine = std::cos(s.rotation), sine = std::sin(s.rotation);
        return {s.dN + k * (cosine * p.n1 - sine * p.e1), s.dE + k * (sine * p.n1 + cosine * p.e1), p.z1};
    }
    const HelmertParameters& h = fit.helmert;
    const Eigen::Vector3d x(p.n1, p.e1, p.z1);
    const Eigen::Vector3d r(h.rx, h.ry, h.rz);
    return Eigen::Vector3d(h.tx, h.ty, h.tz) + (1 + h.scale) * (x + r.cross(x));
}
} // namespace

FitResult FitParameters(FitModel model, const std::vector<CommonPoint>& points, const QSet<QString>& excluded)
{
    FitResult fit;
    fit.model = model;
    std::vector<const CommonPoint*> used;
    for (const CommonPoint& point : points)
        if (!excluded.contains(point.name))
            used.push_back(&point);
    const size_t needed = model == FitModel::Similarity ? 2 : 3;
    if (used.size() < needed)
    {
        fit.outcome = {Status::CannotCompute, GeodesyTexts::TooFewCommonPoints.Arg(int(needed))};
        return fit;
    }
    const bool determined =
        model == FitModel::Similarity ? FitSimilarity(used, fit.similarity) : FitHelmert(used, fit.helmert);
    if (!determined)
    {
        fit.outcome = {Status::CannotCompute, GeodesyTexts::PointsInOneLine};
        return fit;
    }
    double sum = 0;
    for (const CommonPoint& point : points)
    {
        const Eigen::Vector3d v = Transformed(fit, point) - Eigen::Vector3d(point.n2, point.e2, point.z2);
        const bool isUsed = !excluded.contains(point.name);
        fit.residuals.push_back({point.name, v.x(), v.y(), model == FitModel::Helmert ? v.z() : 0.0, isUsed});
        if (isUsed)
            sum += v.x() * v.x() + v.y() * v.y();
    }
    fit.rms = std::sqrt(sum / double(used.size()));
    return fit;
}

QString ProjOperationOf(const SimilarityParameters& p)
{
    // PROJ's plane Helmert turns (x, y) = (east, north) clockwise by θ, as the similarity does;
    // its scale is the factor itself, not parts per million.
    return QStringLiteral("+proj=helmert +x=%1 +y=%2 +theta=%3 +s=%4")
        .arg(Number(p.dE), Number(p.dN), Number(p.rotation * ArcSecondsPerRadian), Number(1 + p.scale));
}

QString ProjOperationOf(const HelmertParameters& p)
{
    return QStringLiteral("+proj=helmert +x=%1 +y=%2 +z=%3 +rx=%4 +ry=%5 +rz=%6 +s=%7 +convention=position_vector")
        .arg(Number(p.tx), Number(p.ty), Number(p.tz), Number(p.rx * ArcSecondsPerRadian),
             Number(p.ry * ArcSecondsPerRadian), Number(p.rz * ArcSecondsPerRadian), Number(p.scale * 1e6));
}

Outcome ApplyFitToList(CProjectStore& store, const FitResult& fit)
{
    if (!fit.outcome.Succeeded())
        return fit.outcome;
    const bool helmert = fit.model == FitModel::Helmert;
    const CPointTransform transform = helmert ? CPointTransform(ProjOperationOf(fit.helmert), true, true)
                                              : CPointTransform(ProjOperationOf(fit.similarity), false, false);
    if (!transform.Prepared().Succeeded())
        return transform.Prepared();
    ListedPoints points = ReadListedPoints(store);
    if (points.readFailed)
        return {Status::DatabaseError};
    if (helmert)
    {
        // A point without a height cannot take a spatial transformation: it stays as it was.
        ListedPoints withHeights;
        withHeights.rows = std::move(points.rows);
        for (size_t i = 0; i < points.placed.size(); ++i)
        {
            if (!points.hasHeight[i])
                continue;
            withHeights.placed.push_back(points.placed[i]);
            withHeights.north.push_back(points.north[i]);
            withHeights.east.push_back(points.east[i]);
            withHeights.height.push_back(points.height[i]);
            withHeights.hasHeight.push_back(true);
        }
        points = std::move(withHeights);
    }
    const qsizetype failed = transform.Apply(points.north, points.east, points.height);
    if (failed >= 0)
        return {Status::CannotCompute, GeodesyTexts::PointNotTransformed.Arg(QString::fromUtf8(points.rows[points.placed[size_t(failed)]].name))};
    if (const Outcome replaced = ReplaceListedPoints(store, points, {3, helmert}); !replaced.Succeeded())
        return replaced;
    return PointsTransformed(points);
}

Outcome ReadCommonPoints(const QString& path, std::vector<CommonPoint>& points)
{
    CTextLineReader reader(path);
    if (const Status opened = OpenText(reader); opened != Status::Done)
        return opened;
    QByteArray bytes;
    int lineNumber = 0;
    while (reader.Next(bytes))
    {
        ++lineNumber;
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char(','));
        CommonPoint point;
        double* const values[] = {&point.n1, &point.e1, &point.z1, &point.n2, &point.e2, &point.z2};
        bool ok = fields.size() == 7 && !fields[0].trimmed().isEmpty();
        for (int i = 0; ok && i < 6; ++i)
        {
            *values[i] = fields[i + 1].trimmed().toDouble(&ok);
            ok = ok && std::isfinite(*values[i]);
        }
        if (!ok)
            return {Status::CannotCompute, GeodesyTexts::BadCommonLine.Arg(lineNumber)};
        point.name = fields[0].trimmed();
        points.push_back(point);
    }
    return {};
}
