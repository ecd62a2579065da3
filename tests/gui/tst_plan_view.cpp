#include "core/plan/plan_texts.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "core/views/data_kind.h"
#include "gui/shell/command_actions.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/files/file_dialog_texts.h"
#include "gui/files/import_file_dialog.h"
#include "gui/files/output_file_dialog.h"
#include "gui/plan/plan_canvas.h"
#include "gui/plan/plan_tab.h"
#include "gui/plan/plan_view_texts.h"
#include "gui/views/plx_view.h"
#include "modal_answers.h"
#include "recording_reporter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

namespace
{
QStringList Names(const PlanData& data)
{
    QStringList names;
    for (const PlanPoint& point : data.points)
        names << point.name;
    return names;
}

void SendMouse(QWidget& widget, QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}
} // namespace

class TestPlanView : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;
    std::unique_ptr<CMerionApp> m_app;

    CPlxView& View() { return *m_app->View(); }
    CCommandActions& Commands() { return m_app->Commands(); }
    CPlanTab& Plan() { return *m_app->MainFrame()->PlanTab(); }
    CPlanCanvas& Canvas() { return Plan().Canvas(); }
    QPointF PixelOf(int index)
    {
        const PlanPoint& point = Canvas().Data().points[size_t(index)];
        return Canvas().Frame().ToPixel(point.east, point.north);
    }

    void ShowPlan()
    {
        CMainFrame* frame = m_app->MainFrame();
        frame->resize(900, 700);
        frame->show();
        frame->ClientTabs()->setCurrentWidget(&Plan());
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame)); // shortcuts work in the active window only
    }

    // Three points of the coordinate list: P1 (E 200, N 100), P2 (E 600, N 300), P3 (E 400, N 200).
    void AddThreePoints()
    {
        for (const char* values : {"'1','x','P1','100','200','1','A'", "'2','x','P2','300','600','2','B'",
                                   "'3','x','P3','200','400','3','C'"})
            QVERIFY(RunStatement(m_app->Store(), QStringLiteral("insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) "
                                                             "values(%1)").arg(QLatin1String(values))));
        View().ShowTable(DataKind::Coor);
        QTRY_COMPARE(Names(Canvas().Data()), QStringList({"P1", "P2", "P3"}));
        QTRY_VERIFY(!Plan().ReloadPending());
    }

    // The scale at which the 400 m by 200 m of the three points fill the canvas less 40 px a side.
    double FittedScale()
    {
        return std::min((Canvas().width() - 80) / 400.0, (Canvas().height() - 80) / 200.0);
    }

