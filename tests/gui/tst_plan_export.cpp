#include "core/store/statement.h"
#include "core/views/data_kind.h"
#include "file_bytes.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/plan/plan_canvas.h"
#include "gui/plan/plan_sheet_dialog.h"
#include "gui/plan/plan_tab.h"
#include "gui/plan/plan_view_texts.h"
#include "gui/shell/command_actions.h"
#include "gui/views/plx_view.h"
#include "modal_answers.h"
#include "recording_reporter.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// Runs a poppler tool on a PDF and gives what it printed (UTF-8); empty when it is missing.
QString Poppler(const QString& tool, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return {};
    QProcess process;
    process.start(path, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Each word pdftotext finds on the page with the left and top of its box, in points.
struct PageWord
{
    QString text;
    double left = 0;
    double top = 0;
};

QList<PageWord> WordsOf(const QString& pdf)
{
    QList<PageWord> words;
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"[0-9.]+\">([^<]*)</word>"));
    const QString html = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    for (auto match = word.globalMatch(html); match.hasNext();)
    {
        const QRegularExpressionMatch found = match.next();
        words.append({found.captured(3), found.captured(1).toDouble(), found.captured(2).toDouble()});
    }
    return words;
}

std::optional<PageWord> Find(const QList<PageWord>& words, const QString& text)
{
    for (const PageWord& word : words)
        if (word.text == text)
            return word;
    return std::nullopt;
}

} // namespace

class TestPlanExport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;
    std::unique_ptr<CMerionApp> m_app;

    CPlanTab& Plan() { return *m_app->MainFrame()->PlanTab(); }
    CPlanCanvas& Canvas() { return Plan().Canvas(); }
    QString File(const QString& name) const { return m_dir.filePath(name); }

    // Fills the coordinate list with (name, north, east) rows and waits for the plan.
    void AddPoints(const QList<std::tuple<QString, double, double>>& points)
    {
        int id = 0;
        for (const auto& [name, north, east] : points)
            QVERIFY(RunStatement(m_app->Store(), QStringLiteral("insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) "
                                                             "values(?,'x',?,?,?,'0','')"),
                                 {QString::number(++id), name, QString::number(north, 'f', 3),
                                  QString::number(east, 'f', 3)}));
        m_app->View()->ShowTable(DataKind::Coor);
        QTRY_COMPARE(Canvas().Data().points.size(), size_t(points.size()));
        QTRY_VERIFY(!Plan().ReloadPending());
    }

    // A dense job as a surveyor brings it: 21 points round one spot within two metres, and
    // two control points 500 m away, so that the cluster is a few pixels wide in the window.
    QStringList AddDenseJob()
    {
        QList<std::tuple<QString, double, double>> points{{QStringLiteral("K1"), 3000, 1000},
                                                          {QStringLiteral("K2"), 3300, 1500}};
        for (int i = 1; i <= 21; ++i)
            points.append({QStringLiteral("P%1").arg(i), 3150 + (i / 7) * 0.4, 1250 + (i % 7) * 0.3});
        AddPoints(points);
        QStringList names;
        for (const auto& point : points)
            names << std::get<0>(point);
        return names;
    }

    // Exports through the plan's context-menu command, answering the file dialog with `path`
    // and, for a PDF, the sheet dialog with `choice`.
    void Export(const QString& path, std::optional<SheetChoice> choice = std::nullopt)
    {
        WhenShown<QFileDialog>([path](QFileDialog* dialog) { Choose(dialog, path); });
        if (choice)
            WhenShown<CPlanSheetDialog>([choice](CPlanSheetDialog* dialog) {
                dialog->SetChoice(*choice);
                dialog->accept();
            });
        Plan().ExportImage();
        QVERIFY2(QFile::exists(path), qPrintable(path));
    }

