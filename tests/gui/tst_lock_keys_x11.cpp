#include "gui/toolkit/lock_keys.h"

#include <QGuiApplication>
#include <QTest>

#if defined(MERION_HAVE_X11)
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>
#endif

// The lock keys as an X server reports them. Run under Xvfb with the xcb platform (its own
// test entry does that); elsewhere there is no server to ask and the cases are skipped.
class TestLockKeysX11 : public QObject
{
    Q_OBJECT

private slots:
    void capsAndNumLockFollowTheServer()
    {
#if defined(MERION_HAVE_X11)
        const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        if (QGuiApplication::platformName() != QLatin1String("xcb") || !x11)
            QSKIP("needs an X server and the xcb platform");
        Display* display = x11->display();
        const auto lock = [display](unsigned int mask, bool on) {
            XkbLockModifiers(display, XkbUseCoreKbd, mask, on ? mask : 0);
            XSync(display, False);
        };
        // Num Lock sits on the modifier that the keymap gives it; Caps Lock is always Lock.
        const unsigned int numMask = XkbKeysymToModifiers(display, XStringToKeysym("Num_Lock"));
        QVERIFY(numMask != 0);

        lock(LockMask, true);
        lock(numMask, false);
        QTRY_VERIFY(QueryLockKeys().has_value() && QueryLockKeys()->capsLock);
        QVERIFY(!QueryLockKeys()->numLock);

        lock(LockMask, false);
        lock(numMask, true);
        QTRY_VERIFY(!QueryLockKeys()->capsLock);
        QVERIFY(QueryLockKeys()->numLock);
        QVERIFY(!QueryLockKeys()->scrollLock);
        lock(numMask, false);
#else
        QSKIP("built without X11");
#endif
    }
};

QTEST_MAIN(TestLockKeysX11)
#include "tst_lock_keys_x11.moc"
