#include "cli_runner.h"
#include "core/edit/coor_edit.h"
#include "core/plan/plan_texts.h"
#include "core/store/project_store.h"
#include "file_bytes.h"
#include "recording_reporter.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// Runs a tool of the system and gives what it printed, standard error included (UTF-8).
QString Tool(const QString& program, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
    {
        QTest::qFail(qPrintable(program + QStringLiteral(" is missing: run scripts/setup-debian.sh")), __FILE__, __LINE__);
        return {};
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(path, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Writes rows straight into the database, as a hand-edited table would hold them.
void Insert(const QString& database, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("direct"));
        db.setDatabaseName(database);
        QVERIFY(db.open());
        for (const QString& statement : statements)
            QVERIFY2(QSqlQuery(db).exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("direct"));
}

// Adds points as `point add` does, through the command's own operation, without starting a
// program for each.
void AddPoints(const QString& database, const QList<CoorFields>& points)
{
    CRecordingReporter reporter;
    CProjectStore store(database, &reporter);
    QVERIFY(store.Connect());
    for (const CoorFields& point : points)
        QVERIFY(AddCoor(store, point).Succeeded());
    store.Disconnect();
    QCOMPARE(reporter.Messages(), QStringList());
}

bool IsDotColour(QRgb pixel)
{
    return qBlue(pixel) > 110 && qRed(pixel) < 110 && qGreen(pixel) < 140;
}
} // namespace

class TestCliPlot : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_db;

    QString File(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void init()
    {
        m_db = File(QStringLiteral("plot.db"));
        QFile::remove(m_db);
    }

    // Two points 400 m by 200 m apart in a 400 × 300 image: the picture keeps 40 px of margin,
    // so 320 × 220 px hold them at min(320/400, 220/200) = 0.8 px/m about the middle
    // (E 400, N 200): P1 (E 200, N 100) at (40, 230), P2 (E 600, N 300) at (360, 70).
    void pngIsTheSizeAskedWithThePointsWhereTheScaleSays()
    {
        AddPoints(m_db, {{"P1", "100", "200", "10", ""}, {"P2", "300", "600", "12", ""}});
        const CliRun run = RunCli(m_db, {"plot", File("plan.png"), "--kind", "coor", "--size", "400x300"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        const QImage image(File("plan.png"));
        QCOMPARE(image.size(), QSize(400, 300));
        QVERIFY(IsDotColour(image.pixel(40, 230)));
        QVERIFY(IsDotColour(image.pixel(360, 70)));
        QCOMPARE(image.pixel(200, 150), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(120, 110), qRgb(255, 255, 255));

        // The default size, and the smallest sensible one.
        QCOMPARE(RunCli(m_db, {"plot", File("default.png"), "--kind", "coor"}).exitCode, 0);
        QCOMPARE(QImage(File("default.png")).size(), QSize(1600, 1200));
        QCOMPARE(RunCli(m_db, {"plot", File("small.png"), "--kind", "coor", "--size", "64x48"}).exitCode, 0);
        QCOMPARE(QImage(File("small.png")).size(), QSize(64, 48));
    }

    void svgNamesThePointsUnlessLabelsAreOff()
    {
        AddPoints(m_db, {{"北门", "100", "200", "10", "树"}, {"P2", "300", "600", "12", ""}});
        QCOMPARE(RunCli(m_db, {"plot", File("plan.svg"), "--kind", "coor", "--size", "800x600"}).exitCode, 0);
        const QString svg = ReadText(File("plan.svg"));
        QVERIFY(svg.startsWith(QStringLiteral("<?xml")));
        QVERIFY(svg.contains(QStringLiteral("width=\"800.00\" height=\"600.00\"")));
        QVERIFY(svg.contains(QStringLiteral(">北门</text>")));
        QVERIFY(svg.contains(QStringLiteral(">P2</text>")));
        QCOMPARE(svg.count(QStringLiteral("<circle")), 2);
        // At the fitted min(720/400, 520/200) = 1.8 px/m the bar's 800/4 = 200 px hold 111 m: a 100 m bar.
        QVERIFY(svg.contains(QStringLiteral(">100 m</text>")));

        QCOMPARE(RunCli(m_db, {"plot", File("bare.svg"), "--kind", "coor", "--no-labels"}).exitCode, 0);
        const QString bare = ReadText(File("bare.svg"));
        QVERIFY(!bare.contains(QStringLiteral("北门")));
        QCOMPARE(bare.count(QStringLiteral("<circle")), 2);
    }

    // Fifteen points within a metre and one 300 m away: at the picture's scale the fifteen
    // share a few pixels, yet the drawing, read back, names every one of them (moved off
    // their spot along leaders), and the PDF's text holds them too.
    void everyNameIsDrawnInADenseJob()
    {
        QList<CoorFields> points{{"FAR", "0", "0", "0", ""}};
        QStringList names{"FAR"};
        for (int i = 1; i <= 15; ++i)
        {
            points.append({QStringLiteral("D%1").arg(i), QString::number(200 + (i % 4) * 0.2),
                           QString::number(300 + (i / 4) * 0.2), "0", ""});
            names << QStringLiteral("D%1").arg(i);
        }
        AddPoints(m_db, points);
        QCOMPARE(RunCli(m_db, {"plot", File("dense.svg"), "--kind", "coor", "--size", "800x600"}).exitCode, 0);
        const QString svg = ReadText(File("dense.svg"));
        for (const QString& name : names)
            QVERIFY2(svg.contains(QStringLiteral(">%1</text>").arg(name)), qPrintable(name));
        QVERIFY(svg.count(QStringLiteral("stroke=\"#707070\"")) > 0); // the leaders
        QCOMPARE(RunCli(m_db, {"plot", File("dense.pdf"), "--kind", "coor", "--size", "800x600"}).exitCode, 0);
        const QStringList words = Tool(QStringLiteral("pdftotext"), {File("dense.pdf"), QStringLiteral("-")})
                                      .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (const QString& name : names)
            QVERIFY2(words.contains(name), qPrintable(name + QLatin1Char(' ') + words.join(QLatin1Char(' '))));
    }

    void pdfIsOnePageOfThePictureSize()
    {
        AddPoints(m_db, {{"P1", "100", "200", "10", ""}});
        QCOMPARE(RunCli(m_db, {"plot", File("plan.pdf"), "--kind", "coor", "--size", "400x300"}).exitCode, 0);
        QVERIFY(ReadText(File("plan.pdf")).startsWith(QStringLiteral("%PDF-")));
        const QString info = Tool(QStringLiteral("pdfinfo"), {File("plan.pdf")});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        // 400 × 300 pixels at 96 per inch are 300 × 225 points.
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+300 x 225 pts"))), qPrintable(info));
    }

    void emptyAndUndrawableListsSayWhy()
    {
        QCOMPARE(RunCli(m_db, {"plot", File("empty.svg"), "--kind", "coor"}).exitCode, 0);
        QVERIFY(ReadText(File("empty.svg")).contains(PlanTexts::NoPoints));

        Insert(m_db, {"insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values('1','x','P1','100','200','0','')",
                      "insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values('2','x','BAD','north','0','0','')"});
        const CliRun run = RunCli(m_db, {"plot", File("one.svg"), "--kind", "coor"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.Err(), PlanTexts::SkippedPoints.Counted(1) + '\n');
        const QString svg = ReadText(File("one.svg"));
        QCOMPARE(svg.count(QStringLiteral("<circle")), 1); // not a second one at 0,0
        QVERIFY(!svg.contains(QStringLiteral(">BAD<")));
    }

    void usageErrors()
    {
        for (const QStringList& words : {QStringList{"plot", File("a.png")}, QStringList{"plot", File("a.png"), "--kind", "code"},
                                         QStringList{"plot", File("a.bmp"), "--kind", "coor"},
                                         QStringList{"plot", File("a.png"), "--kind", "coor", "--size", "10x10"},
                                         QStringList{"plot", File("a.png"), "--kind", "coor", "--size", "wide"},
                                         QStringList{"export", "dxf", File("a.dxf"), "--kind", "meas"}})
        {
            const CliRun run = RunCli(m_db, words);
            QVERIFY2(run.exitCode == 2, qPrintable(words.join(' ')));
            QVERIFY(run.Err().contains(QStringLiteral("usage: merion-cli")));
        }
        QVERIFY(!QFile::exists(File("a.png")));
    }

    // GDAL's DXF driver reads every POINT and TEXT as a feature with its layer and text.
    void dxfReadsBackWithGdal()
    {
        AddPoints(m_db, {{"北门", "3456789.125", "512345.5", "10.25", "树"}, {"P2", "3456800", "512400", "12", "WALL/A"}});
        Insert(m_db, {"insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values('3','x','P3','3456810','512410','','')"});
        const CliRun run = RunCli(m_db, {"export", "dxf", File("plan.dxf"), "--kind", "coor"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        // A 2004 drawing whose text is GBK, as it declares: 北门 is B1B1 C3C5 there.
        QFile file(File("plan.dxf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("\r\n$ACADVER\r\n1\r\nAC1018\r\n"));
        QVERIFY(bytes.contains("\r\n$DWGCODEPAGE\r\n3\r\nANSI_936\r\n"));
        QVERIFY(bytes.contains("\r\n1\r\n\xB1\xB1\xC3\xC5\r\n"));

        const QString info = Tool(QStringLiteral("ogrinfo"), {QStringLiteral("-al"), QStringLiteral("-nomd"), File("plan.dxf")});
        QVERIFY2(info.contains(QStringLiteral("Feature Count: 6")), qPrintable(info));
        QVERIFY2(!info.contains(QStringLiteral("Warning")) && !info.contains(QStringLiteral("ERROR")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("POINT Z (512345.5 3456789.125 10.25)")), qPrintable(info));
        QVERIFY(info.contains(QStringLiteral("POINT Z (512400 3456800 12)")));
        QVERIFY(info.contains(QStringLiteral("POINT Z (512410 3456810 0)")));
        QVERIFY(info.contains(QStringLiteral("Layer (String) = 树")));
        QVERIFY(info.contains(QStringLiteral("Layer (String) = WALL_A")));
        QVERIFY(info.contains(QStringLiteral("Layer (String) = 0")));
        QVERIFY(info.contains(QStringLiteral("Text (String) = 北门")));
        QVERIFY(info.contains(QStringLiteral("Text (String) = P3")));
        // The label stands half a metre north-east of its point.
        QVERIFY(info.contains(QStringLiteral("POINT Z (512346.0 3456789.625 10.25)")));
    }

    // A character GBK lacks (the Hangul 한, U+D55C) is written as the escape CAD programs read.
    void dxfEscapesWhatTheCodePageLacks()
    {
        AddPoints(m_db, {{"A한", "10", "20", "0", ""}});
        QCOMPARE(RunCli(m_db, {"export", "dxf", File("escaped.dxf"), "--kind", "coor"}).exitCode, 0);
        QFile file(File("escaped.dxf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("\r\n1\r\nA\\U+D55C\r\n"));
    }

    void emptyDxfIsStillADrawing()
    {
        QCOMPARE(RunCli(m_db, {"export", "dxf", File("empty.dxf"), "--kind", "coor"}).exitCode, 0);
        const QString info = Tool(QStringLiteral("ogrinfo"), {QStringLiteral("-al"), QStringLiteral("-so"), File("empty.dxf")});
        QVERIFY2(info.contains(QStringLiteral("Feature Count: 0")), qPrintable(info));
        QCOMPARE(RunCli(m_db, {"export", "dxf", File("no/such/folder/x.dxf"), "--kind", "coor"}).exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(TestCliPlot)
#include "tst_cli_plot.moc"
