// The yardstick of bench/startup.sh: the smallest Qt Widgets program that
// shows a window. OrthoVal's start-up is compared with it, in the same run.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget fenetre;
    fenetre.resize(640, 480);
    fenetre.show();
    return application.exec();
}
