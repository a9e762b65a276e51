#include "records/pos_export.h"

#include "records/exchange.h"
#include "records/movement_file.h"
#include "shell/numbers.h"
#include "shell/textcodec.h"

#include <QSaveFile>

namespace PosExport {

QByteArray build(const QList<SaleLine>& lines, const QString& odemetipi, const QString& kredino,
                 const QString& cardAmount, bool* ok)
{
    *ok = true;
    QByteArray out;
    for (const SaleLine& l : lines) {
        const std::optional<double> qty = Num::parse(l[ColMiktar]);
        const std::optional<double> price = Num::parse(l[ColBirimFiyat]);
        if (!qty || !price) {
            *ok = false;
            return {};
        }
        out += TextCodec::toCp1254(QStringLiteral("SATIS;") + l[ColPlu] + u';');
        out += TextCodec::toCp857(MovementFile::field(l[ColCinsi], 20));
        out += TextCodec::toCp1254(u';' + MovementFile::field(l[ColBarkod], 20) + u';' + MovementFile::field(l[ColDep], 2) + u';'
                                   + MovementFile::field(Num::fixed(*qty, 2, 3, u'.'), 6) + u';' + MovementFile::field(Num::fixed(*price, 7, 2, u'.'), 10)
                                   + QStringLiteral(";\r\n"));
    }
    if (odemetipi == QLatin1String("kredi"))
        out += TextCodec::toCp1254(QStringLiteral("KREDI;") + kredino + QStringLiteral(";;;;")
                                   + QString(cardAmount).replace(u',', u'.') + QStringLiteral(";\r\n"));
    else if (odemetipi == QLatin1String("nakit"))
        out += "NAKIT;;;\r\n";
    return out;
}

QString localPath(const QString& posfisDir, const QString& registerName)
{
    return posfisDir + u'/' + registerName;
}

bool write(const QString& posfisDir, const QString& registerName, const QByteArray& bytes, const QString& exportDir)
{
    QSaveFile file(localPath(posfisDir, registerName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    copyToExport(posfisDir, registerName, exportDir);
    return true;
}

bool copyToExport(const QString& posfisDir, const QString& registerName, const QString& exportDir)
{
    if (exportDir.isEmpty())
        return false;
    return Exchange::copyReplacing(localPath(posfisDir, registerName), exportDir + u'/' + registerName);
}

} // namespace PosExport
