#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/files/file_dialog_texts.h"
#include "gui/shell/command_actions.h"
#include "gui/toolkit/message_box_reporter.h"
#include "gui/views/plx_view.h"
#include "modal_answers.h"
#include "recording_reporter.h"
#include "visible_dialogs.h"

#include <QDataStream>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace
{
// The window's place as Qt 6 saves it (format 3.0), made by hand: a layout saved under a window
// manager whose title bar stood 20 pixels above the window, the window as tall as the screen.
QByteArray SavedUnderAWindowManager(const QRect& screenArea)
{
    const QRect client(screenArea.left(), screenArea.top() + 20, screenArea.width(), screenArea.height());
    const QRect frame = client.adjusted(0, -20, 0, 0);
    QByteArray saved;
    QDataStream stream(&saved, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << frame << client << qint32(0) << quint8(0)
           << quint8(0) << qint32(screenArea.width()) << client;
    return saved;
}

QRect AvailableArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}
} // namespace

// What a window manager usually does for the program, done by the program itself where none
// runs (a kiosk, a remote session): the window on the screen, the keyboard focus kept, useful
// sizes. Runs offscreen and, as its own test entry, on a bare X server.
class TestBareDesktop : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;

private slots:
    void init()
    {
        QFile::remove(m_dir.filePath(QStringLiteral("project.db")));
        m_reporter.Clear();
    }

    void aLayoutReachingPastTheScreenIsRestoredOnIt()
    {
        QSettings settings(m_dir.filePath(QStringLiteral("layout.ini")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("window/geometry"), SavedUnderAWindowManager(AvailableArea()));
        CMerionApp app(AppOptions{m_dir.filePath(QStringLiteral("project.db")), &m_reporter, true, &settings});
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        // All of it, the status bar included, lies on the screen.
        QTRY_VERIFY2(AvailableArea().contains(frame->frameGeometry()),
                     qPrintable(QStringLiteral("%1,%2 %3x%4")
                                    .arg(frame->frameGeometry().x())
                                    .arg(frame->frameGeometry().y())
                                    .arg(frame->frameGeometry().width())
                                    .arg(frame->frameGeometry().height())));
        const QRect statusBar(frame->statusBar()->mapToGlobal(QPoint(0, 0)), frame->statusBar()->size());
        QVERIFY(AvailableArea().contains(statusBar));
        app.ExitInstance();
    }

    void theFocusComesBackAfterAMessageBox()
    {
        CMerionApp app(AppOptions{m_dir.filePath(QStringLiteral("project.db")), &m_reporter, true});
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        frame->activateWindow();
        app.View()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), app.View());

        QTimer closer;
        connect(&closer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                QTest::keyClick(box, Qt::Key_Return);
        });
        closer.start(10);
        CMessageBoxReporter boxes([frame] { return frame; });
        boxes.Message(QStringLiteral("Export Success!"), MessageIcon::Information);
        QTRY_COMPARE(QApplication::focusWidget(), app.View());
        QCOMPARE(QApplication::activeWindow(), frame);
        app.ExitInstance();
    }

    void fileDialogsOpenLargeEnoughForTheirColumns()
    {
        QSettings settings(m_dir.filePath(QStringLiteral("dialogs.ini")), QSettings::IniFormat);
        settings.clear();
        CMerionApp app(AppOptions{m_dir.filePath(QStringLiteral("project.db")), &m_reporter, false, &settings});
        QVERIFY(app.InitInstance());
        // 900 × 560 at first, or nine tenths of a smaller screen.
        const QSize expected = QSize(900, 560).boundedTo(AvailableArea().size() * 9 / 10);
        QSize shown;
        bool columnsFit = false;
        WhenShown<QFileDialog>([&](QFileDialog* dialog) {
            shown = dialog->size();
            // A folder's type speaks the interface's language, not Qt's untranslated word.
            QCOMPARE(dialog->iconProvider()->type(QFileInfo(m_dir.path())), FileDialogTexts::FolderType.Text());
            auto* listing = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
            QHeaderView* header = listing->header();
            int width = 0;
            columnsFit = true;
            for (int column = 0; column < header->count(); ++column)
            {
                width += header->sectionSize(column);
                if (column > 0 && header->sectionSize(column) < header->sectionSizeHint(column))
                    columnsFit = false;
            }
            columnsFit = columnsFit && width <= listing->viewport()->width();
            dialog->resize(expected - QSize(40, 30));
            dialog->reject();
        });
        app.Commands().Run(Command::ListExport);
        QCOMPARE(shown, expected);
        QVERIFY(columnsFit);
        // The size the user gave it is the next dialog's.
        WhenShown<QFileDialog>([&](QFileDialog* dialog) {
            shown = dialog->size();
            dialog->reject();
        });
        app.Commands().Run(Command::ListExport);
        QCOMPARE(shown, expected - QSize(40, 30));
        app.ExitInstance();
    }

    void windowsAndDialogsCarryTheProgramsIcon()
    {
        CMerionApp app(AppOptions{m_dir.filePath(QStringLiteral("project.db")), &m_reporter, false});
        QVERIFY(app.InitInstance());
        const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(256, 256)));
        QVERIFY(!app.MainFrame()->windowIcon().isNull());
        app.Commands().Run(Command::CommSettings);
        const QList<QDialog*> dialogs = VisibleDialogs<QDialog>();
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs.first()->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
        app.ExitInstance();
    }
};

QTEST_MAIN(TestBareDesktop)
#include "tst_bare_desktop.moc"
