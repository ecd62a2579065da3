// Takes the user guide's pictures from the program itself: it starts the main window on a
// scratch database, loads the sample files through the import dialog as a user would, opens
// every dialog through its command and saves each window as a PNG. Runs on the offscreen
// platform during the build, so the guide always shows the windows as they are built.

#include "gui/shell/command_actions.h"
#include "gui/app/command_panel.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/app/ui_language.h"
#include "gui/plan/plan_canvas.h"
#include "gui/plan/plan_sheet_dialog.h"
#include "gui/plan/plan_tab.h"
#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "gui/views/plx_view.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace
{
// Messages would stop the pictures; they are printed instead, so a build log shows them.
class CPrintingReporter : public IReporter
{
public:
    void Message(const QString& text, MessageIcon) override { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
    bool Confirm(const QString&) override { return true; }
};

class CGuideCamera
{
public:
    CGuideCamera(QString outputFolder, QString samplesFolder, QString siteName)
        : m_out(std::move(outputFolder)), m_samples(std::move(samplesFolder)), m_siteName(std::move(siteName))
    {
    }

    bool Run(CMerionApp& app);

private:
    void Save(QWidget* window, const QString& name);
    // Runs `open`, which starts a modal window (a file dialog or a menu), and hands that
    // window to `handle`, which must end it.
    void WithModal(const std::function<void()>& open, const std::function<void(QWidget*)>& handle);
    // Runs a command that opens a modeless tool window, saves it and closes it.
    void ShootToolWindow(const std::function<void()>& open, const QString& name,
                         const std::function<void(QDialog*)>& prepare = {});
    void Import(int dataType, int format, const QString& file, const QString& shotName = QString());
    void ShootContextMenu(int row, const QString& name);
    void ShootPlan(const QString& name);
    void ShootSheetDialog(const QString& name);

    CMainFrame* m_frame = nullptr;
    QDir m_out;
    QDir m_samples;
    QString m_siteName; // the folder a surveyor names in the SD-card dialog
    int m_saved = 0;
    bool m_failed = false;
};

void CGuideCamera::Save(QWidget* window, const QString& name)
{
    QApplication::processEvents();
    if (!window->grab().save(m_out.filePath(name + QStringLiteral(".png"))))
    {
        std::fprintf(stderr, "cannot write %s.png\n", qPrintable(name));
        m_failed = true;
        return;
    }
    ++m_saved;
}

void CGuideCamera::WithModal(const std::function<void()>& open, const std::function<void(QWidget*)>& handle)
{
    QWidget* handled = nullptr;
    int ticksSinceHandled = 0;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activePopupWidget();
        if (!modal)
            modal = QApplication::activeModalWidget();
        if (handled && handled->isVisible() && ++ticksSinceHandled > 250)
        {
            std::fprintf(stderr, "a window stayed open: %s\n", handled->metaObject()->className());
            m_failed = true;
            handled->close();
            return;
        }
        if (!modal || modal == handled || !modal->isVisible())
            return;
        if (handled)
        {
            // A window nobody asked for (a warning of the file dialog, say) would wait for a
            // click forever: say what it was and close it.
            std::fprintf(stderr, "closing an unexpected window: %s\n", modal->metaObject()->className());
            m_failed = true;
            modal->close();
            return;
        }
        handled = modal;
        handle(modal);
        ticksSinceHandled = 0;
    });
    poll.start();
    open();
    poll.stop();
    if (!handled)
    {
        std::fprintf(stderr, "a window did not open\n");
        m_failed = true;
    }
}

void CGuideCamera::ShootToolWindow(const std::function<void()>& open, const QString& name,
                                   const std::function<void(QDialog*)>& prepare)
{
    const QList<QWidget*> before = QApplication::topLevelWidgets();
    const QSet<QWidget*> known(before.begin(), before.end());
    open();
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets())
    {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (!dialog || known.contains(window) || !dialog->isVisible())
            continue;
        if (prepare)
            prepare(dialog);
        Save(dialog, name);
        dialog->close();
        QApplication::processEvents();
        return;
    }
    std::fprintf(stderr, "%s did not open\n", qPrintable(name));
    m_failed = true;
}

