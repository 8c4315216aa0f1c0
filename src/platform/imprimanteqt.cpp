#include "impression.h"
#include "plateformeqt.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

bool imprimerTexte(QPrinter &imprimante, const QString &texte, const QFont &police)
{
    QTextDocument document;
    document.setDefaultFont(police);
    document.setPlainText(texte);
    document.print(&imprimante);
    return imprimante.printerState() != QPrinter::Error;
}

bool imprimerHtml(QPrinter &imprimante, const QString &html, const QFont &police)
{
    QTextDocument document;
    document.setDefaultFont(police);
    document.setHtml(html);
    document.print(&imprimante);
    return imprimante.printerState() != QPrinter::Error;
}

bool ImprimanteQt::imprimerHtml(QWidget *parent, const QString &html, const QFont &police, bool paysage)
{
    QPrinter imprimante(QPrinter::HighResolution);
    if (paysage)
        imprimante.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialogue(&imprimante, parent);
    dialogue.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialogue.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialogue.exec() != QDialog::Accepted)
        return false;
    return ::imprimerHtml(imprimante, html, police);
}

bool ImprimanteQt::imprimer(QWidget *parent, const QString &texte, const QFont &police)
{
    QPrinter imprimante(QPrinter::HighResolution);
    QPrintDialog dialogue(&imprimante, parent);
    dialogue.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialogue.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialogue.exec() != QDialog::Accepted)
        return false;
    return imprimerTexte(imprimante, texte, police);
}
