#include "gui/shell/command_actions.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/app/qt_translations.h"
#include "gui/download/download_dlg.h"
#include "gui/link/com_config_dlg.h"
#include "gui/toolkit/dialog_parts.h"
#include "gui/toolkit/lock_keys.h"
#include "gui/toolkit/message_box_reporter.h"
#include "gui/views/plx_view.h"
#include "recording_reporter.h"
#include "visible_dialogs.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

class TestDesktopToolkit : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void toolDialogsBelongToTheMainWindowAndStepAside()
    {
        CRecordingReporter reporter;
        CMerionApp app(AppOptions{m_dir.filePath("project.db"), &reporter, false});
        QVERIFY(app.InitInstance());
        app.MainFrame()->show();

        app.Commands().Run(Command::CommSettings);
        app.Commands().Run(Command::CommSettings);
        app.Commands().Run(Command::Download);
        QList<QWidget*> dialogs;
        for (QWidget* dialog : VisibleDialogs<CComConfigDlg>())
            dialogs << dialog;
        dialogs << VisibleDialogs<CDownloadDlg>().value(0);
        QCOMPARE(dialogs.size(), 3);
        QList<QPoint> places;
        for (QWidget* dialog : dialogs)
        {
            // Owned by the frame, so it stays above it, yet the frame remains usable.
            QCOMPARE(dialog->parentWidget(), app.MainFrame());
            QVERIFY(dialog->isWindow());
            QCOMPARE(dialog->windowModality(), Qt::NonModal);
            places << dialog->pos();
        }
        // Each opens one title bar down and right of the one before, the first at (350, 250).
        std::sort(places.begin(), places.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
        QCOMPARE(places, QList<QPoint>({QPoint(350, 250), QPoint(378, 278), QPoint(406, 306)}));

        // The first place, once free again, is taken by the next dialog.
        for (QWidget* dialog : dialogs)
            if (dialog->pos() == QPoint(350, 250))
                dialog->close();
        app.Commands().Run(Command::CommSettings);
        QList<QPoint> settingsPlaces;
        for (QWidget* dialog : VisibleDialogs<CComConfigDlg>())
            settingsPlaces << dialog->pos();
        QVERIFY(settingsPlaces.contains(QPoint(350, 250)));
        app.ExitInstance();
        QVERIFY(VisibleDialogs<CComConfigDlg>().isEmpty());
    }

    void aButtonRowKeepsItsButtonsTogetherAtTheRightInTheOrderGiven()
    {
        QDialog dialog;
        auto* save = new QPushButton(QStringLiteral("Save"), &dialog);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
        QHBoxLayout* row = ButtonRow({save, cancel});
        StackParts(dialog, {row});
        dialog.resize(600, dialog.sizeHint().height());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        // Save first, Cancel right after it, and the room the row does not need left of both:
        // Cancel ends where the layout's right margin begins.
        QCOMPARE(row->count(), 3);
        QVERIFY(save->geometry().right() < cancel->geometry().left());
        QVERIFY(cancel->geometry().left() - save->geometry().right() < 20);
        const int rightMargin = dialog.layout()->contentsMargins().right();
        QCOMPARE(cancel->geometry().right(), dialog.width() - rightMargin - 1);
        QVERIFY(save->geometry().left() > dialog.width() / 2);
    }

    void messageBoxesAreWideEnoughForTheirCaption()
    {
        QWidget owner;
        owner.resize(600, 400);
        owner.show();
        std::unique_ptr<QMessageBox> box(CreateMessageBox(QMessageBox::Warning, "Wait Timeout", QMessageBox::Ok, &owner));
        box->show();
        QCOMPARE(box->windowTitle(), QStringLiteral("MERION"));
        QCOMPARE(box->parentWidget(), &owner);
        // Qt alone makes this box about 150 pixels wide, too narrow for a title bar's caption
        // beside the window manager's icon and buttons.
        QVERIFY2(box->width() >= 240, qPrintable(QString::number(box->width())));

        // A long message still gets the width its text needs.
        std::unique_ptr<QMessageBox> wide(
            CreateMessageBox(QMessageBox::Information, QString(120, QLatin1Char('x')), QMessageBox::Ok, &owner));
        wide->show();
        QVERIFY(wide->width() > box->width());
    }

    void lockKeyPanesFollowTheKeysAndHideWhereUnknown()
    {
        QWidget bar;
        auto* caps = new QLabel(QStringLiteral("大写"), &bar);
        auto* num = new QLabel(QStringLiteral("数字"), &bar);
        auto* scroll = new QLabel(QStringLiteral("滚动"), &bar);
        auto* typing = new QLineEdit(&bar);
        std::optional<LockKeyState> keys = LockKeyState{true, false, false};
        CLockKeyIndicators indicators(caps, num, scroll, [&keys] { return keys; });
        bar.show();
        const int capsWidth = caps->width();
        QCOMPARE(caps->text(), QStringLiteral("大写"));
        QCOMPARE(num->text(), QString());
        QCOMPARE(scroll->text(), QString());
        QVERIFY(caps->isVisible() && num->isVisible() && scroll->isVisible());

        // A key press anywhere in the program makes the panes look again.
        keys = LockKeyState{false, true, true};
        QTest::keyClick(typing, Qt::Key_NumLock);
        QTRY_COMPARE(num->text(), QStringLiteral("数字"));
        QCOMPARE(scroll->text(), QStringLiteral("滚动"));
        QCOMPARE(caps->text(), QString());
        QCOMPARE(caps->width(), capsWidth); // a blank pane keeps its place

        // Where the system cannot tell, no pane pretends to know.
        keys.reset();
        QTest::keyClick(typing, Qt::Key_A);
        QTRY_VERIFY(!caps->isVisible());
        QVERIFY(!num->isVisible() && !scroll->isVisible());
    }

    void lockKeyPanesHideOnThePlatformsThatCannotTell()
    {
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QSKIP("the offscreen platform has no keyboard state to read");
        QVERIFY(!QueryLockKeys().has_value());
        CRecordingReporter reporter;
        CMerionApp app(AppOptions{m_dir.filePath("project.db"), &reporter, false});
        QVERIFY(app.InitInstance());
        app.MainFrame()->show();
        for (QLabel* pane : app.MainFrame()->findChildren<QLabel*>(QStringLiteral("indicatorPane")))
            QVERIFY(!pane->isVisible());
        app.ExitInstance();
    }

    // Last: the translations stay installed for the rest of the process.
    void qtsOwnTextsSpeakChinese()
    {
        QVERIFY(!LoadQtTranslations(QStringLiteral("xx_NOPE")));
        QVERIFY(LoadQtTranslations());
        QMessageBox box(QMessageBox::Question, "MERION", "Delete <P1> ?", QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
    }
};

QTEST_MAIN(TestDesktopToolkit)
#include "tst_desktop_toolkit.moc"