private slots:
    void init()
    {
        m_reporter.Clear();
        QFile::remove(File("project.db"));
        m_app = std::make_unique<CMerionApp>(AppOptions{File("project.db"), &m_reporter, false});
        QVERIFY(m_app->InitInstance());
        CMainFrame* frame = m_app->MainFrame();
        frame->resize(900, 600);
        frame->show();
        frame->ClientTabs()->setCurrentWidget(&Plan());
        QVERIFY(QTest::qWaitForWindowExposed(frame));
    }
    void cleanup()
    {
        m_app->ExitInstance();
        m_app.reset();
        QCOMPARE(m_reporter.Messages(), QStringList());
    }

    // The window names only the few points it has room for; its SVG and its PDF name all
    // 23, and the status bar says where each file went.
    void exportsOfADenseJobNameEveryPoint()
    {
        const QStringList names = AddDenseJob();
        Canvas().repaint();
        QVERIFY(Canvas().LastScene().labels.size() < 10);

        Export(File("dense.svg"));
        const QString svg = ReadText(File("dense.svg"));
        for (const QString& name : names)
            QVERIFY2(svg.contains(QStringLiteral(">%1</text>").arg(name)), qPrintable(name));
        QCOMPARE(m_app->MainFrame()->statusBar()->currentMessage(),
                 PlanViewTexts::Exported.Arg(QDir::toNativeSeparators(File("dense.svg"))));

        Export(File("dense.pdf"), SheetChoice{PaperSize::A4, true, 0, true});
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is missing: run scripts/setup-debian.sh");
        const QList<PageWord> words = WordsOf(File("dense.pdf"));
        for (const QString& name : names)
            QVERIFY2(Find(words, name), qPrintable(name));
        QCOMPARE(m_app->MainFrame()->statusBar()->currentMessage(),
                 PlanViewTexts::Exported.Arg(QDir::toNativeSeparators(File("dense.pdf"))));
    }

    // A at (E 1000, N 2000), B 100 m east of it, C 50 m north. At 1:1000 a ground metre is a
    // paper millimetre: B's name stands 100 mm = 100 / 25.4 × 72 = 283.46 pt right of A's,
    // C's 50 mm = 141.73 pt above it (each name sits the same way beside its lone point).
    // The title block names the project's file, today, the system (none set) and the scale.
    void aPrintedSheetIsTrueToScaleAndCarriesItsTitle()
    {
        AddPoints({{QStringLiteral("A"), 2000, 1000}, {QStringLiteral("B"), 2000, 1100},
                   {QStringLiteral("C"), 2050, 1000}});
        Export(File("sheet.pdf"), SheetChoice{PaperSize::A4, true, 1000, true});
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("poppler-utils is missing: run scripts/setup-debian.sh");
        // A4 landscape: 297 × 210 mm = 841.89 × 595.28 pt, which the PDF gives in whole points.
        const QString info = Poppler(QStringLiteral("pdfinfo"), {File("sheet.pdf")});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+842 x 595 pts"))),
                 qPrintable(info));
        const QList<PageWord> words = WordsOf(File("sheet.pdf"));
        const auto a = Find(words, QStringLiteral("A")), b = Find(words, QStringLiteral("B")),
                   c = Find(words, QStringLiteral("C"));
        QVERIFY(a && b && c);
        QVERIFY2(std::abs(b->left - a->left - 283.46) < 0.5, qPrintable(QString::number(b->left - a->left)));
        QVERIFY2(std::abs(a->top - c->top - 141.73) < 0.5, qPrintable(QString::number(a->top - c->top)));

        // The embedded font shares some glyphs between an ideograph and its Kangxi radical
        // (目 and ⽬), which the text read back may name: the compatibility form folds them.
        const QString text = Poppler(QStringLiteral("pdftotext"), {File("sheet.pdf"), QStringLiteral("-")})
                                 .normalized(QString::NormalizationForm_KC);
        for (const QString& line : {QStringLiteral("项目：project.db"),
                                    QStringLiteral("日期：") + QDate::currentDate().toString(Qt::ISODate),
                                    QStringLiteral("坐标系：未设置"), QStringLiteral("比例：1:1000")})
            QVERIFY2(text.contains(line.normalized(QString::NormalizationForm_KC)), qPrintable(line + QLatin1Char('\n') + text));
    }

    // A job 400 m wide does not fit A4 at 1:500 (800 mm): the dialog says it will be cut round
    // its middle and offers the fitting scale, which is 1:2000 (the map less 15 mm a side is
    // 247 mm wide: 400000 / 247 = 1619.4).
    void theSheetDialogSaysWhenTheJobDoesNotFit()
    {
        PlanBounds bounds;
        bounds.empty = false;
        bounds.minEast = 0;
        bounds.maxEast = 400;
        bounds.minNorth = 0;
        bounds.maxNorth = 100;
        CPlanSheetDialog dialog(bounds, 1);
        dialog.SetChoice({PaperSize::A4, true, 500, true});
        auto* fit = dialog.findChild<QPushButton*>(QStringLiteral("sheetUseFit"));
        QVERIFY(fit);
        QCOMPARE(dialog.Verdict(), PlanViewTexts::OnSheet(PlanViewTexts::CutAt, QStringLiteral("1:500"), {800, 200}, {277, 171}));
        QVERIFY(!fit->isHidden());
        fit->click();
        QCOMPARE(dialog.Choice().scale, 0);
        QCOMPARE(dialog.Verdict(), PlanViewTexts::OnSheet(PlanViewTexts::FittedAt, QStringLiteral("1:2000"), {200, 50}, {277, 171}));
        QVERIFY(fit->isHidden());
        dialog.SetChoice({PaperSize::A3, true, 1000, true});
        QCOMPARE(dialog.Verdict(), PlanViewTexts::OnSheet(PlanViewTexts::FitsAt, QStringLiteral("1:1000"), {400, 100}, {400, 258}));
    }

    // The File menu carries the plan's export; from the list tab it shows the plan first.
    void theFileMenuExportsThePlan()
    {
        AddPoints({{QStringLiteral("A"), 2000, 1000}, {QStringLiteral("B"), 2000, 1100}});
        m_app->MainFrame()->ClientTabs()->setCurrentIndex(0);
        QAction* action = m_app->MainFrame()->CommandAction(Command::ExportPlan);
        QVERIFY(action);
        const QList<QAction*> menus = m_app->MainFrame()->menuBar()->actions();
        QVERIFY(!menus.isEmpty() && menus.first()->menu()); // the File menu comes first
        QVERIFY(menus.first()->menu()->actions().contains(action));
        WhenShown<QFileDialog>([this](QFileDialog* dialog) { Choose(dialog, File("menu.svg")); });
        action->trigger();
        QCOMPARE(m_app->MainFrame()->ClientTabs()->currentWidget(), &Plan());
        QVERIFY(ReadText(File("menu.svg")).contains(QStringLiteral(">B</text>")));
    }
};

QTEST_MAIN(TestPlanExport)
#include "tst_plan_export.moc"