void CGuideCamera::Import(int dataType, int format, const QString& file, const QString& shotName)
{
    WithModal([this] { m_frame->Commands().Run(Command::Import); },
              [&](QWidget* window) {
                  auto* dialog = qobject_cast<QFileDialog*>(window);
                  if (!dialog)
                      return window->close();
                  // The name is typed, as a user would: selecting it in the listing would have to
                  // wait for the thread that reads the folder.
                  dialog->setDirectory(m_samples);
                  if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                      name->setText(file);
                  else
                      dialog->selectFile(file);
                  if (auto* types = dialog->findChild<QComboBox*>(QStringLiteral("dataType")))
                      types->setCurrentIndex(dataType);
                  if (auto* formats = dialog->findChild<QComboBox*>(QStringLiteral("format")))
                      formats->setCurrentIndex(format);
                  if (!shotName.isEmpty())
                      Save(dialog, shotName);
                  static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides its override
                  return true;
              });
}

void CGuideCamera::ShootContextMenu(int row, const QString& name)
{
    CPlxView* view = m_frame->View();
    const QRect cell = view->visualRect(view->model()->index(qMax(row, 0), 2));
    const QPoint at = cell.center();
    WithModal(
        [&] {
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
            QApplication::sendEvent(view->viewport(), &event);
        },
        [&](QWidget* menu) {
            Save(menu, name);
            menu->close();
        });
}

void CGuideCamera::ShootPlan(const QString& name)
{
    auto* tabs = m_frame->findChild<QTabWidget*>(QStringLiteral("clientTabs"));
    CPlanTab* plan = m_frame->PlanTab();
    if (!tabs || !plan)
    {
        std::fprintf(stderr, "no plan tab\n");
        m_failed = true;
        return;
    }
    tabs->setCurrentWidget(plan);
    plan->Reload();
    // The plan reads the store on a thread of its own.
    QDeadlineTimer deadline(10000);
    while (plan->ReloadPending() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    plan->FitAction()->trigger();
    Save(m_frame, name);
    tabs->setCurrentIndex(0);
}

// The print dialog of the plan, asked about the points the plan shows, at 1:500 so that it
// tells whether they fit.
void CGuideCamera::ShootSheetDialog(const QString& name)
{
    CPlanSheetDialog dialog(m_frame->PlanTab()->Canvas().Data().bounds, 1, m_frame);
    dialog.SetChoice({PaperSize::A4, true, 500, true});
    dialog.show();
    Save(&dialog, name);
    dialog.close();
}

bool CGuideCamera::Run(CMerionApp& app)
{
    m_frame = app.MainFrame();
    m_frame->resize(1000, 620);
    m_frame->show();

    // The point list, imported from a file in the first column format.
    Import(0, 0, QStringLiteral("points.txt"), QStringLiteral("import_dialog"));
    Save(m_frame, QStringLiteral("main_window"));
    ShootPlan(QStringLiteral("plan_view"));
    ShootSheetDialog(QStringLiteral("plan_sheet_dialog"));
    ShootContextMenu(0, QStringLiteral("list_edit_menu"));
    m_frame->View()->SetRememberedRow(2);
    ShootToolWindow([this] { m_frame->Commands().Run(Command::EditRecord); }, QStringLiteral("coor_edit_dialog"));
    ShootToolWindow([this] { m_frame->Commands().Run(Command::SdCard); }, QStringLiteral("sdcard_dialog"),
                    [this](QDialog* dialog) {
                        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("folderName")))
                            name->setText(m_siteName);
                    });
    WithModal([this] { m_frame->Commands().Run(Command::OutputFile); },
              [this](QWidget* dialog) {
                  Save(dialog, QStringLiteral("output_file_dialog"));
                  dialog->close();
              });

    // The command panel's three pages.
    CCommandPanel* panel = m_frame->CommandPanel();
    const QStringList pages = {QStringLiteral("panel_files"), QStringLiteral("panel_edit"), QStringLiteral("panel_serial")};
    for (int page = 0; page < panel->PageCount() && page < pages.size(); ++page)
    {
        panel->SelectPage(page);
        Save(panel, pages[page]);
    }
    panel->SelectPage(0);

    // The code list.
    Import(1, 0, QStringLiteral("codes.txt"));
    Save(m_frame->View(), QStringLiteral("code_list"));
    ShootToolWindow([this] { m_frame->Commands().Run(Command::AddRecord); }, QStringLiteral("code_edit_dialog"));

    // Plane alignment elements, typed in by hand.
    RunStatement(app.Store(), QStringLiteral(
        "insert into \"520SurLine\" (ID, ATTR, LINETYPE, STARTDIST, CIRCUS, NCOOR, ECOOR) values "
        "(1, 'Manual_Input_Data', '0', 0, '0', '3456789.100', '512345.200'),"
        "(2, 'Manual_Input_Data', '1', 85.25, '120.5', '3456845.730', '512406.080'),"
        "(3, 'Manual_Input_Data', '3', 160.4, '0', '3456880.010', '512470.555')"));
    m_frame->Commands().Run(Command::ShowAlignment);
    Save(m_frame->View(), QStringLiteral("alignment_list"));
    ShootToolWindow([this] { m_frame->Commands().Run(Command::AddRecord); }, QStringLiteral("alignment_dialog"));

    // A measurement job, imported from a saved T5 job file.
    Import(2, 0, QStringLiteral("t5_job.txt"));
    Save(m_frame, QStringLiteral("meas_list"));
    ShootPlan(QStringLiteral("plan_meas"));
    ShootContextMenu(0, QStringLiteral("meas_menu"));
    m_frame->View()->SetRememberedRow(0);
    WithModal([this] { m_frame->Commands().Run(Command::ExportMeasNe); },
              [this](QWidget* dialog) {
                  Save(dialog, QStringLiteral("meas_export_dialog"));
                  dialog->close();
              });

    // The serial link's windows.
    ShootToolWindow([this] { m_frame->Commands().Run(Command::CommSettings); }, QStringLiteral("settings_dialog"));
    ShootToolWindow([this] { m_frame->Commands().Run(Command::Download); }, QStringLiteral("download_dialog"));
    ShootToolWindow([this] { m_frame->Commands().Run(Command::Download); }, QStringLiteral("download_v2_dialog"),
                    [](QDialog* dialog) {
                        if (auto* instrument = dialog->findChild<QComboBox*>(QStringLiteral("instrumentList")))
                            instrument->setCurrentIndex(instrument->count() - 1);
                    });
    ShootToolWindow([this] { m_frame->Commands().Run(Command::Upload); }, QStringLiteral("upload_dialog"));

    std::fprintf(stderr, "%d pictures\n", m_saved);
    return !m_failed;
}
} // namespace

