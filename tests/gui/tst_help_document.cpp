#include "gui/app/app_texts.h"
#include "gui/app/document_viewer.h"
#include "gui/app/help_document.h"
#include "gui/app/ui_language.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "recording_reporter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
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

// A program file that PATH lookups take for a viewer.
void WriteProgram(const QString& path)
{
    WriteFile(path);
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Stands in for starting a program: records what would have started.
struct FakeLauncher
{
    QStringList started;
    QStringList failing; // programs (file names) that do not start
    ProgramLauncher Launcher()
    {
        return [this](const QString& program, const QStringList& arguments) {
            if (failing.contains(QFileInfo(program).fileName()))
                return false;
            started << program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
            return true;
        };
    }
};

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
        QCOMPARE(reporter.Messages(), QStringList{AppTexts::HelpMissing});
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
        QCOMPARE(messages.first(), AppTexts::HelpNotOpened.Arg(QDir::toNativeSeparators(bin + QStringLiteral("/Help.pdf"))));
        QVERIFY(messages.first().contains(QStringLiteral("Help.pdf")));
    }

    // In English F1 opens the English guide; in Chinese the Chinese one; an English program
    // with only the Chinese guide installed opens that rather than nothing.
    void f1OpensTheGuideOfTheInterfaceLanguage()
    {
        const QString bin = m_dir.filePath(QStringLiteral("both/bin"));
        WriteFile(bin + QStringLiteral("/Help.pdf"));
        WriteFile(bin + QStringLiteral("/Help-en.pdf"));
        QCOMPARE(InstalledUiLanguage(), UiLanguage::Chinese);
        QVERIFY(InstallUiLanguage(*qApp, UiLanguage::English));
        QCOMPARE(InstalledUiLanguage(), UiLanguage::English);
        FakeViewer viewer;
        CRecordingReporter reporter;
        PressF1(bin, viewer, reporter);
        qDeleteAll(qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly));
        QCOMPARE(InstalledUiLanguage(), UiLanguage::Chinese);
        QCOMPARE(viewer.opened, QList<QUrl>{QUrl::fromLocalFile(bin + QStringLiteral("/Help-en.pdf"))});
        QCOMPARE(reporter.Messages(), QStringList());

        PressF1(bin, viewer, reporter);
        QCOMPARE(viewer.opened.last(), QUrl::fromLocalFile(bin + QStringLiteral("/Help.pdf")));

        const QString chineseOnly = m_dir.filePath(QStringLiteral("zh/bin"));
        WriteFile(chineseOnly + QStringLiteral("/Help.pdf"));
        QCOMPARE(CHelpDocument(chineseOnly, viewer.Opener(), UiLanguage::English).Path(),
                 chineseOnly + QStringLiteral("/Help.pdf"));
    }

    // Without the desktop's opener the guide goes to the first viewer found on the search
    // path, in the order of the known viewers: the desktop's openers before the viewers
    // themselves; one that fails to start gives way to the next; none found is a failure.
    void aKnownViewerOnThePathOpensTheGuide()
    {
        const QString tools = m_dir.filePath(QStringLiteral("tools"));
        const QString other = m_dir.filePath(QStringLiteral("other"));
        WriteProgram(tools + QStringLiteral("/zathura"));
        WriteProgram(other + QStringLiteral("/okular"));
        WriteFile(tools + QStringLiteral("/evince")); // not a program: no execute permission
        const QUrl guide = QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("Help.pdf")));
        const QString file = QDir::toNativeSeparators(guide.toLocalFile());

        FakeLauncher launcher;
        QVERIFY(OpenWithKnownViewer(guide, {tools, other}, launcher.Launcher()));
        QCOMPARE(launcher.started, QStringList{other + QStringLiteral("/okular ") + file});

        launcher.failing = {QStringLiteral("okular")};
        QVERIFY(OpenWithKnownViewer(guide, {tools, other}, launcher.Launcher()));
        QCOMPARE(launcher.started.last(), tools + QStringLiteral("/zathura ") + file);

        WriteProgram(other + QStringLiteral("/gio"));
        QVERIFY(OpenWithKnownViewer(guide, {tools, other}, launcher.Launcher()));
        QCOMPARE(launcher.started.last(), other + QStringLiteral("/gio open ") + file);
        WriteProgram(tools + QStringLiteral("/xdg-open"));
        QVERIFY(OpenWithKnownViewer(guide, {tools, other}, launcher.Launcher()));
        QCOMPARE(launcher.started.last(), tools + QStringLiteral("/xdg-open ") + file);

        const qsizetype before = launcher.started.size();
        QVERIFY(!OpenWithKnownViewer(guide, {m_dir.filePath(QStringLiteral("nothing"))}, launcher.Launcher()));
        QCOMPARE(launcher.started.size(), before);
    }
};

QTEST_MAIN(TestHelpDocument)
#include "tst_help_document.moc"
