// The shared data module: ToDbDecimal, and every shared dataset opening on the demo plant.
#include "support/AppFixture.h"

#include "data/Unit6.h"

#include <QDate>

using namespace testsupport;

namespace {

TEST(ToDbDecimalTest, ReplacesOnlyTheFirstSeparator)
{
    struct Case {
        const char* delim;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {".", "12,5", "12.5"}, {".", "12.5", "12.5"}, {".", "7", "7"},       {".", "", "0"},
        {".", "1,2,3", "1.2,3"}, {",", "12.5", "12,5"}, {",", "12,5", "12,5"}, {"", "12,5", "12.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToDbDecimal(c.text, c.delim), c.expected) << c.delim << " " << c.text;
}

class DataModuleTest : public DemoAppTest {};

TEST_F(DataModuleTest, EverySharedDatasetOpensOnTheDemoPlant)
{
    TDataModule6& dm = *DataModule6;
    dm.user.setParam("s_name", "master");
    dm.operation.setParam("id_proc_tech", value("select min(id) from mnf_proc_tech.proc_tech").toInt());
    dm.app_spec.setParam("ii_id", value("select id_ii from mnf_app.app_spec where state = 1 limit 1").toInt());
    const QDate workday = QDate::fromString(value("select max(data)::text from accounts_dep.smena"), Qt::ISODate);
    for (auto* smena : {&dm.Smena1, &dm.Smena2, &dm.Smena3, &dm.Smena4}) {
        smena->setParam("data", workday);
        smena->setParam("OK", "ta");
    }
    struct Case {
        const char* name;
        platform::db::Dataset& dataset;
        const char* field; // a field the screens read
    };
    const Case cases[] = {
        {"workers", dm.workers, "s_staffpos"},     {"department", dm.department, "s_parent"},
        {"staffpos", dm.staffpos, "s_dep"},        {"role", dm.role, "yesno"},
        {"nomenclature", dm.nomenclature, "s_department"}, {"jur_person", dm.jur_person, "s_full_caption"},
        {"operation_type", dm.operation_type, "s_caption"}, {"msm", dm.msm, "s_identification"},
        {"user", dm.user, "id_person"},            {"ver", dm.ver, "delim"},
        {"inventory_items", dm.inventory_items, "tp_cnt"}, {"proc_tech", dm.proc_tech, "full_price"},
        {"operation", dm.operation, "s_state"},    {"app_doc", dm.app_doc, "s_jp_caption"},
        {"app_spec", dm.app_spec, "stk_gds"},      {"stock", dm.stock, "balance"},
        {"stock_in", dm.stock_in, "cnt_accept"},   {"spec_out", dm.spec_out, "all_price_gds"},
        {"Smena1", dm.Smena1, "summa"},            {"Smena2", dm.Smena2, "nmn"},
        {"Smena3", dm.Smena3, "s_caption_color"},  {"Smena4", dm.Smena4, "id_1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.dataset.close();
        ASSERT_NO_THROW(c.dataset.open());
        EXPECT_GE(c.dataset.fieldIndex(c.field), 0);
        const bool mayBeEmpty = QByteArray(c.name).startsWith("Smena");
        if (!mayBeEmpty) {
            EXPECT_GT(c.dataset.recordCount(), 0);
        }
        c.dataset.close();
    }
}

TEST_F(DataModuleTest, EachShiftListShowsOnlyItsShift)
{
    TDataModule6& dm = *DataModule6;
    const QDate day = QDate::fromString(value("select max(data)::text from accounts_dep.smena"), Qt::ISODate);
    sql(QString("update accounts_dep.smena set smena = 4 where id = (select min(id) from accounts_dep.smena where data = '%1')")
            .arg(day.toString(Qt::ISODate)));
    platform::db::Dataset* lists[] = {&dm.Smena1, &dm.Smena2, &dm.Smena3, &dm.Smena4};
    int total = 0;
    for (int shift = 1; shift <= 4; ++shift) {
        platform::db::Dataset& list = *lists[shift - 1];
        list.setParam("data", day);
        list.setParam("OK", "ta");
        list.open();
        for (int row = 0; row < list.recordCount(); ++row)
            EXPECT_EQ(list.fieldAt(row, "smena").asInt(), shift);
        total += list.recordCount();
        if (shift == 4) {
            EXPECT_GE(list.recordCount(), 1);
        }
        list.close();
    }
    // Every record of the day is in exactly one list (the joins drop none of the demo's records).
    EXPECT_EQ(QString::number(total), value(QString("select count(*) from accounts_dep.smena where data = '%1'")
                                                .arg(day.toString(Qt::ISODate))));
}

} // namespace
