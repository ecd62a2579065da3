#include "gui/toolkit/cool_button_list.h"
#include "gui/toolkit/cool_tab_ctrl.h"
#include "gui/toolkit/cool_tip_ctrl.h"

#include <QCursor>
#include <QImage>
#include <QTest>
#include <QToolButton>

namespace
{
// Whether any pixel of the rectangle is pure blue, the colour of the label under the cursor.
bool HasBluePixel(QWidget& widget, const QRect& area)
{
    const QImage image = widget.grab().toImage();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == QColor(0, 0, 255))
                return true;
    return false;
}

QRect LabelArea(const CCoolButtonList& list, int index)
{
    const QRect item = list.ItemRect(index);
    return QRect(item.left(), item.top() + 34, item.width() - 16, item.height() - 34);
}

// Three buttons and the trailing empty entry, the way the main window fills a page.
void FillList(CCoolButtonList& list)
{
    QPixmap icon(30, 30);
    icon.fill(Qt::darkGreen);
    list.SetImageList({QIcon(icon)});
    list.AddButton(0, QStringLiteral("通讯设置"), 57614, QStringLiteral("通讯设置"));
    list.AddButton(0, QStringLiteral("上传"), 57676, QStringLiteral("上传"));
    list.AddButton(0, QStringLiteral("下载"), 57675, QStringLiteral("下载"));
    list.AddButton(-1, QString(), 0, QString());
}
} // namespace

class TestCoolControls : public QObject
{
    Q_OBJECT

private slots:
    void stackedPagesKeepLaterHeadersAtTheBottom()
    {
        CCoolTabCtrl tabs;
        QVERIFY(!tabs.AddPage(nullptr, QStringLiteral("空")));
        QList<QWidget*> pages;
        for (const QString title : {"文件管理", "数据编辑", "串口通讯"})
        {
            pages << new QWidget;
            QVERIFY(tabs.AddPage(pages.last(), title));
        }
        tabs.resize(170, 300);
        tabs.show();

        // The frame is the window less one pixel all round: x 1..168, y 1..298.
        QCOMPARE(tabs.CurrentPage(), 0);
        QCOMPARE(tabs.HeaderRect(0), QRect(1, 1, 168, 18));
        QCOMPARE(tabs.HeaderRect(1), QRect(1, 263, 168, 18));
        QCOMPARE(tabs.HeaderRect(2), QRect(1, 281, 168, 18));
        QCOMPARE(pages[0]->geometry(), QRect(1, 19, 168, 244));
        QVERIFY(pages[0]->isVisible() && !pages[1]->isVisible() && !pages[2]->isVisible());

        // Opening the last page moves the second header up under the first.
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, QPoint(80, 290));
        QCOMPARE(tabs.CurrentPage(), 2);
        QCOMPARE(tabs.HeaderRect(1), QRect(1, 19, 168, 18));
        QCOMPARE(tabs.HeaderRect(2), QRect(1, 37, 168, 18));
        QCOMPARE(pages[2]->geometry(), QRect(1, 55, 168, 244));
        QVERIFY(!pages[0]->isVisible() && !pages[1]->isVisible() && pages[2]->isVisible());

