// The date reader on any text: never crashes; every date it accepts is a
// real day whose written form reads back to the same day.
#include "commun.h"

#include "data/dates.h"
#include "data/encodage.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString texte = decoderTexteFichier(fuzz::octets(data, size));
    const QDate date = lireDate(texte);
    if (date.isValid()) {
        const QString ecrit = texteDate(date);
        fuzz::exiger(ecrit.size() == 10, "written date is not dd/MM/yyyy");
        fuzz::exiger(lireDate(ecrit) == date, "written date does not read back");
    }
    // Any day of years 1 to 9999 (what a file can hold) round-trips.
    if (size >= 4) {
        const uint32_t n = uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16
                           | uint32_t(data[3]) << 24;
        const QDate jour = QDate(1, 1, 1).addDays(qint64(n % 3652059u));
        fuzz::exiger(jour.isValid() && lireDate(texteDate(jour)) == jour, "day does not round-trip");
    }
    return 0;
}
