// The dataset: named parameters, typed fields, client-side sort and filter, record numbers.
#include "platform/db/Command.h"
#include "platform/db/Dataset.h"
#include "platform/db/Error.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>
#include <vector>

using namespace platform::db;

namespace {

// Eight items whose orders by text, by number and by date all differ; Cyrillic in both cases,
// Latin, ё, nulls, and ties (10 twice, 18.10.2023 three times, "мебель"/"Мебель").
const char* const kItems = R"(
create domain dom_money as numeric(15,4);
create table items (id int primary key, marka text, s_nom varchar(40), massa numeric(28,6), price dom_money,
                    ral boolean, d_date date, d_time timestamp, tp_cnt bigint, id_nom int, rate float8);
insert into items values
 (1, 'Стол',        'мебель', 12.5, 100.12345, true,  '2023-10-18', '2023-10-18 16:33:58', 2, 7, 0.25),
 (2, 'стул',        'мебель', 9,    null,      false, '2023-01-05', null,                  0, 7, null),
 (3, 'Кресло-стол', 'Мебель', 100,  0,         true,  '2022-12-31', '2022-12-31 23:59:59', 1, 3, 1e10),
 (4, 'Apple',       'фрукт',  10,   -2.5,      null,  null,         null,                  0, 5, -1),
 (5, null,          'лист',   null, 1,         false, '2024-02-29', '2024-02-29 00:00:00', 3, 7, 2),
 (6, 'ёлка',        'дерево', 10,   3,         true,  '2023-10-18', '2023-10-18 08:00:00', 0, 2, 3),
 (7, 'Ель',         'дерево', 0.5,  4,         false, '2023-10-18', '2023-10-18 09:00:00', 1, 2, 4),
 (8, 'O''Neil',     'фрукт',  -3,   5,         true,  '2021-06-01', '2021-06-01 12:00:00', 0, 5, 5);
)";

class DatasetTest : public testsupport::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        if (HasFatalFailure())
            return;
        db->adminTables(kItems);
        ds = std::make_unique<Dataset>(*conn);
        ds->setSql("select * from items order by id");
    }
    void TearDown() override
    {
        ds.reset();
        DbTest::TearDown();
    }

    // Ids of the visible rows in their order.
    std::vector<int> ids() const
    {
        std::vector<int> out;
        for (int i = 0; i < ds->recordCount(); ++i)
            out.push_back(ds->fieldAt(i, "id").asInt());
        return out;
    }

    std::unique_ptr<Dataset> ds;
};

using Ids = std::vector<int>;

} // namespace