        // A release away from the pressed header, or on another header, changes nothing; nor
        // does clicking the open page's own header.
        QTest::mousePress(&tabs, Qt::LeftButton, {}, QPoint(80, 10));
        QTest::mouseRelease(&tabs, Qt::LeftButton, {}, QPoint(80, 150));
        QTest::mousePress(&tabs, Qt::LeftButton, {}, QPoint(80, 10));
        QTest::mouseRelease(&tabs, Qt::LeftButton, {}, QPoint(80, 28));
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, QPoint(80, 46));
        QCOMPARE(tabs.CurrentPage(), 2);

        // Growing the control keeps the later headers at its bottom edge.
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, QPoint(80, 28));
        QCOMPARE(tabs.CurrentPage(), 1);
        tabs.resize(200, 400);
        QCOMPARE(tabs.HeaderRect(2), QRect(1, 381, 198, 18));
        QCOMPARE(pages[1]->geometry(), QRect(1, 37, 198, 344));
    }

    void hoverTurnsTheLabelBlueAndShowsTheTip()
    {
        CCoolButtonList list;
        FillList(list);
        list.resize(170, 240);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));

        const QPoint onUpload = list.ItemRect(1).center();
        QCursor::setPos(list.mapToGlobal(onUpload));
        QTest::mouseMove(&list, onUpload);
        QTRY_COMPARE(list.HotIndex(), 1);
        QVERIFY(list.IsHovering());
        QVERIFY(HasBluePixel(list, LabelArea(list, 1)));
        QVERIFY(!HasBluePixel(list, LabelArea(list, 0)));

        // The list's first tip comes after one short fade and one 100 ms tick.
        CCoolTipCtrl* tip = list.Tip();
        QTRY_VERIFY_WITH_TIMEOUT(tip->isVisible(), 1000);
        QCOMPARE(tip->Title(), QStringLiteral("上传"));
        QCOMPARE(tip->Body(), QStringLiteral("上传"));
        // Beside the list, level with the button, never over the buttons.
        const QRect listOnScreen(list.mapToGlobal(QPoint(0, 0)), list.size());
        QCOMPARE(tip->pos(), QPoint(listOnScreen.right() + 1 + 4, list.mapToGlobal(list.ItemRect(1).topLeft()).y()));
        QVERIFY(!tip->geometry().intersects(listOnScreen));
        QTRY_COMPARE_WITH_TIMEOUT(tip->Opacity(), 230, 1000);

        // Leaving the list turns the label black and stops watching the cursor; the tip fades.
        const QPoint outside = list.mapToGlobal(QPoint(300, 300));
        QCursor::setPos(outside);
        QTRY_VERIFY(!list.IsTrackingCursor());
        QCOMPARE(list.HotIndex(), -1);
        QVERIFY(!list.IsHovering());
        QVERIFY(!HasBluePixel(list, LabelArea(list, 1)));
        QTRY_COMPARE_WITH_TIMEOUT(tip->CurrentState(), CCoolTipCtrl::State::Hidden, 2000);
        QVERIFY(!tip->isVisible());
    }

    void clicksSendCommandsAndScrollingStopsAtBothEnds()
    {
        CCoolButtonList list;
        FillList(list);
        list.resize(170, 100); // two whole entries of the four
        list.show();
        QList<int> sent;
        connect(&list, &CCoolButtonList::CommandRequested, this, [&sent](int command) { sent << command; });

        auto* down = list.findChild<QToolButton*>(QStringLiteral("scrollDown"));
        auto* up = list.findChild<QToolButton*>(QStringLiteral("scrollUp"));
        QVERIFY(!up->isEnabled() && down->isEnabled());
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(60, 60));
        down->click();
        QCOMPARE(list.TopIndex(), 1);
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(60, 60)); // now the third button
        // Down stops once the last entry is in sight: no scrolling into blank space.
        for (int i = 0; i < 4; ++i)
            down->click();
        QCOMPARE(list.TopIndex(), 2);
        QVERIFY(up->isEnabled() && !down->isEnabled());
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(60, 10));
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(60, 60)); // the empty last entry
        for (int i = 0; i < 5; ++i)
            up->click();
        QCOMPARE(list.TopIndex(), 0);
        QCOMPARE(sent, QList<int>({57676, 57675, 57675, 0}));

        // Made tall enough for everything, the list cannot scroll at all.
        list.ScrollDown();
        list.resize(170, 240);
        QCOMPARE(list.TopIndex(), 0);
        list.ScrollDown();
        QCOMPARE(list.TopIndex(), 0);
        QVERIFY(!up->isEnabled() && !down->isEnabled());
    }

    void tipSizeFollowsItsTexts()
    {
        // One line of 14 cells; the title is no wider than the body.
        QCOMPARE(CCoolTipCtrl::SizeForTexts("输出文件", "输出文件到磁盘", 32, 32), QSize(84 + 14 + 37, 46));
        // A body narrower than the title (4 characters at 7 pixels, twice each) gets widened.
        QCOMPARE(CCoolTipCtrl::SizeForTexts("通讯设置", "通讯设置", 32, 32), QSize(48 + 14 + 56 + 37, 46));
        // 70 cells wrap into 3 lines of 30, then one short line; the trailing line feed adds none.
        QCOMPARE(CCoolTipCtrl::SizeForTexts("T", QString(70, 'a') + "\nbb\n", 0, 0), QSize(194 + 5, 4 * 12 + 14 + 15));
        // A long title widens the tip only up to 194 pixels before the icon.
        QCOMPARE(CCoolTipCtrl::SizeForTexts(QString(26, 'T'), "x", 0, 0), QSize(194 + 5, 12 + 14 + 15));
        QCOMPARE(CCoolTipCtrl::SizeForTexts(QString(40, 'T'), QString(35, 'y'), 0, 0), QSize(194 + 5, 41));
    }

    void tipFadesInBelowTheCursorAndOutWhenItLeaves()
    {
        QWidget owner;
        CCoolTipCtrl tip(QSize(100, 100), &owner, CCoolTipCtrl::SizeToTexts | CCoolTipCtrl::SoftOpacity);
        tip.SetTitle(QStringLiteral("下载"));
        tip.SetBody(QStringLiteral("下载"));
        tip.SetAnchor(QRect(100, 100, 170, 48));
        tip.SetDelay(15);
        QCursor::setPos(150, 120);
        using State = CCoolTipCtrl::State;

        // A new tip starts as if shown: the request fades it out at once and waits one tick.
        QCOMPARE(tip.CurrentState(), State::Shown);
        tip.RequestShow();
        QCOMPARE(tip.CurrentState(), State::FadingOut);
        QCOMPARE(tip.Opacity(), 10);
        tip.Tick(CCoolTipCtrl::Clock::Fade);
        QCOMPARE(tip.CurrentState(), State::Waiting);
        QVERIFY(tip.IsRunning(CCoolTipCtrl::Clock::Countdown) && tip.IsRunning(CCoolTipCtrl::Clock::Watch));
        QVERIFY(!tip.IsRunning(CCoolTipCtrl::Clock::Fade));
        tip.Tick(CCoolTipCtrl::Clock::Countdown);
        QCOMPARE(tip.CurrentState(), State::FadingIn);
        QVERIFY(tip.isVisible());
        QCOMPARE(tip.geometry(), QRect(QPoint(150, 140), CCoolTipCtrl::SizeForTexts("下载", "下载", 0, 0)));

        // Nine steps of 28 reach the soft full opacity of 230.
        for (int step = 1; step <= 8; ++step)
            tip.Tick(CCoolTipCtrl::Clock::Fade);
        QCOMPARE(tip.Opacity(), 224);
        QCOMPARE(tip.CurrentState(), State::FadingIn);
        tip.Tick(CCoolTipCtrl::Clock::Fade);
        QCOMPARE(tip.Opacity(), 230);
        QCOMPARE(tip.CurrentState(), State::Shown);
        QVERIFY(!tip.IsRunning(CCoolTipCtrl::Clock::Fade) && tip.IsRunning(CCoolTipCtrl::Clock::Watch));

        tip.Tick(CCoolTipCtrl::Clock::Watch);
        QCOMPARE(tip.CurrentState(), State::Shown);
        QCursor::setPos(50, 50);
        tip.Tick(CCoolTipCtrl::Clock::Watch);
        QCOMPARE(tip.CurrentState(), State::FadingOut);
        for (int step = 1; step <= 8; ++step)
            tip.Tick(CCoolTipCtrl::Clock::Fade);
        QCOMPARE(tip.Opacity(), 6);
        tip.Tick(CCoolTipCtrl::Clock::Fade);
        QCOMPARE(tip.Opacity(), 0);
        QCOMPARE(tip.CurrentState(), State::Hidden);
        QVERIFY(!tip.isVisible());

        // From hidden the full delay runs; a cursor gone from the anchor by then shows nothing.
        tip.RequestShow();
        for (int tick = 1; tick < 15; ++tick)
            tip.Tick(CCoolTipCtrl::Clock::Countdown);
        QCOMPARE(tip.CurrentState(), State::Waiting);
        tip.Tick(CCoolTipCtrl::Clock::Countdown);
        QCOMPARE(tip.CurrentState(), State::Hidden);
        QVERIFY(!tip.isVisible());
        QVERIFY(!tip.IsRunning(CCoolTipCtrl::Clock::Countdown) && !tip.IsRunning(CCoolTipCtrl::Clock::Watch));
    }
};

QTEST_MAIN(TestCoolControls)
#include "tst_cool_controls.moc"
