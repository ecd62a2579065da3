// Saves what an X display shows as a PNG: the Windows build's screenshots under Wine and Xvfb.
// Built for the build machine (not for Windows) by scripts/test-windows.sh:
//   screen_grab OUTPUT.png   (DISPLAY names the display)
// Exit status 3: the screen is one colour, nothing is drawn yet (no file is written).
#include <QGuiApplication>
#include <QImage>
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
    if (!screen)
        return 1;
    const QImage image = screen->grabWindow(0).toImage();
    const QImage reduced = image.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    bool blank = true;
    for (int y = 0; y < image.height() && blank; y += 4)
        for (int x = 0; x < image.width() && blank; x += 4)
            blank = image.pixel(x, y) == reduced.pixel(0, 0);
    if (blank)
        return 3;
    if (!image.save(QString::fromLocal8Bit(argv[1])))
    {
        std::fprintf(stderr, "screen_grab: cannot save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
