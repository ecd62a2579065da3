#include "gui/shell/command_actions.h"
#include "gui/app/command_panel.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/files/sdcard_dlg.h"
#include "gui/toolkit/remembered_folder.h"
#include "gui/views/plx_view.h"
#include "recording_reporter.h"
#include "visible_dialogs.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

// Each case keeps its settings in a file of its own in a temporary folder, never in the user's.
class TestRememberedLayout : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;

    QString SettingsFile(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    // One run of the program: started on the settings file, then the test's work, then ended.
    template <typename Work> void Run(const QString& settingsFile, Work work)
    {
        QSettings settings(settingsFile, QSettings::IniFormat);
        CMerionApp app(AppOptions{m_dir.filePath("project.db"), &m_reporter, false, &settings});
        QVERIFY(app.InitInstance());
        work(app);
        app.ExitInstance();
    }

private slots:
    void windowPanelAndBarsComeBackAsTheUserLeftThem()
    {
        const QString file = SettingsFile("layout.ini");
        Run(file, [](CMerionApp& app) {
            CMainFrame* frame = app.MainFrame();
            // A first run knows nothing: the first page and every bar.
            QCOMPARE(frame->CommandPanel()->CurrentPage(), 0);
            QVERIFY(frame->CommandAction(Command::ToggleLeftBar)->isChecked());
            // Within the screen (offscreen, 800 × 800): a place past its edge is not kept.
            frame->setGeometry(QRect(30, 110, 700, 520));
            frame->CommandPanel()->SelectPage(2);
            frame->CommandAction(Command::ToggleLeftBar)->trigger();
            frame->CommandAction(Command::ToggleStatusBar)->trigger();
        });
        Run(file, [](CMerionApp& app) {
            CMainFrame* frame = app.MainFrame();
            QCOMPARE(frame->geometry(), QRect(30, 110, 700, 520));
            QCOMPARE(frame->CommandPanel()->CurrentPage(), 2);
            QVERIFY(!frame->CommandAction(Command::ToggleLeftBar)->isChecked());
            QVERIFY(frame->findChild<QDockWidget*>(QStringLiteral("leftBar"))->isHidden());
            QVERIFY(!frame->CommandAction(Command::ToggleStatusBar)->isChecked());
            QVERIFY(frame->statusBar()->isHidden());
            QVERIFY(frame->CommandAction(Command::ToggleToolBar)->isChecked());
            QVERIFY(!frame->findChild<QToolBar*>(QStringLiteral("mainToolBar"))->isHidden());
            // Shown again, the panel comes back on the page it was left at.
            frame->CommandAction(Command::ToggleLeftBar)->trigger();
        });
        Run(file, [](CMerionApp& app) {
            QVERIFY(app.MainFrame()->CommandAction(Command::ToggleLeftBar)->isChecked());
            QCOMPARE(app.MainFrame()->CommandPanel()->CurrentPage(), 2);
        });
        QVERIFY(m_reporter.Messages().isEmpty());
    }

    void fileDialogsOpenWhereTheLastChoiceWasMade()
    {
        const QString file = SettingsFile("folders.ini");
        QVERIFY(QDir(m_dir.path()).mkpath("survey/jobs"));
        const QString jobs = m_dir.filePath("survey/jobs");
        QFile job(jobs + "/day1.txt");
        QVERIFY(job.open(QIODevice::WriteOnly));
        job.close();
        {
            QSettings settings(file, QSettings::IniFormat);
            QFileDialog dialog;
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            dialog.setFileMode(QFileDialog::ExistingFile);
            dialog.setDirectory(m_dir.path());
            QTimer::singleShot(0, &dialog, [&dialog, &job] {
                dialog.selectFile(job.fileName());
                static_cast<QDialog&>(dialog).accept(); // the file dialog checks the choice first
            });
            QCOMPARE(ExecInRememberedFolder(dialog, &settings, FolderPurpose::Import), int(QDialog::Accepted));
        }
        {
            // The next run starts the import where the job was found; the export, never used, does not.
            QSettings settings(file, QSettings::IniFormat);
            QCOMPARE(RememberedFolder(&settings, FolderPurpose::Import), jobs);
            QCOMPARE(RememberedFolder(&settings, FolderPurpose::Export), QString());
            QFileDialog dialog;
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            QTimer::singleShot(0, &dialog, &QDialog::reject);
            QCOMPARE(ExecInRememberedFolder(dialog, &settings, FolderPurpose::Import), int(QDialog::Rejected));
            QCOMPARE(dialog.directory().absolutePath(), jobs);
            // A cancelled dialog leaves the remembered folder alone.
            QCOMPARE(RememberedFolder(&settings, FolderPurpose::Import), jobs);
        }
        // A folder removed since is forgotten rather than offered.
        QVERIFY(QDir(jobs).removeRecursively());
        QSettings settings(file, QSettings::IniFormat);
        QCOMPARE(RememberedFolder(&settings, FolderPurpose::Import), QString());
        // Without settings nothing is remembered and nothing fails.
        RememberFolder(nullptr, FolderPurpose::Import, m_dir.path());
        QCOMPARE(RememberedFolder(nullptr, FolderPurpose::Import), QString());
    }

    void sdCardDialogOffersTheFolderOfTheLastCard()
    {
        const QString file = SettingsFile("sdcard.ini");
        {
            QSettings settings(file, QSettings::IniFormat);
            RememberFolder(&settings, FolderPurpose::SdCard, m_dir.path());
        }
        Run(file, [this](CMerionApp& app) {
            app.Commands().Run(Command::SdCard);
            const QList<CSdCardDlg*> dialogs = VisibleDialogs<CSdCardDlg>();
            QCOMPARE(dialogs.size(), 1);
            QCOMPARE(dialogs.first()->findChild<QLineEdit*>(QStringLiteral("folderPath"))->text(), m_dir.path());
        });
    }
};

QTEST_MAIN(TestRememberedLayout)
#include "tst_remembered_layout.moc"
