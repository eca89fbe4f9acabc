#pragma once

#include <QMetaType>
#include <QString>

// One trust product as the server sends it; every product screen shares it.
class modelForProd
{
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString w_cpdm MEMBER w_cpdm)
    Q_PROPERTY(QString w_cpmc MEMBER w_cpmc)
    Q_PROPERTY(QString w_cplx MEMBER w_cplx)
    Q_PROPERTY(QString w_xszt MEMBER w_xszt)
    Q_PROPERTY(QString w_zt MEMBER w_zt)
    Q_PROPERTY(QString w_sfrx MEMBER w_sfrx)
    Q_PROPERTY(QString w_sfxs MEMBER w_sfxs)
    Q_PROPERTY(QString w_yqnhsyl MEMBER w_yqnhsyl)
    Q_PROPERTY(QString w_qdje MEMBER w_qdje)
    Q_PROPERTY(QString w_xtgm MEMBER w_xtgm)
    Q_PROPERTY(QString w_xtqx MEMBER w_xtqx)
    Q_PROPERTY(QString w_cptjq MEMBER w_cptjq)
    Q_PROPERTY(QString w_sysm MEMBER w_sysm)
    Q_PROPERTY(QString w_mjzh MEMBER w_mjzh)
    Q_PROPERTY(QString w_zjyt MEMBER w_zjyt)
    Q_PROPERTY(QString w_fxkzcs MEMBER w_fxkzcs)
    Q_PROPERTY(QString w_xxpl MEMBER w_xxpl)
    Q_PROPERTY(QString w_syfpfs MEMBER w_syfpfs)
    Q_PROPERTY(QString w_jxfs MEMBER w_jxfs)
    Q_PROPERTY(QString w_tbts MEMBER w_tbts)
    Q_PROPERTY(QString w_yydj MEMBER w_yydj)
    Q_PROPERTY(QString w_jk MEMBER w_jk)
    Q_PROPERTY(QString w_qsxtht MEMBER w_qsxtht)
    Q_PROPERTY(QString w_str MEMBER w_str)
    Q_PROPERTY(QString w_cpjs MEMBER w_cpjs)
    Q_PROPERTY(QString w_zjrgqd MEMBER w_zjrgqd)
    Q_PROPERTY(QString w_rgje MEMBER w_rgje)
    Q_PROPERTY(QString w_cjsj MEMBER w_cjsj)
    Q_PROPERTY(QString w_fpxq MEMBER w_fpxq)
    Q_PROPERTY(QString w_clr MEMBER w_clr)
    Q_PROPERTY(QString w_kfr MEMBER w_kfr)
    Q_PROPERTY(QString w_fbq MEMBER w_fbq)
    Q_PROPERTY(QString w_flsm MEMBER w_flsm)
    Q_PROPERTY(QString w_tzfx MEMBER w_tzfx)
    Q_PROPERTY(QString w_tzcl MEMBER w_tzcl)

public:
    QString id;
    QString w_cpdm;    // product code
    QString w_cpmc;    // product name
    QString w_cplx;    // product type ("2" securities trust)
    QString w_xszt;    // sale state: "1" on sale, "2" open for booking, "3" sold out
    QString w_zt;      // plan state: "0"/"1" normal, "2" terminated, "3" failed
    QString w_sfrx;    // hot-sale flag, the lists' sort key
    QString w_sfxs;    // display flag
    QString w_yqnhsyl; // expected annualised yield, percent
    QString w_qdje;    // starting amount, yuan
    QString w_xtgm;    // issue size, yuan
    QString w_xtqx;    // trust term
    QString w_cptjq;   // promotion period
    QString w_sysm;    // yield description
    QString w_mjzh;    // fund-raising account
    QString w_zjyt;    // use of funds, code "1"–"4"
    QString w_fxkzcs;  // risk-control measure, code "1"–"6"
    QString w_xxpl;    // information disclosure
    QString w_syfpfs;  // distribution method (code table "26050")
    QString w_jxfs;    // interest method
    QString w_tbts;    // special notes
    QString w_yydj;    // subscription step 1 text
    QString w_jk;      // subscription step 2 text
    QString w_qsxtht;  // subscription step 3 text
    QString w_str;     // settlor profile
    QString w_cpjs;    // product introduction
    QString w_zjrgqd;
    QString w_rgje;
    QString w_cjsj;
    QString w_fpxq;
    QString w_clr;
    QString w_kfr;
    QString w_fbq;
    QString w_flsm;
    QString w_tzfx;
    QString w_tzcl;
};

Q_DECLARE_METATYPE(modelForProd)