TEST_F(DatasetTest, NamedParametersBesideCastsQuotesAndComments)
{
    struct Case {
        const char* sql;
        std::vector<std::pair<QString, Value>> params;
        QStringList names;
        QString result;
    };
    const Case cases[] = {
        {"select :a::int + :A::int as v", {{"a", 2}}, {"a"}, "4"},
        {"select to_char(:d::timestamp, 'DD.MM.YYYY HH24:MI:SS') as v",
         {{"D", QDateTime(QDate(2023, 10, 18), QTime(16, 33, 58))}}, {"d"}, "18.10.2023 16:33:58"},
        {"select ':x' || :Y || '''' || E'\\':z' as v -- :c\n", {{"y", "q"}}, {"y"}, ":xq'':z"},
        {"select \"a:b\".v from (select :p::text || $$ :no $$ as v) \"a:b\" /* :c /* :d */ */", {{"p", "P"}}, {"p"}, "P :no "},
        {"select count(*) as v from items where s_nom = :nom or s_nom = upper(:NOM) or id = :id_1",
         {{"Nom", "дерево"}, {"id_1", 1}}, {"nom", "id_1"}, "3"},
        {"select coalesce(:missing::text, 'null') as v", {}, {"missing"}, "null"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        ds->setSql(c.sql);
        EXPECT_EQ(ds->paramNames(), c.names);
        for (const auto& [name, value] : c.params)
            ds->setParam(name, value);
        ds->open();
        EXPECT_EQ(ds->field("v").asString(), c.result);
        ds->close();
    }
    EXPECT_THROW(ds->setParam("nope", 1), platform::Error);
}

TEST_F(DatasetTest, FieldsAreTypedFromTheirColumns)
{
    ds->setSql("select i.*, j.id, i.ral::int as ral_int from items i join items j on j.id = i.id where i.id in (1, 5) "
               "order by i.id");
    ds->open();
    ASSERT_EQ(ds->recordCount(), 2);
    const std::pair<const char*, Field::Type> types[] = {
        {"id", Field::Type::Integer},     {"marka", Field::Type::Text},     {"s_nom", Field::Type::Text},
        {"massa", Field::Type::Decimal},  {"price", Field::Type::Decimal},  {"ral", Field::Type::Boolean},
        {"d_date", Field::Type::Date},    {"d_time", Field::Type::DateTime}, {"tp_cnt", Field::Type::Integer},
        {"rate", Field::Type::Double},    {"id_1", Field::Type::Integer},
    };
    for (const auto& [name, type] : types)
        EXPECT_EQ(ds->field(name).type(), type) << name;

    EXPECT_EQ(ds->field("MARKA").asString(), "Стол");
    EXPECT_EQ(ds->field("ral").asString(), "1");
    EXPECT_TRUE(ds->field("ral").asBool());
    EXPECT_EQ(ds->field("massa").asString(), "12.500000");
    EXPECT_EQ(ds->field("massa").asDecimal(2), "12.50");
    EXPECT_EQ(ds->field("price").asDecimal(4), "100.1235");
    EXPECT_EQ(ds->field("price").asDecimal(2), "100.12");
    EXPECT_DOUBLE_EQ(ds->field("massa").asDouble(), 12.5);
    EXPECT_EQ(ds->field("massa").asInt(), 12);
    EXPECT_EQ(ds->field("d_date").asDate(), QDate(2023, 10, 18));
    EXPECT_EQ(ds->field("d_date").asString(), "18.10.2023");
    EXPECT_EQ(ds->field("d_time").asDateTime(), QDateTime(QDate(2023, 10, 18), QTime(16, 33, 58)));
    EXPECT_EQ(ds->field("d_time").asString(), "18.10.2023 16:33:58");
    EXPECT_EQ(ds->field("rate").asDouble(), 0.25);
    EXPECT_EQ(ds->field("id_1").asInt(), 1);
    EXPECT_EQ(ds->field("ral_int").asInt(), 1);

    ds->next();
    EXPECT_EQ(ds->field("ral").asString(), "0");
    EXPECT_TRUE(ds->field("marka").isNull());
    EXPECT_EQ(ds->field("marka").asString(), "");
    EXPECT_EQ(ds->field("massa").asInt(), 0);
    EXPECT_EQ(ds->field("massa").asDecimal(2), "");
    EXPECT_EQ(ds->field("d_time").asString(), "29.02.2024");
    EXPECT_THROW(ds->field("nope"), platform::Error);
}

TEST_F(DatasetTest, SortsNumbersDatesAndCyrillicTextStablyWithNullsFirst)
{
    struct Case {
        const char* sort;
        Ids expected;
    };
    const Case cases[] = {
        // Russian collation: Cyrillic before Latin, ё beside е, case ignored.
        {"marka", {5, 6, 7, 3, 1, 2, 4, 8}},
        {"marka DESC, s_nom ASC", {8, 4, 2, 1, 3, 7, 6, 5}},
        {"s_nom", {6, 7, 5, 1, 2, 3, 4, 8}},          // мебель = Мебель: fetched order kept
        {"s_nom DESC", {4, 8, 1, 2, 3, 5, 6, 7}},     // stable in descending order too
        {"massa", {5, 8, 7, 2, 4, 6, 1, 3}},          // as numbers: 9 before 10 before 100
        {"massa desc", {3, 1, 4, 6, 2, 7, 8, 5}},
        {"d_date DESC, marka ASC", {5, 6, 7, 1, 2, 3, 8, 4}},
        {"d_time", {2, 4, 8, 3, 6, 7, 1, 5}},
        {"tp_cnt, id DESC", {8, 6, 4, 2, 7, 3, 1, 5}},
        {"ral, rate desc", {4, 7, 5, 2, 3, 8, 6, 1}},
    };
    ds->open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sort);
        ds->setSort(c.sort);
        EXPECT_EQ(ds->sort(), c.sort);
        EXPECT_EQ(ids(), c.expected);
    }
    ds->setSort("");
    EXPECT_EQ(ids(), (Ids{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(DatasetTest, SortIsStableOverManyEqualKeys)
{
    ds->setSql("select g as id, (array['б', 'А', 'в'])[1 + g % 3] as k, (g % 2)::numeric as n "
               "from generate_series(1, 300) g order by g");
    ds->open();
    for (const char* sort : {"k", "k DESC", "n DESC, k"}) {
        SCOPED_TRACE(sort);
        ds->setSort(sort);
        for (int i = 1; i < ds->recordCount(); ++i) {
            const bool tie = ds->fieldAt(i, "k").asString() == ds->fieldAt(i - 1, "k").asString()
                && ds->fieldAt(i, "n").asInt() == ds->fieldAt(i - 1, "n").asInt();
            if (tie) {
                ASSERT_LT(ds->fieldAt(i - 1, "id").asInt(), ds->fieldAt(i, "id").asInt()) << "row " << i;
            }
        }
    }
    ds->setSort("k DESC");
    EXPECT_EQ(ds->fieldAt(0, "k").asString(), "в");
    EXPECT_EQ(ds->fieldAt(299, "k").asString(), "А");
}

TEST_F(DatasetTest, SortKeepsTheCurrentRowAndOnlyLivesWhileOpen)
{
    ds->open();
    ASSERT_TRUE(ds->locate("id", 3));
    ds->setSort("massa DESC");
    EXPECT_EQ(ds->recNo(), 1);
    EXPECT_EQ(ds->field("id").asInt(), 3);
    ds->setSort("massa ASC");
    EXPECT_EQ(ds->recNo(), 8);
    EXPECT_EQ(ds->field("id").asInt(), 3);

    EXPECT_THROW(ds->setSort("nosuch DESC"), platform::Error);
    EXPECT_THROW(ds->setSort("marka DOWN"), platform::Error);
    EXPECT_EQ(ds->sort(), "massa ASC");

    ds->close();
    EXPECT_EQ(ds->sort(), "");
    EXPECT_THROW(ds->setSort("marka"), platform::Error);
    ds->open();
    EXPECT_EQ(ds->sort(), "");
    EXPECT_EQ(ids(), (Ids{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(DatasetTest, FiltersCompareCaseInsensitivelyAndNumbersAsNumbers)
{
    struct Case {
        QString filter;
        Ids expected;
    };
    const Case cases[] = {
        {"marka like 'ст%'", {1, 2}},
        {"marka like 'СТ%'", {1, 2}},
        {"marka like '%стол%'", {1, 3}},
        {"marka like '%то_'", {1, 3}},
        {"marka not like '%е%'", {1, 2, 4, 6, 8}},
        {"marka = 'стол'", {1}},
        {"marka <> 'стол'", {2, 3, 4, 6, 7, 8}},
        {"marka > 'ель'", {3, 1, 2, 4, 8}},
        {"marka is null", {5}},
        {"tp_cnt>0", {1, 3, 5, 7}},
        {"id_nom=7", {1, 2, 5}},
        {"id<2", {1}},
        {"id != 1 and id <= 3", {2, 3}},
        {"massa < 0.75", {7, 8}},
        {"massa >= 10 and not ral = 1", {4}},
        {"ral = 0", {2, 5, 7}},
        {"(id_nom = 7 or id_nom = 2) and marka like 'е%'", {7}},
        {"marka like 'ст%' or id_nom = 5", {1, 2, 4, 8}},
        {"d_date < '01.01.2023'", {3, 8}},
        {"d_date = '2023-10-18'", {1, 6, 7}},
        {"s_nom = 'МЕБЕЛЬ'", {1, 2, 3}},
        {"[s_nom] like 'д%' AND rate > 3.5", {7}},
    };
    ds->open();
    ds->setFiltered(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter.toStdString());
        ds->setFilter(c.filter);
        std::vector<int> got = ids();
        std::vector<int> want = c.expected;
        std::sort(got.begin(), got.end());
        std::sort(want.begin(), want.end());
        EXPECT_EQ(got, want);
        EXPECT_EQ(ds->recNo(), want.empty() ? 0 : 1);
    }
    ds->setFiltered(false);
    EXPECT_EQ(ds->recordCount(), 8);
}

TEST_F(DatasetTest, SearchBoxFilterOverCaptions)
{
    db->adminTables("create table staffpos (id int, s_caption text);"
                    "insert into staffpos values (1, 'Столяр'), (2, 'Слесарь'), (3, 'старший мастер'), (4, 'Мастер')");
    ds->setSql("select * from staffpos order by id");
    ds->open();
    ds->setFilter("s_caption like '" + filterLiteral("Ст") + "%'");
    ds->setFiltered(true);
    EXPECT_EQ(ids(), (Ids{1, 3}));
    ds->setFilter("s_caption like '%" + filterLiteral("МАСТ") + "%'");
    EXPECT_EQ(ids(), (Ids{3, 4}));
    ds->setFiltered(false);
    EXPECT_EQ(ids(), (Ids{1, 2, 3, 4}));
}

TEST_F(DatasetTest, TypedQuoteIsTakenLiterallyAndInvalidExpressionsAreErrors)
{
    ds->open();
    ds->setFiltered(true);
    ds->setFilter("marka like '%" + filterLiteral("o'n") + "%'");
    EXPECT_EQ(ids(), (Ids{8}));

    ds->setFilter("id<2");
    const char* const invalid[] = {
        "marka like '%o'n%'", "marka like 'ст", "marka ~ 'x'", "(id = 1", "id = ", "id = 1 and", "= 1",
        "nosuch = 1", "id = 'abc'", "d_date = 'вчера'", "id = 1 id = 2",
    };
    for (const char* expression : invalid) {
        SCOPED_TRACE(expression);
        try {
            ds->setFilter(expression);
            ADD_FAILURE() << "accepted";
        } catch (const platform::Error& e) {
            EXPECT_FALSE(e.message().isEmpty());
        }
        EXPECT_EQ(ds->filter(), "id<2"); // the previous filter stays in force
        EXPECT_EQ(ids(), (Ids{1}));
    }
}

TEST_F(DatasetTest, FilterSurvivesCloseAndOpenWhileSortDoesNot)
{
    ds->setFilter("id_nom = 7");
    ds->setFiltered(true);
    ds->open();
    EXPECT_EQ(ids(), (Ids{1, 2, 5}));
    ds->setSort("id DESC");
    EXPECT_EQ(ids(), (Ids{5, 2, 1}));
    ds->close();
    EXPECT_EQ(ds->recordCount(), 0);
    ds->open();
    EXPECT_EQ(ds->filter(), "id_nom = 7");
    EXPECT_TRUE(ds->filtered());
    EXPECT_EQ(ids(), (Ids{1, 2, 5}));

    // A sort set again after a reopen applies within the filter.
    ds->setSort("marka DESC");
    EXPECT_EQ(ids(), (Ids{2, 1, 5}));
    ds->setFilter("id_nom <> 7");
    EXPECT_EQ(ids(), (Ids{8, 4, 3, 7, 6}));
}

TEST_F(DatasetTest, RecordNumbersClampAfterReopenAndAfterTheLastRowGoes)
{
    ds->open();
    EXPECT_EQ(ds->recNo(), 1);
    ds->setRecNo(100);
    EXPECT_EQ(ds->recNo(), 8);
    ds->setRecNo(-5);
    EXPECT_EQ(ds->recNo(), 1);

    ds->last();
    const int remembered = ds->recNo();
    execute(*conn, "delete from items where id = :id", {{"id", ds->field("id").asInt()}});
    ds->close();
    ds->open();
    ds->setRecNo(remembered);
    EXPECT_EQ(ds->recNo(), 7);
    EXPECT_EQ(ds->field("id").asInt(), 7);

    ds->setRecNo(3); // a middle row deleted: the next row takes its place
    execute(*conn, "delete from items where id = :id", {{"id", ds->field("id").asInt()}});
    ds->close();
    ds->open();
    ds->setRecNo(3);
    EXPECT_EQ(ds->field("id").asInt(), 4);

    ds->setFilter("id > 100");
    ds->setFiltered(true);
    EXPECT_EQ(ds->recNo(), 0);
    EXPECT_TRUE(ds->eof());
    EXPECT_TRUE(ds->bof());
    ds->setRecNo(3);
    EXPECT_EQ(ds->recNo(), 0);
    EXPECT_TRUE(ds->field("id").isNull());
}

TEST_F(DatasetTest, WalkingAndLocating)
{
    ds->open();
    std::vector<int> walked;
    for (ds->first(); !ds->eof(); ds->next())
        walked.push_back(ds->field("id").asInt());
    EXPECT_EQ(walked, (Ids{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(ds->recNo(), 8);
    walked.clear();
    for (ds->last(); !ds->bof(); ds->prior())
        walked.push_back(ds->field("id").asInt());
    EXPECT_EQ(walked, (Ids{8, 7, 6, 5, 4, 3, 2, 1}));

    struct Case {
        const char* field;
        QVariant value;
        int id; // 0: not found
    };
    const Case cases[] = {
        {"marka", "Ель", 7},
        {"marka", "ель", 0}, // case-sensitive
        {"MARKA", "стул", 2},
        {"massa", 10, 4},
        {"massa", "0.5", 7},
        {"d_date", QDate(2023, 10, 18), 1},
        {"ral", true, 1},
        {"marka", QVariant(), 5},
        {"id", 99, 0},
    };
    ds->setRecNo(6);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const int before = ds->field("id").asInt();
        EXPECT_EQ(ds->locate(c.field, c.value), c.id != 0);
        EXPECT_EQ(ds->field("id").asInt(), c.id != 0 ? c.id : before);
    }
    EXPECT_THROW(ds->locate("nosuch", 1), platform::Error);
}

TEST_F(DatasetTest, TellsTheGridWhenRowsChangeAndWhenTheCurrentRowMoves)
{
    int resets = 0;
    std::vector<int> moves;
    QObject::connect(ds.get(), &Dataset::reset, [&resets] { ++resets; });
    QObject::connect(ds.get(), &Dataset::recNoChanged, [&moves](int n) { moves.push_back(n); });

    ds->open();
    EXPECT_EQ(resets, 1);
    ds->next();
    ds->setRecNo(5);
    ds->setRecNo(5);
    EXPECT_EQ(moves, (Ids{1, 2, 5}));
    ds->setSort("marka");
    EXPECT_EQ(resets, 2);
    ds->setFilter("id < 3");
    EXPECT_EQ(resets, 2); // not filtered yet: nothing visible changed
    ds->setFiltered(true);
    EXPECT_EQ(resets, 3);
    ds->close();
    EXPECT_EQ(resets, 4);
    EXPECT_EQ(moves.back(), 0);
}

TEST_F(DatasetTest, ReportsServerErrorsAndMemoryHeld)
{
    ds->setSql("select * from no_such_table");
    EXPECT_THROW(ds->open(), DbError);
    EXPECT_FALSE(ds->active());

    ds->setSql("select * from items");
    ds->setFilter("marka like 'с%'");
    ds->setFiltered(true);
    ds->open();
    const std::size_t used = ds->memoryUsage();
    EXPECT_GT(used, 8u * 11u * 16u); // at least one cell descriptor per fetched cell
    EXPECT_LT(used, 64u * 1024u);

    ds->close();
    ds->setSql("select id from items");
    EXPECT_THROW(ds->open(), platform::Error); // the kept filter names a field the result lacks
    EXPECT_FALSE(ds->active());
}
