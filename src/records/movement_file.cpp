#include "records/movement_file.h"

#include "shell/textcodec.h"

#include <QFile>
#include <QFileInfo>

namespace MovementFile {

namespace {

const QString kMarker = QStringLiteral("<#>");

QString headerStart(const char* kind, const Sale& sale)
{
    return QString::fromLatin1(kind) + sale.fisno + u'-' + sale.when.date().toString(QStringLiteral("dd/MM/yyyy")) + u'-'
        + sale.when.time().toString(QStringLiteral("HH:mm:ss"));
}

QByteArray body(const QString& header, const Sale& sale)
{
    QString text = header + QStringLiteral("\r\n");
    for (const SaleLine& l : sale.lines) {
        text += QStringLiteral("02-SAT-") + field(l[ColStokKodu], 40) + u'-' + field(l[ColBarkod], 40) + u'-'
            + field(l[ColCinsi], 80) + u'-' + field(l[ColDep], 2) + u'-' + field(l[ColKdv], 2) + u'-'
            + field(l[ColBirimFiyat], 12) + u'-' + field(l[ColMiktar], 12) + u'-' + field(l[ColIndTop], 12) + u'-'
            + field(l[ColToplamTutar], 12) + QStringLiteral("\r\n");
    }
    text += QStringLiteral("03-TOP-") + field(sale.gentop, 12) + QStringLiteral("\r\n");
    text += QStringLiteral("04-NAK-") + field(sale.nkit, 12) + QStringLiteral("\r\n");
    text += QStringLiteral("05-KRD-") + field(sale.krd, 12) + QStringLiteral("\r\n");
    text += QStringLiteral("06-SON\r\n");
    return TextCodec::toCp1254(text);
}

} // namespace

Sale fromSaleTab(const SaleTab& tab, const QString& fisno, const QString& ftno, const QDateTime& when)
{
    return Sale{fisno, when, tab.customer, ftno, tab.lines(), tab.gentop, tab.nkit, tab.krd};
}

QString record(const QString& haraketDir, const QString& registerName, const Sale& sale, bool asReturn)
{
    const QString path = haraketDir + u'/' + fileName(sale.when.date(), registerName);
    return append(path, asReturn ? returnBlock(sale) : saleBlock(sale));
}

QString fileName(const QDate& date, const QString& registerName)
{
    return QStringLiteral("HR") + date.toString(QStringLiteral("ddMMyy")) + u'.' + registerName;
}

QString field(const QString& text, int width)
{
    return text.left(width).leftJustified(width, u' ');
}

QByteArray saleBlock(const Sale& sale)
{
    const SaleCustomer& c = sale.customer;
    QString header = headerStart("01-FIS-", sale);
    for (const QString& f : {c.tag, c.ckod, c.unvn, c.vno, c.vd, c.shr, c.adr, c.tel, sale.ftno})
        header += kMarker + f;
    header += kMarker;
    return body(header, sale);
}

QByteArray returnBlock(const Sale& sale)
{
    return body(headerStart("01-SIA-", sale) + kMarker.repeated(24), sale);
}

QString append(const QString& path, const QByteArray& block)
{
    QFile file(path);
    const bool existed = file.exists();
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return file.errorString();
    const qint64 before = file.size();
    const bool written = file.write(block) == block.size() && file.flush();
    if (written) {
        file.close();
        return QString();
    }
    const QString error = file.errorString();
    // Never leave half a block for the accounting side to read.
    if (existed)
        file.resize(before);
    file.close();
    if (!existed)
        QFile::remove(path);
    return error.isEmpty() ? QStringLiteral("yazılamadı") : error;
}

} // namespace MovementFile
