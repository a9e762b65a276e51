#pragma once

#include <QList>
#include <QString>

struct DemoProduct {
    const char* barkod;
    const char* stkod;
    const char* cinsi;
    const char* birim;
    int kdv;
    double brfiyat;
    double fiyat[5];
    double indirm;
    const char* plu;
    const char* dep;
};

struct DemoCustomer {
    const char* kod;
    const char* unvan;
    const char* yet;
    const char* vno;
    const char* vd;
    const char* tel;
    const char* adres;
    const char* sehir;
    const char* ack;
    const char* efat;
};

const QList<DemoProduct>& demoProducts();
const QList<DemoCustomer>& demoCustomers();
