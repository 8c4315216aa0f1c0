#pragma once
// A real PDF, such as a print to a file leaves over a data file by mistake:
// its last line is "%%EOF".
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

inline QByteArray pdfImprime()
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter ecrivain(&tampon);
        QPainter peintre(&ecrivain);
        peintre.drawText(100, 100, QStringLiteral("Paul - 05/12/2026"));
    }
    return tampon.data();
}
