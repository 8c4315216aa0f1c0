#include "impression.h"
#include "plateformeqt.h"
#include "sortieimpression.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace {

const QString kTitreRefus = QStringLiteral("Impression");
// %1: why the file was refused; %2: the Documents folder.
const QString kTexteRefus = QStringLiteral(
    "%1\n\nChoisissez un autre emplacement, par exemple votre dossier Documents (« %2 »), "
    "ou cliquez sur « Annuler ».");
const QString kNomParDefaut = QStringLiteral("OrthoVal.pdf");

}  // namespace

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

// Qt would offer a file in the current folder, which may be the data folder:
// the file offered is in Documents. The format is put back, so that a real
// printer stays the one chosen when there is one.
bool ImprimanteQt::choisirSortie(QPrinter &imprimante, QWidget *parent)
{
    if (imprimante.outputFileName().isEmpty()) {
        const QPrinter::OutputFormat format = imprimante.outputFormat();
        imprimante.setOutputFileName(QDir(dossierImpressionPropose()).filePath(kNomParDefaut));
        imprimante.setOutputFormat(format);
    }
    for (;;) {
        QPrintDialog dialogue(&imprimante, parent);
        dialogue.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialogue.setOption(QAbstractPrintDialog::PrintSelection, false);
        if (dialogue.exec() != QDialog::Accepted)
            return false;
        if (imprimante.outputFormat() != QPrinter::PdfFormat || imprimante.outputFileName().isEmpty())
            return true;
        const QString refus = refusFichierImpression(imprimante.outputFileName(), dossierDonnees_);
        if (refus.isEmpty())
            return true;
        messages_.information(parent, kTitreRefus,
                              kTexteRefus.arg(refus, QDir::toNativeSeparators(dossierImpressionPropose())));
        imprimante.setOutputFileName(fichierImpressionPropose(imprimante.outputFileName(), kNomParDefaut));
    }
}

bool ImprimanteQt::imprimerHtml(QWidget *parent, const QString &html, const QFont &police, bool paysage)
{
    QPrinter imprimante(QPrinter::HighResolution);
    if (paysage)
        imprimante.setPageOrientation(QPageLayout::Landscape);
    if (!choisirSortie(imprimante, parent))
        return false;
    return ::imprimerHtml(imprimante, html, police);
}

bool ImprimanteQt::imprimer(QWidget *parent, const QString &texte, const QFont &police)
{
    QPrinter imprimante(QPrinter::HighResolution);
    if (!choisirSortie(imprimante, parent))
        return false;
    return imprimerTexte(imprimante, texte, police);
}
