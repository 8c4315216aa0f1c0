#include "plateformeqt.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

bool ImprimanteQt::imprimer(QWidget *parent, const QString &texte, const QFont &police)
{
    QPrinter imprimante(QPrinter::HighResolution);
    QPrintDialog dialogue(&imprimante, parent);
    dialogue.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialogue.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialogue.exec() != QDialog::Accepted)
        return false;
    QTextDocument document;
    document.setDefaultFont(police);
    document.setPlainText(texte);
    document.print(&imprimante);
    return imprimante.printerState() != QPrinter::Error;
}
