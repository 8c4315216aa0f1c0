// The second yardstick of bench/startup.sh: the smallest window that shows
// text (a title and one button). Any window with words pays for the font
// system (fontconfig, FreeType, HarfBuzz) before it shows; the bare window
// does not.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget fenetre;
    auto *colonne = new QVBoxLayout(&fenetre);
    colonne->addWidget(new QLabel(QStringLiteral("OrthoVal")));
    colonne->addWidget(new QPushButton(QStringLiteral("Élève")));
    fenetre.resize(640, 480);
    fenetre.show();
    return application.exec();
}
