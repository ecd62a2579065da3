// Saves what an X display shows as a PNG: the Windows build's screenshots under Wine and Xvfb.
// Built for the build machine (not for Windows) by scripts/test-windows.sh:
//   screen_grab OUTPUT.png   (DISPLAY names the display)
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2)
    {
        std::fputs("usage: screen_grab OUTPUT.png\n", stderr);
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1])))
    {
        std::fprintf(stderr, "screen_grab: cannot save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
