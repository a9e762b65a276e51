#pragma once

#include <QString>

// The stores of a program folder, by their fixed names (letter case kept).
class ProgramFolder {
public:
    explicit ProgramFolder(QString dir) : m_dir(std::move(dir)) {}

    const QString& dir() const { return m_dir; }
    QString file(const QString& name) const { return m_dir + u'/' + name; }

    QString dataDbs() const { return file(QStringLiteral("data.dbs")); }
    QString fisDbs() const { return file(QStringLiteral("Fis.dbs")); }
    QString urunDbs() const { return file(QStringLiteral("URUN.dbs")); }
    QString cariDbs() const { return file(QStringLiteral("cari.dbs")); }
    QString paramTkm() const { return file(QStringLiteral("param.tkm")); }
    QString iadeParamTkm() const { return file(QStringLiteral("iadeparam.tkm")); }
    QString sifreTkm() const { return file(QStringLiteral("sifre.tkm")); }
    QString okcSonFisTkm() const { return file(QStringLiteral("okcsonfis.tkm")); }
    QString kopruSettingIni() const { return file(QStringLiteral("kopruSetting.ini")); }
    QString sndOn() const { return file(QStringLiteral("sndon.sun")); }
    QString sndOff() const { return file(QStringLiteral("sndoff.sun")); }
    QString haraketDir() const { return file(QStringLiteral("haraket")); }
    QString posfisDir() const { return file(QStringLiteral("posfis")); }
    QString tsrmDefaultDir() const { return file(QStringLiteral("Tsrm/default")); }
    QString tsrmDir() const { return file(QStringLiteral("Tsrm/Tsrm")); }

private:
    QString m_dir;
};
