#include "gui/app/app_texts.h"
#include "gui/app/help_document.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "recording_reporter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{
void WriteFile(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
}

// Stands in for the desktop's PDF viewer.
struct FakeViewer
{
    QList<QUrl> opened;
    bool available = true;
    DocumentOpener Opener()
    {
        return [this](const QUrl& url) {
            opened << url;
            return available;
        };
    }
};
} // namespace

class TestHelpDocument : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Presses F1 in a started main window whose guide lives under `programFolder`.
    void PressF1(const QString& programFolder, FakeViewer& viewer, CRecordingReporter& reporter)
    {
        CMerionApp app(AppOptions{m_dir.filePath(QStringLiteral("project.db")), &reporter, false});
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        frame->SetHelpDocument(CHelpDocument(programFolder, viewer.Opener()));
        frame->show();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QTest::keyClick(frame, Qt::Key_F1);
        app.ExitInstance();
    }

private slots:
    void f1OpensTheGuideBesideTheProgram()
    {
        const QString bin = m_dir.filePath(QStringLiteral("beside/bin"));
        WriteFile(bin + QStringLiteral("/Help.pdf"));
        FakeViewer viewer;
        CRecordingReporter reporter;
        PressF1(bin, viewer, reporter);
        QCOMPARE(viewer.opened, QList<QUrl>{QUrl::fromLocalFile(bin + QStringLiteral("/Help.pdf"))});
        QCOMPARE(reporter.Messages(), QStringList());
    }

    void installedGuideIsFoundBesideTheBinFolder()
    {
        const QString prefix = m_dir.filePath(QStringLiteral("installed"));
        const QString installed = prefix + QStringLiteral("/share/merion/Help.pdf");
        WriteFile(installed);
        QDir().mkpath(prefix + QStringLiteral("/bin"));
        FakeViewer viewer;
        const CHelpDocument guide(prefix + QStringLiteral("/bin"), viewer.Opener());
        QCOMPARE(guide.Path(), installed);

        CRecordingReporter reporter;
        QVERIFY(guide.Open(reporter));
        QCOMPARE(viewer.opened, QList<QUrl>{QUrl::fromLocalFile(installed)});

        // A portable copy beside the program wins over the installed one.
        WriteFile(prefix + QStringLiteral("/bin/Help.pdf"));
        QCOMPARE(guide.Path(), prefix + QStringLiteral("/bin/Help.pdf"));
    }

    void missingGuideIsReportedInsteadOfNothing()
    {
        const QString bin = m_dir.filePath(QStringLiteral("empty/bin"));
        QDir().mkpath(bin);
        FakeViewer viewer;
        CRecordingReporter reporter;
        PressF1(bin, viewer, reporter);
        QVERIFY(viewer.opened.isEmpty());
        QCOMPARE(reporter.Messages(), QStringList{AppTexts::HelpMissing()});
    }

    void guideWithoutViewerNamesTheFile()
    {
        const QString bin = m_dir.filePath(QStringLiteral("noviewer/bin"));
        WriteFile(bin + QStringLiteral("/Help.pdf"));
        FakeViewer viewer;
        viewer.available = false;
        CRecordingReporter reporter;
        PressF1(bin, viewer, reporter);
        QCOMPARE(viewer.opened.size(), 1);
        const QStringList messages = reporter.Messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first(), AppTexts::HelpNotOpened(QDir::toNativeSeparators(bin + QStringLiteral("/Help.pdf"))));
        QVERIFY(messages.first().contains(QStringLiteral("Help.pdf")));
    }
};

QTEST_MAIN(TestHelpDocument)
#include "tst_help_document.moc"