// The offscreen platform says at every window what it cannot do; a build log needs none of it.
static void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

int main(int argc, char* argv[])
{
    qInstallMessageHandler(QuietPlatform);
    QApplication application(argc, argv);
    if (argc != 3 && argc != 4)
    {
        std::fprintf(stderr, "usage: guide_screenshots OUTPUT_FOLDER SAMPLES_FOLDER [zh|en]\n");
        return 2;
    }
    // Each guide shows the windows in its own language, Qt's own buttons (OK, Cancel) included.
    const bool english = argc == 4 && QLatin1String(argv[3]) == QLatin1String("en");
    if (!InstallUiLanguage(application, english ? UiLanguage::English : UiLanguage::Chinese))
    {
        std::fprintf(stderr, "guide_screenshots: the %s texts did not load\n", english ? "English" : "Chinese");
        return 1;
    }
    QApplication::setApplicationName(QStringLiteral("MERION"));
    QApplication::setQuitOnLastWindowClosed(false);
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));

    // A window that waits for a click nobody gives must fail the build, not hang it.
    QTimer::singleShot(120000, [] {
        std::fprintf(stderr, "guide_screenshots: no end after two minutes\n");
        std::_Exit(1);
    });
    QTemporaryDir scratch;
    CPrintingReporter reporter;
    bool done = false;
    {
        CMerionApp app(AppOptions{scratch.filePath(QStringLiteral("guide.db")), &reporter, false});
        if (!app.InitInstance())
            return 1;
        // The file dialogs in the pictures show a folder a surveyor might have, not the build's.
        const QDir samples(QString::fromLocal8Bit(argv[2]));
        const QString shown =
            scratch.filePath(english ? QStringLiteral("Survey data") : QStringLiteral("工地数据"));
        QDir().mkpath(shown);
        for (const QString& name : samples.entryList(QDir::Files))
            QFile::copy(samples.filePath(name), QDir(shown).filePath(name));
        CGuideCamera camera(QString::fromLocal8Bit(argv[1]), shown,
                            english ? QStringLiteral("SiteA") : QStringLiteral("工地A"));
        done = camera.Run(app);
        app.ExitInstance();
    }
    return done ? 0 : 1;
}
