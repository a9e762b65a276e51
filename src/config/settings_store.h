#pragma once

#include "config/programfolder.h"

#include <QString>
#include <QStringList>

// The workstation settings of data.dbs, one row with id '1' per table.
// All values are text as stored.
struct WorkstationSettings {
    QString loginSifre;                                  // login
    QString insname, inskullan;                          // instan
    QString server, sql, msql, kuladi, serverSifre;      // server
    QString bulses, bulmases;                            // ses
    QString yazici1, yazici2, yazdirma;                  // yazici
    QString per;                                         // per
    QString fatno;                                       // fatno
    QString kdv;                                         // kdv
    QString font, size, bold, title, listrenk, yzrenk,   // liste
        tmekran, winac, enust;
    QString depoadi, fytadi, cari, stkfistipadi,         // stok
        crfistipadi, ftfistipadi, depo, fiyatip, carikod;
    QString olcu;                                        // olcu
};

// The receipt layout of Fis.dbs.
struct ReceiptLayoutSettings {
    QString baslikBilgi, baslikText;   // baslik: bilgi, text
    QString fisBilgi, ust, alt;        // fis: bilgi, ust, alt
    QString urunBilgi, urunText;       // urun: bilgi, text
    QString zno;                       // zno
    QString fnt;                       // fnt
    QString b1, b2, b3, b4, b5, b6, b7; // karakter: section widths in mm
    QString sol;                       // sol: left margin in mm
};

// The keys of param.tkm.
struct ParamSettings {
    // [param]
    QString satir, kopya, kasa, tkmgen, tkmposfis, fisnolari, fisnolaritarih, kredino,
        iadesatir, iadekopya, kasadefterip, kasadefteretacarikod, listegrid, fytno;
    QString cari;                                              // [cari] cari
    QString fattur, fatno, efattur, efatno, eartur, earno;     // [sablon]
};

// Defaults from the host lookups, kept program-wide once the settings
// window's host lookups succeed; empty until then.
struct HostDefaults {
    QString depo, fiyatip, cari, carikod;
};
HostDefaults& hostDefaults();

// Reading and writing of the settings stores of one program folder.
// Readers go on past every failing read: a missing store, table, row or
// column leaves that field as the caller had it. Writers address row '1'.
class SettingsStore {
public:
    explicit SettingsStore(ProgramFolder folder) : m_folder(std::move(folder)) {}

    const ProgramFolder& folder() const { return m_folder; }

    // Table names limit the read or write to those tables; none means all.
    void read(WorkstationSettings& into, const QStringList& tables = {}) const;
    bool write(const WorkstationSettings& from, const QStringList& tables = {}) const;

    void read(ReceiptLayoutSettings& into, const QStringList& tables = {}) const;
    bool write(const ReceiptLayoutSettings& from, const QStringList& tables = {}) const;

    // param.tkm, through the INI key rules; a missing key leaves the field.
    void read(ParamSettings& into) const;
    // Writes every key, section param first, then cari, then sablon.
    bool write(const ParamSettings& from) const;
    QString param(const QString& key) const;
    // [cari] cari: the code a new e-document customer is saved under.
    QString edocCustomerCode() const;
    bool setParam(const QString& key, const QString& value) const;

    // iadeparam.tkm [iade] on
    bool iadeOn() const;
    bool setIadeOn(bool on) const;
    // sifre.tkm [sifre] sifre; empty when the file is missing
    QString adminPassword() const;
    bool setAdminPassword(const QString& password) const;

private:
    ProgramFolder m_folder;
};

// The control files of the shared folder TKMGENEL.
namespace SharedFolder {
QString tkmkonPath(const QString& sharedDir);
QString carikonPath(const QString& sharedDir);
// [KASALAR] <register> is "1" when fresh stores wait for this register.
bool updateWaiting(const QString& sharedDir, const QString& registerName);
bool clearUpdateWaiting(const QString& sharedDir, const QString& registerName);
// [HRGND] <register>: any value holds back the sending of this register's sales.
bool salesHeldBack(const QString& sharedDir, const QString& registerName);
// [cari] carigonder = "1" after the customer store was copied there.
bool markCustomersSent(const QString& sharedDir);
} // namespace SharedFolder
