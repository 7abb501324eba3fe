// Shared data module: the one database connection, the statement holders and the datasets several screens read.
#pragma once

#include "platform/db/Command.h"
#include "platform/db/Connection.h"
#include "platform/db/Dataset.h"

#include <QString>

// The design-time connection: the built-in account over the default data source.
inline constexpr const char* kDesignTimeConnectionString =
    "Provider=MSDASQL.1;Password=brumvex;Persist Security Info=True;User ID=sys;Data Source=veltro_erp_dev";

class TDataModule6 {
public:
    TDataModule6();
    ~TDataModule6();
    TDataModule6(const TDataModule6&) = delete;
    TDataModule6& operator=(const TDataModule6&) = delete;

    // Opens ADO_DB with the design-time connection string.
    void openDesignTimeConnection();

    // Puts the database's decimal separator into a number typed as text: the first ","
    // (or, when there is none, the first ".") becomes DbDelim; empty text becomes "0".
    QString ToDbDecimal(const QString& text) const;

    platform::db::Connection ADO_DB;
    QString DbDelim;

    // General-purpose statement holders: callers set the text each time.
    platform::db::Command cmd_all;
    platform::db::Dataset Control;   // a query the caller fills and opens
    platform::db::Command DelSmena;
    platform::db::Command H_Tabel_ins;

    // Reference data.
    platform::db::Dataset workers;
    platform::db::Dataset department;
    platform::db::Dataset staffpos;
    platform::db::Dataset role;
    platform::db::Dataset nomenclature;
    platform::db::Dataset jur_person;
    platform::db::Dataset operation_type;
    platform::db::Dataset msm;
    platform::db::Dataset user;
    platform::db::Dataset ver;

    // Items and technology.
    platform::db::Dataset inventory_items;
    platform::db::Dataset proc_tech;
    platform::db::Dataset operation;

    // Customer orders.
    platform::db::Dataset app_doc;
    platform::db::Dataset app_spec;

    // Warehouse.
    platform::db::Dataset stock;
    platform::db::Dataset stock_in;
    platform::db::Dataset spec_out;

    // Production journal: the records of one date in shifts 1 to 3 and overtime (4).
    platform::db::Dataset Smena1;
    platform::db::Dataset Smena2;
    platform::db::Dataset Smena3;
    platform::db::Dataset Smena4;

    // The item list's own statement (pickers replace it for a while and put it back).
    static QString inventoryItemsSql();
};

// ToDbDecimal over an explicit separator (an empty separator counts as ".").
QString ToDbDecimal(const QString& text, const QString& delim);

extern TDataModule6* DataModule6;