private slots:
    void init()
    {
        m_reporter.Clear();
        QFile::remove(m_dir.filePath("project.db"));
        m_app = std::make_unique<CMerionApp>(AppOptions{m_dir.filePath("project.db"), &m_reporter, false});
        QVERIFY(m_app->InitInstance());
        ShowPlan();
    }
    void cleanup()
    {
        m_app->ExitInstance();
        m_app.reset();
        QVERIFY(m_reporter.Messages().isEmpty());
    }

    void fitsZoomsAroundTheCursorAndPans()
    {
        AddThreePoints();
        QCOMPARE(Canvas().Frame().PixelsPerMetre(), FittedScale());
        const QRectF inner = QRectF(Canvas().rect()).adjusted(39, 39, -39, -39);
        for (int i = 0; i < 3; ++i)
            QVERIFY(inner.contains(PixelOf(i)));

        // One notch of the wheel over P2: 1.25 times nearer, P2 stays under the cursor.
        const QPointF cursor = PixelOf(1);
        QWheelEvent wheel(cursor, Canvas().mapToGlobal(cursor), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&Canvas(), &wheel);
        QCOMPARE(Canvas().Frame().PixelsPerMetre(), FittedScale() * 1.25);
        QVERIFY((PixelOf(1) - cursor).manhattanLength() < 1e-6);

        // A drag of 50 px to the right and 30 px down carries the points with it.
        const QPointF before = PixelOf(0);
        SendMouse(Canvas(), QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
        SendMouse(Canvas(), QEvent::MouseMove, {130, 110}, Qt::LeftButton);
        SendMouse(Canvas(), QEvent::MouseMove, {150, 130}, Qt::LeftButton);
        SendMouse(Canvas(), QEvent::MouseButtonRelease, {150, 130}, Qt::NoButton);
        QVERIFY((PixelOf(0) - before - QPointF(50, 30)).manhattanLength() < 1e-6);
        QVERIFY(View().selectionModel()->selectedRows().isEmpty()); // a drag picks nothing

        // Home, and the tool button, show everything again.
        Canvas().setFocus();
        QTest::keyClick(&Canvas(), Qt::Key_Home);
        QCOMPARE(Canvas().Frame().PixelsPerMetre(), FittedScale());
        Canvas().ZoomAround({10, 10}, 3);
        Plan().FitAction()->trigger();
        QCOMPARE(Canvas().Frame().PixelsPerMetre(), FittedScale());
    }

    void cursorGroundShowsInTheStatusBar()
    {
        AddThreePoints();
        const QPointF at = PixelOf(2);
        SendMouse(Canvas(), QEvent::MouseMove, at, Qt::NoButton);
        QCOMPARE(m_app->MainFrame()->statusBar()->currentMessage(), PlanViewTexts::Cursor(400, 200));
        QCOMPARE(PlanViewTexts::Cursor(400, 200), QStringLiteral("E 400.000   N 200.000"));
    }

    void selectionFollowsBothWays()
    {
        AddThreePoints();
        QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, PixelOf(1).toPoint());
        QCOMPARE(View().currentIndex().row(), 1);
        QCOMPARE(View().CellText(1, 2), QStringLiteral("P2"));
        QCOMPARE(Canvas().SelectedPoint(), 1);

        View().selectRow(2);
        QCOMPARE(Canvas().SelectedPoint(), 2);
        Canvas().repaint();
        QVERIFY(Canvas().LastScene().selected);
        QVERIFY((*Canvas().LastScene().selected - PixelOf(2)).manhattanLength() < 1e-6);

        // Sorted by a column, a row still names its own point, both ways.
        View().SortByColumn(3); // north, ascending: P1, P3, P2
        QTRY_VERIFY(!Plan().ReloadPending());
        QCOMPARE(View().CellText(1, 2), QStringLiteral("P3"));
        View().selectRow(1);
        QCOMPARE(Canvas().SelectedPoint(), 2);
        QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, PixelOf(1).toPoint());
        QCOMPARE(View().currentIndex().row(), 2);
        View().SortByColumn(3);
        View().SortByColumn(3); // back to the stored order
        QTRY_VERIFY(!Plan().ReloadPending());
        View().selectRow(2);
        QCOMPARE(Canvas().SelectedPoint(), 2);

        // A row whose point lies outside the picture brings it to the middle.
        Canvas().ZoomAround(PixelOf(2), 50);
        View().selectRow(0);
        QVERIFY((PixelOf(0) - QPointF(Canvas().width() / 2.0, Canvas().height() / 2.0)).manhattanLength() < 1e-6);
    }

    // The ring and the name drawn over the rest follow the list's selection, and go with it.
    void ringGoesWhenTheSelectionGoes()
    {
        AddThreePoints();
        View().selectRow(1);
        QCOMPARE(Canvas().SelectedPoint(), 1);
        Canvas().repaint();
        QVERIFY(Canvas().LastScene().selectedLabel);
        QCOMPARE(Canvas().LastScene().selectedLabel->text, QStringLiteral("P2"));

        // Cleared, the cursor stays on the row but nothing is selected: no ring.
        View().clearSelection();
        QVERIFY(View().currentIndex().isValid());
        QCOMPARE(Canvas().SelectedPoint(), -1);
        Canvas().repaint();
        QVERIFY(!Canvas().LastScene().selected);
        QVERIFY(!Canvas().LastScene().selectedLabel);

        // Taking the selected row out of the selection (Ctrl-click) does the same.
        View().selectRow(2);
        QCOMPARE(Canvas().SelectedPoint(), 2);
        View().selectionModel()->select(View().model()->index(2, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        QCOMPARE(Canvas().SelectedPoint(), -1);
    }

    void followsImportsEditsAndTheMeasurementList()
    {
        AddThreePoints();
        QFile file(m_dir.filePath("points.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Q1,10.0,20.0,1.0,TREE\r\nQ2,north,30.0,1.0,\r\nQ3,40.0,50.0,1.0,\r\n");
        file.close();
        WhenShown<CImportFileDialog>([&file](CImportFileDialog* dialog) { Choose(dialog, file.fileName()); });
        Commands().Run(Command::Import);
        QTRY_COMPARE(Names(Canvas().Data()), QStringList({"Q1", "Q3"}));
        QCOMPARE(Canvas().Data().skipped, 1);
        Canvas().repaint();
        QCOMPARE(Canvas().LastScene().notes, QStringList{PlanTexts::SkippedPoints.Counted(1)});
        QCOMPARE(Canvas().LastScene().dots.size(), size_t(2));

        // Deleting every point leaves an empty plan that says so.
        QVERIFY(RunStatement(m_app->Store(), QStringLiteral("delete from CoorEdit")));
        View().ShowTable(DataKind::Coor);
        QTRY_VERIFY(Canvas().Data().points.empty());
        Canvas().repaint();
        QCOMPARE(Canvas().LastScene().centreMessage, PlanTexts::NoPoints);

        // A measurement job in the list: its station, its points and the sights between them.
        for (const char* values : {"'1','T5(T8)_Meas_Station','ST1','1000','2000'",
                                   "'2','T5(T8)_Meas_Measure-Coor','P1','1087.296','2087.296'",
                                   "'3','T5(T8)_Meas_Measure-Coor','P2','1100','1950'"})
            QVERIFY(RunStatement(m_app->Store(), 
                QStringLiteral("insert into \"740Meas\"(ID,ATTR,SN,NCOOR,ECOOR) values(%1)").arg(QLatin1String(values))));
        View().ShowTable(DataKind::Meas);
        QTRY_COMPARE(Names(Canvas().Data()), QStringList({"ST1", "P1", "P2"}));
        Canvas().repaint();
        QCOMPARE(Canvas().LastScene().symbols.size(), size_t(3));
        QCOMPARE(Canvas().LastScene().sights.size(), size_t(2));
        QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, PixelOf(0).toPoint());
        QCOMPARE(View().currentIndex().row(), 0);
    }

    void plansAndDrawingsAreExportedFromTheWindow()
    {
        AddThreePoints();
        // The context menu's image export writes what the canvas shows, at its size.
        WhenShown<QFileDialog>([this](QFileDialog* dialog) { Choose(dialog, m_dir.filePath("view.png")); });
        Plan().ExportImage();
        QCOMPARE(QImage(m_dir.filePath("view.png")).size(), Canvas().size());
        WhenShown<QFileDialog>([this](QFileDialog* dialog) { Choose(dialog, m_dir.filePath("view.svg")); });
        Plan().ExportImage();
        QFile svg(m_dir.filePath("view.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains(">P3</text>"));

        // The output file of the point list offers DXF beside the text formats.
        WhenShown<COutputFileDialog>([this](COutputFileDialog* dialog) {
            QVERIFY(dialog->nameFilters().contains(FileDialogTexts::DxfFileFilter.Text()));
            Choose(dialog, m_dir.filePath("points.dxf"));
        });
        Commands().Run(Command::OutputFile);
        QFile dxf(m_dir.filePath("points.dxf"));
        QVERIFY(dxf.open(QIODevice::ReadOnly));
        const QByteArray drawing = dxf.readAll();
        QVERIFY(drawing.startsWith("0\r\nSECTION\r\n2\r\nHEADER\r\n"));
        QVERIFY(drawing.endsWith("0\r\nEOF\r\n"));
        QCOMPARE(drawing.count("\r\nPOINT\r\n"), 3);
        QVERIFY(drawing.contains("\r\n1\r\nP2\r\n"));
    }

    // While the points are read the plan says so, with how many of how many; then they show.
    void planSaysItIsLoading()
    {
        QStringList statements{"begin"};
        for (int i = 1; i <= 300; ++i)
            statements << QStringLiteral("insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values(%1,'x','P%1','%1','%1','0','')").arg(i);
        statements << "commit";
        for (const QString& statement : statements)
            QVERIFY(RunStatement(m_app->Store(), statement));
        Plan().Reload();
        QVERIFY(Canvas().IsLoading());
        Canvas().repaint();
        QCOMPARE(Canvas().LastScene().centreMessage, PlanViewTexts::Loading(0, 0));
        QCOMPARE(PlanViewTexts::Loading(0, 0), QStringLiteral("正在读取点…"));
        QCOMPARE(PlanViewTexts::Loading(8192, 1000000), QStringLiteral("正在读取点… 8,192/1,000,000"));
        QTRY_VERIFY(!Plan().ReloadPending());
        QVERIFY(!Canvas().IsLoading());
        QCOMPARE(Canvas().Data().points.size(), size_t(300));
        Canvas().repaint();
        QVERIFY(Canvas().LastScene().centreMessage.isEmpty());
        QVERIFY(!Canvas().LastScene().notes.contains(PlanViewTexts::Loading(0, 0)));

        // Over points already drawn, the count stands at the top left.
        Canvas().ShowLoading(100, 2000);
        Canvas().repaint();
        QCOMPARE(Canvas().LastScene().notes.value(0), QStringLiteral("正在读取点… 100/2,000"));
        Canvas().EndLoading();
    }

    // A query that fails on the reading thread is told once, through the program's reporter.
    void aFailedReadIsToldOnceByTheWindow()
    {
        AddThreePoints();
        // A table that cannot be read (a view of a missing table stands in its place).
        QVERIFY(RunStatement(m_app->Store(), QStringLiteral("drop table CoorEdit")));
        QVERIFY(RunStatement(m_app->Store(), QStringLiteral("create view CoorEdit as select * from Missing")));
        m_reporter.Clear();
        Plan().Reload();
        QTRY_VERIFY(!Plan().ReloadPending());
        const QStringList messages = m_reporter.TakeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("Missing")), qPrintable(messages.first()));
        QVERIFY(Canvas().Data().points.empty());
        QVERIFY(RunStatement(m_app->Store(), QStringLiteral("drop view CoorEdit")));
        QVERIFY(RunStatement(m_app->Store(), 
            QStringLiteral("create table CoorEdit(ID TEXT,ATTR TEXT,SN TEXT,NCOOR TEXT,ECOOR TEXT,ZCOOR TEXT,CODE TEXT)")));
    }

    void hiddenPlanReadsTheStoreOnlyWhenShown()
    {
        m_app->MainFrame()->ClientTabs()->setCurrentIndex(0);
        QVERIFY(RunStatement(m_app->Store(), 
            QStringLiteral("insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR) values('1','x','P1','1','2')")));
        View().ShowTable(DataKind::Coor);
        // The plan's reload waits on a zero timer: one pass of the event loop would run it.
        QCoreApplication::processEvents();
        QVERIFY(Plan().ReloadPending());
        QVERIFY(Canvas().Data().points.empty());
        m_app->MainFrame()->ClientTabs()->setCurrentWidget(&Plan());
        QTRY_COMPARE(Names(Canvas().Data()), QStringList{"P1"});
        QVERIFY(!Plan().ReloadPending());
    }
};

QTEST_MAIN(TestPlanView)
#include "tst_plan_view.moc"
